#pragma once
// The wave climate's pictures: the occurrence rose (how often each height
// comes from each direction sector: stacked wedges, north up, compass
// bearings clockwise, radius the share of the record's time) and the return
// period chart of a sector on Gumbel paper (the storm peaks, the fitted
// lines and the interval of the design fit; a ChartData for the one chart
// painter). Painted with QPainter on any device: the climate window, the
// report and offscreen for the command line (fonts need a QGuiApplication).

#include <QImage>
#include <QRectF>
#include <string>
#include <vector>

#include "core/ClimateAnalysis.h"
#include "graphics/ChartData.h"

class QPainter;

namespace orvane {

inline constexpr int kOccurrenceRoseWidth = 720;
inline constexpr int kOccurrenceRoseHeight = 780;
inline constexpr int kReturnChartWidth = 900;
inline constexpr int kReturnChartHeight = 600;

// The height bands the rose stacks, m: [edges[i], edges[i+1]); the last is open.
std::vector<double> RoseBandEdges();

// Per sector and band, the share of the record's time, per cent.
std::vector<std::vector<double>> RoseBandShares(const OccurrenceTable& table);

void PaintOccurrenceRose(QPainter& painter, const QRectF& area, const ClimateResult& result);
QImage DrawOccurrenceRose(const ClimateResult& result, int width = kOccurrenceRoseWidth,
                          int height = kOccurrenceRoseHeight);

// The reduced variate of the return period R (years) for eventsPerYear
// events a year: -ln(-ln(1 - 1/(lambda R))), the FT-I scale on which the
// return periods are marked.
double GumbelVariateOfReturnPeriod(double years, double eventsPerYear);

// Bottom axis: return period (the marks at 1, 2, 5, ... 100 years, placed on
// the FT-I reduced variate of the sector's storm rate); left: Hs in m.
// Series: the storm peaks (Gringorten positions), the best least-squares
// fit with its 90 % interval dashed, the GPD and GEV fits.
ChartData ReturnPeriodChart(const SectorExtremes& extremes);
QImage DrawReturnPeriodChart(const SectorExtremes& extremes, int width = kReturnChartWidth,
                             int height = kReturnChartHeight);

}  // namespace orvane
