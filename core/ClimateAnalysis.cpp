#include "core/ClimateAnalysis.h"

#include <algorithm>
#include <cmath>

#include "core/CoreShare.h"
#include "core/Format.h"
#include "core/Json.h"
#include "core/ProjectCompanion.h"

namespace orvane {

namespace {

constexpr double kHoursPerYear = 365.25 * 24.0;

// What every sector shares: the columns of the series, each row's sector,
// and the calendar years with the rows they hold.
struct Shared {
    std::vector<std::int64_t> times;
    std::vector<float> hs, tp, hours;
    std::vector<std::uint8_t> sectorOf;
    std::vector<AnnualMaximum> years;    // coverage of every year, heights unused
    std::vector<std::size_t> yearBegin;  // first row of each year, then the row count
};

// The extremes of one sector (or of every direction when sector < 0).
void AnalyseSector(const ClimateResult& r, const Shared& shared, SectorExtremes& out, std::uint64_t seed)
{
    const std::size_t n = shared.hs.size();
    std::vector<float> hs(n), tp(n);
    for (std::size_t i = 0; i < n; ++i) {
        const bool in = out.sector < 0 || shared.sectorOf[i] == out.sector;
        hs[i] = in ? shared.hs[i] : 0.0f;
        tp[i] = in ? shared.tp[i] : 0.0f;
    }
    out.periodOfHeight = FitPeriodOfHeight(hs, tp);
    const std::vector<std::int64_t>& times = shared.times;
    const std::vector<StormPeak> all = DeclusteredPeaks(times, hs, kPeakSeparationH);
    out.thresholdM = r.settings.thresholdM ? *r.settings.thresholdM : ThresholdForRate(all, r.years, kPeaksPerYear);
    for (const StormPeak& p : all)
        if (p.heightM > out.thresholdM)
            out.peaks.push_back(p);
    out.peaksPerYear = r.years > 0 ? static_cast<double>(out.peaks.size()) / r.years : 0.0;
    auto withTp = [&](std::vector<ReturnValue> values) {
        for (ReturnValue& v : values)
            v.extrapolated = v.years > 4.0 * r.years;
        return values;
    };

    if (out.peaks.size() < kMinPeaksForFit) {
        out.warnings.push_back(Format("%zu storm peaks above %.2f m: too few for a fit (at least %zu)",
                                      out.peaks.size(), out.thresholdM, kMinPeaksForFit));
    } else {
        std::vector<double> sample, excesses;
        for (const StormPeak& p : out.peaks) {
            sample.push_back(p.heightM);
            excesses.push_back(p.heightM - out.thresholdM);
        }
        out.goda = FitGodaCandidates(sample, sample.size());
        out.bestGoda = BestGodaFit(out.goda);
        for (const GodaFit& fit : out.goda) {
            std::vector<ReturnValue> values;
            for (double years : kReturnYears)
                values.push_back(GodaReturnValue(fit, years, out.peaksPerYear, sample.size()));
            out.godaReturns.push_back(withTp(std::move(values)));
        }
        out.design = out.godaReturns[out.bestGoda];
        out.gpd = FitGpdMl(excesses, out.thresholdM);
        if (out.gpd.ok)
            out.gpdReturns = withTp(MlReturnValues(out.gpd, excesses.size(), out.peaksPerYear, seed));
    }

    for (std::size_t y = 0; y < shared.years.size(); ++y) {
        AnnualMaximum a = shared.years[y];
        a.heightM = 0.0;
        for (std::size_t i = shared.yearBegin[y]; i < shared.yearBegin[y + 1]; ++i)
            a.heightM = std::max(a.heightM, static_cast<double>(hs[i]));
        if (a.coverage >= kMinYearCoverage && a.heightM > 0.0)
            out.annualMaxima.push_back(a);
    }
    if (out.annualMaxima.size() >= kMinYearsForAnnualMaxima) {
        std::vector<double> maxima;
        for (const AnnualMaximum& a : out.annualMaxima)
            maxima.push_back(a.heightM);
        out.gev = FitGevMl(maxima);
        if (out.gev.ok)
            out.gevReturns = withTp(MlReturnValues(out.gev, maxima.size(), 1.0, seed ^ 0x9E3779B97F4A7C15ull));
    }
    if (r.years < 100.0 / 4.0 && !out.design.empty())
        out.warnings.push_back(Format("the record covers %.1f years: return periods beyond %.0f years extrapolate "
                                      "more than 4 times its length",
                                      r.years, 4.0 * r.years));
}

JsonValue Num(double v) { return std::isfinite(v) ? JsonValue::Number(v) : JsonValue(); }
JsonValue Num(const std::optional<double>& v) { return v ? Num(*v) : JsonValue(); }

JsonValue ReturnValuesJson(const std::vector<ReturnValue>& values, const PowerLaw& tp)
{
    JsonValue list = JsonValue::Array();
    for (const ReturnValue& v : values) {
        JsonValue item = JsonValue::Object();
        item.Set("Years", Num(v.years));
        item.Set("Hs", Num(v.hsM));
        item.Set("Low", Num(v.lowM));
        item.Set("High", Num(v.highM));
        item.Set("Tp", v.hsM && tp.a > 0 ? Num(tp(*v.hsM)) : JsonValue());
        if (v.extrapolated)
            item.Set("Extrapolated", JsonValue::Bool(true));
        list.Elements().push_back(std::move(item));
    }
    return list;
}

std::string GodaTitle(const GodaFit& fit)
{
    return fit.distribution == Distribution::FisherTippett1 ? "FT-I" : Format("Weibull k=%g", fit.k);
}

}  // namespace

ClimateResult AnalyseClimate(Hindcast hindcast, const ClimateSettings& settings, double convergenceDeg,
                             std::uint64_t seed, const Progress& progress)
{
    ClimateResult r;
    r.settings = settings;
    if (!ValidSectorCount(r.settings.sectors))
        r.settings.sectors = 16;
    if (!(r.settings.classWidthM > 0.0))
        r.settings.classWidthM = 0.25;
    r.convergenceDeg = convergenceDeg;
    r.seed = seed;
    r.hindcast = std::move(hindcast);
    const std::vector<HindcastRow>& rows = r.hindcast.rows;
    const std::size_t n = rows.size();
    Shared shared;
    std::vector<std::int64_t>& times = shared.times;
    std::vector<float>&hs = shared.hs, &hours = shared.hours, &tp = shared.tp;
    times.resize(n);
    hs.resize(n);
    hours.resize(n);
    tp.resize(n);
    r.bearingDeg.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        times[i] = rows[i].timeS;
        hs[i] = rows[i].hsM;
        tp[i] = rows[i].tpS;
        hours[i] = rows[i].hours;
        r.bearingDeg[i] = static_cast<float>(BearingOfWindDirection(rows[i].directionDeg, convergenceDeg));
    }
    // The years and where each begins (the rows are in time order).
    shared.years = AnnualMaxima(times, hs, hours);
    std::int64_t lastDay = 0;
    int lastYear = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::int64_t day = times[i] >= 0 ? times[i] / 86400 : -((-times[i] + 86399) / 86400);
        if (i > 0 && day == lastDay)
            continue;
        lastDay = day;
        const int year = CivilFromDays(day).year;
        if (i == 0 || year != lastYear)
            shared.yearBegin.push_back(i);
        lastYear = year;
    }
    shared.yearBegin.resize(shared.years.size(), n);
    shared.yearBegin.push_back(n);
    r.years = n > 0 ? (static_cast<double>(rows.back().timeS - rows.front().timeS) / 3600.0 + rows.back().hours) /
                          kHoursPerYear
                    : 0.0;
    r.occurrence = MakeOccurrenceTable(hs, r.bearingDeg, hours, r.settings.sectors, r.settings.classWidthM);
    r.exceedance = Exceedance(hs, hours, r.settings.classWidthM);
    r.monthly = MonthlyStats(times, hs, hours);
    r.annual = AnnualStats(times, hs, hours);
    std::vector<double> levels;
    const double top = r.exceedance.empty() ? 0.0 : r.exceedance.back().heightM;
    for (double level : {0.5, 1.0, 1.5, 2.0, 3.0, 4.0, 5.0})
        if (level < top || levels.empty())
            levels.push_back(level);
    r.persistence = PersistenceAbove(times, hs, hours, levels, kMaxRowHours);
    if (progress && !progress(0.2)) {
        r.cancelled = true;
        return r;
    }

    const std::size_t count = static_cast<std::size_t>(r.settings.sectors) + 1;
    r.extremes.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
        SectorExtremes& e = r.extremes[k];
        e.sector = static_cast<int>(k) - 1;
        if (e.sector < 0) {
            e.name = "all";
        } else {
            const double width = 360.0 / r.settings.sectors;
            e.name = SectorName(e.sector, r.settings.sectors);
            e.fromDeg = std::fmod(SectorCentre(e.sector, r.settings.sectors) - width / 2 + 360.0, 360.0);
            e.toDeg = std::fmod(e.fromDeg + width, 360.0);
        }
    }
    shared.sectorOf.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        shared.sectorOf[i] = static_cast<std::uint8_t>(SectorOf(r.bearingDeg[i], r.settings.sectors));
    ShareAmongCores(count, 2, [&](std::size_t first, std::size_t stride) {
        for (std::size_t k = first; k < count; k += stride)
            AnalyseSector(r, shared, r.extremes[k], seed + 7919ull * k);
    });
    if (progress)
        progress(1.0);
    return r;
}

ClimateResult RunClimate(const ProjectRecord& rec, const WindSettings& station, const ClimateSettings& settings,
                         const std::vector<WindRow>& winds, double convergenceDeg, std::uint64_t seed,
                         const Progress& progress)
{
    WindObservation observation;
    observation.heightM = station.heightM;
    observation.averagingS = station.averagingS;
    observation.exposure = station.exposure;
    observation.airMinusWaterC = station.airMinusWaterC;
    const HindcastInput input = MakeHindcastInput(rec, observation, settings);
    const DegreeFetches fetches = MeasureDegreeFetches(rec);
    auto part = [&progress](double from, double to) -> Progress {
        if (!progress)
            return {};
        return [&progress, from, to](double share) { return progress(from + (to - from) * share); };
    };
    Hindcast hindcast = RunHindcast(input, winds, fetches, part(0.0, 0.5));
    if (hindcast.cancelled) {
        ClimateResult r;
        r.cancelled = true;
        return r;
    }
    return AnalyseClimate(std::move(hindcast), settings, convergenceDeg, seed, part(0.5, 1.0));
}

std::string SeriesCsv(const ClimateResult& r)
{
    std::string out = std::string("time,u10_ms,") + (r.TrueBearings() ? "bearing_true_deg" : "bearing_grid_deg") +
                      ",fetch_m,hs_m,tp_s,limited\n";
    out.reserve(out.size() + r.hindcast.rows.size() * 64);
    for (std::size_t i = 0; i < r.hindcast.rows.size(); ++i) {
        const HindcastRow& row = r.hindcast.rows[i];
        out += TimestampText(row.timeS);
        out += Format(",%.2f,%.0f,%.1f,%.3f,%.2f,", row.u10Ms, r.bearingDeg[i], row.fetchM, row.hsM, row.tpS);
        out += SeaLimitName(row.limit);
        out += '\n';
    }
    return out;
}

std::string OccurrenceCsv(const ClimateResult& r)
{
    const OccurrenceTable& t = r.occurrence;
    std::string out = "hs_from_m,hs_to_m";
    for (int s = 0; s < t.sectors; ++s)
        out += "," + SectorName(s, t.sectors) + "_count," + SectorName(s, t.sectors) + "_permille";
    out += ",all_count,all_permille\n";
    for (int c = 0; c < t.Classes(); ++c) {
        out += Format("%.2f,%.2f", c * t.classWidthM, (c + 1) * t.classWidthM);
        std::size_t count = 0;
        double perMille = 0.0;
        for (int s = 0; s < t.sectors; ++s) {
            const std::size_t k = t.counts[static_cast<std::size_t>(c)][static_cast<std::size_t>(s)];
            count += k;
            perMille += t.PerMille(c, s);
            out += Format(",%zu,%.3f", k, t.PerMille(c, s));
        }
        out += Format(",%zu,%.3f\n", count, perMille);
    }
    out += "no waves,";
    for (int s = 0; s < t.sectors; ++s)
        out += ",,";
    out += Format(",%zu,%.3f\n", t.calmCount, t.CalmPerMille());
    return out;
}

std::string ExtremesJson(const ClimateResult& r)
{
    JsonValue root = JsonValue::Object();
    root.Set("Years", Num(r.years));
    root.Set("Law", JsonValue::String(GrowthLawName(r.hindcast.law)));
    root.Set("Bearings", JsonValue::String(r.TrueBearings() ? "true" : "grid"));
    root.Set("Seed", Num(static_cast<double>(r.seed)));
    JsonValue sectors = JsonValue::Array();
    for (const SectorExtremes& e : r.extremes) {
        JsonValue s = JsonValue::Object();
        s.Set("Sector", JsonValue::String(e.name));
        if (e.sector >= 0) {
            s.Set("From", Num(e.fromDeg));
            s.Set("To", Num(e.toDeg));
        }
        s.Set("Peaks", Num(static_cast<double>(e.peaks.size())));
        s.Set("Threshold", Num(e.thresholdM));
        s.Set("PeaksPerYear", Num(e.peaksPerYear));
        JsonValue fits = JsonValue::Array();
        for (std::size_t i = 0; i < e.goda.size(); ++i) {
            const GodaFit& g = e.goda[i];
            JsonValue f = JsonValue::Object();
            f.Set("Distribution", JsonValue::String(DistributionName(g.distribution)));
            f.Set("Method", JsonValue::String("least-squares"));
            JsonValue p = JsonValue::Object();
            if (g.distribution == Distribution::Weibull)
                p.Set("k", Num(g.k));
            p.Set("A", Num(g.A));
            p.Set("B", Num(g.B));
            f.Set("Parameters", std::move(p));
            f.Set("Correlation", Num(g.correlation));
            f.Set("Best", JsonValue::Bool(i == e.bestGoda));
            f.Set("ReturnValues", ReturnValuesJson(e.godaReturns[i], e.periodOfHeight));
            fits.Elements().push_back(std::move(f));
        }
        auto ml = [&](const MlFit& fit, const std::vector<ReturnValue>& values, const char* data) {
            JsonValue f = JsonValue::Object();
            f.Set("Distribution", JsonValue::String(DistributionName(fit.distribution)));
            f.Set("Method", JsonValue::String("maximum-likelihood"));
            f.Set("Data", JsonValue::String(data));
            JsonValue p = JsonValue::Object();
            p.Set(fit.distribution == Distribution::Gev ? "Location" : "Threshold", Num(fit.mu));
            p.Set("Scale", Num(fit.sigma));
            p.Set("Shape", Num(fit.xi));
            f.Set("Parameters", std::move(p));
            f.Set("LogLikelihood", Num(fit.logLikelihood));
            f.Set("ReturnValues", ReturnValuesJson(values, e.periodOfHeight));
            fits.Elements().push_back(std::move(f));
        };
        if (e.gpd.ok)
            ml(e.gpd, e.gpdReturns, "peaks");
        if (e.gev.ok)
            ml(e.gev, e.gevReturns, "annual-maxima");
        s.Set("Fits", std::move(fits));
        s.Set("ReturnValues", ReturnValuesJson(e.design, e.periodOfHeight));
        if (!e.design.empty())
            s.Set("ReturnValuesFrom", JsonValue::String(GodaTitle(e.goda[e.bestGoda]) + ", least squares"));
        JsonValue warnings = JsonValue::Array();
        for (const std::string& w : e.warnings)
            warnings.Elements().push_back(JsonValue::String(w));
        s.Set("Warnings", std::move(warnings));
        sectors.Elements().push_back(std::move(s));
    }
    root.Set("Sectors", std::move(sectors));
    return WriteJson(root);
}

std::string ReturnValueTable(const ClimateResult& r)
{
    std::string out = Format("# %s bearings; record %.1f years; Hs (m) [90 %% interval] Tp (s); * beyond 4x the "
                             "record\n",
                             r.TrueBearings() ? "true" : "grid", r.years);
    out += Format("%-6s %5s %6s %-16s", "sector", "peaks", "u_m", "fit");
    for (double years : kReturnYears)
        out += Format(" %19s", Format("%g y", years));
    out += "\n";
    for (const SectorExtremes& e : r.extremes) {
        out += Format("%-6s %5zu %6.2f ", e.name, e.peaks.size(), e.thresholdM);
        if (e.design.empty()) {
            out += e.warnings.empty() ? std::string("-") : e.warnings.front();
            out += "\n";
            continue;
        }
        out += Format("%-16s", GodaTitle(e.goda[e.bestGoda]));
        for (const ReturnValue& v : e.design) {
            if (!v.hsM) {
                out += Format(" %19s", "-");
                continue;
            }
            out += Format(" %19s", Format("%.2f[%.2f-%.2f]%4.1f%s", *v.hsM, v.lowM.value_or(NAN), v.highM.value_or(NAN),
                                          e.periodOfHeight(*v.hsM), v.extrapolated ? "*" : ""));
        }
        out += "\n";
    }
    return out;
}

}  // namespace orvane
