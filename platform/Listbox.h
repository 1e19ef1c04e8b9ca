#pragma once

#include "platform/Control.h"
#include "platform/RowTable.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class ListboxDelegate;
class ListboxModel;
class QTableView;

// The surface handed to the cell background paint hook: one cell.
class CellGraphics {
public:
    virtual ~CellGraphics() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetForeColor(int red, int green, int blue) = 0;
    virtual void FillRect(int left, int top, int width, int height) = 0;
};

// A list of rows of text cells. The rows live in one store owned by the list
// (a RowTable, which the roll's rules work on directly); the view on screen
// only reads them, so a list of 100,000 rows costs no widget or item per
// cell. Rows and columns count from 0.
class Listbox : public Control {
public:
    explicit Listbox(std::string name, int columnCount = 1);
    ~Listbox() override;

    // The rows themselves. What is done to them, here or through the list,
    // reaches the view in batches and keeps the selection right.
    RowTable& Rows() { return rows_; }
    const RowTable& Rows() const { return rows_; }

    int ColumnCount() const { return rows_.ColumnCount(); }
    std::string Heading(int column) const;
    void SetHeading(int column, std::string_view text);

    // Appends a row, its first cell the text, the others empty.
    void AddRow(std::string_view firstCell);
    // The row added last, followed as rows above it are removed or the rows
    // are sorted; -1 before any, after DeleteAllRows or once it is removed.
    int LastIndex() const { return rows_.LastIndex(); }
    int ListCount() const;

    // Empty text for a row or column out of range.
    std::string Cell(int row, int column) const;
    void SetCell(int row, int column, std::string_view text);

    // Later rows move up by one. Removing the selected row clears the
    // selection (and raises Change); removing one above it keeps the same
    // row selected.
    void RemoveRow(int row);
    // Clears the selection too (raising Change when there was one).
    void DeleteAllRows();

    // The selected row, -1 for none. Setting it to another row (or -1) raises
    // Change before SetListIndex returns; a row out of range means none.
    int ListIndex() const { return listIndex_; }
    void SetListIndex(int row);
    int SelCount() const { return listIndex_ >= 0 ? 1 : 0; }

    // Sorts the rows ascending by the text of one column, in the order of the
    // user's language and ignoring case, and keeps rows with equal texts in
    // their order. The selected row stays
    // selected where it moves.
    void SortByColumn(int column);

    // Raised when the selection changes, by a click or by SetListIndex.
    std::function<void()> Change;
    // Paints a cell's background before its text and the selection are drawn;
    // returns true when it drew the whole cell itself.
    std::function<bool(CellGraphics& g, int row, int column)> CellBackgroundPaint;

    QTableView* view() const;

private:
    friend class ListboxModel;
    friend class ListboxDelegate;

    void fitRowHeight();
    // Selects the row (-1 for none) and raises Change when it is another.
    void setSelection(int row);
    void rowRemoved(int row);
    void rowsCleared();
    // Shows the selection in the view once the view shows the rows as they are.
    void syncViewSelection();
    void viewSelectionChanged();
    // Brings the view's rows and scroll range up to date now.
    void layOutView();
    // Paints the rows shown again, as they are now.
    void repaintView();

    RowTable rows_;
    std::vector<std::string> headings_;
    int listIndex_ = -1;
    bool syncingView_ = false;
    std::unique_ptr<ListboxModel> model_;
    ListboxDelegate* delegate_;
};
