#pragma once
// Rings of nodes as the GIS layer hands them to the project: plain doubles in
// the coordinates of the target system, closed (the last node repeats the
// first), which is how the project stores a boundary.

#include <cstddef>
#include <vector>

namespace orvane {

struct XY {
    double x = 0.0;
    double y = 0.0;
};

using Ring = std::vector<XY>;

// Shoelace area: positive when the ring runs counter-clockwise. Units of the
// coordinates squared.
double SignedArea(const Ring& ring);

// The nodes as the project can hold them: consecutive nodes that are equal
// once rounded to float32 (the record's precision) are merged, the ring is
// closed with one copy of its first node, and it runs counter-clockwise (the
// first node stays first). Fewer than three distinct nodes give an empty ring.
Ring CleanRing(const std::vector<XY>& nodes);

// The largest distance from a node of `original` to the closed polyline
// `simplified`: how far a simplification moved the shore, in coordinate units.
double MaxDeviation(const Ring& original, const Ring& simplified);

}  // namespace orvane
