#pragma once

#include <QAbstractTableModel>

class Listbox;

// What a Listbox's view reads. The rows change one by one in long loops;
// telling the view of each change would cost more than the change, so their
// store keeps a log of what changed (RowChanges) and the model tells the view
// once the event loop next runs: one insertion for rows appended, a removal
// per row for a few rows removed, a reset for anything bigger. Removals wait
// for the loop that makes them to end: till then the view only repaints.
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

    // The rows changed since the view last heard: it hears once the event
    // loop runs (a turn inside a row loop included).
    void changed();
    void headingChanged(int column);

    // Tells the view everything that changed since it last heard.
    void publish();
    bool hasUnpublishedChanges() const;
    bool isPublishing() const { return publishing_; }
    // The store's row shown at a row of the view, -1 when that row is gone
    // from the store.
    int storeRow(int viewRow) const;

protected:
    bool event(QEvent* event) override;

private:
    // How much of a cell the view is given: enough to fill its column.
    qsizetype shownCharacters() const;

    Listbox& list_;
    int publishedRows_ = 0;
    int publishedColumns_;
    // While publishing, the steps before this one are what the view has heard.
    size_t stepsTold_ = 0;
    bool queued_ = false;
    bool publishing_ = false;
};
