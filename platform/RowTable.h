#pragma once

#include "platform/RowChanges.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

// Rows of text cells, as many columns in every row, with no widget: the roll
// while the program runs. A list control owns one and its view reads it.
// Rows and columns count from 0; a row or column out of range reads empty and
// is never written.
class RowTable {
public:
    explicit RowTable(int columns);

    int ColumnCount() const { return columns_; }
    int RowCount() const { return static_cast<int>(rows_.size()) - removedCount_; }

    // Appends a row, its first cell the text and the others empty.
    void AddRow(std::string_view firstCell);
    // Appends a row with all its cells at once; missing cells are empty,
    // cells past the last column are ignored.
    void AddRow(std::span<const std::string_view> cells);
    // The row added last, followed as rows above it are removed or the rows
    // are reordered; -1 before any, after Clear or once it is removed.
    int LastIndex() const { return lastIndex_; }

    // Valid until the row is next changed or the rows are added to or removed.
    std::string_view Cell(int row, int column) const;
    void SetCell(int row, int column, std::string_view text);

    // Later rows move up by one.
    void RemoveRow(int row);
    void Clear();

    // Puts the rows in a new order: row i becomes the row that was at
    // order[i]. The order must name every row once.
    void Reorder(const std::vector<int>& order);

    // What changed since whoever shows the rows last caught up.
    RowChanges& Changes() { return changes_; }
    const RowChanges& Changes() const { return changes_; }

    // Told at once, whoever removes the rows, for whoever keeps row numbers
    // (a list's selection): one row removed, or all of them.
    std::function<void(int row)> RowRemoved;
    std::function<void()> Cleared;

    // Bytes held by the rows, for benchmarks.
    size_t HeapBytes() const;

private:
    // One row's cells in one allocation: a byte telling the width of the cell
    // ends, the end of every cell (16 bits while the row's text is short,
    // else 32), then the texts back to back. A row of empty cells holds no
    // allocation at all.
    class Row {
    public:
        Row() = default;
        Row(int columns, std::span<const std::string_view> cells);
        // The cells of this row with one of them replaced.
        Row withCell(int columns, int column, std::string_view text) const;
        std::string_view cell(int columns, int column) const;
        size_t bytes(int columns) const;

        // Fills the row from cellAt(0) to cellAt(columns - 1).
        template <class CellAt>
        void pack(int columns, const CellAt& cellAt);

    private:
        uint32_t end(int column) const;
        std::unique_ptr<char[]> data_;
    };

    Row& row(int index) const;
    void compactRemovedRows() const;
    bool inRange(int row, int column) const;

    int columns_;
    // Removed rows are first only marked, and the gaps close the next time a
    // row at or below the first gap is reached; so a filter, which removes
    // from the last row up, costs one pass instead of one move of the rows
    // below per removal.
    mutable std::vector<Row> rows_;
    mutable std::vector<bool> removed_;
    mutable int firstRemoved_ = -1;
    mutable int removedCount_ = 0;
    int lastIndex_ = -1;
    RowChanges changes_;
};
