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
#include <numeric>

namespace {

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
        // The list shows no focus ring: only the selected row stands out,
        // and that is the list's own selected row also while the view has
        // not yet heard of the rows a loop removed above it.
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        if (list_) {
            const bool selected =
                list_->listIndex_ >= 0 && list_->model_->storeRow(index.row()) == list_->listIndex_;
            plain.state.setFlag(QStyle::State_Selected, selected);
        }
        QStyledItemDelegate::paint(painter, plain, index);
    }

private:
    Listbox* list_;
};

Listbox::Listbox(std::string name, int columnCount)
    : Control(std::move(name), new QTableView),
      rows_(columnCount),
      headings_(static_cast<size_t>(rows_.ColumnCount())),
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
    rows_.Changes().Changed = [this] { model_->changed(); };
    rows_.RowRemoved = [this](int row) { rowRemoved(row); };
    rows_.Cleared = [this] { rowsCleared(); };
    QObject::connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, context(),
                     [this] { viewSelectionChanged(); });
}

Listbox::~Listbox() {
    // Letting go of the model below changes the selection, which must no
    // longer reach a list being destroyed. (A view already gone took its
    // selection and the connection with it.)
    if (QTableView* table = view()) {
        QObject::disconnect(table->selectionModel(), nullptr, context(), nullptr);
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

void Listbox::repaintView() {
    if (QTableView* table = view())
        table->viewport()->update();
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

std::string Listbox::Heading(int column) const {
    if (column < 0 || column >= ColumnCount())
        return {};
    return headings_[static_cast<size_t>(column)];
}

void Listbox::SetHeading(int column, std::string_view text) {
    if (column < 0 || column >= ColumnCount())
        return;
    headings_[static_cast<size_t>(column)] = text;
    model_->headingChanged(column);
}

void Listbox::AddRow(std::string_view firstCell) {
    rows_.AddRow(firstCell);
}

int Listbox::ListCount() const {
    return rows_.RowCount();
}

std::string Listbox::Cell(int row, int column) const {
    return std::string(rows_.Cell(row, column));
}

void Listbox::SetCell(int row, int column, std::string_view text) {
    rows_.SetCell(row, column, text);
}

void Listbox::RemoveRow(int row) {
    rows_.RemoveRow(row);
}

void Listbox::rowRemoved(int row) {
    if (row < listIndex_)
        --listIndex_;
    else if (row == listIndex_)
        setSelection(-1);
}

void Listbox::DeleteAllRows() {
    rows_.Clear();
}

void Listbox::rowsCleared() {
    setSelection(-1);
    // Rows put in again are a new list, seen from its first row.
    if (QTableView* table = view())
        table->scrollToTop();
}

void Listbox::SetListIndex(int row) {
    if (row < 0 || row >= ListCount())
        row = -1;
    // The view must know the row before it can show it selected.
    model_->publish();
    setSelection(row);
}

void Listbox::setSelection(int row) {
    if (row == listIndex_)
        return;
    listIndex_ = row;
    syncViewSelection();
    if (Change)
        Change();
}

void Listbox::syncViewSelection() {
    QTableView* table = view();
    if (!table)
        return;
    QItemSelectionModel* selection = table->selectionModel();
    const QModelIndexList shown = selection->selectedRows();
    const int shownRow = shown.isEmpty() ? -1 : model_->storeRow(shown.first().row());
    if (shownRow == listIndex_)
        return;
    syncingView_ = true;
    // Before the view has heard of the rows as they are, it may not know
    // where the selected row is; it shows none till then, and the rows it
    // paints mark the selected one themselves.
    if (listIndex_ < 0 || model_->hasUnpublishedChanges())
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
    setSelection(shown.isEmpty() ? -1 : model_->storeRow(shown.first().row()));
}

void Listbox::SortByColumn(int column) {
    if (column < 0 || column >= ColumnCount())
        return;
    // One key per row, made once: comparing ready keys is what makes sorting
    // 100,000 members by the user's language cheap.
    const QCollator collator = textCollator();
    const int count = rows_.RowCount();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row)
        keys.push_back(collator.sortKey(toQString(rows_.Cell(row, column))));
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        return keys[size_t(a)].compare(keys[size_t(b)]) < 0;
    });
    const auto selected = std::ranges::find(order, listIndex_);
    listIndex_ = selected == order.end() ? -1 : static_cast<int>(selected - order.begin());
    rows_.Reorder(order);
}
