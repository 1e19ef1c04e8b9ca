#include "platform/Listbox.h"

#include "platform/ListboxModel.h"
#include "platform/QtText.h"

#include <QCollator>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>

namespace {

uint32_t cellEnd(const std::string& bytes, int column) {
    uint32_t end;
    std::memcpy(&end, bytes.data() + sizeof end * static_cast<size_t>(column), sizeof end);
    return end;
}

void setCellEnd(std::string& bytes, int column, uint32_t end) {
    std::memcpy(bytes.data() + sizeof end * static_cast<size_t>(column), &end, sizeof end);
}

size_t textStart(int columns) {
    return sizeof(uint32_t) * static_cast<size_t>(columns);
}

// One cell of the view as the paint hook sees it: its own top left is 0, 0.
class PainterCellGraphics : public CellGraphics {
public:
    PainterCellGraphics(QPainter& painter, QSize size) : painter_(painter), size_(size) {}

    int Width() const override { return size_.width(); }
    int Height() const override { return size_.height(); }
    void SetForeColor(int red, int green, int blue) override { color_ = QColor(red, green, blue); }
    void FillRect(int left, int top, int width, int height) override {
        painter_.fillRect(left, top, width, height, color_);
    }

private:
    QPainter& painter_;
    QSize size_;
    QColor color_ = Qt::black;
};

// Tells when the list's font changes, so that its rows can follow.
class FontChangeFilter : public QObject {
public:
    FontChangeFilter(QObject* parent, std::function<void()> changed)
        : QObject(parent), changed_(std::move(changed)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FontChange)
            changed_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> changed_;
};

// Texts in the order of the user's language, case ignored: "Müller" between
// "Miller" and "Nash" for an English or German user. A user who chose no
// language (the C locale) gets the neutral order of Unicode, which English
// uses as it stands, rather than the order of the characters' codes.
QCollator textCollator() {
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

}  // namespace

// Draws the cells, giving the list's paint hook the first go at each one.
class ListboxDelegate : public QStyledItemDelegate {
public:
    ListboxDelegate(Listbox& list, QObject* parent) : QStyledItemDelegate(parent), list_(&list) {}

    // The view can outlive its list while its window is torn down.
    void detach() { list_ = nullptr; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (list_ && list_->CellBackgroundPaint) {
            const int row = list_->model_->storeRow(index.row());
            if (row >= 0) {
                painter->save();
                painter->translate(option.rect.topLeft());
                painter->setClipRect(QRect(QPoint(0, 0), option.rect.size()), Qt::IntersectClip);
                PainterCellGraphics graphics(*painter, option.rect.size());
                const bool paintedAll = list_->CellBackgroundPaint(graphics, row, index.column());
                painter->restore();
                if (paintedAll)
                    return;
            }
        }
        // The list shows no focus ring: only the selected row stands out.
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
    }

private:
    Listbox* list_;
};

Listbox::Row::Row(int columns, std::string_view firstCell) {
    bytes.reserve(textStart(columns) + firstCell.size());
    bytes.resize(textStart(columns));
    bytes.append(firstCell);
    for (int column = 0; column < columns; ++column)
        setCellEnd(bytes, column, static_cast<uint32_t>(firstCell.size()));
}

std::string_view Listbox::Row::cell(int columns, int column) const {
    const uint32_t start = column == 0 ? 0 : cellEnd(bytes, column - 1);
    return std::string_view(bytes).substr(textStart(columns) + start,
                                          cellEnd(bytes, column) - start);
}

void Listbox::Row::setCell(int columns, int column, std::string_view text) {
    const uint32_t start = column == 0 ? 0 : cellEnd(bytes, column - 1);
    const uint32_t oldLength = cellEnd(bytes, column) - start;
    bytes.replace(textStart(columns) + start, oldLength, text);
    // Unsigned arithmetic wraps, so a shorter text moves the ends back too.
    const uint32_t shift = static_cast<uint32_t>(text.size()) - oldLength;
    for (int later = column; later < columns; ++later)
        setCellEnd(bytes, later, cellEnd(bytes, later) + shift);
}

Listbox::Listbox(std::string name, int columnCount)
    : Control(std::move(name), new QTableView),
      columnCount_(std::max(columnCount, 1)),
      headings_(static_cast<size_t>(columnCount_)),
      model_(std::make_unique<ListboxModel>(*this)),
      delegate_(new ListboxDelegate(*this, widget())) {
    QTableView* table = view();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The columns share the list's width, so every one of them is on screen.
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->setWordWrap(false);
    // Tab leaves the list for the next control.
    table->setTabKeyNavigation(false);
    // Fixed heights and widths: nothing ever measures 100,000 rows.
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setMinimumSectionSize(1);
    // A heading wider than its column shows how it begins.
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->horizontalHeader()->setTextElideMode(Qt::ElideRight);
    table->horizontalHeader()->setHighlightSections(false);
    table->setItemDelegate(delegate_);
    table->setModel(model_.get());
    fitRowHeight();
    table->installEventFilter(new FontChangeFilter(context(), [this] { fitRowHeight(); }));
    selectionConnection_ =
        QObject::connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, context(),
                         [this] { viewSelectionChanged(); });
}

Listbox::~Listbox() {
    QObject::disconnect(selectionConnection_);
    if (QTableView* table = view()) {
        delegate_->detach();
        table->setModel(nullptr);
    }
}

void Listbox::layOutView() {
    if (QTableView* table = view()) {
        table->verticalHeader()->doItemsLayout();
        table->doItemsLayout();
    }
}

void Listbox::fitRowHeight() {
    // The height of an ordinary one-line row of an item view in the list's
    // font, and the grid line under it.
    QTableView* table = view();
    QStyleOptionViewItem option;
    option.initFrom(table);
    option.font = table->font();
    option.features = QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("Ág");
    const int height =
        table->style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), table).height();
    const int grid = table->showGrid() ? 1 : 0;
    table->verticalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setDefaultSectionSize(height + grid);
}

QTableView* Listbox::view() const {
    return static_cast<QTableView*>(widget());
}

void Listbox::SetColumnCount(int count) {
    count = std::max(count, 1);
    if (count == columnCount_)
        return;
    compactRemovedRows();
    for (Row& packed : rows_) {
        Row resized(count, packed.cell(columnCount_, 0));
        for (int column = 1; column < std::min(count, columnCount_); ++column)
            resized.setCell(count, column, packed.cell(columnCount_, column));
        packed = std::move(resized);
    }
    columnCount_ = count;
    headings_.resize(static_cast<size_t>(count));
    model_->everythingChanged();
}

std::string Listbox::Heading(int column) const {
    if (column < 0 || column >= columnCount_)
        return {};
    return headings_[static_cast<size_t>(column)];
}

void Listbox::SetHeading(int column, std::string_view text) {
    if (column < 0 || column >= columnCount_)
        return;
    headings_[static_cast<size_t>(column)] = text;
    model_->headingChanged(column);
}

void Listbox::AddRow(std::string_view firstCell) {
    compactRemovedRows();
    // The row before is complete by now; its spare room would otherwise stay
    // with it for good.
    if (!rows_.empty())
        rows_.back().bytes.shrink_to_fit();
    rows_.emplace_back(columnCount_, firstCell);
    lastIndex_ = static_cast<int>(rows_.size()) - 1;
    model_->rowAppended();
}

int Listbox::ListCount() const {
    return static_cast<int>(rows_.size()) - removedCount_;
}

std::string Listbox::Cell(int row, int column) const {
    return std::string(cellText(row, column));
}

std::string_view Listbox::cellText(int row, int column) const {
    if (row < 0 || row >= ListCount() || column < 0 || column >= columnCount_)
        return {};
    return this->row(row).cell(columnCount_, column);
}

void Listbox::SetCell(int row, int column, std::string_view text) {
    if (row < 0 || row >= ListCount() || column < 0 || column >= columnCount_)
        return;
    this->row(row).setCell(columnCount_, column, text);
    model_->cellChanged(row);
}

const Listbox::Row& Listbox::row(int index) const {
    if (firstRemoved_ >= 0 && index >= firstRemoved_)
        compactRemovedRows();
    return rows_[static_cast<size_t>(index)];
}

Listbox::Row& Listbox::row(int index) {
    return const_cast<Row&>(std::as_const(*this).row(index));
}

void Listbox::compactRemovedRows() const {
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

void Listbox::RemoveRow(int row) {
    if (row < 0 || row >= ListCount())
        return;
    // Rows above the first gap are where they belong, so a removal there is
    // only a mark; the gaps close when a row at or below them is wanted.
    if (firstRemoved_ >= 0 && row >= firstRemoved_)
        compactRemovedRows();
    if (removed_.empty())
        removed_.assign(rows_.size(), false);
    removed_[static_cast<size_t>(row)] = true;
    rows_[static_cast<size_t>(row)].bytes = std::string();
    firstRemoved_ = row;
    ++removedCount_;
    model_->rowRemoved(row);

    if (row < lastIndex_)
        --lastIndex_;
    else if (row == lastIndex_)
        lastIndex_ = -1;
    if (row < listIndex_)
        --listIndex_;
    else if (row == listIndex_)
        setSelection(-1, true);
}

void Listbox::DeleteAllRows() {
    rows_.clear();
    removed_.clear();
    firstRemoved_ = -1;
    removedCount_ = 0;
    lastIndex_ = -1;
    model_->everythingChanged();
    setSelection(-1, true);
    // Rows put in again are a new list, seen from its first row.
    view()->scrollToTop();
}

void Listbox::SetListIndex(int row) {
    if (row < 0 || row >= ListCount())
        row = -1;
    // The view must know the row before it can show it selected.
    model_->publish();
    setSelection(row, true);
}

void Listbox::setSelection(int row, bool raiseChange) {
    if (row == listIndex_)
        return;
    listIndex_ = row;
    syncViewSelection();
    if (raiseChange && Change)
        Change();
}

void Listbox::syncViewSelection() {
    QTableView* table = view();
    if (!table || model_->hasUnpublishedChanges())
        return;
    QItemSelectionModel* selection = table->selectionModel();
    const QModelIndexList shown = selection->selectedRows();
    const int shownRow = shown.isEmpty() ? -1 : shown.first().row();
    if (shownRow == listIndex_)
        return;
    syncingView_ = true;
    if (listIndex_ < 0)
        selection->clear();
    else
        selection->setCurrentIndex(model_->index(listIndex_, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    syncingView_ = false;
}

void Listbox::viewSelectionChanged() {
    QTableView* table = view();
    if (!table || syncingView_ || model_->isPublishing())
        return;
    const QModelIndexList shown = table->selectionModel()->selectedRows();
    setSelection(shown.isEmpty() ? -1 : model_->storeRow(shown.first().row()), true);
}

void Listbox::SortByColumn(int column) {
    if (column < 0 || column >= columnCount_)
        return;
    compactRemovedRows();
    // One key per row, made once: comparing ready keys is what makes sorting
    // 100,000 members by the user's language cheap.
    const QCollator collator = textCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(rows_.size());
    for (const Row& packed : rows_)
        keys.push_back(collator.sortKey(toQString(packed.cell(columnCount_, column))));
    std::vector<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        return keys[size_t(a)].compare(keys[size_t(b)]) < 0;
    });

    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    int selected = -1;
    int last = -1;
    for (int from : order) {
        if (from == listIndex_)
            selected = static_cast<int>(sorted.size());
        if (from == lastIndex_)
            last = static_cast<int>(sorted.size());
        sorted.push_back(std::move(rows_[static_cast<size_t>(from)]));
    }
    rows_ = std::move(sorted);
    listIndex_ = selected;
    lastIndex_ = last;
    model_->everythingChanged();
}
