#pragma once
// The fetch and wave rose as a picture: a polar diagram, north up, compass
// bearings clockwise. Each wind direction is drawn at the bearing it looks
// along from the point, so the fetch outline reads like the shore seen from
// there. Fetch along the wind direction as a filled outline, the effective
// fetch as a line on the same scale, and around them Hs as a ring of bars
// standing outward on a circle of their own; ring labels give both scales,
// a legend their units and the sector used.
// Painted with QPainter on any device: the rose window's view, and
// offscreen for the command line (a QGuiApplication must exist for fonts).

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <string>
#include <vector>

#include "core/ProjectRecord.h"
#include "core/WaveRose.h"

class QPaintDevice;
class QPainter;

namespace orvane {

inline constexpr int kRosePlotWidth = 720;
inline constexpr int kRosePlotHeight = 820;

// Rings of one scale: every `step` (1, 2, 2.5 or 5 times a power of ten) up
// to the first multiple at least max, 2 to 4 rings; for a max that is not a
// positive finite number, one ring at 1.
struct RoseScale {
    double step = 1.0;
    int rings = 1;
    double Top() const { return step * rings; }
};
RoseScale MakeRoseScale(double max);

// The fetch rings in the length unit that keeps their numbers plain: m below
// 1000 m, then km, for a project in m or km; ft below a mile, then mi, for
// one in ft or miles. The rings are round steps in that unit.
struct RoseFetchRings {
    RoseScale scale;             // in `unit`
    std::string unit;            // "m", "km", "ft", "mi"
    double unitsPerCoord = 1.0;  // `unit`s in one coordinate unit of the project
    // Radius of ring q (1..scale.rings) in coordinate units.
    double RadiusCoord(int q) const { return scale.step * q / unitsPerCoord; }
    double TopCoord() const { return RadiusCoord(scale.rings); }
    // "40 km", "500 m", "2 mi".
    std::string Label(int q) const;
};
// maxFetch in the project's coordinate units (CoordUnits code coordUnits).
RoseFetchRings MakeFetchRings(int coordUnits, double maxFetch);

// A ring value without an exponent or trailing zeros: 40000, 2.5, 0.01.
std::string PlainNumber(double value);

// Where the rose's parts go in an area of a painter, in its units (pixels
// of a 96 dpi device): the title at the top, the disc, the legend at the
// bottom. The fetch fills the inner disc up to fetchRadius; the Hs bars
// stand outward from the circle barBase up to radius, so neither hides the
// other.
struct RoseLayout {
    QRectF area;
    QPointF centre;
    double radius = 0;       // R: the outer rim, Hs at the top of its scale
    double fetchRadius = 0;  // the outer fetch ring
    double barBase = 0;      // the circle of Hs 0
    RoseFetchRings fetchRings;
    RoseScale heightScale;
    bool metric = true;
    QFont font;
    QFont titleFont;
    int line = 0;  // height of a text line
    int titleLine = 0;
    QString title;  // shortened with an ellipsis to the width
    // The legend's entries - three with a swatch, then two notes - each
    // wrapped to the width into as many lines as it needs.
    std::vector<QStringList> legend;
    int legendLines = 0;

    // The point at compass bearing b (degrees clockwise from north), r from the centre.
    QPointF At(double bearingDeg, double r) const;
    // Compass bearing of `at` seen from the centre, [0, 360).
    double BearingOf(const QPointF& at) const;
    // Radius of a fetch in coordinate units; of Hs in the project's height unit.
    double FetchToRadius(double fetchCoord) const;
    double HeightToRadius(double height) const;
};
// device: the one the rose is painted on (its resolution sets the font's
// pixels); null means the screen.
RoseLayout LayOutRose(const QPaintDevice* device, const QRectF& area, const WaveRoseResult& rose,
                      const ProjectRecord& rec);

// The rose of rec (units, sector and methods come from it) painted into
// area, over what is there.
void PaintRosePlot(QPainter& painter, const QRectF& area, const WaveRoseResult& rose, const ProjectRecord& rec);

// The rose on a white image of width x height pixels (each clamped to
// 200..8192) at 96 dpi.
QImage DrawRosePlot(const WaveRoseResult& rose, const ProjectRecord& rec, int width = kRosePlotWidth,
                    int height = kRosePlotHeight);

// Index of the row whose bearing is nearest bearingDeg around the circle;
// -1 for a rose without rows or a bearing that is no number.
int NearestRoseRow(const WaveRoseResult& rose, double bearingDeg);

// One row as the rose's readout: "from 40° (wind direction 50°): fetch
// 11.397 km, effective 10.141 km, Hs 1.15 m", fetches in the project's
// coordinate unit, Hs in m or ft. UTF-8.
std::string RoseReadout(const RoseRow& row, const ProjectRecord& rec);

}  // namespace orvane
