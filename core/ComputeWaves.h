#pragma once
// One computation run from the project record into the results, and the
// results text the results frame, the report and the command line share.

#include <string>
#include <vector>

#include "core/CommitRules.h"  // ClampMethodCodes
#include "core/Directional.h"
#include "core/GrowthLaws.h"
#include "core/ProjectRecord.h"
#include "core/Random.h"

namespace orvane {

inline constexpr float kTimeStepS = 0.25f;

// Fills WaveResults from the record: FreqCount 64, SampleCount 1000,
// TimeStep 0.25 s; heights, period and spectrum by DirectionalMethod
// (0 effective fetch, 1 Saville, 2 Seymour); then the surface record, one
// random phase per component drawn from random. A DirectionalMethod outside
// 0..2 computes nothing: heights and period become NaN and the spectrum is
// cleared, so no earlier run's results pass for this project's.
// Method codes are used as stored; see ClampMethodCodes.
void ComputeWaves(const ProjectRecord& rec, WaveResults& results, RandomGenerator& random);
// The same with the waves of a growth law and storm duration (MakeWaveLaw);
// default options give exactly the run above.
void ComputeWaves(const ProjectRecord& rec, const GrowthOptions& growth, WaveResults& results, RandomGenerator& random);

// The part of ComputeWaves before the surface record: heights, period and
// the 64-point spectrum of an already measured sector of rec, by its
// DirectionalMethod. Draws no random number; the rose and the scenario runs
// use it so that their waves are ComputeWaves' own.
void ComputeSectorWaves(const ProjectRecord& rec, const Sector& sector, WaveResults& results);
void ComputeSectorWaves(const ProjectRecord& rec, const Sector& sector, const GrowthOptions& growth,
                        WaveResults& results);

// What limited the waves of a run: the law applied to the fetch that governs
// it (the effective fetch for the effective-fetch method, the longest
// direction's fetch for Saville and Seymour, whose every direction the
// duration limits), at the project's wind and depth.
struct GrowthSummary {
    GrowthLaw law = GrowthLaw::Bretschneider;  // the law in effect
    GrowthOptions options;
    float governingFetch = 0.0f;  // coordinate units
    GrowthResult result;          // of the governing fetch
};
GrowthSummary SummariseGrowth(const ProjectRecord& rec, const Sector& sector, const GrowthOptions& growth);

// "fetch-limited", "fully developed", "depth-limited", or
// "duration-limited: 2.0 h needs 3.2 h for this fetch".
std::string GrowthLimitText(const GrowthSummary& summary);
// The lines the results text gains with non-default options: " ", the law
// ("Growth law: CEM, u*-based", with the duration when one is set) and
// GrowthLimitText. None for the default run.
std::vector<std::string> GrowthTextLines(const GrowthSummary& summary);

// The results text, one string per line: "Wave spectrum", " ", the peak
// frequency and period, " ", then Hs, H1/3, H1/10 (1.272 Hs) and Hmax
// (1.6 Hs) in m for a metric project, in ft otherwise. A period without a
// finite reciprocal (0 when no direction has fetch) shows the frequency as
// "n/a".
std::vector<std::string> ResultsTextLines(const ProjectRecord& rec, const WaveResults& results);

}  // namespace orvane
