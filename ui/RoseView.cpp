#include "ui/RoseView.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/ReadoutBox.h"

namespace orvane {

namespace {

constexpr double kMarkRadiusPx = 5;

}  // namespace

TRoseView::TRoseView(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the picture covers the widget
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TRoseView::SetRose(const WaveRoseResult& rose, const ProjectRecord& rec)
{
    rose_ = rose;
    rec_ = rec;
    picture_ = QImage();
    selected_ = -1;
    hovered_ = -1;
    update();
}

void TRoseView::SetSelectedRow(int row)
{
    const int valid = row >= 0 && row < static_cast<int>(rose_.rows.size()) ? row : -1;
    if (valid == selected_)
        return;
    selected_ = valid;
    update();
}

QString TRoseView::Readout() const
{
    if (hovered_ < 0 || hovered_ >= static_cast<int>(rose_.rows.size()))
        return {};
    return QString::fromStdString(RoseReadout(rose_.rows[static_cast<std::size_t>(hovered_)], rec_));
}

QPointF TRoseView::RowPosition(int row) const
{
    if (row < 0 || row >= static_cast<int>(rose_.rows.size()))
        return {};
    const RoseRow& r = rose_.rows[static_cast<std::size_t>(row)];
    return layout_.At(r.bearingDeg, layout_.FetchToRadius(r.centralFetch));
}

void TRoseView::PaintPicture()
{
    const qreal ratio = devicePixelRatioF();
    picture_ = QImage(size() * ratio, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(ratio);
    picture_.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    picture_.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    picture_.fill(Qt::white);
    const QRectF area(rect());
    QPainter painter(&picture_);
    PaintRosePlot(painter, area, rose_, rec_);
    layout_ = LayOutRose(&picture_, area, rose_, rec_);
}

void TRoseView::paintEvent(QPaintEvent*)
{
    if (picture_.isNull() || picture_.deviceIndependentSize() != QSizeF(size()))
        PaintPicture();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), picture_);
    PaintMarks(painter);
}

// The chosen direction as a black dot on the fetch outline; the direction
// under the mouse as a spoke with its readout.
void TRoseView::PaintMarks(QPainter& painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (selected_ >= 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(RowPosition(selected_), kMarkRadiusPx, kMarkRadiusPx);
    }
    if (hovered_ >= 0) {
        const double bearing = rose_.rows[static_cast<std::size_t>(hovered_)].bearingDeg;
        painter.setPen(QPen(QColor(60, 60, 60), 1, Qt::DashLine));
        painter.drawLine(layout_.centre, layout_.At(bearing, layout_.radius));
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(Qt::white);
        painter.drawEllipse(RowPosition(hovered_), kMarkRadiusPx - 1, kMarkRadiusPx - 1);
    }
    painter.restore();
    if (hovered_ >= 0)
        PaintReadoutBox(painter, Readout(), RowPosition(hovered_), QRectF(rect()));
}

void TRoseView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    picture_ = QImage();
    hovered_ = -1;
}

// The row nearest the cursor's bearing, while the cursor is on the disc.
int TRoseView::RowAt(const QPointF& at) const
{
    if (picture_.isNull())
        return -1;
    const QPointF d = at - layout_.centre;
    if (std::hypot(d.x(), d.y()) > layout_.radius)
        return -1;
    return NearestRoseRow(rose_, layout_.BearingOf(at));
}

void TRoseView::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    Hover(RowAt(event->position()));
}

void TRoseView::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    const int row = event->button() == Qt::LeftButton ? RowAt(event->position()) : -1;
    if (row >= 0)
        emit RowClicked(row);
}

void TRoseView::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    Hover(-1);
}

void TRoseView::Hover(int row)
{
    if (row == hovered_)
        return;
    hovered_ = row;
    update();
}

}  // namespace orvane
