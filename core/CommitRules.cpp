#include "core/CommitRules.h"

#include <algorithm>

#include "core/NumberText.h"

namespace orvane {

namespace {

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// The node number a row stands for: the integer it holds (any value, even
// out of range), or the one after the previous row's when it holds none.
int RowNodeNumber(const std::string& text, int previous)
{
    std::string number = text;
    RemoveChar(number, ' ');
    RemoveChar(number, '\t');
    const std::size_t digits = number.find_first_not_of("+-") == 1 ? 1 : 0;
    const bool integer = !number.empty() && digits < number.size() &&
                         number.find_first_not_of("0123456789", digits) == std::string::npos;
    if (!integer)
        return previous + 1;
    std::int32_t k = 0;
    return ParseInt(number, k) ? k : -1;  // too many digits: out of range
}

}  // namespace

void ClampInputs(ProjectRecord& rec)
{
    // Comparisons written so that NaN fails the "within" test.
    if (rec.SectorAngle > kMaxSectorAngle)
        rec.SectorAngle = kMaxSectorAngle;
    if (!(rec.SectorAngle >= kMinSectorAngle))
        rec.SectorAngle = kMinSectorAngle;
    if (!(rec.WindVelocity >= kMinWindVelocity))
        rec.WindVelocity = kMinWindVelocity;
    if (!(rec.Depth >= kMinDepth))
        rec.Depth = kMinDepth;
}

void ClampMethodCodes(ProjectRecord& rec)
{
    rec.DirectionalMethod = std::min<std::int32_t>(rec.DirectionalMethod, kSeymour);
    rec.SignificantMethod = std::min<std::int32_t>(rec.SignificantMethod, kWilson);
    rec.SpectrumType = std::min<std::int32_t>(rec.SpectrumType, kJonswap);
}

float SpinStep(const ProjectRecord& rec, ValueField field, float value, bool up)
{
    const ValueFieldRule& rule = RuleOf(field);
    const double step = rule.spanMember ? rule.step * rec.*rule.spanMember : rule.step;
    if (up && value < rule.upBelow)
        return static_cast<float>(value + step);
    if (!up && value > rule.downAbove)
        return static_cast<float>(value - step);
    return value;
}

int StoreNodes(ProjectRecord& rec, int boundary, std::span<const NodeRowText> rows)
{
    if (boundary < 1 || boundary > kMaxBoundaries)
        return 0;
    const int b = boundary;
    int count = 0;
    int previous = 0;
    for (const NodeRowText& row : rows) {
        if (IsBlank(row.number) && IsBlank(row.x) && IsBlank(row.y))
            continue;
        const int k = RowNodeNumber(row.number, previous);
        if (k < 1 || k > kMaxGridNode)
            continue;
        count = std::max(count, k);
        const float x = TextToFloat(row.x, 0.0f);
        const float y = TextToFloat(row.y, 0.0f);
        // Numbers skipped since the previous row become gap nodes at this row's place.
        for (int i = previous + 1; i < k; ++i) {
            rec.NodeNumber[b][i] = 0;
            rec.NodeX[b][i] = x;
            rec.NodeY[b][i] = y;
        }
        rec.NodeNumber[b][k] = k;
        rec.NodeX[b][k] = x;
        rec.NodeY[b][k] = y;
        previous = k;
    }
    rec.NodeCount[b] = count;
    rec.NodeX[b][0] = rec.NodeX[b][count];
    rec.NodeY[b][0] = rec.NodeY[b][count];
    return count;
}

}  // namespace orvane
