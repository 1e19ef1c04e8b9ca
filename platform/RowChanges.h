#pragma once

#include <cstddef>
#include <functional>
#include <vector>

// What happened to a RowTable's rows since whoever shows them last caught up.
// Rows change one by one in long loops; telling a view of each change would
// cost more than the change, so the changes are kept here and told in one go:
// a run of appended rows as one step, each removed row as one step, and
// anything bigger (or a reorder, or a clear) as "everything".
class RowChanges {
public:
    // A run of rows appended at the end (removedRow -1), or one removed row.
    struct Step {
        int removedRow;
        int appended;
    };

    // Called on the first change after a catch-up: the moment to arrange for
    // the view to hear of it once the event loop runs.
    std::function<void()> Changed;

    bool Pending() const { return pending_; }
    // The rows are best shown anew: the steps are not kept.
    bool Everything() const { return everything_; }
    // A row the view already knew has a changed cell.
    bool CellsChanged() const { return cellsChanged_; }
    // Rows were removed, and not all of them since: telling the view costs
    // about as much as the rows left, whatever few were removed.
    bool RowsRemoved() const { return rowsRemoved_; }
    const std::vector<Step>& Steps() const { return steps_; }

    // Where a row numbered as after the first `told` steps is now: -1 when a
    // later step removed it. Only meaningful while Everything() is false.
    int RowNow(int row, size_t told) const;

    // The view now shows `rowCount` rows, as they are.
    void CaughtUp(int rowCount);

    // Told by the table, right after the change.
    void RowAppended();
    void RowRemoved(int row);
    void CellChanged(int row);
    void EverythingChanged();
    // Every row removed: those that come now are all new to the view.
    void Cleared();

private:
    void changed();
    void log(Step step);

    std::vector<Step> steps_;
    int knownRows_ = 0;
    bool everything_ = false;
    bool cellsChanged_ = false;
    bool rowsRemoved_ = false;
    bool pending_ = false;
};
