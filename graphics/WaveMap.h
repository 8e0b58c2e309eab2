#pragma once
// A wave map as a picture: the grid's cells coloured on a continuous scale
// (nodata left clear, so the region picture shows through where there is no
// water), the region's boundaries over them, the computation point, a
// colour bar with its values and unit, a north arrow and a scale bar. North
// (grid north, +y) is up; the arrow points to true north where the bearings
// know it. Painted with QPainter on any device: the wave map window and,
// offscreen, the command line's PNG (a QGuiApplication must exist for fonts).

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "core/BearingReference.h"
#include "core/MapGrid.h"
#include "core/ProjectRecord.h"

class QPainter;

namespace orvane {

inline constexpr int kWaveMapWidth = 900;
inline constexpr int kWaveMapHeight = 700;

// The colour of a value at position t (0 low .. 1 high) of the scale: dark
// blue through green to yellow, readable in grey too. t is clamped.
QColor WaveMapColour(double t);

// What the picture says beside the cells.
struct WaveMapLegend {
    QString title;     // "Hs over Bay, wind from NE, 60 Km/hr"
    QString quantity;  // "Hs"
    QString unit;      // of the values: "m"
    BearingReference bearings;
};

// Where the parts go in an area (pixels of a 96 dpi device): the map keeps
// the grid's proportions, the colour bar stands at the right.
struct WaveMapLayout {
    QRectF area;
    QRectF map;  // the grid's extent on the device
    QRectF colourBar;
    double pixelsPerUnit = 1.0;     // device pixels per coordinate unit
    double left = 0.0, top = 0.0;   // the grid's world corner at map.topLeft()
    float low = 0.0f, high = 1.0f;  // the colour scale's range

    QPointF ToDevice(double x, double y) const;
    // The world point under a device point; false outside the map.
    bool ToWorld(const QPointF& at, double& x, double& y) const;
    // The cell under a device point; false outside the grid.
    bool CellAt(const MapGrid& grid, const QPointF& at, int& row, int& column) const;
};

WaveMapLayout LayoutWaveMap(const MapGrid& grid, const QRectF& area);

// The cells as an image of one pixel per cell (nodata transparent), coloured
// on layout's range.
QImage WaveMapCells(const MapGrid& grid, float low, float high);

// Everything: cells, boundaries and point of rec, colour bar, north arrow,
// scale bar and title.
void PaintWaveMap(QPainter& painter, const WaveMapLayout& layout, const MapGrid& grid, const ProjectRecord& rec,
                  const WaveMapLegend& legend);

// A picture of the given size on a white ground.
QImage WaveMapImage(const MapGrid& grid, const ProjectRecord& rec, const WaveMapLegend& legend,
                    int width = kWaveMapWidth, int height = kWaveMapHeight);

}  // namespace orvane
