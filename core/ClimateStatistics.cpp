#include "core/ClimateStatistics.h"

#include <algorithm>
#include <array>
#include <map>

#include "core/Format.h"
#include "core/WindRecord.h"

namespace orvane {

namespace {

// Days since 1970 of a UTC time, rounded down.
std::int64_t DayOf(std::int64_t timeS) { return timeS >= 0 ? timeS / 86400 : -((-timeS + 86399) / 86400); }

template <class KeyOf>
std::vector<PeriodStat> GroupStats(std::span<const std::int64_t> timeS, std::span<const float> hs,
                                   std::span<const float> hours, KeyOf keyOf)
{
    std::map<int, PeriodStat> groups;
    std::map<int, double> weighted;
    // Rows of one day share their key: the calendar is worked out once a day.
    std::int64_t day = 0;
    int key = 0;
    for (std::size_t i = 0; i < timeS.size(); ++i) {
        const std::int64_t d = DayOf(timeS[i]);
        if (i == 0 || d != day) {
            day = d;
            key = keyOf(CivilFromDays(d));
        }
        PeriodStat& g = groups[key];
        g.key = key;
        g.hours += hours[i];
        g.maxM = std::max(g.maxM, static_cast<double>(hs[i]));
        weighted[key] += static_cast<double>(hs[i]) * hours[i];
    }
    std::vector<PeriodStat> out;
    for (auto& [k, g] : groups) {
        g.meanM = g.hours > 0 ? weighted[k] / g.hours : 0.0;
        out.push_back(g);
    }
    return out;
}

}  // namespace

int SectorOf(double bearingDeg, int sectors)
{
    const double width = 360.0 / sectors;
    double b = std::fmod(bearingDeg + width / 2.0, 360.0);
    if (b < 0)
        b += 360.0;
    return std::min(static_cast<int>(b / width), sectors - 1);
}

double SectorCentre(int k, int sectors) { return k * 360.0 / sectors; }

std::string SectorName(int k, int sectors)
{
    static constexpr std::array<const char*, 16> kSixteen = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                                             "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
    if (sectors == 16 && k >= 0 && k < 16)
        return kSixteen[static_cast<std::size_t>(k)];
    if (sectors == 8 && k >= 0 && k < 8)
        return kSixteen[static_cast<std::size_t>(2 * k)];
    return Format("%03.0f", SectorCentre(k, sectors));
}

double OccurrenceTable::PerMille(int c, int s) const
{
    return totalHours > 0 ? 1000.0 * hours[static_cast<std::size_t>(c)][static_cast<std::size_t>(s)] / totalHours : 0.0;
}

double OccurrenceTable::CalmPerMille() const { return totalHours > 0 ? 1000.0 * calmHours / totalHours : 0.0; }

OccurrenceTable MakeOccurrenceTable(std::span<const float> hs, std::span<const float> bearingDeg,
                                    std::span<const float> hours, int sectors, double classWidthM)
{
    OccurrenceTable t;
    t.sectors = sectors;
    t.classWidthM = classWidthM;
    float top = 0.0f;
    for (float h : hs)
        top = std::max(top, h);
    const std::size_t classes = top > 0.0f ? static_cast<std::size_t>(top / classWidthM) + 1 : 0;
    t.counts.assign(classes, std::vector<std::size_t>(static_cast<std::size_t>(sectors), 0));
    t.hours.assign(classes, std::vector<double>(static_cast<std::size_t>(sectors), 0.0));
    for (std::size_t i = 0; i < hs.size(); ++i) {
        t.totalHours += hours[i];
        if (!(hs[i] > 0.0f)) {
            ++t.calmCount;
            t.calmHours += hours[i];
            continue;
        }
        const std::size_t c = std::min(static_cast<std::size_t>(hs[i] / classWidthM), classes - 1);
        const std::size_t s = static_cast<std::size_t>(SectorOf(bearingDeg[i], sectors));
        ++t.counts[c][s];
        t.hours[c][s] += hours[i];
    }
    return t;
}

std::vector<ExceedancePoint> Exceedance(std::span<const float> hs, std::span<const float> hours, double stepM)
{
    float top = 0.0f;
    double total = 0.0;
    for (std::size_t i = 0; i < hs.size(); ++i) {
        top = std::max(top, hs[i]);
        total += hours[i];
    }
    const std::size_t levels = static_cast<std::size_t>(top / stepM) + 1;
    // Hours per height class, then summed from the top down.
    std::vector<double> above(levels + 1, 0.0);
    for (std::size_t i = 0; i < hs.size(); ++i) {
        if (!(hs[i] > 0.0f))
            continue;
        // Hs lies above the levels 0 .. ceil(Hs / step) - 1.
        const double k = std::ceil(hs[i] / stepM);
        above[std::min(static_cast<std::size_t>(k), levels)] += hours[i];
    }
    std::vector<ExceedancePoint> out(levels);
    double sum = 0.0;
    for (std::size_t j = levels; j-- > 0;) {
        sum += above[j + 1];
        out[j] = {j * stepM, total > 0 ? 100.0 * sum / total : 0.0};
    }
    return out;
}

std::vector<PeriodStat> MonthlyStats(std::span<const std::int64_t> timeS, std::span<const float> hs,
                                     std::span<const float> hours)
{
    return GroupStats(timeS, hs, hours, [](const CivilDate& d) { return d.month; });
}

std::vector<PeriodStat> AnnualStats(std::span<const std::int64_t> timeS, std::span<const float> hs,
                                    std::span<const float> hours)
{
    return GroupStats(timeS, hs, hours, [](const CivilDate& d) { return d.year; });
}

std::vector<Persistence> PersistenceAbove(std::span<const std::int64_t> timeS, std::span<const float> hs,
                                          std::span<const float> hours, std::span<const double> levelsM,
                                          double maxGapHours)
{
    std::vector<Persistence> out;
    const double maxGapS = maxGapHours * 3600.0;
    for (double level : levelsM) {
        Persistence p;
        p.levelM = level;
        double run = 0.0;
        auto close = [&]() {
            if (run > 0.0) {
                ++p.spells;
                p.longestHours = std::max(p.longestHours, run);
                p.totalHours += run;
            }
            run = 0.0;
        };
        for (std::size_t i = 0; i < hs.size(); ++i) {
            if (i > 0 && static_cast<double>(timeS[i] - timeS[i - 1]) > maxGapS)
                close();
            if (hs[i] > level)
                run += hours[i];
            else
                close();
        }
        close();
        p.meanHours = p.spells > 0 ? p.totalHours / static_cast<double>(p.spells) : 0.0;
        out.push_back(p);
    }
    return out;
}

PowerLaw FitPeriodOfHeight(std::span<const float> hs, std::span<const float> tp)
{
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < hs.size(); ++i) {
        if (!(hs[i] > 0.0f && tp[i] > 0.0f))
            continue;
        const double x = std::log(hs[i]), y = std::log(tp[i]);
        n += 1;
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    const double den = n * sxx - sx * sx;
    if (n < 2 || !(den > 1e-12 * n * n))
        return {};
    const double b = (n * sxy - sx * sy) / den;
    return {std::exp((sy - b * sx) / n), b};
}

}  // namespace orvane
