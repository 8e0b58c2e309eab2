#pragma once
// TChartView: one chart of any ChartData, painted by PaintChart at the
// widget's size - the very picture the report prints and the command line
// draws - and, under the mouse, the nearest point of the series marked with
// its value (the chart's readout: f and S(f), t and the elevation, ...).
//
// The chart is painted once per data or size into a picture of the widget's
// own resolution; moving the mouse repaints only the mark and its readout
// over that picture.

#include <QImage>
#include <QWidget>

#include "graphics/ChartData.h"
#include "graphics/ChartPainter.h"

namespace orvane {

class TChartView : public QWidget {
    Q_OBJECT
public:
    explicit TChartView(QWidget* parent = nullptr);

    void SetChart(const ChartData& chart);
    const ChartData& Chart() const { return chart_; }

    // The readout of the point the mouse is over; empty when it is over none.
    QString Readout() const;
    // The index of that point in Chart().points, or -1.
    int HoveredPoint() const { return hovered_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void PaintPicture();
    void PaintReadout(QPainter& painter) const;
    void Hover(int point);

    ChartData chart_;
    QImage picture_;  // null when the chart or the size changed since it was painted
    ChartLayout layout_;
    int hovered_ = -1;
};

}  // namespace orvane
