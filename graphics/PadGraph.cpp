#include "graphics/PadGraph.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace orvane {

bool PadGraph::PointUsable(std::int32_t i) const
{
    return ValidPoint(i) && Points[static_cast<std::size_t>(i)].Live && Points[static_cast<std::size_t>(i)].Visible;
}

std::int32_t PadGraph::AddPoint(std::int32_t number, double x, double y)
{
    auto fresh = [x, y](PadPoint& p) {
        p.X = x;
        p.Y = y;
        p.Live = p.Visible = true;
        p.Prev = p.Next = p.Chain = -1;
    };
    for (PadPoint& p : Points) {
        if (!p.Live) {
            fresh(p);
            if (number > 0)
                p.Number = number;
            return p.Number;
        }
    }
    const auto count = static_cast<std::int32_t>(Points.size());
    PadPoint p;
    p.Index = count;
    p.Number = number > 0 ? number : count + 1;
    fresh(p);
    Points.push_back(p);
    return p.Number;
}

void PadGraph::RemovePoint(std::int32_t i)
{
    if (ValidPoint(i))
        Points[static_cast<std::size_t>(i)].Live = false;
}

std::int32_t PadGraph::AddLine(std::int32_t number, std::int32_t from, std::int32_t to)
{
    if (!PointUsable(from) || !PointUsable(to))
        return -1;
    PadPoint& start = Points[static_cast<std::size_t>(from)];
    PadPoint& end = Points[static_cast<std::size_t>(to)];
    if (start.Next != -1 || end.Prev != -1)
        return -1;

    auto reused = std::find_if(Lines.begin(), Lines.end(), [](const PadLine& l) { return !l.Live; });
    PadLine* line = nullptr;
    if (reused != Lines.end()) {
        line = &*reused;
        if (number > 0)
            line->Number = number;
    } else {
        const auto count = static_cast<std::int32_t>(Lines.size());
        line = &Lines.emplace_back();
        line->Index = count;
        line->Number = number > 0 ? number : count + 1;
    }
    line->From = from;
    line->To = to;
    line->Live = line->Visible = true;
    start.Next = to;
    end.Prev = from;
    return line->Number;
}

void PadGraph::DeleteLine(std::int32_t j)
{
    if (!ValidLine(j))
        return;
    PadLine& line = Lines[static_cast<std::size_t>(j)];
    if (!line.Live)
        return;
    if (ValidPoint(line.From))
        Points[static_cast<std::size_t>(line.From)].Next = -1;
    if (ValidPoint(line.To))
        Points[static_cast<std::size_t>(line.To)].Prev = -1;
    line.Live = false;
}

bool PadGraph::DeletePoint(std::int32_t i)
{
    if (!PointUsable(i))
        return false;
    for (const std::int32_t j : LinesOfPoint(i))
        DeleteLine(j);
    RemovePoint(i);
    return true;
}

void PadGraph::MovePoint(std::int32_t i, double x, double y)
{
    if (!ValidPoint(i))
        return;
    Points[static_cast<std::size_t>(i)].X = x;
    Points[static_cast<std::size_t>(i)].Y = y;
}

void PadGraph::Restore(const PadDrawingState& state)
{
    Points = state.Points;
    Lines = state.Lines;
}

std::vector<std::int32_t> PadGraph::LinesOfPoint(std::int32_t i) const
{
    std::vector<std::int32_t> found;
    for (std::size_t j = 0; j < Lines.size() && found.size() < kMaxLinesOfPoint; ++j) {
        if (Lines[j].From == i)
            found.push_back(static_cast<std::int32_t>(j));
        if (Lines[j].To == i && found.size() < kMaxLinesOfPoint)
            found.push_back(static_cast<std::int32_t>(j));
    }
    return found;
}

void PadGraph::Compact()
{
    for (std::size_t i = 0; i < Points.size(); ++i)
        Points[i].Index = static_cast<std::int32_t>(i);
    for (std::size_t j = 0; j < Lines.size(); ++j)
        Lines[j].Index = static_cast<std::int32_t>(j);
    const std::size_t oldCount = Points.size();
    std::erase_if(Points, [](const PadPoint& p) { return !p.Live; });
    std::erase_if(Lines, [](const PadLine& l) { return !l.Live; });

    // Index still holds each survivor's old position at this moment.
    std::vector<std::int32_t> newPosition(oldCount, -1);
    for (std::size_t i = 0; i < Points.size(); ++i)
        newPosition[static_cast<std::size_t>(Points[i].Index)] = static_cast<std::int32_t>(i);
    // An end whose point is gone becomes -1 rather than an index that now
    // names some other point.
    auto remap = [&](std::int32_t old) {
        return old >= 0 && static_cast<std::size_t>(old) < oldCount ? newPosition[static_cast<std::size_t>(old)] : -1;
    };
    for (PadLine& l : Lines) {
        l.From = remap(l.From);
        l.To = remap(l.To);
    }
    for (std::size_t i = 0; i < Points.size(); ++i)
        Points[i].Index = static_cast<std::int32_t>(i);
    for (std::size_t j = 0; j < Lines.size(); ++j) {
        Lines[j].Index = static_cast<std::int32_t>(j);
        Lines[j].Visible = true;
    }
}

bool PadGraph::BuildChains()
{
    bool closed = true;
    for (PadPoint& p : Points)
        p.Prev = p.Next = -1;
    // A later line overwrites an earlier one's link; after Compact every record is live.
    for (const PadLine& l : Lines) {
        if (!l.Live)
            continue;
        if (ValidPoint(l.From))
            Points[static_cast<std::size_t>(l.From)].Next = l.To;
        if (ValidPoint(l.To))
            Points[static_cast<std::size_t>(l.To)].Prev = l.From;
    }
    for (auto& chain : Chains)
        chain.clear();
    for (PadPoint& p : Points)
        p.Chain = -1;

    const std::vector<std::vector<std::int32_t>> walks = ChainWalks();
    const std::size_t built = std::min(walks.size(), static_cast<std::size_t>(kPadChainCount));
    for (std::size_t c = 0; c < built; ++c) {
        for (const std::int32_t i : walks[c]) {
            PadPoint& p = Points[static_cast<std::size_t>(i)];
            Chains[c].push_back({p.X, p.Y});
            p.Chain = static_cast<std::int32_t>(c);
        }
        closed = closed && Points[static_cast<std::size_t>(walks[c].front())].Prev == walks[c].back();
    }
    return closed;
}

std::vector<std::vector<std::int32_t>> PadGraph::ChainWalks() const
{
    const auto count = static_cast<std::int32_t>(Points.size());
    std::vector<bool> taken(Points.size(), false);
    auto free = [&](std::int32_t i) { return PointUsable(i) && !taken[static_cast<std::size_t>(i)]; };
    // The point after i: the first free one in list order whose incoming line comes from i.
    auto following = [&](std::int32_t i) -> std::int32_t {
        for (std::int32_t q = 0; q < count; ++q)
            if (free(q) && Points[static_cast<std::size_t>(q)].Prev == i)
                return q;
        return -1;
    };
    std::vector<std::vector<std::int32_t>> walks;
    for (std::int32_t i = 0; i < count; ++i) {
        if (!free(i))
            continue;
        const PadPoint& p = Points[static_cast<std::size_t>(i)];
        if (p.Next < 0 && p.Prev < 0)
            continue;  // isolated: part of no boundary
        // Back to where the walk must start: the end of an open polyline (no
        // usable incoming line), or i itself on a closed ring. Starting
        // mid-polyline would split one open boundary into two. The step
        // limit guards links that a damaged graph may loop.
        std::int32_t start = i;
        for (std::int32_t steps = 0; steps < count; ++steps) {
            const std::int32_t prev = Points[static_cast<std::size_t>(start)].Prev;
            if (prev == i) {
                start = i;  // round a closed ring
                break;
            }
            if (!free(prev))
                break;
            start = prev;
        }
        std::vector<std::int32_t> walk;
        for (std::int32_t at = start; at >= 0; at = following(at)) {
            walk.push_back(at);
            taken[static_cast<std::size_t>(at)] = true;
        }
        // A single point (a line to itself, an orphaned end) encloses nothing.
        if (walk.size() >= 2)
            walks.push_back(std::move(walk));
    }
    return walks;
}

void PadGraph::LoadChains()
{
    Points.clear();
    Lines.clear();
    std::int32_t k = -1;
    std::int32_t m = 0;
    for (const auto& chain : Chains) {
        if (chain.empty())
            continue;
        const std::int32_t first = k + 1;
        for (std::size_t n = 0; n < chain.size(); ++n) {
            ++k;
            AddPoint(k + 1, chain[n].X, chain[n].Y);
            if (n > 0)
                AddLine(++m, k - 1, k);
        }
        AddLine(++m, k, first);
    }
}

void PadGraph::Clear()
{
    Points.clear();
    Lines.clear();
    for (auto& chain : Chains)
        chain.clear();
}

std::int32_t PadGraph::NearestPoint(double x, double y, float gridSize) const
{
    const double radius = 0.25 * gridSize;
    double best = radius * radius;
    std::int32_t found = -1;
    for (std::size_t i = 0; i < Points.size(); ++i) {
        const PadPoint& p = Points[i];
        if (!p.Live || !p.Visible)
            continue;
        const double dx = p.X - x;
        const double dy = p.Y - y;
        const double d = dx * dx + dy * dy;
        if (d < best) {
            best = d;
            found = static_cast<std::int32_t>(i);
        }
    }
    return found;
}

std::int32_t PadGraph::NearestLine(double x, double y, float gridSize) const
{
    const double radius = 0.25 * gridSize;
    double best = radius * radius;
    std::int32_t found = -1;
    for (std::size_t j = 0; j < Lines.size(); ++j) {
        const PadLine& l = Lines[j];
        if (!l.Live || !l.Visible || !ValidPoint(l.From) || !ValidPoint(l.To))
            continue;
        const PadPoint& a = Points[static_cast<std::size_t>(l.From)];
        const PadPoint& b = Points[static_cast<std::size_t>(l.To)];
        const double dx = b.X - a.X;
        const double dy = b.Y - a.Y;
        const double length2 = dx * dx + dy * dy;
        // Where the cursor's foot falls along the line: 0 at its start, 1 at its end.
        const double along = length2 > 0 ? ((x - a.X) * dx + (y - a.Y) * dy) / length2 : 0;
        if (!(along >= 0 && along <= 1))
            continue;
        const double d = std::hypot(x - (a.X + along * dx), y - (a.Y + along * dy));
        if (d < best) {
            best = d;
            found = static_cast<std::int32_t>(j);
        }
    }
    return found;
}

}  // namespace orvane
