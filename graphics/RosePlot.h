#pragma once
// The fetch and wave rose as a picture: a polar diagram, north up, compass
// bearings clockwise. Each wind direction is drawn at the bearing it looks
// along from the point, so the fetch outline reads like the shore seen from
// there. Fetch along the wind direction as a filled outline, the effective
// fetch as a line on the same scale, and around them Hs as a ring of bars
// standing outward on a circle of their own; ring labels give both scales,
// a legend their units and the sector used.
// Painted offscreen with QPainter (a QGuiApplication must exist for fonts).

#include <QImage>

#include <string>

#include "core/ProjectRecord.h"
#include "core/WaveRose.h"

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
    RoseScale scale;            // in `unit`
    std::string unit;           // "m", "km", "ft", "mi"
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

// The rose of rec (units, sector and methods come from it) on a white image
// of width x height pixels (each clamped to 200..8192).
QImage DrawRosePlot(
    const WaveRoseResult& rose, const ProjectRecord& rec, int width = kRosePlotWidth, int height = kRosePlotHeight);

}  // namespace orvane
