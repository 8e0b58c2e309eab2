#pragma once
// Wave growth laws: the significant height and the period of the waves a
// steady wind raises over a fetch, limited by the fetch, by the wind's
// duration, by full development or by the depth. X is the fetch, U10 the
// wind at 10 m over water, d the depth, t the duration, g = 9.81 m/s^2.
//
// cem: Coastal Engineering Manual (USACE 2002, EM 1110-2-1100 Part II-2),
//   u* = U10 sqrt(0.001 (1.1 + 0.035 U10))                       Eq. II-2-36
//   gHm0/u*^2 = 4.13e-2 (gX/u*^2)^(1/2), gTp/u* = 0.651 (gX/u*^2)^(1/3)   II-2-36
//   capped at the fully developed 211.5 and 239.8                 Eq. II-2-37
//   a duration as its equivalent fetch gX/u*^2 = 5.23e-3 (gt/u*)^(3/2)    II-2-38
// spm84: Shore Protection Manual (CERC 1984), Chapter 3, deep water, with
//   U_A = 0.71 U10^1.23                                           Eq. 3-28a
//   gHm0/U_A^2 = 1.6e-3 (gX/U_A^2)^(1/2), gTm/U_A = 2.857e-1 (gX/U_A^2)^(1/3)
//   gt/U_A = 6.88e1 (gX/U_A^2)^(2/3)                               Eqs. 3-33 to 3-35
//   fully developed: gHm0/U_A^2 = 2.433e-1, gTm/U_A = 8.134, gt/U_A = 7.15e4
//                                                                 Eqs. 3-36 to 3-38
// spm84-shallow: the same manual's finite-depth curves (Eqs. 3-39, 3-40)
//   gH/U_A^2 = 0.283 tanh(0.530 D^(3/4)) tanh(0.00565 X^(1/2) / tanh(0.530 D^(3/4)))
//   gT/U_A  = 7.54 tanh(0.833 D^(3/8)) tanh(0.0379 X^(1/3) / tanh(0.833 D^(3/8)))
//   with X = gX/U_A^2, D = gd/U_A^2; duration gt/U_A = 5.37e2 (gT/U_A)^(7/3)  Eq. 3-41
// young-verhagen: Young and Verhagen (1996), Coastal Engineering 29,
//   Eqs. 16 and 17 (Lake George, finite depth), on U10:
//   e = 3.64e-3 (tanh A1 tanh(B1 / tanh A1))^1.74, A1 = 0.493 D^0.75, B1 = 3.13e-3 X^0.57
//   v = 0.133 (tanh A2 tanh(B2 / tanh A2))^-0.37, A2 = 0.331 D^1.01, B2 = 5.215e-4 X^0.73
//   e = g^2 E / U10^4 (Hm0 = 4 sqrt E), v = fp U10 / g. The paper gives no
//   duration law: a duration is taken through the deep-water relation
//   gt/U10 = 68.8 (gX/U10^2)^(2/3) (SPM 1984 Eq. 3-35 on U10).
// bretschneider, bretschneider-depth, wilson: the program's own three
//   formulas (WaveFormulas.h, in feet with g = 32.2 ft/s^2), with the SMB
//   minimum-duration curve of the Shore Protection Manual 1977 (Vol. I,
//   Section 3.5, Figs. 3-23 and 3-24) in its fitted form
//   gt/U = 6.5882 exp{[0.0161 (ln X)^2 - 0.3692 ln X + 2.2024]^(1/2) + 0.8798 ln X}.
//
// "Fully developed" and "depth" say that the fetch no longer matters: the
// height has reached its cap, or 99 % of the law's limit for unlimited fetch
// (at this depth, for the laws that use one; "depth" when that limit is
// itself below 99 % of the deep-water one).

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/WaveFormulas.h"

namespace orvane {

enum class GrowthLaw { Bretschneider, BretschneiderDepth, Wilson, Cem, Spm84, Spm84Shallow, YoungVerhagen };

// The command-line names: "bretschneider", "bretschneider-depth", "wilson",
// "cem", "spm84", "spm84-shallow", "young-verhagen".
std::string GrowthLawName(GrowthLaw law);
std::optional<GrowthLaw> GrowthLawFromName(std::string_view name);
std::span<const GrowthLaw> AllGrowthLaws();
// For people: "CEM (2002), u*-based", "SPM 1984 deep water", ...
std::string GrowthLawTitle(GrowthLaw law);
// The law needs a depth (bretschneider-depth, spm84-shallow, young-verhagen).
bool GrowthLawUsesDepth(GrowthLaw law);
// The program's own formulas have a SignificantMethod code (0, 1, 2); -1 otherwise.
int SignificantMethodOfLaw(GrowthLaw law);
GrowthLaw LawOfSignificantMethod(int method);  // codes outside 0..2: Wilson, as the method group shows them

enum class GrowthLimit { Fetch, Duration, FullyDeveloped, Depth };

// "fetch", "duration", "fully-developed", "depth".
std::string GrowthLimitName(GrowthLimit limit);

struct GrowthInput {
    double u10Ms = 0.0;               // wind at 10 m over water, m/s
    double fetchM = 0.0;              // m
    double depthM = 0.0;              // m; read only by the laws that use a depth
    std::optional<double> durationS;  // s; unlimited when empty
};

struct GrowthResult {
    double hm0M = 0.0;  // significant height, m (Hm0; H1/3 for the program's own formulas)
    double tpS = 0.0;   // peak period, s (significant period for the program's own formulas)
    GrowthLimit limited = GrowthLimit::Fetch;
    double minimumDurationS = 0.0;  // how long the wind must blow for the fetch-limited wave, s
    // The fetch the duration grows waves over, m; empty without a duration,
    // infinite when the law's wave never outgrows the duration.
    std::optional<double> equivalentFetchM;
};

// The wave of a law. A wind, fetch or depth that is no finite number, or a
// negative one, gives NaN height and period; a zero fetch or wind gives no
// wave (0 and 0, fetch-limited).
GrowthResult Grow(GrowthLaw law, const GrowthInput& input);

// The law of a computation run, applied per fetch in the engine's units.
// Without a law it is the project's significant-wave method, and then, with
// no duration either, exactly SignificantWave.
struct WaveLaw {
    WaveLaw() = default;
    explicit WaveLaw(int method, std::optional<GrowthLaw> growthLaw = std::nullopt,
                     std::optional<double> stormDurationS = std::nullopt)
        : significantMethod(method), law(growthLaw), durationS(stormDurationS)
    {
    }

    int significantMethod = 0;  // SignificantMethod, used when law is empty
    std::optional<GrowthLaw> law;
    std::optional<double> durationS;

    // The wave for one fetch (ft), wind (ft/s) and depth (ft), height in ft.
    HeightPeriod operator()(float fetchFt, float speedFtS, float depthFt) const;
    GrowthLaw Effective() const { return law ? *law : LawOfSignificantMethod(significantMethod); }
    // Today's computation: the project's method, no duration.
    bool IsPlain() const { return !law && !durationS; }
};

// The growth settings of a computation run.
struct GrowthOptions {
    std::optional<GrowthLaw> law;     // the project's significant-wave method when empty
    std::optional<double> durationH;  // storm duration, hours; unlimited when empty

    bool IsDefault() const { return !law && !durationH; }
    bool operator==(const GrowthOptions&) const = default;
};

// The law a run with these options applies to every fetch of the project
// whose SignificantMethod is method.
WaveLaw MakeWaveLaw(int method, const GrowthOptions& options);

// The fetch a duration grows the program's own formulas over, in the
// formulas' units: the X = gF/U^2 whose SMB minimum duration is gt/U.
double SmbEquivalentFetch(double dimensionlessDuration);
double SmbMinimumDuration(double dimensionlessFetch);

}  // namespace orvane
