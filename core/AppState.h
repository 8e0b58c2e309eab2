#pragma once
// The single project, its companion settings, the results of its last run
// and the one random generator. The program creates exactly one AppState and hands references
// down; engine functions take the parts they need as parameters, so tests can
// build their own.

#include "core/ComputeWaves.h"
#include "core/ProjectCompanion.h"
#include "core/ProjectRecord.h"
#include "core/Random.h"

namespace orvane {

struct AppState {
    AppState() { SetProjectDefaults(project); }
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    ProjectRecord project {};
    WaveResults results {};
    RandomGenerator random;
    // The project's companion file as loaded (and to be saved) with it, and
    // what limited the waves of the last run (its growth law and duration).
    ProjectCompanion companion;
    GrowthSummary growth;
};

}  // namespace orvane
