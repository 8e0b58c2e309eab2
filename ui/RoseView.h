#pragma once
// TRoseView: the fetch and wave rose of a project, painted by PaintRosePlot
// at the widget's size - the picture `orvane-cli rose --plot` writes - with
// the selected wind direction marked, and, under the mouse, the direction
// nearest the cursor with its readout (bearing, wind direction, fetches,
// Hs). A click on the disc chooses that direction.

#include <QImage>
#include <QWidget>

#include "core/ProjectRecord.h"
#include "core/WaveRose.h"
#include "graphics/RosePlot.h"

namespace orvane {

class TRoseView : public QWidget {
    Q_OBJECT
public:
    explicit TRoseView(QWidget* parent = nullptr);

    // The rose and the record it was computed from (units, sector, methods).
    void SetRose(const WaveRoseResult& rose, const ProjectRecord& rec);
    // The row marked as chosen (-1: none).
    void SetSelectedRow(int row);
    int SelectedRow() const { return selected_; }

    // The readout of the direction the mouse is over; empty when it is over none.
    QString Readout() const;
    int HoveredRow() const { return hovered_; }
    // Where the view draws row's fetch along the wind, in widget pixels.
    QPointF RowPosition(int row) const;

signals:
    // A click on the disc: the row of the direction nearest the cursor.
    void RowClicked(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void PaintPicture();
    void PaintMarks(QPainter& painter) const;
    int RowAt(const QPointF& at) const;
    void Hover(int row);

    WaveRoseResult rose_;
    ProjectRecord rec_ {};
    QImage picture_;  // null when the rose or the size changed since it was painted
    RoseLayout layout_;
    int selected_ = -1;
    int hovered_ = -1;
};

}  // namespace orvane
