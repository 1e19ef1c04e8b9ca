#include "platform/RowTable.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr uint32_t kShortRowLimit = std::numeric_limits<uint16_t>::max();

size_t endWidth(bool wide) {
    return wide ? sizeof(uint32_t) : sizeof(uint16_t);
}

// Cells are mostly a few bytes long, where a call to memcpy costs more than
// the copy: fixed-size copies (which the compiler inlines) that may overlap
// cover any length up to 16 bytes.
void copyCell(char* out, const char* in, size_t size) {
    if (size >= 8 && size <= 16) {
        std::memcpy(out, in, 8);
        std::memcpy(out + size - 8, in + size - 8, 8);
    } else if (size >= 4 && size < 8) {
        std::memcpy(out, in, 4);
        std::memcpy(out + size - 4, in + size - 4, 4);
    } else if (size > 0 && size < 4) {
        out[0] = in[0];
        out[size / 2] = in[size / 2];
        out[size - 1] = in[size - 1];
    } else if (size > 16) {
        std::memcpy(out, in, size);
    }
}

}  // namespace

RowTable::Row::Row(int columns, std::span<const std::string_view> cells) {
    pack(columns, [&cells](int column) {
        return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)]
                                                          : std::string_view();
    });
}

RowTable::Row RowTable::Row::withCell(int columns, int column, std::string_view text) const {
    // The new row is whole before this one goes, so the text may come from it.
    Row changed;
    changed.pack(columns, [&](int c) { return c == column ? text : cell(columns, c); });
    return changed;
}

template <class CellAt>
void RowTable::Row::pack(int columns, const CellAt& cellAt) {
    size_t text = 0;
    for (int column = 0; column < columns; ++column)
        text += cellAt(column).size();
    if (text == 0)
        return;
    const bool wide = text >= kShortRowLimit;
    const size_t width = endWidth(wide);
    const size_t header = 1 + width * static_cast<size_t>(columns);
    data_ = std::make_unique_for_overwrite<char[]>(header + text);
    data_[0] = wide ? 1 : 0;
    char* ends = data_.get() + 1;
    char* out = data_.get() + header;
    uint32_t end = 0;
    for (int column = 0; column < columns; ++column) {
        const std::string_view cell = cellAt(column);
        copyCell(out + end, cell.data(), cell.size());
        end += static_cast<uint32_t>(cell.size());
        if (wide) {
            std::memcpy(ends + width * static_cast<size_t>(column), &end, sizeof end);
        } else {
            const auto shortEnd = static_cast<uint16_t>(end);
            std::memcpy(ends + width * static_cast<size_t>(column), &shortEnd, sizeof shortEnd);
        }
    }
}

uint32_t RowTable::Row::end(int column) const {
    const char* ends = data_.get() + 1;
    if (data_[0]) {
        uint32_t end;
        std::memcpy(&end, ends + sizeof end * static_cast<size_t>(column), sizeof end);
        return end;
    }
    uint16_t end;
    std::memcpy(&end, ends + sizeof end * static_cast<size_t>(column), sizeof end);
    return end;
}

std::string_view RowTable::Row::cell(int columns, int column) const {
    if (!data_)
        return {};
    const uint32_t start = column == 0 ? 0 : end(column - 1);
    const size_t header = 1 + endWidth(data_[0]) * static_cast<size_t>(columns);
    return {data_.get() + header + start, end(column) - start};
}

size_t RowTable::Row::bytes(int columns) const {
    if (!data_)
        return 0;
    return 1 + endWidth(data_[0]) * static_cast<size_t>(columns) + end(columns - 1);
}

RowTable::RowTable(int columns) : columns_(std::max(columns, 1)) {}

void RowTable::AddRow(std::string_view firstCell) {
    AddRow(std::span(&firstCell, 1));
}

void RowTable::AddRow(std::span<const std::string_view> cells) {
    compactRemovedRows();
    rows_.emplace_back(columns_, cells);
    lastIndex_ = static_cast<int>(rows_.size()) - 1;
    changes_.RowAppended();
}

bool RowTable::inRange(int row, int column) const {
    return row >= 0 && row < RowCount() && column >= 0 && column < columns_;
}

std::string_view RowTable::Cell(int row, int column) const {
    if (!inRange(row, column))
        return {};
    return this->row(row).cell(columns_, column);
}

void RowTable::SetCell(int row, int column, std::string_view text) {
    if (!inRange(row, column))
        return;
    Row& packed = this->row(row);
    if (packed.cell(columns_, column) != text)
        packed = packed.withCell(columns_, column, text);
    changes_.CellChanged(row);
}

RowTable::Row& RowTable::row(int index) const {
    if (firstRemoved_ >= 0 && index >= firstRemoved_)
        compactRemovedRows();
    return rows_[static_cast<size_t>(index)];
}

void RowTable::compactRemovedRows() const {
    if (firstRemoved_ < 0)
        return;
    auto kept = rows_.begin() + firstRemoved_;
    for (size_t index = static_cast<size_t>(firstRemoved_); index < rows_.size(); ++index)
        if (!removed_[index])
            *kept++ = std::move(rows_[index]);
    rows_.erase(kept, rows_.end());
    removed_.clear();
    firstRemoved_ = -1;
    removedCount_ = 0;
}

void RowTable::RemoveRow(int row) {
    if (row < 0 || row >= RowCount())
        return;
    // Rows above the first gap are where they belong, so a removal there is
    // only a mark; the gaps close when a row at or below them is wanted.
    if (firstRemoved_ >= 0 && row >= firstRemoved_)
        compactRemovedRows();
    if (removed_.empty())
        removed_.assign(rows_.size(), false);
    removed_[static_cast<size_t>(row)] = true;
    rows_[static_cast<size_t>(row)] = Row();
    firstRemoved_ = row;
    ++removedCount_;
    if (row < lastIndex_)
        --lastIndex_;
    else if (row == lastIndex_)
        lastIndex_ = -1;
    changes_.RowRemoved(row);
    if (RowRemoved)
        RowRemoved(row);
}

void RowTable::Clear() {
    // Swapped out, so the memory of a big roll goes back at once.
    std::vector<Row>().swap(rows_);
    std::vector<bool>().swap(removed_);
    firstRemoved_ = -1;
    removedCount_ = 0;
    lastIndex_ = -1;
    changes_.Cleared();
    if (Cleared)
        Cleared();
}

void RowTable::Reorder(const std::vector<int>& order) {
    compactRemovedRows();
    if (order.size() != rows_.size())
        return;
    std::vector<Row> reordered;
    reordered.reserve(rows_.size());
    int last = -1;
    for (int from : order) {
        if (from == lastIndex_)
            last = static_cast<int>(reordered.size());
        reordered.push_back(std::move(rows_[static_cast<size_t>(from)]));
    }
    rows_ = std::move(reordered);
    lastIndex_ = last;
    changes_.EverythingChanged();
}

size_t RowTable::HeapBytes() const {
    size_t total = rows_.capacity() * sizeof(Row) + removed_.capacity() / 8;
    for (const Row& packed : rows_)
        total += packed.bytes(columns_);
    return total;
}
