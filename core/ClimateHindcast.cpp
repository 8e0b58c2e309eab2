#include "core/ClimateHindcast.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <unordered_map>

#include "core/Directional.h"
#include "core/EngineMath.h"
#include "core/Fetch.h"
#include "core/FetchScanner.h"

namespace orvane {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
// The program's own formulas work with g = 32.2 ft/s^2; in metres that is:
constexpr double kOwnG = kGravityFtS2 / kFeetPerMetre;
constexpr double kSiG = 9.81;

// The SMB minimum-duration curve gt/U = K exp(sqrt(a l^2 - b l + c) + d l),
// l = ln(gX/U^2) (GrowthLaws.cpp holds the same constants).
constexpr double kSmbK = 6.5882, kSmbA = 0.0161, kSmbB = 0.3692, kSmbC = 2.2024, kSmbD = 0.8798;

constexpr double kCemHeightCap = 211.5, kCemPeriodCap = 239.8;
constexpr double kCemFullFetch = (kCemHeightCap / 4.13e-2) * (kCemHeightCap / 4.13e-2);
constexpr double kSpmHeightCap = 2.433e-1, kSpmPeriodCap = 8.134;
constexpr double kSpmFullFetch = (kSpmHeightCap / 1.6e-3) * (kSpmHeightCap / 1.6e-3);

double Atanh1(double r) { return r >= 1.0 ? kInf : std::atanh(std::max(r, 0.0)); }

SeaLimit LimitOf(GrowthLimit limit)
{
    switch (limit) {
    case GrowthLimit::Fetch: return SeaLimit::Fetch;
    case GrowthLimit::Duration: return SeaLimit::Duration;
    case GrowthLimit::FullyDeveloped: return SeaLimit::FullyDeveloped;
    case GrowthLimit::Depth: return SeaLimit::Depth;
    }
    return SeaLimit::Fetch;
}

// Smallest difference between two directions, degrees (0..180).
double AngleBetween(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

}  // namespace

bool ValidSectorCount(int sectors) { return sectors == 8 || sectors == 12 || sectors == 16 || sectors == 36; }

std::string SeaLimitName(SeaLimit limit)
{
    switch (limit) {
    case SeaLimit::Calm: return "calm";
    case SeaLimit::NoFetch: return "no-fetch";
    case SeaLimit::Fetch: return "fetch";
    case SeaLimit::Duration: return "duration";
    case SeaLimit::FullyDeveloped: return "fully-developed";
    case SeaLimit::Depth: return "depth";
    }
    return "?";
}

double SmbEquivalentFetchClosed(double t)
{
    if (!(t > 0.0))
        return 0.0;
    if (std::isinf(t))
        return kInf;
    // ln(t/K) = sqrt(a l^2 - b l + c) + d l squares to a quadratic in l; the
    // root wanted keeps the square root's side, L - d l, non-negative.
    const double L = std::log(t / kSmbK);
    const double qa = kSmbD * kSmbD - kSmbA, qb = kSmbB - 2.0 * L * kSmbD, qc = L * L - kSmbC;
    const double disc = std::sqrt(std::max(0.0, qb * qb - 4.0 * qa * qc));
    double best = 0.0, bestError = kInf;
    for (double l : {(-qb + disc) / (2.0 * qa), (-qb - disc) / (2.0 * qa)}) {
        const double error = std::fabs(std::sqrt(kSmbA * l * l - kSmbB * l + kSmbC) + kSmbD * l - L);
        if (L - kSmbD * l >= -1e-12 && error < bestError) {
            best = l;
            bestError = error;
        }
    }
    return std::exp(best);
}

GrowthCurve::GrowthCurve(GrowthLaw law, double u10Ms, double depthM) : law_(law)
{
    switch (law) {
    case GrowthLaw::Bretschneider:
    case GrowthLaw::BretschneiderDepth:
    case GrowthLaw::Wilson: {
        g_ = kOwnG;
        v_ = std::max(u10Ms, 0.01 / kFeetPerMetre);  // the formulas' floor of 0.01 ft/s
        const double D = g_ * std::fabs(depthM) / (v_ * v_);
        a_ = std::tanh(0.53 * std::pow(D, 0.75));
        b_ = std::tanh(0.833 * std::pow(D, 0.375));
        break;
    }
    case GrowthLaw::Cem: v_ = FrictionVelocity(u10Ms); break;
    case GrowthLaw::Spm84: v_ = AdjustedSpeedUA(u10Ms); break;
    case GrowthLaw::Spm84Shallow: {
        v_ = AdjustedSpeedUA(u10Ms);
        const double D = g_ * depthM / (v_ * v_);
        a_ = std::tanh(0.530 * std::pow(D, 0.75));
        b_ = std::tanh(0.833 * std::pow(D, 0.375));
        break;
    }
    case GrowthLaw::YoungVerhagen: {
        v_ = u10Ms;
        const double D = g_ * depthM / (v_ * v_);
        a_ = std::tanh(0.493 * std::pow(D, 0.75));
        b_ = std::tanh(0.331 * std::pow(D, 1.01));
        break;
    }
    }
}

double GrowthCurve::Height(double fetchM) const
{
    const double x = Dimensionless(fetchM);
    double h = 0.0;
    switch (law_) {
    case GrowthLaw::Bretschneider: h = 0.283 * std::tanh(0.0125 * std::pow(x, 0.42)); break;
    case GrowthLaw::BretschneiderDepth: h = 0.283 * a_ * std::tanh(0.0125 * std::pow(x, 0.42) / a_); break;
    case GrowthLaw::Wilson: {
        const double s = 1.0 + 0.004 * std::sqrt(x);
        h = 0.3 * (1.0 - 1.0 / (s * s));
        break;
    }
    case GrowthLaw::Cem: h = std::min(4.13e-2 * std::sqrt(x), kCemHeightCap); break;
    case GrowthLaw::Spm84: h = std::min(1.6e-3 * std::sqrt(x), kSpmHeightCap); break;
    case GrowthLaw::Spm84Shallow: h = 0.283 * a_ * std::tanh(0.00565 * std::sqrt(x) / a_); break;
    case GrowthLaw::YoungVerhagen:
        h = 4.0 * std::sqrt(3.64e-3 * std::pow(a_ * std::tanh(3.13e-3 * std::pow(x, 0.57) / a_), 1.74));
        break;
    }
    return h * v_ * v_ / g_;
}

double GrowthCurve::Period(double fetchM) const
{
    const double x = Dimensionless(fetchM);
    double t = 0.0;
    switch (law_) {
    case GrowthLaw::Bretschneider: t = 7.54 * std::tanh(0.077 * std::pow(x, 0.25)); break;
    case GrowthLaw::BretschneiderDepth: t = 7.54 * b_ * std::tanh(0.077 * std::pow(x, 0.25) / b_); break;
    case GrowthLaw::Wilson: t = 8.6 * (1.0 - 1.0 / std::pow(1.0 + 0.008 * std::pow(x, 0.333), 5.0)); break;
    case GrowthLaw::Cem: t = std::min(0.651 * std::cbrt(x), kCemPeriodCap); break;
    case GrowthLaw::Spm84: t = std::min(2.857e-1 * std::cbrt(x), kSpmPeriodCap); break;
    case GrowthLaw::Spm84Shallow: t = 7.54 * b_ * std::tanh(0.0379 * std::cbrt(x) / b_); break;
    case GrowthLaw::YoungVerhagen:
        t = x > 0.0 ? 1.0 / (0.133 * std::pow(b_ * std::tanh(5.215e-4 * std::pow(x, 0.73) / b_), -0.37)) : 0.0;
        break;
    }
    return t * v_ / g_;
}

double GrowthCurve::FetchOfHeight(double heightM) const
{
    if (!(heightM > 0.0))
        return 0.0;
    const double h = heightM * g_ / (v_ * v_);
    double x = 0.0;
    switch (law_) {
    case GrowthLaw::Bretschneider: x = std::pow(Atanh1(h / 0.283) / 0.0125, 1.0 / 0.42); break;
    case GrowthLaw::BretschneiderDepth: x = std::pow(a_ * Atanh1(h / (0.283 * a_)) / 0.0125, 1.0 / 0.42); break;
    case GrowthLaw::Wilson: {
        if (h >= 0.3)
            return kInf;
        const double s = (1.0 / std::sqrt(1.0 - h / 0.3) - 1.0) / 0.004;
        x = s * s;
        break;
    }
    case GrowthLaw::Cem:
        if (h > kCemHeightCap)
            return kInf;
        x = (h / 4.13e-2) * (h / 4.13e-2);
        break;
    case GrowthLaw::Spm84:
        if (h > kSpmHeightCap)
            return kInf;
        x = (h / 1.6e-3) * (h / 1.6e-3);
        break;
    case GrowthLaw::Spm84Shallow: {
        const double s = a_ * Atanh1(h / (0.283 * a_)) / 0.00565;
        x = s * s;
        break;
    }
    case GrowthLaw::YoungVerhagen: {
        const double energy = (h / 4.0) * (h / 4.0);
        const double r = std::pow(energy / 3.64e-3, 1.0 / 1.74) / a_;
        x = std::pow(a_ * Atanh1(r) / 3.13e-3, 1.0 / 0.57);
        break;
    }
    }
    return Metres(x);
}

double GrowthCurve::Duration(double fetchM) const
{
    const double x = Dimensionless(fetchM);
    double t = 0.0;
    switch (law_) {
    case GrowthLaw::Bretschneider:
    case GrowthLaw::BretschneiderDepth:
    case GrowthLaw::Wilson: t = SmbMinimumDuration(x); break;
    case GrowthLaw::Cem: t = std::pow(std::min(x, kCemFullFetch) / 5.23e-3, 2.0 / 3.0); break;
    case GrowthLaw::Spm84: t = 6.88e1 * std::pow(std::min(x, kSpmFullFetch), 2.0 / 3.0); break;
    case GrowthLaw::Spm84Shallow: t = 5.37e2 * std::pow(Period(fetchM) * g_ / v_, 7.0 / 3.0); break;
    case GrowthLaw::YoungVerhagen: t = 6.88e1 * std::pow(x, 2.0 / 3.0); break;
    }
    return t * v_ / g_;
}

double GrowthCurve::FetchOfDuration(double durationS) const
{
    const double t = g_ * durationS / v_;
    double x = 0.0;
    switch (law_) {
    case GrowthLaw::Bretschneider:
    case GrowthLaw::BretschneiderDepth:
    case GrowthLaw::Wilson: x = SmbEquivalentFetchClosed(t); break;
    case GrowthLaw::Cem: x = 5.23e-3 * std::pow(t, 1.5); break;
    case GrowthLaw::Spm84:
    case GrowthLaw::YoungVerhagen: x = std::pow(t / 6.88e1, 1.5); break;
    case GrowthLaw::Spm84Shallow: {
        const double r = std::pow(t / 5.37e2, 3.0 / 7.0) / (7.54 * b_);
        if (r >= 1.0)
            return kInf;
        const double root = b_ * std::atanh(r) / 0.0379;
        x = root * root * root;
        break;
    }
    }
    return Metres(x);
}

DegreeFetches MeasureDegreeFetches(const ProjectRecord& rec)
{
    DegreeFetches out;
    out.centralM.assign(360, 0.0f);
    out.effectiveM.assign(360, 0.0f);
    const FetchScanner scanner(rec);
    // Neighbouring degrees share most of their sector's rays: each exact
    // float angle is scanned once.
    std::unordered_map<std::uint32_t, float> rays;
    auto fetch = [&](float rad) {
        std::uint32_t key;
        std::memcpy(&key, &rad, sizeof key);
        const auto [it, inserted] = rays.try_emplace(key, 0.0f);
        if (inserted)
            it->second = scanner.Fetch(rec.PointX, rec.PointY, rad);
        return it->second;
    };
    const double metresPerUnit = LengthToFeet(rec, 1.0f) / kFeetPerMetre;
    ProjectRecord wind = rec;
    for (int d = 0; d < 360; ++d) {
        wind.WindDirection = static_cast<float>(d);
        Sector sector = MakeSectorDirections(wind);
        for (int i = 0; i < sector.count; ++i) {
            SectorDirection& dir = sector.directions[static_cast<std::size_t>(i)];
            dir.fetch = fetch(dir.rad);
            dir.fetchFt = LengthToFeet(wind, dir.fetch);
        }
        const std::size_t k = static_cast<std::size_t>(d);
        out.centralM[k] = static_cast<float>(fetch(F32(d * kDegToRad)) * metresPerUnit);
        out.effectiveM[k] = static_cast<float>(EffectiveFetch(sector) * metresPerUnit);
    }
    return out;
}

HindcastInput MakeHindcastInput(const ProjectRecord& rec, const WindObservation& station,
                                const ClimateSettings& settings)
{
    HindcastInput in;
    in.project = &rec;
    in.wind = station;
    in.wind.unit = SpeedUnit::MetresPerSecond;
    in.wind.durationS = kOneHourS;
    in.law = settings.law ? *settings.law : LawOfSignificantMethod(rec.SignificantMethod);
    in.shiftDeg = settings.shiftDeg;
    in.calmMs = settings.calmMs;
    return in;
}

Hindcast RunHindcast(const HindcastInput& input, const std::vector<WindRow>& winds, const DegreeFetches& fetches,
                     const Progress& progress)
{
    Hindcast out;
    out.law = input.law;
    out.depthM = input.project ? DepthFeet(*input.project) / kFeetPerMetre : 10.0;
    const std::size_t n = winds.size();
    out.rows.resize(n);

    // Records repeat a few hundred distinct speeds: each is adjusted once.
    std::unordered_map<float, float> adjusted;
    WindObservation observation = input.wind;
    auto u10Of = [&](float speedMs) {
        const auto [it, inserted] = adjusted.try_emplace(speedMs, 0.0f);
        if (inserted) {
            observation.speed = speedMs;
            it->second = speedMs > 0.0f ? static_cast<float>(AdjustWind(observation).U10) : 0.0f;
        }
        return it->second;
    };

    const std::int64_t maxStepS = static_cast<std::int64_t>(kMaxRowHours * 3600.0);
    double seaM = 0.0;  // the sea at the start of the row
    bool previousCalm = true;
    double previousDirection = 0.0;
    constexpr std::size_t kReportEvery = 1u << 15;
    for (std::size_t i = 0; i < n; ++i) {
        if (progress && i % kReportEvery == 0 && i > 0 && !progress(static_cast<double>(i) / n)) {
            out.rows.resize(i);
            out.cancelled = true;
            return out;
        }
        const WindRow& w = winds[i];
        HindcastRow& row = out.rows[i];
        row.timeS = w.timeS;
        std::int64_t stepS = i + 1 < n ? winds[i + 1].timeS - w.timeS : i > 0 ? w.timeS - winds[i - 1].timeS : 3600;
        stepS = std::min(stepS, maxStepS);
        row.hours = static_cast<float>(stepS / 3600.0);
        if (i > 0 && w.timeS - winds[i - 1].timeS > maxStepS)
            seaM = 0.0;  // a gap: what blew meanwhile is unknown

        const int degree = static_cast<int>(std::lround(w.directionDeg)) % 360;
        const std::size_t k = static_cast<std::size_t>(degree < 0 ? degree + 360 : degree);
        row.directionDeg = static_cast<float>(k);
        row.fetchM = fetches.effectiveM.empty() ? 0.0f : fetches.effectiveM[k];
        const float u10 = u10Of(w.speedMs);
        row.u10Ms = u10;
        if (!(u10 >= input.calmMs)) {
            row.limit = SeaLimit::Calm;
            seaM = 0.0;
            previousCalm = true;
            continue;
        }
        if (!previousCalm && AngleBetween(row.directionDeg, previousDirection) > input.shiftDeg)
            seaM = 0.0;
        previousCalm = false;
        previousDirection = row.directionDeg;
        if (!(row.fetchM > 0.0f)) {
            row.limit = SeaLimit::NoFetch;
            seaM = 0.0;
            continue;
        }
        // The fully grown wave of this wind over this fetch bounds the sea.
        const GrowthResult full = Grow(input.law, {u10, row.fetchM, out.depthM, std::nullopt});
        double hs = full.hm0M, tp = full.tpS;
        SeaLimit limit = LimitOf(full.limited);
        if (seaM < full.hm0M) {
            const GrowthCurve curve(input.law, u10, out.depthM);
            const double already = curve.Duration(curve.FetchOfHeight(seaM));
            const double grownFetch = curve.FetchOfDuration(already + static_cast<double>(stepS));
            if (grownFetch < row.fetchM) {
                hs = std::min(curve.Height(grownFetch), full.hm0M);
                tp = std::min(curve.Period(grownFetch), full.tpS);
                limit = SeaLimit::Duration;
            }
        }
        row.hsM = static_cast<float>(hs);
        row.tpS = static_cast<float>(tp);
        row.limit = limit;
        seaM = hs;
    }
    if (progress)
        progress(1.0);
    return out;
}

}  // namespace orvane
