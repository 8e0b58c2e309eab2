#include "core/GrowthLaws.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/EngineMath.h"
#include "core/WindAdjust.h"

namespace orvane {

namespace {

constexpr double kG = 9.81;  // m/s^2, the growth laws' gravity
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
// A height within 1 % of the law's limit for unlimited fetch no longer grows with it.
constexpr double kReachedLimit = 0.99;

constexpr std::array<GrowthLaw, 7> kLaws {
    GrowthLaw::Bretschneider, GrowthLaw::BretschneiderDepth, GrowthLaw::Wilson,       GrowthLaw::Cem,
    GrowthLaw::Spm84,         GrowthLaw::Spm84Shallow,       GrowthLaw::YoungVerhagen};

// Fetch, fully developed or depth, from how near the height is to its limit
// for unlimited fetch (heightToLimit) and how near that limit is to the deep
// water one (limitToDeep).
GrowthLimit Classify(double heightToLimit, double limitToDeep)
{
    if (heightToLimit < kReachedLimit)
        return GrowthLimit::Fetch;
    return limitToDeep < kReachedLimit ? GrowthLimit::Depth : GrowthLimit::FullyDeveloped;
}

// A wave of a law in dimensionless form, for one dimensionless fetch.
struct Shape {
    double h;        // gH/V^2
    double t;        // gT/V
    double toLimit;  // h over its value for unlimited fetch
    double limitToDeep = 1.0;
};

// --- CEM, on u* ---------------------------------------------------------
constexpr double kCemHeightCap = 211.5;
constexpr double kCemPeriodCap = 239.8;
constexpr double kCemFullFetch = (kCemHeightCap / 4.13e-2) * (kCemHeightCap / 4.13e-2);

Shape CemShape(double X)
{
    const double h = std::min(4.13e-2 * std::sqrt(X), kCemHeightCap);
    return {h, std::min(0.651 * std::cbrt(X), kCemPeriodCap), X >= kCemFullFetch ? 1.0 : 0.0};
}
double CemDuration(double X) { return std::pow(std::min(X, kCemFullFetch) / 5.23e-3, 2.0 / 3.0); }
double CemFetchOfDuration(double t) { return 5.23e-3 * std::pow(t, 1.5); }

// --- SPM 1984 deep water, on U_A ----------------------------------------
constexpr double kSpmHeightCap = 2.433e-1;
constexpr double kSpmPeriodCap = 8.134;
constexpr double kSpmFullFetch = (kSpmHeightCap / 1.6e-3) * (kSpmHeightCap / 1.6e-3);

Shape SpmShape(double X)
{
    const double h = std::min(1.6e-3 * std::sqrt(X), kSpmHeightCap);
    return {h, std::min(2.857e-1 * std::cbrt(X), kSpmPeriodCap), X >= kSpmFullFetch ? 1.0 : 0.0};
}
// The growth curve reaches its cap at gt/U_A = 5.58e4; the manual's 7.15e4
// for full development is not used, so that a duration and its equivalent
// fetch stay one curve.
double SpmDuration(double X) { return 6.88e1 * std::pow(std::min(X, kSpmFullFetch), 2.0 / 3.0); }
double SpmFetchOfDuration(double t) { return std::pow(t / 6.88e1, 1.5); }

// --- SPM 1984 finite depth, on U_A --------------------------------------
Shape SpmShallowShape(double X, double D)
{
    const double a = std::tanh(0.530 * std::pow(D, 0.75));
    const double b = std::tanh(0.833 * std::pow(D, 0.375));
    const double fetchPart = std::tanh(0.00565 * std::sqrt(X) / a);
    return {0.283 * a * fetchPart, 7.54 * b * std::tanh(0.0379 * std::cbrt(X) / b), fetchPart, a};
}
double SpmShallowDurationOfPeriod(double T) { return 5.37e2 * std::pow(T, 7.0 / 3.0); }
// The fetch whose period the duration raises; infinite when the depth keeps
// the period below it.
double SpmShallowFetchOfDuration(double t, double D)
{
    const double b = std::tanh(0.833 * std::pow(D, 0.375));
    const double r = std::pow(t / 5.37e2, 3.0 / 7.0) / (7.54 * b);
    if (r >= 1.0)
        return kInf;
    const double root = b * std::atanh(r) / 0.0379;
    return root * root * root;
}

// --- Young and Verhagen 1996, on U10 ------------------------------------
Shape YoungVerhagenShape(double X, double D)
{
    const double a1 = std::tanh(0.493 * std::pow(D, 0.75));
    const double energyFetch = std::tanh(3.13e-3 * std::pow(X, 0.57) / a1);
    const double energy = 3.64e-3 * std::pow(a1 * energyFetch, 1.74);
    const double a2 = std::tanh(0.331 * std::pow(D, 1.01));
    const double frequency = 0.133 * std::pow(a2 * std::tanh(5.215e-4 * std::pow(X, 0.73) / a2), -0.37);
    // Hm0 = 4 sqrt(E); the height scales as the square root of the energy.
    return {4.0 * std::sqrt(energy), 1.0 / frequency, std::pow(energyFetch, 0.87), std::pow(a1, 0.87)};
}
double DeepDuration(double X) { return 6.88e1 * std::pow(X, 2.0 / 3.0); }

// SMB in the program's units: the fitted minimum-duration curve.
constexpr double kSmbK = 6.5882, kSmbA = 0.0161, kSmbB = 0.3692, kSmbC = 2.2024, kSmbD = 0.8798;

bool NonNegative(double v) { return std::isfinite(v) && v >= 0.0; }

GrowthResult Undefined() { return {kNaN, kNaN, GrowthLimit::Fetch, kNaN, std::nullopt}; }

// The program's own formulas, run through SignificantWave in feet.
GrowthResult GrowOwn(int method, const GrowthInput& in)
{
    const float uFt = F32(in.u10Ms * kFeetPerMetre);
    const float dFt = F32(in.depthM * kFeetPerMetre);
    const double u = std::max(static_cast<double>(uFt), 0.01);
    const double X = kGravityFtS2 * in.fetchM * kFeetPerMetre / (u * u);
    GrowthResult r;
    r.minimumDurationS = SmbMinimumDuration(X) * u / kGravityFtS2;
    double fetchFt = in.fetchM * kFeetPerMetre;
    if (in.durationS) {
        const double Xeq = SmbEquivalentFetch(kGravityFtS2 * *in.durationS / u);
        r.equivalentFetchM = Xeq * u * u / kGravityFtS2 / kFeetPerMetre;
        if (Xeq < X) {
            fetchFt = Xeq * u * u / kGravityFtS2;
            r.limited = GrowthLimit::Duration;
        }
    }
    const HeightPeriod wave = SignificantWave(method, F32(fetchFt), uFt, dFt);
    r.hm0M = wave.H / kFeetPerMetre;
    r.tpS = wave.T;
    if (r.limited != GrowthLimit::Duration) {
        const double h = kGravityFtS2 * wave.H / (u * u);
        double limit = method == 2 ? 0.3 : 0.283;
        double toDeep = 1.0;
        if (method == 1) {
            toDeep = Tanh(0.53 * Power(kGravityFtS2 * std::fabs(static_cast<double>(dFt)) / (u * u), 0.75));
            limit *= toDeep;
        }
        r.limited = Classify(h / limit, toDeep);
    }
    return r;
}

}  // namespace

std::string GrowthLawName(GrowthLaw law)
{
    switch (law) {
    case GrowthLaw::Bretschneider: return "bretschneider";
    case GrowthLaw::BretschneiderDepth: return "bretschneider-depth";
    case GrowthLaw::Wilson: return "wilson";
    case GrowthLaw::Cem: return "cem";
    case GrowthLaw::Spm84: return "spm84";
    case GrowthLaw::Spm84Shallow: return "spm84-shallow";
    case GrowthLaw::YoungVerhagen: return "young-verhagen";
    }
    return "?";
}

std::optional<GrowthLaw> GrowthLawFromName(std::string_view name)
{
    for (GrowthLaw law : kLaws) {
        if (GrowthLawName(law) == name)
            return law;
    }
    return std::nullopt;
}

std::span<const GrowthLaw> AllGrowthLaws() { return kLaws; }

std::string GrowthLawTitle(GrowthLaw law)
{
    switch (law) {
    case GrowthLaw::Bretschneider: return "Bretschneider (SMB)";
    case GrowthLaw::BretschneiderDepth: return "Bretschneider with depth";
    case GrowthLaw::Wilson: return "Wilson";
    case GrowthLaw::Cem: return "CEM, u*-based";
    case GrowthLaw::Spm84: return "SPM 1984, deep water";
    case GrowthLaw::Spm84Shallow: return "SPM 1984, shallow water";
    case GrowthLaw::YoungVerhagen: return "Young & Verhagen, finite depth";
    }
    return "?";
}

bool GrowthLawUsesDepth(GrowthLaw law)
{
    return law == GrowthLaw::BretschneiderDepth || law == GrowthLaw::Spm84Shallow || law == GrowthLaw::YoungVerhagen;
}

int SignificantMethodOfLaw(GrowthLaw law)
{
    switch (law) {
    case GrowthLaw::Bretschneider: return 0;
    case GrowthLaw::BretschneiderDepth: return 1;
    case GrowthLaw::Wilson: return 2;
    default: return -1;
    }
}

GrowthLaw LawOfSignificantMethod(int method)
{
    return method <= 0 ? GrowthLaw::Bretschneider : method == 1 ? GrowthLaw::BretschneiderDepth : GrowthLaw::Wilson;
}

std::string GrowthLimitName(GrowthLimit limit)
{
    switch (limit) {
    case GrowthLimit::Fetch: return "fetch";
    case GrowthLimit::Duration: return "duration";
    case GrowthLimit::FullyDeveloped: return "fully-developed";
    case GrowthLimit::Depth: return "depth";
    }
    return "?";
}

double SmbMinimumDuration(double X)
{
    if (!(X > 0.0))
        return 0.0;
    const double l = std::log(X);
    return kSmbK * std::exp(std::sqrt(kSmbA * l * l - kSmbB * l + kSmbC) + kSmbD * l);
}

double SmbEquivalentFetch(double t)
{
    if (!(t > 0.0))
        return 0.0;
    if (std::isinf(t))
        return kInf;
    // The curve rises steadily with ln X (its slope stays above 0.75), so
    // halving an interval of ln X that holds the answer finds it.
    double lo = -60.0, hi = 60.0;
    if (SmbMinimumDuration(std::exp(lo)) >= t)
        return 0.0;
    if (SmbMinimumDuration(std::exp(hi)) <= t)
        return kInf;
    for (int i = 0; i < 200 && hi - lo > 1e-14; ++i) {
        const double mid = 0.5 * (lo + hi);
        (SmbMinimumDuration(std::exp(mid)) < t ? lo : hi) = mid;
    }
    return std::exp(0.5 * (lo + hi));
}

GrowthResult Grow(GrowthLaw law, const GrowthInput& in)
{
    const bool depthNeeded = GrowthLawUsesDepth(law);
    if (!NonNegative(in.u10Ms) || !NonNegative(in.fetchM) ||
        (depthNeeded && !(NonNegative(in.depthM) && in.depthM > 0)) || (in.durationS && !(NonNegative(*in.durationS))))
        return Undefined();
    if (const int method = SignificantMethodOfLaw(law); method >= 0)
        return GrowOwn(method, in);

    GrowthResult r;
    if (in.u10Ms == 0.0 || in.fetchM == 0.0) {
        if (in.durationS)
            r.equivalentFetchM = 0.0;
        return r;  // no wind or no water: no waves
    }
    // Each law's speed scale V: u* for the CEM, U_A for the SPM, U10 for Young and Verhagen.
    double V = in.u10Ms;
    if (law == GrowthLaw::Cem)
        V = FrictionVelocity(in.u10Ms);
    else if (law == GrowthLaw::Spm84 || law == GrowthLaw::Spm84Shallow)
        V = AdjustedSpeedUA(in.u10Ms);
    const double X = kG * in.fetchM / (V * V);
    const double D = kG * in.depthM / (V * V);

    auto shapeAt = [&](double fetch) {
        switch (law) {
        case GrowthLaw::Cem: return CemShape(fetch);
        case GrowthLaw::Spm84: return SpmShape(fetch);
        case GrowthLaw::Spm84Shallow: return SpmShallowShape(fetch, D);
        default: return YoungVerhagenShape(fetch, D);
        }
    };
    Shape shape = shapeAt(X);
    double minimumDuration = 0.0;  // gt/V
    switch (law) {
    case GrowthLaw::Cem: minimumDuration = CemDuration(X); break;
    case GrowthLaw::Spm84: minimumDuration = SpmDuration(X); break;
    case GrowthLaw::Spm84Shallow: minimumDuration = SpmShallowDurationOfPeriod(shape.t); break;
    default: minimumDuration = DeepDuration(X); break;
    }
    r.minimumDurationS = minimumDuration * V / kG;
    r.limited = Classify(shape.toLimit, shape.limitToDeep);
    if (in.durationS) {
        const double t = kG * *in.durationS / V;
        double Xeq = 0.0;
        switch (law) {
        case GrowthLaw::Cem: Xeq = CemFetchOfDuration(t); break;
        case GrowthLaw::Spm84: Xeq = SpmFetchOfDuration(t); break;
        case GrowthLaw::Spm84Shallow: Xeq = SpmShallowFetchOfDuration(t, D); break;
        default: Xeq = SpmFetchOfDuration(t); break;
        }
        r.equivalentFetchM = Xeq * V * V / kG;
        if (t < minimumDuration && Xeq < X) {
            shape = shapeAt(Xeq);
            r.limited = GrowthLimit::Duration;
        }
    }
    r.hm0M = shape.h * V * V / kG;
    r.tpS = shape.t * V / kG;
    return r;
}

WaveLaw MakeWaveLaw(int method, const GrowthOptions& options)
{
    std::optional<double> durationS;
    if (options.durationH)
        durationS = *options.durationH * 3600.0;
    return WaveLaw(method, options.law, durationS);
}

HeightPeriod WaveLaw::operator()(float fetchFt, float speedFtS, float depthFt) const
{
    const int own = law ? SignificantMethodOfLaw(*law) : significantMethod;
    if (!law || own >= 0) {
        if (!durationS)
            return SignificantWave(own, fetchFt, speedFtS, depthFt);
        // The duration's SMB equivalent fetch, in the formulas' units.
        const double u = std::max(static_cast<double>(speedFtS), 0.01);
        const double limitFt = SmbEquivalentFetch(kGravityFtS2 * *durationS / u) * u * u / kGravityFtS2;
        const float fetch = std::fabs(static_cast<double>(fetchFt)) > limitFt ? F32(limitFt) : fetchFt;
        return SignificantWave(own, fetch, speedFtS, depthFt);
    }
    const GrowthResult r = Grow(*law, {static_cast<double>(speedFtS) / kFeetPerMetre,
                                       std::fabs(static_cast<double>(fetchFt)) / kFeetPerMetre,
                                       std::fabs(static_cast<double>(depthFt)) / kFeetPerMetre, durationS});
    return {F32(r.hm0M * kFeetPerMetre), F32(r.tpS)};
}

}  // namespace orvane
