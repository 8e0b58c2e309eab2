#pragma once
// The drawing pad's graph: numbered points joined by directed lines, turned
// into up to five closed boundaries (chains) and rebuilt from them. No toolkit
// and no pixels here; positions are world units (kilometres in the region
// window).
//
// Records are never erased while the user edits: a removed point or line only
// loses `Live`, and its slot is the first one reused by the next AddPoint or
// AddLine. Indices therefore stay stable until Compact, which is run once,
// before the boundaries are handed over.
//
// A point has at most one outgoing and one incoming line (AddLine refuses a
// second), so following `Next` from any point walks one boundary in node order.

#include <array>
#include <cstdint>
#include <vector>

namespace orvane {

struct PadPoint {
    std::int32_t Index = -1;   // position in Points as of creation or the last Compact
    std::int32_t Number = -1;  // shown beside the point; gaps stay after removals
    std::int32_t Prev = -1;    // point whose line ends here, -1 for none
    std::int32_t Next = -1;    // point this point's line goes to, -1 for none
    std::int32_t Chain = -1;   // chain given by BuildChains, -1 for none
    // World units. Doubles, so that a node keeps every digit of its project
    // coordinate (a UTM easting in metres is hundreds of kilometres here).
    double X = 0;
    double Y = 0;
    bool Visible = false;  // false while the point is being moved
    bool Live = false;     // false once removed: the slot is free
    friend bool operator==(const PadPoint&, const PadPoint&) = default;
};

struct PadLine {
    std::int32_t Index = -1;
    std::int32_t Number = -1;
    std::int32_t From = -1;  // index of the start point
    std::int32_t To = -1;    // index of the end point
    bool Visible = false;
    bool Live = false;
    friend bool operator==(const PadLine&, const PadLine&) = default;
};

// One node of a boundary, world units.
struct PadXY {
    double X = 0;
    double Y = 0;
    friend bool operator==(const PadXY&, const PadXY&) = default;
};

// The points and lines of a graph: what one undo step keeps before and after
// an edit. The chains are left out; they are built from these when needed.
struct PadDrawingState {
    std::vector<PadPoint> Points;
    std::vector<PadLine> Lines;
    friend bool operator==(const PadDrawingState&, const PadDrawingState&) = default;
};

inline constexpr int kPadChainCount = 5;
// LinesOfPoint lists at most this many records; a point has at most two live lines.
inline constexpr int kMaxLinesOfPoint = 10;

class PadGraph {
public:
    std::vector<PadPoint> Points;  // removed ones included until Compact
    std::vector<PadLine> Lines;    // removed ones included until Compact
    // Boundaries in node order; the segment from the last node back to the
    // first is implied. Chain 0 is the outer boundary.
    std::array<std::vector<PadXY>, kPadChainCount> Chains;

    // 0 <= i < point count, Live and Visible.
    bool PointUsable(std::int32_t i) const;

    // Reuses the first removed record, else appends one. A number <= 0 keeps a
    // reused record's number, or gives an appended one point count + 1.
    // Returns the point's number.
    std::int32_t AddPoint(std::int32_t number, double x, double y);
    // Frees the slot; the point's lines are left alone (delete them first).
    void RemovePoint(std::int32_t i);

    // Refused (-1) unless both points are usable, `from` has no outgoing line
    // and `to` no incoming one. Numbering and reuse as for AddPoint. Returns
    // the line's number.
    std::int32_t AddLine(std::int32_t number, std::int32_t from, std::int32_t to);
    // Unlinks the line's end points and frees the record. A record that is
    // already free is left alone: its former end points may have been linked
    // to other lines since.
    void DeleteLine(std::int32_t j);
    // Records naming point i as start or end, removed ones included, in list
    // order; a line from i to itself is listed twice. At most kMaxLinesOfPoint.
    std::vector<std::int32_t> LinesOfPoint(std::int32_t i) const;

    // Deletes every line of point i, then the point; the other points keep
    // their numbers. False (and nothing changed) unless i is usable.
    bool DeletePoint(std::int32_t i);
    // Puts point i at world (x, y); its lines follow, as they join points by
    // index. Ignored for an index outside the list.
    void MovePoint(std::int32_t i, double x, double y);

    PadDrawingState State() const { return {Points, Lines}; }
    // Points and lines as state holds them; the chains are left alone.
    void Restore(const PadDrawingState& state);

    // Drops removed records and renumbers indices to positions; line ends
    // follow their points. Numbers are kept.
    void Compact();
    // Rebuilds the links from the live lines and walks them into at most five
    // chains (ChainWalks). Returns whether every chain closes on its start
    // point (true with no chains at all).
    bool BuildChains();
    // The walks BuildChains takes its chains from, all of them (a drawing may
    // hold more than five), as point indices in node order, on the links as
    // they are. Walks are found in the list order of their earliest point;
    // an open polyline is walked from its end without an incoming line, so it
    // gives one chain, a closed ring from that earliest point. Isolated
    // points and walks of a single point give none.
    std::vector<std::vector<std::int32_t>> ChainWalks() const;
    // Replaces every point and line by the chains: each becomes a closed ring,
    // points and lines numbered on from 1 across all chains.
    void LoadChains();
    // Frees every point, line and chain.
    void Clear();

    // Live, visible point nearest to world (x, y) within a quarter grid, the
    // earliest in list order among equals; -1 for none.
    std::int32_t NearestPoint(double x, double y, float gridSize) const;
    // Live, visible line nearest to world (x, y), its distance below
    // (gridSize / 4)^2 world units (6.25 on a grid of 10, 0.0625 on a grid of
    // 1), measured square to the line from a foot between its ends: a cursor
    // beyond either end is never near it. The earliest among equals; -1 for
    // none.
    std::int32_t NearestLine(double x, double y, float gridSize) const;

private:
    bool ValidPoint(std::int32_t i) const { return i >= 0 && i < static_cast<std::int32_t>(Points.size()); }
    bool ValidLine(std::int32_t j) const { return j >= 0 && j < static_cast<std::int32_t>(Lines.size()); }
};

}  // namespace orvane
