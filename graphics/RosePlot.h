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

// The rose of rec (units, sector and methods come from it) on a white image
// of width x height pixels (each clamped to 200..8192).
QImage DrawRosePlot(
    const WaveRoseResult& rose, const ProjectRecord& rec, int width = kRosePlotWidth, int height = kRosePlotHeight);

}  // namespace orvane
