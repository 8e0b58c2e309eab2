#pragma once
// The fetch and wave rose: the project computed for every wind direction of
// a full circle, everything but the wind direction as stored.
//
// Row d holds exactly what ComputeWaves gives for the project with
// WindDirection = d (heights and period bit for bit; no surface record, so
// no random number is drawn), plus the fetch along d and the effective fetch
// of d's sector. Rays are measured once per distinct sector direction: wind
// directions whose sectors overlap share them. The waves of the wind
// directions are computed side by side on the processor's cores.

#include <string>
#include <vector>

#include "core/GrowthLaws.h"
#include "core/ProjectRecord.h"

namespace orvane {

struct RoseRow {
    int windDirectionDeg = 0;     // d, degrees counter-clockwise from +x
    double bearingDeg = 0.0;      // compass "from" bearing of d, clockwise from north, [0, 360)
    float centralFetch = 0.0f;    // along d, coordinate units
    float effectiveFetch = 0.0f;  // |cos|-weighted mean over d's sector, coordinate units
    float heightM = 0.0f;         // Hs, m
    float heightFt = 0.0f;        // Hs, ft
    float period = 0.0f;          // Ts, s
};

struct WaveRoseResult {
    int stepDeg = 0;
    std::vector<RoseRow> rows;  // d = 0, step, 2 step, ... < 360
    int raysMeasured = 0;       // distinct rays scanned for the whole rose
    GrowthOptions growth;       // the law and duration of the waves
};

// A rose step is a whole number of degrees from 1 to 90 that divides 360.
bool ValidRoseStep(int stepDeg);

// The rose of rec at stepDeg; no rows for a step that is not valid. Method
// codes are used as stored (see ClampMethodCodes), as ComputeWaves does;
// the waves are those of the growth options' law and duration.
WaveRoseResult WaveRose(const ProjectRecord& rec, int stepDeg, const GrowthOptions& growth = {});

// True when the two records give the same rose: they differ at most in what
// the rose does not read (title, wind direction, drawing extents, region
// window settings). A rose on screen needs recomputing only when this fails.
bool SameRoseInputs(const ProjectRecord& a, const ProjectRecord& b);

// The rose as CSV: the header
// wind_direction_deg,bearing_deg,central_fetch,effective_fetch,hs_m,hs_ft,ts_s
// and one line per row, "\n" line ends, "." decimals, six significant
// digits, an empty cell for a value that is no number.
std::string WaveRoseCsv(const WaveRoseResult& rose);

}  // namespace orvane
