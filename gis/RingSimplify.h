#pragma once
// Fitting a region into the project's node limit: a ring of more than the
// limit is simplified with the smallest tolerance that makes it fit, keeping
// its topology (GEOS's topology-preserving Douglas-Peucker: a ring never
// crosses itself).

#include <cstddef>
#include <functional>
#include <vector>

#include "gis/Ring.h"

namespace orvane {

struct RingChange {
    std::size_t ring = 0;  // index into the rings
    std::size_t nodesBefore = 0;
    std::size_t nodesAfter = 0;  // both counting the closing copy
    double tolerance = 0.0;      // coordinate units
    double deviation = 0.0;      // largest distance an original node lies from the new ring
};

// Called now and then with the part done (0 to 1); false cancels.
using SimplifyProgress = std::function<bool(double)>;

struct FittedRings {
    bool ok = false;  // false: simplification failed (GEOS missing or no tolerance fits) or was cancelled
    bool cancelled = false;
    std::vector<Ring> rings;
    std::vector<RingChange> changes;
    // True when the rings were simplified alone and an island then crossed the
    // shore or another island, so all rings were simplified together with one
    // tolerance instead.
    bool jointly = false;
    // Islands inside the outer boundary before that are no longer inside it:
    // a shore shortcut may pass an island in a narrow bay without touching
    // it. They lie within the tolerance of the shore.
    std::vector<std::size_t> strayIslands;
};

// rings[0] is the outer boundary, the others islands, each closed and
// counter-clockwise as CleanRing makes them. Rings within maxNodes (closing
// copy included) are returned unchanged. The tolerance of a ring of more than
// 8 times maxNodes is searched on a copy simplified first (topology kept)
// with the tolerance at which plain Douglas-Peucker keeps 4 times maxNodes,
// and a ring of more than 64 times maxNodes is thinned before that by plain
// Douglas-Peucker to 32 times maxNodes (when the thinned rings still cross
// nowhere): a million nodes take a second and under 200 MB, not minutes. The
// deviation is always measured from the original nodes.
FittedRings FitRingsToNodeLimit(const std::vector<Ring>& rings, std::size_t maxNodes,
                                const SimplifyProgress& progress = {});

}  // namespace orvane
