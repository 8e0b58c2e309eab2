#include "ui/GridFrameF.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/CommitRules.h"
#include "core/Format.h"
#include "core/NumberText.h"
#include "core/Units.h"
#include "tools/QtText.h"
#include "ui/StringGridExtF.h"

namespace orvane {

namespace {

constexpr int kSetupRows = 30;      // heading row and 29 data rows
constexpr int kLoadSpareRows = 10;  // empty rows after the last node on load
constexpr int kAppendRows = 2;
// The grid's font shrinks to this size at most to show whole coordinates.
constexpr double kSmallestGridPoints = 7.0;

QString NumberText(long long number) { return FromUtf8(Format(" %3d", number)); }
QString CoordinateText(float value) { return FromUtf8(Format("%8.3f", value)); }

// Small pictures for the buttons: a table row, with rows added below it, a
// plus or a cross.
enum class Picture { AppendRows, AddNode, DeleteNode };

QIcon ButtonIcon(Picture picture)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(Qt::white);
    switch (picture) {
    case Picture::AppendRows:
        p.drawRect(1, 1, 13, 3);
        p.setBrush(QColor(166, 202, 240));
        p.drawRect(1, 6, 13, 3);
        p.drawRect(1, 11, 13, 3);
        break;
    case Picture::AddNode:
        p.drawRect(1, 1, 13, 3);
        p.setPen(QPen(QColor(0, 128, 0), 2));
        p.drawLine(8, 7, 8, 15);
        p.drawLine(4, 11, 12, 11);
        break;
    case Picture::DeleteNode:
        p.drawRect(1, 1, 13, 3);
        p.setPen(QPen(QColor(192, 0, 0), 2));
        p.drawLine(4, 7, 12, 15);
        p.drawLine(12, 7, 4, 15);
        break;
    }
    return QIcon(pixmap);
}

QToolButton* SpeedButton(QWidget* parent, const char* name, const char* hint, Picture picture)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(QLatin1String(hint));
    button->setIcon(ButtonIcon(picture));
    button->setAutoRaise(true);
    // Like the speed buttons they are, they never take the focus from the grid,
    // so the grid's current cell is still the user's choice when they act on it.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

TGFrame::TGFrame(ProjectRecord& project, QWidget* parent)
    : QFrame(parent), project_(project), grid_(new TStringGridExt(this)), panel_(new QWidget(this))
{
    grid_->setObjectName(QStringLiteral("StringGrid"));
    panel_->setObjectName(QStringLiteral("Panel1"));
    appendButton_ = SpeedButton(panel_, "SpeedButton3", "append rows ", Picture::AppendRows);
    addButton_ = SpeedButton(panel_, "SpeedButton1", "add node", Picture::AddNode);
    deleteButton_ = SpeedButton(panel_, "SpeedButton2", "delete current node", Picture::DeleteNode);

    auto* buttons = new QHBoxLayout(panel_);
    buttons->setContentsMargins(2, 2, 2, 2);
    buttons->setSpacing(2);
    buttons->addWidget(appendButton_);
    buttons->addWidget(addButton_);
    buttons->addWidget(deleteButton_);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(grid_, 1);
    layout->addWidget(panel_, 0);

    connect(appendButton_, &QToolButton::clicked, this, &TGFrame::SpeedButton3Click);
    connect(addButton_, &QToolButton::clicked, this, &TGFrame::SpeedButton1Click);
    connect(deleteButton_, &QToolButton::clicked, this, &TGFrame::SpeedButton2Click);
    connect(grid_, &TStringGridExt::EnterPressed, this, &TGFrame::EnterPressed);

    SetupGrid();
}

void TGFrame::SetupGrid()
{
    // A store reads only the rows shown, so set-up never hides a typed row.
    grid_->SetRowCount(std::max(kSetupRows, grid_->LastTextRow() + 1));
    SetupColumns();
}

void TGFrame::ShowBoundary(int b)
{
    SetupColumns();
    LoadBoundary(b);
}

void TGFrame::SetupColumns()
{
    if (grid_->ColCount() != 3)
        grid_->SetColCount(3);
    FrameResize();
    const QString unit = From1252(CoordUnitName(project_.CoordUnits));
    grid_->SetCell(0, 0, QStringLiteral("point"));
    grid_->SetCell(1, 0, QStringLiteral(" x [") + unit + QStringLiteral("]"));
    grid_->SetCell(2, 0, QStringLiteral(" y [") + unit + QStringLiteral("]"));
}

TGFrame::ColumnNeeds TGFrame::Needs(double points) const
{
    QFont font = this->font();
    font.setPointSizeF(points);
    const QFontMetrics metrics(font);
    // Cell texts are drawn inside a margin on either side.
    const int margin = 2 * (grid_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid_) + 2);
    // The heading row is drawn in the grid's font too: "point" is wider than "999".
    const int number =
        std::max(metrics.horizontalAdvance(QStringLiteral("999")), metrics.horizontalAdvance(QStringLiteral("point")));
    return {number + margin, metrics.horizontalAdvance(QStringLiteral("9999999.999")) + margin,
            grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid_) + 2 * grid_->frameWidth()};
}

void TGFrame::FrameResize()
{
    const int client = contentsRect().width();
    // As designed: a third of the width each, the number column half of that.
    const int width = client / 3;
    int numberWidth = width / 2;
    int coordWidth = width;
    const double fullPoints = font().pointSizeF() > 0 ? font().pointSizeF() : kSmallestGridPoints;
    double points = fullPoints;
    ColumnNeeds needs = Needs(points);
    if (coordWidth < needs.coordinate || numberWidth < needs.number) {
        // Where that cannot show a whole coordinate (UTM northings have 7
        // digits before the point), the number column takes what its digits
        // need and x and y share the rest, in a smaller font if they must.
        while (needs.Total() > client && points - 0.5 >= kSmallestGridPoints) {
            points -= 0.5;
            needs = Needs(points);
        }
        numberWidth = needs.number;
        coordWidth = std::max(needs.coordinate, (client - needs.scrollBar - numberWidth) / 2);
    }
    QFont gridFont = font();
    gridFont.setPointSizeF(points);
    if (grid_->font() != gridFont)
        grid_->setFont(gridFont);
    grid_->SetDefaultColWidth(coordWidth);
    grid_->SetColWidth(0, numberWidth);
}

QSize TGFrame::sizeHint() const
{
    const QMargins m = contentsMargins();
    const double points = font().pointSizeF() > 0 ? font().pointSizeF() : kSmallestGridPoints;
    return {Needs(points).Total() + m.left() + m.right(), QFrame::sizeHint().height()};
}

QSize TGFrame::minimumSizeHint() const
{
    const QMargins m = contentsMargins();
    return {std::max(QFrame::minimumSizeHint().width(), Needs(kSmallestGridPoints).Total() + m.left() + m.right()),
            QFrame::minimumSizeHint().height()};
}

void TGFrame::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    FrameResize();
}

void TGFrame::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        FrameResize();
        updateGeometry();
    }
}

int TGFrame::RowNumber(int row) const { return TextToInt(0, ToUtf8(grid_->Cell(0, row))); }

void TGFrame::CopyRow(int from, int to)
{
    for (int c = 0; c < 3; ++c)
        grid_->SetCell(c, to, grid_->Cell(c, from));
}

void TGFrame::ClearGrid()
{
    grid_->EraseRowsFrom(1);
    ShowFirstRow();
}

void TGFrame::ShowFirstRow() { grid_->ShowTopLeft(); }

void TGFrame::MoveOn()
{
    int col = grid_->Col() + 1;
    int row = grid_->Row();
    if (col >= grid_->ColCount()) {
        col = 0;
        ++row;
    }
    if (row >= grid_->RowCount())
        grid_->SetRowCount(row + 1);
    grid_->SetCurrentCell(col, row);
}

TGFrame::GridView TGFrame::View() const
{
    return {grid_->Col(), grid_->Row(), grid_->verticalScrollBar()->value(), grid_->horizontalScrollBar()->value()};
}

void TGFrame::SetView(const GridView& view)
{
    grid_->SetCurrentCell(view.col, std::min(view.row, grid_->RowCount() - 1));
    grid_->verticalScrollBar()->setValue(view.top);
    grid_->horizontalScrollBar()->setValue(view.left);
}

void TGFrame::NodesCopy::Take(const ProjectRecord& rec, int b, int n, quint64 gridRevision)
{
    boundary = b;
    revision = gridRevision;
    count = n;
    number.assign(rec.NodeNumber[b], rec.NodeNumber[b] + n + 1);
    x.assign(rec.NodeX[b], rec.NodeX[b] + n + 1);
    y.assign(rec.NodeY[b], rec.NodeY[b] + n + 1);
}

bool TGFrame::NodesCopy::Holds(const ProjectRecord& rec, int b, int n) const
{
    const auto bytes = static_cast<std::size_t>(n + 1) * 4;
    return boundary == b && count == n && std::memcmp(number.data(), rec.NodeNumber[b], bytes) == 0 &&
           std::memcmp(x.data(), rec.NodeX[b], bytes) == 0 && std::memcmp(y.data(), rec.NodeY[b], bytes) == 0;
}

void TGFrame::LoadBoundary(int b)
{
    if (b < 1 || b > kMaxBoundaries)
        return;
    const int n = UsedNodeCount(project_, b);
    grid_->SetRowCount(std::max(n + kLoadSpareRows, kSetupRows));
    frameBoundary_ = b;
    if (shown_.revision == grid_->Revision() && shown_.Holds(project_, b, n)) {
        ShowFirstRow();
        return;
    }
    // Each cell takes its text directly (the grid leaves equal texts alone),
    // rather than all emptied first and filled again.
    int row = 1;
    for (int i = 1; i <= n; ++i) {
        if (project_.NodeNumber[b][i] <= 0)
            continue;  // gap nodes are recreated from the numbering at the next store
        grid_->SetCell(0, row, NumberText(project_.NodeNumber[b][i]));
        grid_->SetCell(1, row, CoordinateText(project_.NodeX[b][i]));
        grid_->SetCell(2, row, CoordinateText(project_.NodeY[b][i]));
        ++row;
    }
    // Nothing of an earlier, longer boundary may stay behind, shown or hidden.
    grid_->EraseRowsFrom(row);
    ShowFirstRow();
    shown_.Take(project_, b, n, grid_->Revision());
}

void TGFrame::StoreBoundary(int b)
{
    if (b < 1 || b > kMaxBoundaries)
        return;
    if (stored_.boundary == b && stored_.revision == grid_->Revision()) {
        // The same rows give the same nodes: StoreNodes writes positions
        // 0..count and the count, and leaves the positions past it alone.
        const auto n = static_cast<std::size_t>(stored_.count) + 1;
        std::copy_n(stored_.number.data(), n, project_.NodeNumber[b]);
        std::copy_n(stored_.x.data(), n, project_.NodeX[b]);
        std::copy_n(stored_.y.data(), n, project_.NodeY[b]);
        project_.NodeCount[b] = stored_.count;
        return;
    }
    // The rows the grid shows, and only those: the rules decide which of
    // them become nodes.
    std::vector<NodeRowText> rows;
    rows.reserve(static_cast<std::size_t>(grid_->RowCount()));
    for (int row = 1; row < grid_->RowCount(); ++row)
        rows.push_back({ToUtf8(grid_->Cell(0, row)), ToUtf8(grid_->Cell(1, row)), ToUtf8(grid_->Cell(2, row))});
    // The rows stay as typed: every commit shows the stored boundary back.
    const int count = StoreNodes(project_, b, rows);
    stored_.Take(project_, b, count, grid_->Revision());
}

void TGFrame::SpeedButton3Click() { grid_->SetRowCount(grid_->RowCount() + kAppendRows); }

void TGFrame::SpeedButton1Click()
{
    grid_->SetRowCount(grid_->RowCount() + 1);
    const int r = grid_->Row();
    for (int i = grid_->RowCount() - 1; i >= r; --i) {
        const int number = RowNumber(i);
        if (number > 0) {
            grid_->SetCell(0, i + 1, NumberText(static_cast<long long>(number) + 1));
            grid_->SetCell(1, i + 1, grid_->Cell(1, i));
            grid_->SetCell(2, i + 1, grid_->Cell(2, i));
        } else {
            grid_->ClearRow(i);
        }
    }
    // The current row keeps its number: the new, empty node takes it.
    grid_->SetCell(1, r, QString());
    grid_->SetCell(2, r, QString());
}

void TGFrame::SpeedButton2Click()
{
    const int r = grid_->Row();
    if (r < 1)
        return;
    const int n = frameBoundary_ >= 1 ? UsedNodeCount(project_, frameBoundary_) : 0;
    if (r <= n) {
        // Rows r + 1 .. n move up; rows typed below n since the last store stay.
        for (int i = r; i < n; ++i)
            CopyRow(i + 1, i);
        grid_->ClearRow(n);
        return;
    }
    // A row below the stored node count holds a node typed since the last
    // store (or nothing). Emptying row n, as above, would remove a node the
    // user did not select; instead the current row itself goes, and every
    // row after it moves up one, so a later store still reaches them.
    const int last = std::max(grid_->RowCount(), grid_->StoredRowCount()) - 1;
    for (int i = r; i < last; ++i)
        CopyRow(i + 1, i);
    grid_->ClearRow(last);
}

}  // namespace orvane
