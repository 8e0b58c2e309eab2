#include "ui/RegionPicture.h"

#include <QPainter>

#include "graphics/QtRaster.h"

namespace orvane {

TRegionPicture::TRegionPicture(const ProjectRecord& project, QWidget* parent) : QWidget(parent), project_(project)
{
    setObjectName(QStringLiteral("Plot"));
}

PlotScale TRegionPicture::Redraw(bool showNodeNumbers)
{
    showNodeNumbers_ = showNodeNumbers;
    QtRaster raster(width(), height());
    const PlotScale scale = DrawRegionPlot(project_, raster, showNodeNumbers);
    picture_ = raster.Image();
    update();
    return scale;
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
