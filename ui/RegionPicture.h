#pragma once
// TRegionPicture: the main window's picture of the water region (objectName
// "Plot"). It draws the project record with the region plot onto a raster
// of its own size and shows that raster; it never writes the record: the
// window stores the extents of the scale Redraw() returns when it commits.
//
// A resize redraws the last picture at the new size (pixels only), so a
// picture and the extents the window stored always belong to the same record.
//
// A region of five 999-node boundaries takes milliseconds to draw, and most
// commits change only the point, the wind or nothing in the picture: the
// boundaries and the grid (DrawRegionPlotBase) are kept and drawn again only
// when the boundaries, their count, the unit, the size or the node numbers
// change; the point and the sector are drawn over a copy of them.

#include <QImage>
#include <QSize>
#include <QWidget>
#include <vector>

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
    // What DrawRegionPlotBase read for the kept base, and what it gave.
    struct Base {
        QImage picture;
        PlotScale scale;
        QSize size;
        bool showNodeNumbers = false;
        int boundaryCount = 0;
        int coordUnits = 0;
        std::vector<char> nodes;  // NodeCount .. NodeY of the record, as bytes
        bool Matches(const ProjectRecord& rec, QSize at, bool numbers) const;
        void Take(const ProjectRecord& rec, QSize at, bool numbers);
    };

    const ProjectRecord& project_;
    QImage picture_;
    bool showNodeNumbers_ = false;
    Base base_;
};

}  // namespace orvane
