#pragma once

#include <QAbstractTableModel>
#include <vector>

class Listbox;

// What a Listbox's view reads. The list changes its store row by row in long
// loops; telling the view of each change would cost more than the change, so
// the model keeps the row count the view last heard of and tells it what
// changed once the event loop next runs: one insertion for rows appended, a
// removal per row for a few rows removed, a reset for anything bigger.
class ListboxModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ListboxModel(Listbox& list);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // What the list did to its store, told right after doing it.
    void rowAppended();
    void rowRemoved(int row);
    void cellChanged(int row);
    // Rows reordered, all removed, or columns changed.
    void everythingChanged();
    void headingChanged(int column);

    // Tells the view everything that changed since it last heard.
    void publish();
    bool hasUnpublishedChanges() const { return pending_; }
    bool isPublishing() const { return publishing_; }
    // The store's row shown at a row of the view, -1 when that row is gone
    // from the store.
    int storeRow(int viewRow) const;

protected:
    bool event(QEvent* event) override;

private:
    // One change to the rows not yet told: a run of appended rows, or one
    // removed row.
    struct Step {
        int removedRow;  // -1 for appended rows
        int appended;
    };

    void changed();
    void log(Step step);

    Listbox& list_;
    int publishedRows_ = 0;
    int publishedColumns_;
    std::vector<Step> steps_;
    // While publishing, the steps before this one are what the view has heard.
    size_t stepsTold_ = 0;
    bool resetPending_ = false;
    bool cellsChanged_ = false;
    bool pending_ = false;
    bool queued_ = false;
    bool publishing_ = false;
};
