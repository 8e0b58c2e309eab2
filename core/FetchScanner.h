#pragma once
// Radial fetch for many rays over one region: the same floats as
// RadialFetch, bit for bit, at a fraction of the cost.
//
// The scanner prepares each segment's slope and intercept once (they do not
// depend on the ray) and groups consecutive segments into chunks with a box
// that provably contains every crossing the plain scan could accept in them,
// rounding included. A ray skips a chunk whose box lies wholly behind the
// point or wholly on one side of the ray's line; the segments it does visit
// are tested with exactly the plain scan's arithmetic, in the same order, so
// the nearest distance per boundary comes out identical.

#include <vector>

#include "core/ProjectRecord.h"

namespace orvane {

class FetchScanner {
public:
    // Copies what it needs: the record may change or go away afterwards.
    explicit FetchScanner(const ProjectRecord& rec);

    // RadialFetch(rec, x0, y0, thetaRad) for the record given at construction.
    float Fetch(float x0, float y0, float thetaRad) const;

private:
    enum : unsigned char { kDegenerate = 0, kSloped = 1, kVertical = 2 };
    struct Chunk {
        int begin, end;       // segment indices [begin, end)
        bool cullable;        // every bound below is finite
        double minX, maxX;    // end points' x range
        double boxX0, boxX1;  // where an accepted crossing can lie ...
        double boxY0, boxY1;  // ... with rounding margins
    };

    // Segments of all boundaries in order, one array per quantity.
    std::vector<float> xj_, yj_, xk_, yk_;  // end points, coordinate units
    std::vector<float> ms_, qs_;            // slope and intercept (sloped segments)
    std::vector<unsigned char> kind_;
    std::vector<Chunk> chunks_;
    int boundaryCount_ = 0;
    int firstChunk_[kMaxBoundaries + 2] = {};  // chunks of boundary b: [firstChunk_[b], firstChunk_[b+1])
};

}  // namespace orvane
