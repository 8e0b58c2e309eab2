#include "core/FetchScanner.h"

#include <algorithm>
#include <cmath>

#include "core/EngineMath.h"
#include "core/Fetch.h"

namespace orvane {

namespace {

constexpr int kChunkSize = 16;

// Relative margin for every rounding the plain scan performs (float32 stores
// are 2^-24, double steps 2^-53): 2^-20 covers them with room to spare and
// still leaves boxes tight enough to skip most of a region.
constexpr double kSlack = 1.0 / 1048576.0;
constexpr double kTiny = 1e-30;  // absolute floor for values near zero

}  // namespace

FetchScanner::FetchScanner(const ProjectRecord& rec)
{
    boundaryCount_ = UsedBoundaryCount(rec);
    for (int b = 1; b <= boundaryCount_; ++b) {
        firstChunk_[b] = static_cast<int>(chunks_.size());
        const int count = UsedNodeCount(rec, b);
        const float* nodeX = rec.NodeX[b];
        const float* nodeY = rec.NodeY[b];
        Chunk chunk{};
        auto startChunk = [&] {
            chunk = Chunk{static_cast<int>(segments_.size()), static_cast<int>(segments_.size()), true,
                          HUGE_VAL, -HUGE_VAL, HUGE_VAL, -HUGE_VAL, HUGE_VAL, -HUGE_VAL};
        };
        startChunk();
        for (int j = 1; j <= count - 1; ++j) {
            const int k = j + 1 <= count - 1 ? j + 1 : 1;
            const double xj = nodeX[j], yj = nodeY[j];
            const double xk = nodeX[k], yk = nodeY[k];
            const float dx = F32(xj - xk);
            const float dy = F32(yj - yk);
            Segment s{nodeX[j], nodeY[j], nodeX[k], nodeY[k], 0.0f, 0.0f, false};
            double x0, x1, y0, y1;  // this segment's box
            if (std::fabs(static_cast<double>(dx)) > 0.001) {
                s.ms = F32(static_cast<double>(dy) / dx);
                s.qs = F32((yk * xj - yj * xk) / dx);
                // An accepted crossing xi lies in [lo, hi]; the exact meeting
                // point of the ray with the line (ms, qs) is then within a
                // float32 rounding of it, and on that line.
                const double lo = std::min(xj, xk), hi = std::max(xj, xk);
                const double dxMargin = kSlack * std::max(std::fabs(lo), std::fabs(hi)) + kTiny;
                x0 = lo - dxMargin;
                x1 = hi + dxMargin;
                const double ya = static_cast<double>(s.ms) * x0 + s.qs;
                const double yb = static_cast<double>(s.ms) * x1 + s.qs;
                const double dyMargin =
                    kSlack * (std::fabs(static_cast<double>(s.ms)) * std::max(std::fabs(x0), std::fabs(x1)) +
                              std::fabs(static_cast<double>(s.qs))) +
                    kTiny;
                y0 = std::min(ya, yb) - dyMargin;
                y1 = std::max(ya, yb) + dyMargin;
            } else if (std::fabs(static_cast<double>(dy)) > 0.001) {
                s.vertical = true;
                // An accepted crossing is (xj, yi) with yi between yj and yk.
                x0 = x1 = xj;
                const double yMargin = kSlack * std::max(std::fabs(yj), std::fabs(yk)) + kTiny;
                y0 = std::min(yj, yk) - yMargin;
                y1 = std::max(yj, yk) + yMargin;
            } else {
                continue;  // never crossed; dropping it keeps the order of the others
            }
            const double bounds[] = {xj, xk, x0, x1, y0, y1};
            for (double v : bounds)
                chunk.cullable = chunk.cullable && std::isfinite(v);
            chunk.minX = std::min({chunk.minX, xj, xk});
            chunk.maxX = std::max({chunk.maxX, xj, xk});
            chunk.boxX0 = std::min(chunk.boxX0, x0);
            chunk.boxX1 = std::max(chunk.boxX1, x1);
            chunk.boxY0 = std::min(chunk.boxY0, y0);
            chunk.boxY1 = std::max(chunk.boxY1, y1);
            segments_.push_back(s);
            chunk.end = static_cast<int>(segments_.size());
            if (chunk.end - chunk.begin == kChunkSize) {
                chunks_.push_back(chunk);
                startChunk();
            }
        }
        if (chunk.end > chunk.begin)
            chunks_.push_back(chunk);
    }
    firstChunk_[boundaryCount_ + 1] = static_cast<int>(chunks_.size());
}

float FetchScanner::Fetch(float x0, float y0, float thetaRad) const
{
    const float theta = NudgeOffAxes(thetaRad);
    const double X0 = x0;
    const double Y0 = y0;
    const float m = F32(std::tan(static_cast<double>(theta)));
    const float q = F32(Y0 - X0 * m);
    const float c = F32(std::cos(static_cast<double>(theta)));
    const double M = m, Q = q, C = c;

    // Tolerance of the line test: the double evaluation of m*x + q, the
    // float32 rounding of q and, for vertical segments, of the crossing's
    // ordinate (which is computed from the point rather than from q).
    const double pointTerm = std::fabs(Q) + std::fabs(M) * std::fabs(X0) + std::fabs(Y0);

    float nearest[kMaxBoundaries + 1] = {};
    for (int b = 1; b <= boundaryCount_; ++b) {
        float best = 0.0f;
        int hits = 0;
        for (int ci = firstChunk_[b]; ci < firstChunk_[b + 1]; ++ci) {
            const Chunk& ch = chunks_[static_cast<std::size_t>(ci)];
            if (ch.cullable) {
                if ((C > 0.0 && ch.maxX <= X0) || (C < 0.0 && ch.minX >= X0))
                    continue;  // every end point is behind the point
                const double yAt0 = M * ch.boxX0 + Q;
                const double yAt1 = M * ch.boxX1 + Q;
                const double tol =
                    kSlack * (pointTerm + std::fabs(M) * std::max(std::fabs(ch.boxX0), std::fabs(ch.boxX1)) +
                              std::max(std::fabs(ch.boxY0), std::fabs(ch.boxY1))) +
                    kTiny;
                if ((yAt0 > ch.boxY1 + tol && yAt1 > ch.boxY1 + tol) ||
                    (yAt0 < ch.boxY0 - tol && yAt1 < ch.boxY0 - tol))
                    continue;  // the ray's line passes the box on one side
            }
            for (int si = ch.begin; si < ch.end; ++si) {
                const Segment& s = segments_[static_cast<std::size_t>(si)];
                const double xj = s.xj, yj = s.yj, xk = s.xk, yk = s.yk;
                float d;
                if (!s.vertical) {
                    if (std::fabs(M - s.ms) < 1e-7)
                        continue;
                    const float xi = F32((static_cast<double>(s.qs) - Q) / (M - s.ms));
                    if (C * (xi - X0) <= 0.0)
                        continue;
                    if ((xi - xj) * (xi - xk) > 0.0)
                        continue;
                    const float h = F32((xi - X0) * m);
                    d = F32(std::sqrt(static_cast<double>(h) * h + (xi - X0) * (xi - X0)));
                } else {
                    const float yi = F32((xj - X0) * m + Y0);
                    if (C * (xj - X0) <= 0.0)
                        continue;
                    if ((yi - yj) * (yi - yk) > 0.0)
                        continue;
                    d = F32(std::sqrt((xj - X0) * (xj - X0) + (yi - Y0) * (yi - Y0)));
                }
                if (std::isnan(d))
                    continue;
                if (hits == 0 || d < best)
                    best = d;
                ++hits;
            }
        }
        nearest[b] = best;
    }
    float s = 0.0f;
    for (int b = 1; b <= boundaryCount_; ++b)
        if (nearest[b] > s)
            s = nearest[b];
    for (int b = 1; b <= boundaryCount_; ++b)
        if (0.0f < nearest[b] && nearest[b] < s)
            s = nearest[b];
    return s;
}

}  // namespace orvane
