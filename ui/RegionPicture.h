#pragma once
// TRegionPicture: the main window's picture of the water region (objectName
// "Plot"). It draws the project record with the region plot onto a raster
// of its own size and shows that raster; it never writes the record: the
// window stores the extents of the scale Redraw() returns when it commits.
//
// A resize redraws the last picture at the new size (pixels only), so a
// picture and the extents the window stored always belong to the same record.

#include <QImage>
#include <QWidget>

#include "graphics/RegionPlot.h"

namespace orvane {

struct ProjectRecord;

class TRegionPicture : public QWidget {
    Q_OBJECT
public:
    // The picture reads project, which must outlive it.
    explicit TRegionPicture(const ProjectRecord& project, QWidget* parent = nullptr);

    // Draws the region at the widget's present size, with or without node
    // numbers, and returns the scale of that drawing.
    PlotScale Redraw(bool showNodeNumbers);
    // The last drawing; a null image before the first Redraw.
    const QImage& Picture() const { return picture_; }

signals:
    void DoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const ProjectRecord& project_;
    QImage picture_;
    bool showNodeNumbers_ = false;
};

}  // namespace orvane
