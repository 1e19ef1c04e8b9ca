#include "platform/RowChanges.h"

namespace {

// Beyond this many steps showing the rows anew is cheaper than replaying
// them, and nothing of a big change is seen before its loop ends anyway.
constexpr size_t kMaxSteps = 16;

}  // namespace

int RowChanges::RowNow(int row, size_t told) const {
    for (size_t i = told; i < steps_.size(); ++i) {
        const int removed = steps_[i].removedRow;
        if (row == removed)
            return -1;
        if (removed >= 0 && row > removed)
            --row;
    }
    return row;
}

void RowChanges::CaughtUp(int rowCount) {
    steps_.clear();
    knownRows_ = rowCount;
    everything_ = false;
    cellsChanged_ = false;
    rowsRemoved_ = false;
    pending_ = false;
}

void RowChanges::RowAppended() {
    if (!everything_ && !steps_.empty() && steps_.back().removedRow < 0)
        ++steps_.back().appended;
    else
        log({-1, 1});
    changed();
}

void RowChanges::RowRemoved(int row) {
    rowsRemoved_ = true;
    log({row, 0});
    changed();
}

void RowChanges::CellChanged(int row) {
    // A row the view has not heard of yet is read in full when it is told.
    if (row < knownRows_)
        cellsChanged_ = true;
    changed();
}

void RowChanges::EverythingChanged() {
    everything_ = true;
    steps_.clear();
    changed();
}

void RowChanges::Cleared() {
    rowsRemoved_ = false;
    EverythingChanged();
}

void RowChanges::log(Step step) {
    if (everything_)
        return;
    if (steps_.size() == kMaxSteps) {
        everything_ = true;
        steps_.clear();
        return;
    }
    steps_.push_back(step);
}

void RowChanges::changed() {
    if (pending_)
        return;
    pending_ = true;
    if (Changed)
        Changed();
}
