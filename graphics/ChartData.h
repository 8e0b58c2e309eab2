#pragma once
// The two result charts - the wave spectrum S(f) and the synthetic surface
// record - as plain data: titles, axis ranges and increments, label formats,
// the series points and the fill. Built from WaveResults and the project
// alone, so the main window's results frame and the printed report show the
// same charts; PaintChart (ChartPainter.h) puts one on any QPainter.
//
// No toolkit here. Axis values are in the data's units (Hz, s, the
// project's height unit squared per Hz, the height unit).

#include <functional>
#include <string>
#include <vector>

#include "core/ProjectRecord.h"
#include "graphics/Raster.h"

namespace orvane {

struct ChartPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// One axis. A fixed axis runs from min to max with ticks every increment
// from min (0 when the rule gives no increment, as for an all-zero
// spectrum). An axis that fits itself holds the data range in min..max and
// chooses its ticks for the length it is drawn at (FitAxis).
struct ChartAxis {
    std::string title;  // UTF-8
    double min = 0;
    double max = 0;
    double increment = 0;
    bool fitsItself = false;
    // printf format of the tick labels ("." as decimal separator); empty on a
    // self-fitting axis means as many decimals as its tick step needs.
    std::string labelFormat;
    // Ticks at chosen values with their own labels, for a scale whose labels
    // are not its values (return periods on Gumbel paper); the axis then runs
    // from min to max and the increment is not used. Same length.
    std::vector<double> tickValues;
    std::vector<std::string> tickLabels;
};

// A further series drawn over the chart's own one: a line, or markers only.
struct ChartSeries {
    std::string name;  // UTF-8; a named series gets a legend entry
    std::vector<ChartPoint> points;
    Rgb colour = colours::kBlack;
    double widthPt = 1.0;
    bool dashed = false;
    bool markers = false;  // small circles at the points, no line
};

struct ChartData {
    ChartAxis left;
    ChartAxis bottom;
    std::vector<ChartPoint> points;  // finite points in data order; damaged values are left out
    Rgb lineColour = colours::kBlue;
    double lineWidthPt = 0.75;  // one pixel of a 96 dpi screen
    bool filled = false;        // the area between the line and y = 0
    Rgb fillColour = colours::kBlue;
    // Room around the plot, per cent of the chart's width (left, right) and height (top, bottom).
    double marginLeftPct = 0;
    double marginTopPct = 4;
    double marginRightPct = 1;
    double marginBottomPct = 0;
    std::vector<ChartSeries> series;  // drawn after the filled area and the line, in order
    // printf format of the point under the cursor of a view, its x then its y
    // ("f = %.3f Hz, S(f) = %.4g"); empty: the view shows no readout.
    std::string readoutFormat;
};

// Index of the point nearest x along the bottom axis (the first of equals);
// -1 when the chart has no points or x is no number.
int NearestPoint(const ChartData& chart, double x);

// The readout of point p in chart's readoutFormat; empty without a format.
std::string Readout(const ChartData& chart, const ChartPoint& p);

// Spectrum chart: the points (Freq[k], Density[k]) for k = 1..FreqCount,
// filled blue; left axis "S(f)" from 0 to Smax = the largest of 0 and the
// densities, increment Smax / 4; bottom axis "f (Hz)" fitted to the
// frequencies; readout "f = 0.281 Hz, S(f) = 0.2312".
ChartData SpectrumChart(const WaveResults& results);

// Time-series chart: the points ((j - 1) TimeStep, Elevation[j]) for
// j = 1..SampleCount; left axis "H [m]" ("H [ft]" in a feet or miles
// project) from -B to B with increment B / 2, where B is the integer part of
// the largest magnitude of the elevations (and 0) plus 1; bottom axis "sec"
// fitted to 0..(SampleCount - 1) TimeStep with labels "%.2f"; readout
// "t = 12.25 s, H = 0.43 m".
ChartData TimeSeriesChart(const WaveResults& results, const ProjectRecord& rec);

// The range an axis is drawn with. A fixed axis with a usable range gives its
// own range and increment (an increment that would put 1000 or more ticks on
// it becomes a quarter of the range); an empty or damaged range (0..0, or a
// bound that is no finite number) is drawn as 0..1 in steps of 0.25, or -1..1
// in steps of 0.5 when it reaches below 0.
struct AxisRange {
    double from = 0;
    double to = 1;
    double step = 0.25;
};
AxisRange DrawnRange(const ChartAxis& axis);

// Tick values from..to every step, the last within a millionth of a step of to.
std::vector<double> TickValues(const AxisRange& range);

// Decimals that tell ticks `step` apart: 0.0894 -> 3, 2.5 -> 1, 50 -> 0
// (2 for a step that is no positive number).
int DecimalsFor(double step);

// A self-fitting axis over the data lo..hi drawn length units long: ticks 1,
// 2, 2.5 or 5 times a power of ten apart, as many intervals as the length
// holds (at most five, each as wide as the wider end label plus gap), and the
// range widened only to the nearest tick on each side. labelWidth measures a
// label in length units. fixedFormat is the label format to keep, or empty
// for decimals that follow the step. A range that is empty or no number fits
// 0..1.
struct FittedAxis {
    AxisRange range;
    std::string labelFormat;
};
FittedAxis FitAxis(double lo, double hi, double length, const std::function<double(const std::string&)>& labelWidth,
                   double gap, const std::string& fixedFormat);

// The tick label text of value in format ("%.2f" if format is empty).
std::string AxisLabel(const std::string& format, double value);

}  // namespace orvane
