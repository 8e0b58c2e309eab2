#include "ui/RegionPicture.h"

#include <QPainter>
#include <cstring>
#include <span>

#include "graphics/QtRaster.h"
#include "ui/VectorUnitState.h"

namespace orvane {

TRegionPicture::TRegionPicture(const ProjectRecord& project, QWidget* parent) : QWidget(parent), project_(project)
{
    setObjectName(QStringLiteral("Plot"));
}

namespace {

// The node arrays of the record, NodeCount to the end of NodeY, as one block.
std::span<const char> NodeBytes(const ProjectRecord& rec)
{
    const char* from = reinterpret_cast<const char*>(&rec.NodeCount);
    const char* to = reinterpret_cast<const char*>(&rec.NodeY) + sizeof rec.NodeY;
    return {from, static_cast<std::size_t>(to - from)};
}

}  // namespace

bool TRegionPicture::Base::Matches(const ProjectRecord& rec, QSize at, bool numbers) const
{
    const std::span<const char> bytes = NodeBytes(rec);
    return !picture.isNull() && size == at && showNodeNumbers == numbers && boundaryCount == rec.BoundaryCount &&
           coordUnits == rec.CoordUnits && nodes.size() == bytes.size() &&
           std::memcmp(nodes.data(), bytes.data(), bytes.size()) == 0;
}

void TRegionPicture::Base::Take(const ProjectRecord& rec, QSize at, bool numbers)
{
    size = at;
    showNodeNumbers = numbers;
    boundaryCount = rec.BoundaryCount;
    coordUnits = rec.CoordUnits;
    const std::span<const char> bytes = NodeBytes(rec);
    nodes.assign(bytes.begin(), bytes.end());
}

PlotScale TRegionPicture::Redraw(bool showNodeNumbers)
{
    showNodeNumbers_ = showNodeNumbers;
    ClearUpperVectorState();
    if (!base_.Matches(project_, size(), showNodeNumbers)) {
        QtRaster raster(width(), height());
        base_.scale = DrawRegionPlotBase(project_, raster, showNodeNumbers);
        base_.picture = raster.Image();
        base_.Take(project_, size(), showNodeNumbers);
    }
    QtRaster raster(base_.picture);
    DrawPointAndSector(raster, base_.scale, project_.PointX, project_.PointY, project_.WindDirection,
                       project_.SectorAngle);
    picture_ = raster.Image();
    update();
    return base_.scale;
}

void TRegionPicture::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    // Drawn at the widget's size; stretched only while a resize is on its way.
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}

void TRegionPicture::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
    emit DoubleClicked();
}

void TRegionPicture::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!picture_.isNull())
        Redraw(showNodeNumbers_);
}

}  // namespace orvane
