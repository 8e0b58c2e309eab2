#pragma once
// Scenario runs: many wind cases through one site. Each case replaces the
// wind direction and speed, and optionally the sector, depth and point, of
// the project; the main window's commit rules then apply (ClampInputs and
// ClampMethodCodes), and the waves are those ComputeWaves gives for the
// changed project (no surface record).

#include <optional>
#include <string>
#include <vector>

#include "core/FetchScanner.h"
#include "core/GrowthLaws.h"
#include "core/ProjectRecord.h"

namespace orvane {

struct ScenarioCase {
    float windDirection = 0.0f;        // degrees counter-clockwise from +x
    float windVelocity = 0.0f;         // in the project's VelocityUnits
    std::optional<float> sectorAngle;  // degrees; the project's when absent
    std::optional<float> depth;        // depth unit of the project (m or ft)
    std::optional<float> pointX;       // coordinate units
    std::optional<float> pointY;
};

struct ScenarioResult {
    // The inputs as computed, after the limits.
    float windDirection = 0.0f, windVelocity = 0.0f, sectorAngle = 0.0f, depth = 0.0f, pointX = 0.0f, pointY = 0.0f;
    float centralFetch = 0.0f;                             // along the wind direction, coordinate units
    float effectiveFetch = 0.0f;                           // |cos|-weighted mean over the sector, coordinate units
    float heightM = 0.0f, heightFt = 0.0f, period = 0.0f;  // Hs (m, ft), Ts (s)
    bool pointInWater = false;
    std::string note;  // each value the limits changed ("sector 200 -> 180"), "; "-separated; empty when none
};

// Runs cases on one project. The region's segments are prepared once, so a
// case costs only its sector's rays and its method.
class ScenarioRunner {
public:
    // Copies the project: it may change or go away afterwards.
    explicit ScenarioRunner(const ProjectRecord& rec, const GrowthOptions& growth = {});
    ScenarioResult Run(const ScenarioCase& scenario) const;

private:
    ProjectRecord rec_;
    GrowthOptions growth_;  // the waves' law and storm duration
    FetchScanner scanner_;
};

// Every case on rec, results in the order of the cases; the cases are shared
// among the processor's cores.
std::vector<ScenarioResult> ScenarioRun(const ProjectRecord& rec, const std::vector<ScenarioCase>& cases,
                                        const GrowthOptions& growth = {});

}  // namespace orvane
