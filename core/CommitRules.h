#pragma once
// The rules a commit applies when the main window's controls go into the
// project record: the limits of the typed values, the steps of the spin
// buttons, and how the numbered rows of a coordinate grid become node
// positions. Toolkit-free, so the window only moves texts and the rules can
// be tested alone.

#include <array>
#include <limits>
#include <span>
#include <string>

#include "core/ProjectRecord.h"

namespace orvane {

// Limits of the typed values, applied at every commit (never while typing).
inline constexpr float kMinSectorAngle = 4.0f;    // degrees
inline constexpr float kMaxSectorAngle = 180.0f;  // degrees
inline constexpr float kMinWindVelocity = 5.0f;   // in VelocityUnits
inline constexpr float kMinDepth = 5.0f;          // m or ft, as the project's depth

// SectorAngle to 4..180, WindVelocity and Depth to at least 5. A value that
// is no number (only a damaged file holds one) counts as below its lower
// limit, so the computation never sees it; an infinite velocity or depth is
// left as it is. PointX, PointY and WindDirection have no limits.
void ClampInputs(ProjectRecord& rec);

// The method groups show a stored code above their last item as the last
// item, and store it so: DirectionalMethod and SignificantMethod above 2
// become 2, SpectrumType above 1 becomes 1 (the default 2 is JONSWAP).
// Negative codes select no item and are left as they are.
void ClampMethodCodes(ProjectRecord& rec);

// The six value fields of the main window (Edit1..Edit6 with SpinButton1..6),
// in that order.
enum class ValueField { PointX, PointY, WindDirection, SectorAngle, WindVelocity, Depth };
inline constexpr int kValueFieldCount = 6;

// One value field: the record member it carries, its display format and its
// spin button. A click steps the value when it lies inside the limit on
// that side; the clamps of ClampInputs follow at the commit, so a velocity
// stepped from 6 down to 4 becomes 5 there.
struct ValueFieldRule {
    float ProjectRecord::*member;
    const char* format;                // printf format of the field's text
    double step;                       // spin step in the field's unit, or the share of spanMember
    float ProjectRecord::*spanMember;  // the point steps by a share of the last drawing's span
    float downAbove;                   // a down step only while the value is above this
    float upBelow;                     // an up step only while the value is below this
};

inline constexpr float kNoLimit = std::numeric_limits<float>::infinity();

inline constexpr std::array<ValueFieldRule, kValueFieldCount> kValueFieldRules {{
    {&ProjectRecord::PointX, "%8.3f", 0.01, &ProjectRecord::PlotSpanX, -kNoLimit, kNoLimit},
    {&ProjectRecord::PointY, "%8.3f", 0.01, &ProjectRecord::PlotSpanY, -kNoLimit, kNoLimit},
    {&ProjectRecord::WindDirection, "%6.2f", 1.0, nullptr, -180.0f, 360.0f},
    {&ProjectRecord::SectorAngle, "%6.2f", 1.0, nullptr, kMinSectorAngle, kMaxSectorAngle},
    {&ProjectRecord::WindVelocity, "%6.2f", 2.0, nullptr, 2.0f, 1000.0f},
    {&ProjectRecord::Depth, "%8.3f", 10.0, nullptr, 15.0f, kNoLimit},
}};

inline const ValueFieldRule& RuleOf(ValueField field) { return kValueFieldRules[static_cast<std::size_t>(field)]; }

// value after one spin click of field's button (up or down), with the step
// the record gives (the point: 1 % of PlotSpanX or PlotSpanY as the last
// drawing stored them, 0 before any drawing).
float SpinStep(const ProjectRecord& rec, ValueField field, float value, bool up);

// One row of a coordinate grid as typed: node number, x and y.
struct NodeRowText {
    std::string number;
    std::string x;
    std::string y;
};

// Writes the rows into boundary (1..5) as node positions and returns the
// node count. The node numbers are the nodes' identities and their order:
// rows may come in any order, a later row with the same number overwrites
// an earlier one, and numbers skipped since the previous row become gap
// nodes (number 0) carrying this row's coordinates. x and y that are no
// number store 0. Position 0 then takes the last node's coordinates (the
// closing copy the drawing starts from).
//
// No row that holds a node is lost: an empty row (all three texts blank) is
// skipped and reading goes on below it; a row with coordinates but without
// a node number (blank, or text that is no integer) is the next node after
// the row stored above it. A row whose number lies outside 1..999 (0, a
// negative number, 1000 or more) cannot be stored and is skipped.
// A boundary outside 1..5 changes nothing and gives 0.
int StoreNodes(ProjectRecord& rec, int boundary, std::span<const NodeRowText> rows);

}  // namespace orvane
