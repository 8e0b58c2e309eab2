#pragma once
// One computation run from the project record into the results, and the
// results text the results frame, the report and the command line share.

#include <string>
#include <vector>

#include "core/CommitRules.h"  // ClampMethodCodes
#include "core/Directional.h"
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

// The part of ComputeWaves before the surface record: heights, period and
// the 64-point spectrum of an already measured sector of rec, by its
// DirectionalMethod. Draws no random number; the rose and the scenario runs
// use it so that their waves are ComputeWaves' own.
void ComputeSectorWaves(const ProjectRecord& rec, const Sector& sector, WaveResults& results);

// The results text, one string per line: "Wave spectrum", " ", the peak
// frequency and period, " ", then Hs, H1/3, H1/10 (1.272 Hs) and Hmax
// (1.6 Hs) in m for a metric project, in ft otherwise. A period without a
// finite reciprocal (0 when no direction has fetch) shows the frequency as
// "n/a".
std::vector<std::string> ResultsTextLines(const ProjectRecord& rec, const WaveResults& results);

}  // namespace orvane
