#include "ui/ChartView.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/ReadoutBox.h"

namespace orvane {

namespace {

// The cursor counts as over the plot this many pixels beyond its edges, so
// the first and last points can be reached.
constexpr double kHoverSlackPx = 4;
constexpr double kMarkRadiusPx = 3.5;

}  // namespace

TChartView::TChartView(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);  // the picture covers the widget
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TChartView::SetChart(const ChartData& chart)
{
    chart_ = chart;
    picture_ = QImage();
    hovered_ = -1;
    update();
}

QString TChartView::Readout() const
{
    if (hovered_ < 0 || hovered_ >= static_cast<int>(chart_.points.size()))
        return {};
    return QString::fromStdString(orvane::Readout(chart_, chart_.points[static_cast<std::size_t>(hovered_)]));
}

void TChartView::PaintPicture()
{
    const qreal ratio = devicePixelRatioF();
    picture_ = QImage(size() * ratio, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(ratio);
    // Points become pixels at the screen's resolution, as in every other widget.
    picture_.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    picture_.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    picture_.fill(Qt::white);
    const QRectF area(rect());
    QPainter painter(&picture_);
    PaintChart(painter, area, chart_);
    layout_ = LayOutChart(&picture_, area, chart_);
}

void TChartView::paintEvent(QPaintEvent*)
{
    if (picture_.isNull() || picture_.deviceIndependentSize() != QSizeF(size()))
        PaintPicture();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), picture_);
    if (hovered_ >= 0)
        PaintReadout(painter);
}

void TChartView::PaintReadout(QPainter& painter) const
{
    const QPointF at = layout_.ToPainter(chart_.points[static_cast<std::size_t>(hovered_)]);
    const QRectF& plot = layout_.plot;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
    painter.drawLine(QPointF(at.x(), plot.top()), QPointF(at.x(), plot.bottom()));
    const QPointF mark(at.x(), std::clamp(at.y(), plot.top(), plot.bottom()));
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(mark, kMarkRadiusPx, kMarkRadiusPx);
    painter.restore();
    PaintReadoutBox(painter, Readout(), mark, plot);
}

void TChartView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    picture_ = QImage();
    hovered_ = -1;
}

void TChartView::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    const QRectF reach = layout_.plot.adjusted(-kHoverSlackPx, -kHoverSlackPx, kHoverSlackPx, kHoverSlackPx);
    if (picture_.isNull() || !layout_.Usable() || !reach.contains(event->position())) {
        Hover(-1);
        return;
    }
    Hover(NearestPoint(chart_, layout_.ToData(event->position()).x));
}

void TChartView::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    Hover(-1);
}

void TChartView::Hover(int point)
{
    if (point == hovered_)
        return;
    hovered_ = point;
    update();
}

}  // namespace orvane
