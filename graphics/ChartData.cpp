#include "graphics/ChartData.h"

#include <algorithm>
#include <cmath>

#include "core/Format.h"

namespace orvane {

ChartData SpectrumChart(const WaveResults& results)
{
    ChartData chart;
    chart.filled = true;
    const int n = std::clamp(results.FreqCount, 0, kFreqCount);
    double smax = 0.0;
    double fmin = 0.0;
    double fmax = 0.0;
    for (int k = 1; k <= n; ++k) {
        if (results.Density[k] > smax)  // NaN never wins a comparison
            smax = results.Density[k];
        if (!std::isfinite(results.Freq[k]) || !std::isfinite(results.Density[k]))
            continue;  // a damaged run shows a gap, never a broken chart
        chart.points.push_back({results.Freq[k], results.Density[k]});
        fmin = chart.points.size() == 1 ? results.Freq[k] : std::min<double>(fmin, results.Freq[k]);
        fmax = std::max<double>(fmax, results.Freq[k]);
    }
    chart.left.title = "S(f)";
    chart.left.min = 0.0;
    chart.left.max = smax;
    chart.left.increment = smax / 4.0;
    chart.left.labelFormat = "%." + std::to_string(DecimalsFor(DrawnRange(chart.left).step)) + "f";
    chart.bottom.title = "f (Hz)";
    chart.bottom.fitsItself = true;
    chart.bottom.min = fmax > fmin ? fmin : 0.0;
    chart.bottom.max = fmax > fmin ? fmax : 1.0;
    chart.readoutFormat = "f = %.3f Hz, S(f) = %.4g";
    return chart;
}

ChartData TimeSeriesChart(const WaveResults& results, const ProjectRecord& rec)
{
    ChartData chart;
    const int m = std::clamp(results.SampleCount, 0, kSampleCount);
    double vmax = 0.0;
    double vmin = 0.0;
    chart.points.reserve(static_cast<std::size_t>(m));
    for (int j = 1; j <= m; ++j) {
        const double v = results.Elevation[j];
        vmax = std::max(vmax, v);
        vmin = std::min(vmin, v);
        if (std::isfinite(v))
            chart.points.push_back({(j - 1) * static_cast<double>(results.TimeStep), v});
    }
    const double bound = std::trunc(std::max(std::fabs(vmax), std::fabs(vmin))) + 1.0;
    chart.left.title = IsMetric(rec) ? "H [m]" : "H [ft]";
    chart.left.min = -bound;
    chart.left.max = bound;
    chart.left.increment = bound / 2.0;
    chart.left.labelFormat = "%.2f";
    chart.bottom.title = "sec";
    chart.bottom.fitsItself = true;
    chart.bottom.min = 0.0;
    chart.bottom.max = m > 1 ? (m - 1) * static_cast<double>(results.TimeStep) : 1.0;
    chart.bottom.labelFormat = "%.2f";
    chart.readoutFormat = IsMetric(rec) ? "t = %.2f s, H = %.2f m" : "t = %.2f s, H = %.2f ft";
    return chart;
}

int NearestPoint(const ChartData& chart, double x)
{
    int nearest = -1;
    double best = 0;
    for (std::size_t i = 0; i < chart.points.size() && !std::isnan(x); ++i) {
        const double distance = std::fabs(chart.points[i].x - x);
        if (nearest < 0 || distance < best) {
            nearest = static_cast<int>(i);
            best = distance;
        }
    }
    return nearest;
}

std::string Readout(const ChartData& chart, const ChartPoint& p)
{
    return chart.readoutFormat.empty() ? std::string() : Format(chart.readoutFormat, p.x, p.y);
}

AxisRange DrawnRange(const ChartAxis& axis)
{
    if (std::isfinite(axis.min) && std::isfinite(axis.max) && axis.max > axis.min) {
        const double span = axis.max - axis.min;
        const bool usable = axis.increment > 0.0 && span / axis.increment < 1000.0;
        return {axis.min, axis.max, usable ? axis.increment : span / 4.0};
    }
    if (axis.min < 0.0)
        return {-1.0, 1.0, 0.5};
    return {0.0, 1.0, 0.25};
}

std::vector<double> TickValues(const AxisRange& range)
{
    std::vector<double> ticks;
    if (!(range.step > 0.0) || !(range.to >= range.from) || !std::isfinite(range.to - range.from))
        return ticks;
    const double count = std::floor((range.to - range.from) / range.step + 1e-6);
    for (int i = 0; i <= std::min(count, 1000.0); ++i)
        ticks.push_back(range.from + i * range.step);
    return ticks;
}

int DecimalsFor(double step)
{
    if (!(step > 0.0) || !std::isfinite(step))
        return 2;
    return std::clamp(1 - static_cast<int>(std::floor(std::log10(step))), 0, 6);
}

std::string AxisLabel(const std::string& format, double value)
{
    return Format(format.empty() ? std::string("%.2f") : format, value);
}

FittedAxis FitAxis(double lo, double hi, double length, const std::function<double(const std::string&)>& labelWidth,
                   double gap, const std::string& fixedFormat)
{
    if (!(hi > lo) || !std::isfinite(lo) || !std::isfinite(hi)) {
        lo = 0.0;
        hi = 1.0;
    }
    const auto formatFor = [&](double step) {
        return fixedFormat.empty() ? "%." + std::to_string(DecimalsFor(step)) + "f" : fixedFormat;
    };
    double step = hi - lo;
    for (int intervals = 5; intervals >= 1; --intervals) {
        const double rough = (hi - lo) / intervals;
        const double power = std::pow(10.0, std::floor(std::log10(rough)));
        step = 10.0 * power;
        for (const double factor : {1.0, 2.0, 2.5, 5.0}) {
            if (factor * power >= rough * 0.9999999) {
                step = factor * power;
                break;
            }
        }
        const double from = std::floor(lo / step + 1e-9) * step;
        const double to = std::ceil(hi / step - 1e-9) * step;
        const std::string format = formatFor(step);
        const double widest = std::max(labelWidth(AxisLabel(format, from)), labelWidth(AxisLabel(format, to))) + gap;
        const double shown = std::round((to - from) / step);
        // Labels are centred on their ticks: the outer halves stand beyond the axis.
        if (shown * widest <= length || intervals == 1)
            break;
    }
    const double from = std::floor(lo / step + 1e-9) * step;
    const double to = std::ceil(hi / step - 1e-9) * step;
    return {{from, to, step}, formatFor(step)};
}

}  // namespace orvane
