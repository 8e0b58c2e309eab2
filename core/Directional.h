#pragma once
// The three directional methods: they combine the fetches over the wind
// sector into one wave prediction at the computation point.
//   effective fetch: a |cos|-weighted mean fetch, then one significant wave;
//   Saville: a wave per direction, energy-weighted mean height and period;
//   Seymour: a spectrum per direction, summed with cos^2 spreading weights
//            that add up to 1, from which height and peak period are taken.
//
// Sources: the effective fetch of Saville, T. (1962), "The effect of fetch
// width on wave generation", U.S. Army Beach Erosion Board Tech. Memo. 70,
// as used in the Shore Protection Manual (CERC, 1977), section 3.5;
// Saville's energy-weighted height and period, Hs = sqrt(integral of
// (H cos phi)^2 / integral of cos^2 phi) over the sector, from the same
// memorandum; Seymour, R.J. (1977), "Estimating wave generation on restricted
// fetches", J. Waterway, Port, Coastal and Ocean Div., ASCE 103(WW2), 251-263.

#include <array>

#include "core/GrowthLaws.h"
#include "core/ProjectRecord.h"
#include "core/Spectrum.h"

namespace orvane {

class FetchScanner;

inline constexpr float kSectorStepDeg = 2.0f;  // spacing of the sector directions
// A sector wider than a full circle has no meaning; this also bounds the work
// for a damaged file. The program itself keeps sectors within 4..180 degrees.
inline constexpr int kMaxSectorDirections = 180;

struct SectorDirection {
    float deg;      // a_i, degrees counter-clockwise from +x
    float rad;      // a_i in radians
    float fetch;    // along a_i from the point, coordinate units
    float fetchFt;  // the same in feet: F_i
};

// Everything the methods read from the project, in the engine's units.
struct Sector {
    int count = 0;                                                    // N
    std::array<SectorDirection, kMaxSectorDirections> directions {};  // [0, count)
    float stepDeg = kSectorStepDeg;
    float windRad = 0.0f;   // tw: WindDirection in radians
    float speedFtS = 0.0f;  // U = WindSpeedFeet
    float depthFt = 0.0f;   // d = DepthFeet
};

// N = sectorDeg / 2 rounded half to even (45 -> 22, 7 -> 4, 180 -> 90),
// 0 for NaN or a non-positive sector, at most kMaxSectorDirections.
int SectorDirectionCount(float sectorDeg);

// Direction i = 1..N: WindDirection - SectorAngle/2 + step/2 + (i-1) step
// degrees, with its fetch from (PointX, PointY). Uses FetchScanner, which
// gives the same fetches as RadialFetch.
Sector MakeSector(const ProjectRecord& rec);

// MakeSector with a scanner already prepared for the record's region, for
// runs that move the point or the wind over one region.
Sector MakeSector(const ProjectRecord& rec, const FetchScanner& scanner);

// The directions, wind, speed and depth of MakeSector with every fetch left
// 0: callers that measure the rays themselves (a rose shares them between
// wind directions) fill fetch and fetchFt (LengthToFeet of fetch).
Sector MakeSectorDirections(const ProjectRecord& rec);

struct WaveEstimate {
    float heightM;   // m
    float heightFt;  // ft
    float period;    // s
};

// Feff = sum |cos(tw - a_i)| F_i / sum |cos(tw - a_i)| in feet, the fetch
// the effective-fetch method (and Seymour's grid period) puts into the
// formulas; EffectiveFetch is the same mean over the fetches in coordinate
// units. 0 for a sector without directions.
float EffectiveFetchFeet(const Sector& sector);
float EffectiveFetch(const Sector& sector);

// Every method takes its waves from a WaveLaw: the project's
// significant-wave method (an int method code, as the program always did)
// or a growth law with an optional storm duration. The effective-fetch
// method puts the effective fetch through the law (a duration limits that
// fetch); Saville and Seymour put each direction's fetch through it (a
// duration limits each).

// SignificantWave(method, EffectiveFetchFeet, ...).
// A sector without directions has no fetch: height and period 0.
WaveEstimate EffectiveFetchWave(const Sector& sector, int method);
WaveEstimate EffectiveFetchWave(const Sector& sector, const WaveLaw& law);

// H = sqrt(sum e_i / sum cos^2), T = sum T_i e_i / sum e_i with
// e_i = (cos(a_i - tw) H_i)^2. Every direction without waves gives 0 and 0.
WaveEstimate SavilleWave(const Sector& sector, int method);
WaveEstimate SavilleWave(const Sector& sector, const WaveLaw& law);

// Each writes HeightM, HeightFt and Period, and the display spectrum of n
// points into Freq/Density (heights in m when metric, else ft). When the
// period is 0.01 s or less there is no spectrum to show: Freq and Density
// are cleared rather than left from an earlier run.
void RunEffectiveFetch(const Sector& sector, int n, int spectrumType, int method, bool metric, WaveResults& results);
void RunSaville(const Sector& sector, int n, int spectrumType, int method, bool metric, WaveResults& results);
void RunEffectiveFetch(const Sector& sector, int n, int spectrumType, const WaveLaw& law, bool metric,
                       WaveResults& results);
void RunSaville(const Sector& sector, int n, int spectrumType, const WaveLaw& law, bool metric, WaveResults& results);

// K of Seymour's spreading weights K * delta * cos^2(a_i - tw), per radian:
// 2 / (2h + sin 2h) with h = directionCount * stepDeg / 2 in radians, half the
// covered sector. 2/pi for 180 degrees.
float SeymourSpreadingConstant(int directionCount, float stepDeg);

// The summed directional spectrum on the grid of the effective-fetch period
// Te; height and period from its area and peak. When Te is 0.01 s or less
// (no fetch to speak of) the spectrum is cleared and the result is height 0,
// period 1.0 s, as for an empty spectrum; a NaN Te gives NaN results.
void SeymourWave(const Sector& sector, int n, int spectrumType, int method, bool metric, WaveResults& results);
void SeymourWave(const Sector& sector, int n, int spectrumType, const WaveLaw& law, bool metric, WaveResults& results);

}  // namespace orvane
