#include "tools/MGStringGridF.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace orvane {

namespace {
constexpr int kDefaultColWidth = 64;   // px
constexpr int kDefaultRowHeight = 24;  // px
constexpr int kDefaultCount = 5;       // columns and rows of a new grid
}  // namespace

// The cell texts, row by row.
class MGStringGridModel final : public QAbstractTableModel {
public:
    explicit MGStringGridModel(QObject* parent) : QAbstractTableModel(parent) { }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols_; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || role != Qt::DisplayRole)
            return {};
        return Cell(index.column(), index.row());
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    QString Cell(int col, int row) const
    {
        if (col < 0 || row < 0 || col >= cols_ || row >= rows_)
            return {};
        return cells_[static_cast<std::size_t>(row * cols_ + col)];
    }

    void SetCell(int col, int row, const QString& text)
    {
        if (col < 0 || row < 0 || col >= cols_ || row >= rows_)
            return;
        cells_[static_cast<std::size_t>(row * cols_ + col)] = text;
        const QModelIndex i = index(row, col);
        emit dataChanged(i, i, {Qt::DisplayRole});
    }

    // Keeps the texts of the cells that remain.
    void Resize(int cols, int rows)
    {
        cols = std::max(1, cols);
        rows = std::clamp(rows, 1, std::max(1, TMGStringGrid::kMaxCells / cols));
        std::vector<QString> cells(static_cast<std::size_t>(cols * rows));
        for (int r = 0; r < std::min(rows, rows_); ++r)
            for (int c = 0; c < std::min(cols, cols_); ++c)
                cells[static_cast<std::size_t>(r * cols + c)] = Cell(c, r);
        beginResetModel();
        cols_ = cols;
        rows_ = rows;
        cells_ = std::move(cells);
        endResetModel();
    }

private:
    int cols_ = 0;
    int rows_ = 0;
    std::vector<QString> cells_;
};

namespace {

// Hands every cell to the grid's own drawing.
class CellDelegate final : public QStyledItemDelegate {
public:
    explicit CellDelegate(TMGStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) { }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        TMGStringGrid::DrawState state;
        if (index.column() < grid_->FixedCols() || index.row() < grid_->FixedRows())
            state |= TMGStringGrid::Fixed;
        if (index == grid_->currentIndex()) {
            state |= TMGStringGrid::Selected;
            if (grid_->hasFocus())
                state |= TMGStringGrid::Focused;
        }
        grid_->DrawCell(*painter, index.column(), index.row(), option.rect, state);
    }

private:
    TMGStringGrid* grid_;
};

}  // namespace

TMGStringGrid::TMGStringGrid(QWidget* parent) : QTableView(parent), model_(new MGStringGridModel(this))
{
    setObjectName("MGStringGrid");
    color_ = palette().color(QPalette::Base);
    fixedColor_ = palette().color(QPalette::Button);
    setModel(model_);
    setItemDelegate(new CellDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setShowGrid(true);
    setCornerButtonEnabled(false);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->hide();
        header->setMinimumSectionSize(0);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    SetColCount(kDefaultCount);
    SetRowCount(kDefaultCount);
}

TMGStringGrid::~TMGStringGrid() = default;

void TMGStringGrid::SetWordWrap(bool on)
{
    if (wordWrap_ == on)
        return;
    wordWrap_ = on;
    viewport()->update();
}

int TMGStringGrid::ColCount() const { return model_->columnCount(); }
int TMGStringGrid::RowCount() const { return model_->rowCount(); }

void TMGStringGrid::SetColCount(int columns) { Resize(columns, RowCount()); }

void TMGStringGrid::SetRowCount(int rows) { Resize(ColCount(), rows); }

void TMGStringGrid::Resize(int columns, int rows)
{
    const int col = Col();
    const int row = Row();
    model_->Resize(columns, rows);  // forgets the current cell
    colWidths_.resize(static_cast<std::size_t>(ColCount()), kDefaultColWidth);
    rowHeights_.resize(static_cast<std::size_t>(RowCount()), kDefaultRowHeight);
    fixedCols_ = std::min(fixedCols_, ColCount());
    fixedRows_ = std::min(fixedRows_, RowCount());
    for (int c = 0; c < ColCount(); ++c)
        ApplySectionSize(Qt::Horizontal, c);
    for (int r = 0; r < RowCount(); ++r)
        ApplySectionSize(Qt::Vertical, r);
    SetCurrentCell(std::clamp(col, 0, ColCount() - 1), std::clamp(row, 0, RowCount() - 1));
}

void TMGStringGrid::SetFixedCols(int columns)
{
    fixedCols_ = std::clamp(columns, 0, ColCount());
    viewport()->update();
}

void TMGStringGrid::SetFixedRows(int rows)
{
    fixedRows_ = std::clamp(rows, 0, RowCount());
    viewport()->update();
}

QString TMGStringGrid::Cell(int col, int row) const { return model_->Cell(col, row); }

void TMGStringGrid::SetCell(int col, int row, const QString& text) { model_->SetCell(col, row, text); }

int TMGStringGrid::ColWidth(int col) const
{
    return col >= 0 && col < ColCount() ? colWidths_[static_cast<std::size_t>(col)] : 0;
}

int TMGStringGrid::RowHeight(int row) const
{
    return row >= 0 && row < RowCount() ? rowHeights_[static_cast<std::size_t>(row)] : 0;
}

void TMGStringGrid::SetColWidth(int col, int pixels)
{
    if (col < 0 || col >= ColCount())
        return;
    colWidths_[static_cast<std::size_t>(col)] = std::max(0, pixels);
    ApplySectionSize(Qt::Horizontal, col);
}

void TMGStringGrid::SetRowHeight(int row, int pixels)
{
    if (row < 0 || row >= RowCount())
        return;
    rowHeights_[static_cast<std::size_t>(row)] = std::max(0, pixels);
    ApplySectionSize(Qt::Vertical, row);
}

void TMGStringGrid::ApplySectionSize(Qt::Orientation orientation, int index)
{
    // The view's sections hold the grid line; a cell of size 0 gets none, so
    // that it takes no space.
    const int size = orientation == Qt::Horizontal ? ColWidth(index) : RowHeight(index);
    QHeaderView* header = orientation == Qt::Horizontal ? horizontalHeader() : verticalHeader();
    header->resizeSection(index, size > 0 ? size + kGridLineWidth : 0);
}

int TMGStringGrid::Col() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : std::min(fixedCols_, ColCount() - 1);
}

int TMGStringGrid::Row() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : std::min(fixedRows_, RowCount() - 1);
}

void TMGStringGrid::SetCurrentCell(int col, int row)
{
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        return;
    setCurrentIndex(model_->index(row, col));
    viewport()->update();
}

void TMGStringGrid::SetColor(const QColor& colour)
{
    color_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
    viewport()->update();
}

void TMGStringGrid::SetFixedColor(const QColor& colour)
{
    fixedColor_ = colour;
    viewport()->update();
}

QSize TMGStringGrid::ClientSize() const { return viewport()->size(); }

void TMGStringGrid::DrawCell(QPainter& painter, int col, int row, const QRect& rect, DrawState state) const
{
    painter.save();
    painter.setClipRect(rect);
    const bool highlighted = (state & Selected) && !(state & Fixed);
    QColor fill = color_;
    if (state & Fixed)
        fill = fixedColor_;
    else if (highlighted)
        fill = palette().color(QPalette::Highlight);
    painter.fillRect(rect, fill);
    painter.setPen(palette().color(highlighted ? QPalette::HighlightedText : QPalette::Text));
    painter.setFont(font());
    const QRect inner = rect.adjusted(kTextInset, kTextInset, -kTextInset, -kTextInset);
    if ((state & Fixed) || wordWrap_)
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Cell(col, row));
    else
        painter.drawText(inner, Qt::AlignCenter | Qt::TextSingleLine, Cell(col, row));
    painter.restore();

    if (OnDrawCell) {
        painter.save();
        OnDrawCell(painter, col, row, rect, state);
        painter.restore();
    }
}

}  // namespace orvane
