#include "ui/StringGridExtF.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <functional>
#include <utility>

namespace orvane {

// The row store behind the view: store_[row][col], row 0 the headings. The
// view shows data rows 1 .. rowCount_ - 1 as its model rows 0 .. rowCount_ - 2.
class StringGridModel final : public QAbstractTableModel {
public:
    explicit StringGridModel(QObject* parent) : QAbstractTableModel(parent) { }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_ - 1; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : cols_; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return Cell(index.column(), index.row() + 1);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return {};
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!index.isValid() || role != Qt::EditRole)
            return false;
        if (Store(index.column(), index.row() + 1, value.toString()))
            emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::NoItemFlags;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return Cell(section, 0);
        if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    QString Cell(int col, int row) const
    {
        if (row < 0 || col < 0 || col >= cols_ || row >= static_cast<int>(store_.size()))
            return {};
        const std::vector<QString>& r = store_[static_cast<std::size_t>(row)];
        return col < static_cast<int>(r.size()) ? r[static_cast<std::size_t>(col)] : QString();
    }

    void SetCell(int col, int row, const QString& text)
    {
        if (row < 0 || col < 0 || col >= cols_ || row >= TStringGridExt::kMaxRows)
            return;
        // The same text again changes nothing and tells no view.
        if (!Store(col, row, text))
            return;
        if (row == 0) {
            emit headerDataChanged(Qt::Horizontal, col, col);
        } else if (row < rows_) {
            const QModelIndex i = index(row - 1, col);
            emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
        }
    }

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    int StoredRows() const { return static_cast<int>(store_.size()); }
    quint64 Revision() const { return revision_; }

    void SetRows(int rows)
    {
        rows = std::clamp(rows, 2, TStringGridExt::kMaxRows);
        if (rows > rows_) {
            beginInsertRows({}, rows_ - 1, rows - 2);
            rows_ = rows;
            endInsertRows();
        } else if (rows < rows_) {
            // Hidden, not erased: the store keeps the texts.
            beginRemoveRows({}, rows - 1, rows_ - 2);
            rows_ = rows;
            endRemoveRows();
        }
    }

    void SetCols(int cols)
    {
        cols = std::max(cols, 1);
        if (cols != cols_)
            ++revision_;  // Cell() reads the columns present only
        if (cols > cols_) {
            beginInsertColumns({}, cols_, cols - 1);
            cols_ = cols;
            endInsertColumns();
        } else if (cols < cols_) {
            beginRemoveColumns({}, cols, cols_ - 1);
            cols_ = cols;
            endRemoveColumns();
        }
    }

    // Empties every row from `row` on, hidden rows included, and forgets them.
    void EraseFrom(int row)
    {
        row = std::max(row, 1);
        if (row >= static_cast<int>(store_.size()))
            return;
        bool hadText = false;
        for (std::size_t r = static_cast<std::size_t>(row); r < store_.size() && !hadText; ++r)
            hadText = std::any_of(store_[r].begin(), store_[r].end(), [](const QString& t) { return !t.isEmpty(); });
        store_.resize(static_cast<std::size_t>(row));
        if (!hadText)
            return;
        ++revision_;
        if (row < rows_)
            emit dataChanged(index(row - 1, 0), index(rows_ - 2, cols_ - 1), {Qt::DisplayRole, Qt::EditRole});
    }

    int LastTextRow() const
    {
        for (auto r = static_cast<int>(store_.size()) - 1; r >= 1; --r) {
            const std::vector<QString>& cells = store_[static_cast<std::size_t>(r)];
            if (std::any_of(cells.begin(), cells.end(), [](const QString& t) { return !t.isEmpty(); }))
                return r;
        }
        return 0;
    }

private:
    // false when the cell already held text.
    bool Store(int col, int row, const QString& text)
    {
        if (row >= static_cast<int>(store_.size())) {
            if (text.isEmpty())
                return false;  // reading an unwritten row gives "" anyway
            store_.resize(static_cast<std::size_t>(row) + 1);
        }
        std::vector<QString>& r = store_[static_cast<std::size_t>(row)];
        if (col >= static_cast<int>(r.size())) {
            if (text.isEmpty())
                return false;
            r.resize(static_cast<std::size_t>(col) + 1);
        }
        QString& cell = r[static_cast<std::size_t>(col)];
        if (cell == text)
            return false;
        cell = text;
        ++revision_;
        return true;
    }

    std::vector<std::vector<QString>> store_;
    quint64 revision_ = 0;  // counts the changes of what Cell() reads
    int rows_ = 2;
    int cols_ = 1;
};

namespace {

// Enter in a cell editor commits the cell, closes the editor and tells the
// grid; the other keys keep the standard behaviour (Tab moves on, Escape
// cancels). Cells are shown without their leading and trailing blanks
// (numbers are written " %3d" and "%8.3f"): right-aligned they look the
// same, and a narrow column keeps their digits instead of eliding them.
class EnterCommitsDelegate final : public QStyledItemDelegate {
public:
    EnterCommitsDelegate(QObject* parent, std::function<void()> onEnter)
        : QStyledItemDelegate(parent), onEnter_(std::move(onEnter))
    {
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = option->text.trimmed();
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                auto* editor = qobject_cast<QWidget*>(object);
                if (editor != nullptr) {
                    emit commitData(editor);
                    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                    onEnter_();
                    return true;
                }
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    std::function<void()> onEnter_;
};

}  // namespace

TStringGridExt::TStringGridExt(QWidget* parent) : QTableView(parent), model_(new StringGridModel(this))
{
    setModel(model_);
    setItemDelegate(new EnterCommitsDelegate(this, [this] { emit EnterPressed(); }));
    verticalHeader()->hide();  // no fixed columns
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    setShowGrid(true);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(true);
    setWordWrap(false);
}

TStringGridExt::~TStringGridExt() = default;

int TStringGridExt::ColCount() const { return model_->Cols(); }

void TStringGridExt::SetColCount(int columns)
{
    model_->SetCols(columns);
    for (int c = 0; c < model_->Cols(); ++c)
        setColumnWidth(c, defaultColWidth_);
}

int TStringGridExt::RowCount() const { return model_->Rows(); }

void TStringGridExt::SetRowCount(int rows) { model_->SetRows(rows); }

QString TStringGridExt::Cell(int col, int row) const { return model_->Cell(col, row); }

void TStringGridExt::SetCell(int col, int row, const QString& text) { model_->SetCell(col, row, text); }

void TStringGridExt::ClearRow(int row)
{
    for (int c = 0; c < model_->Cols(); ++c)
        model_->SetCell(c, row, QString());
}

void TStringGridExt::EraseRowsFrom(int row) { model_->EraseFrom(row); }

int TStringGridExt::LastTextRow() const { return model_->LastTextRow(); }

int TStringGridExt::StoredRowCount() const { return model_->StoredRows(); }

quint64 TStringGridExt::Revision() const { return model_->Revision(); }

int TStringGridExt::Col() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

int TStringGridExt::Row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : FixedRows();
}

void TStringGridExt::SetCurrentCell(int col, int row)
{
    const QModelIndex target = model_->index(row - 1, col);
    if (target.isValid())
        setCurrentIndex(target);
}

void TStringGridExt::ShowTopLeft()
{
    // Row 1, column 1: the first data row's x cell when there are columns
    // past the number column.
    const QModelIndex first = model_->index(0, std::min(1, std::max(0, model_->Cols() - 1)));
    if (first.isValid())
        selectionModel()->setCurrentIndex(first, QItemSelectionModel::Clear);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void TStringGridExt::SetDefaultColWidth(int pixels)
{
    defaultColWidth_ = std::max(pixels, 0);
    horizontalHeader()->setDefaultSectionSize(defaultColWidth_);
    for (int c = 0; c < model_->Cols(); ++c)
        setColumnWidth(c, defaultColWidth_);
}

void TStringGridExt::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        event->accept();
        emit EnterPressed();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace orvane
