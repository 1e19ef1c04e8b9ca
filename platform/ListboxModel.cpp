#include "platform/ListboxModel.h"

#include "platform/EventLoop.h"
#include "platform/Listbox.h"
#include "platform/QtText.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTableView>
#include <algorithm>

namespace {

// Without a screen to measure: as many characters as the widest screens have
// points across.
constexpr qsizetype kCharactersWithoutScreen = 8192;

}  // namespace

ListboxModel::ListboxModel(Listbox& list) : list_(list), publishedColumns_(list.ColumnCount()) {}

int ListboxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : publishedRows_;
}

int ListboxModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : publishedColumns_;
}

QVariant ListboxModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const int row = storeRow(index.row());
    if (row < 0 || index.column() >= list_.ColumnCount())
        return {};
    return toQStringPrefix(list_.rows_.Cell(row, index.column()), shownCharacters());
}

qsizetype ListboxModel::shownCharacters() const {
    // A cell shows on one line, cut at its column's edge, so only its start
    // is ever seen: as many characters as the screen is points wide fill any
    // column, since none is narrower than a point. Laying out the whole of a
    // cell of a few hundred megabytes would take gigabytes.
    const QTableView* table = list_.view();
    const QScreen* screen = table ? table->screen() : QGuiApplication::primaryScreen();
    return screen ? std::max<qsizetype>(screen->geometry().width(), 1) : kCharactersWithoutScreen;
}

QVariant ListboxModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return toQString(list_.Heading(section));
}

Qt::ItemFlags ListboxModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ListboxModel::headingChanged(int column) {
    if (column < publishedColumns_)
        emit headerDataChanged(Qt::Horizontal, column, column);
}

void ListboxModel::changed() {
    if (queued_)
        return;
    queued_ = true;
    // A turn inside a row loop delivers this, so the view grows as the loop runs.
    QCoreApplication::postEvent(
        this, new QEvent(static_cast<QEvent::Type>(EventLoop::PaintPreparationEventType())));
}

bool ListboxModel::event(QEvent* event) {
    if (event->type() != EventLoop::PaintPreparationEventType())
        return QAbstractTableModel::event(event);
    queued_ = false;
    if (EventLoop::InTurn() && list_.rows_.Changes().RowsRemoved()) {
        // Telling the view of removed rows makes it lay out every row left,
        // which a loop of removals would pay again at every turn. Until the
        // loop is done the view keeps its rows and scroll range and repaints
        // the rows as they are now. Posted again, this event comes back at
        // the next turn, or from the event loop once the loop has ended,
        // which tells the view.
        changed();
        list_.syncViewSelection();
        list_.repaintView();
        return true;
    }
    publish();
    // The view lays out new rows on a timer, which a turn inside a row loop
    // holds back; without this it would paint the rows it had before.
    list_.layOutView();
    return true;
}

bool ListboxModel::hasUnpublishedChanges() const {
    return list_.rows_.Changes().Pending();
}

void ListboxModel::publish() {
    RowChanges& changes = list_.rows_.Changes();
    if (!changes.Pending() || publishing_)
        return;
    publishing_ = true;
    if (changes.Everything()) {
        beginResetModel();
        publishedRows_ = list_.ListCount();
        publishedColumns_ = list_.ColumnCount();
        changes.CaughtUp(publishedRows_);
        endResetModel();
    } else {
        // Each step is told with the rows as they were at that step, which
        // storeRow() works out from the steps still to be told.
        const std::vector<RowChanges::Step>& steps = changes.Steps();
        for (stepsTold_ = 0; stepsTold_ < steps.size();) {
            const RowChanges::Step step = steps[stepsTold_];
            if (step.removedRow < 0) {
                beginInsertRows({}, publishedRows_, publishedRows_ + step.appended - 1);
                publishedRows_ += step.appended;
                ++stepsTold_;
                endInsertRows();
            } else {
                beginRemoveRows({}, step.removedRow, step.removedRow);
                --publishedRows_;
                ++stepsTold_;
                endRemoveRows();
            }
        }
        stepsTold_ = 0;
        const bool cellsChanged = changes.CellsChanged();
        changes.CaughtUp(publishedRows_);
        if (cellsChanged && publishedRows_ > 0 && publishedColumns_ > 0)
            emit dataChanged(index(0, 0), index(publishedRows_ - 1, publishedColumns_ - 1),
                             {Qt::DisplayRole});
    }
    publishing_ = false;
    list_.syncViewSelection();
}

int ListboxModel::storeRow(int viewRow) const {
    const RowChanges& changes = list_.rows_.Changes();
    const int row = changes.Everything() ? viewRow : changes.RowNow(viewRow, stepsTold_);
    return row >= 0 && row < list_.ListCount() ? row : -1;
}
