#include "platform/ListboxModel.h"

#include "platform/EventLoop.h"
#include "platform/Listbox.h"
#include "platform/QtText.h"

#include <QCoreApplication>

namespace {

// Beyond this many steps a reset is cheaper for the view than replaying them,
// and the view shows nothing of a big change before the loop ends anyway.
constexpr size_t kMaxSteps = 16;

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
    return toQString(list_.cellText(row, index.column()));
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

void ListboxModel::rowAppended() {
    if (!resetPending_ && !steps_.empty() && steps_.back().removedRow < 0)
        ++steps_.back().appended;
    else
        log({-1, 1});
    changed();
}

void ListboxModel::rowRemoved(int row) {
    log({row, 0});
    changed();
}

void ListboxModel::cellChanged(int row) {
    // A store row at or past the rows the view knows can only be one it has
    // not heard of yet, which it will read in full when told.
    if (row < publishedRows_)
        cellsChanged_ = true;
    changed();
}

void ListboxModel::everythingChanged() {
    resetPending_ = true;
    steps_.clear();
    changed();
}

void ListboxModel::headingChanged(int column) {
    if (column < publishedColumns_)
        emit headerDataChanged(Qt::Horizontal, column, column);
}

void ListboxModel::log(Step step) {
    if (resetPending_)
        return;
    if (steps_.size() == kMaxSteps) {
        everythingChanged();
        return;
    }
    steps_.push_back(step);
}

void ListboxModel::changed() {
    pending_ = true;
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
    publish();
    // The view lays out new rows on a timer, which a turn inside a row loop
    // holds back; without this it would paint the rows it had before.
    list_.layOutView();
    return true;
}

void ListboxModel::publish() {
    if (!pending_ || publishing_)
        return;
    publishing_ = true;
    if (resetPending_) {
        beginResetModel();
        publishedRows_ = list_.ListCount();
        publishedColumns_ = list_.ColumnCount();
        steps_.clear();
        resetPending_ = false;
        endResetModel();
    } else {
        // Each step is told with the rows as they were at that step, which
        // storeRow() works out from the steps still to be told.
        for (stepsTold_ = 0; stepsTold_ < steps_.size();) {
            const Step step = steps_[stepsTold_];
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
        steps_.clear();
        stepsTold_ = 0;
        if (cellsChanged_ && publishedRows_ > 0 && publishedColumns_ > 0)
            emit dataChanged(index(0, 0), index(publishedRows_ - 1, publishedColumns_ - 1),
                             {Qt::DisplayRole});
    }
    cellsChanged_ = false;
    pending_ = false;
    publishing_ = false;
    list_.syncViewSelection();
}

int ListboxModel::storeRow(int viewRow) const {
    int row = viewRow;
    if (!resetPending_) {
        for (size_t i = stepsTold_; i < steps_.size(); ++i) {
            const int removed = steps_[i].removedRow;
            if (row == removed)
                return -1;
            if (removed >= 0 && row > removed)
                --row;
        }
    }
    return row >= 0 && row < list_.ListCount() ? row : -1;
}
