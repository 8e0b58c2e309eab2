#include "core/FetchScanner.h"

#include <algorithm>
#include <cmath>

#include "core/EngineMath.h"
#include "core/Fetch.h"

namespace orvane {

namespace {

constexpr int kChunkSize = 32;

// Relative margin for every rounding the plain scan performs (float32 stores
// are 2^-24, double steps 2^-53): 2^-20 covers them with room to spare and
// still leaves boxes tight enough to skip most of a region.
constexpr double kSlack = 1.0 / 1048576.0;
constexpr double kTiny = 1e-30;  // absolute floor for values near zero

}  // namespace

FetchScanner::FetchScanner(const ProjectRecord& rec)
{
    boundaryCount_ = UsedBoundaryCount(rec);
    std::size_t total = 0;
    for (int b = 1; b <= boundaryCount_; ++b)
        total += static_cast<std::size_t>(std::max(UsedNodeCount(rec, b) - 1, 0));
    for (auto* v : {&xj_, &yj_, &xk_, &yk_, &ms_, &qs_})
        v->resize(total);
    kind_.resize(total);

    // End points: boundary b closes from position count-1 back to position 1.
    std::size_t at = 0;
    for (int b = 1; b <= boundaryCount_; ++b) {
        const int count = UsedNodeCount(rec, b);
        for (int j = 1; j <= count - 1; ++j, ++at) {
            const int k = j + 1 <= count - 1 ? j + 1 : 1;
            xj_[at] = rec.NodeX[b][j];
            yj_[at] = rec.NodeY[b][j];
            xk_[at] = rec.NodeX[b][k];
            yk_[at] = rec.NodeY[b][k];
        }
    }

    // Slope and intercept exactly as the plain scan computes them; a flat
    // loop without branches, so the divisions run side by side.
    for (std::size_t i = 0; i < total; ++i) {
        const double xj = xj_[i], yj = yj_[i], xk = xk_[i], yk = yk_[i];
        const float dx = F32(xj - xk);
        const float dy = F32(yj - yk);
        ms_[i] = F32(static_cast<double>(dy) / dx);
        qs_[i] = F32((yk * xj - yj * xk) / dx);
        const bool sloped = std::fabs(static_cast<double>(dx)) > 0.001;
        const bool vertical = !sloped && std::fabs(static_cast<double>(dy)) > 0.001;
        kind_[i] = sloped ? kSloped : vertical ? kVertical : kDegenerate;
    }

    chunks_.reserve(total / kChunkSize + kMaxBoundaries);
    at = 0;
    for (int b = 1; b <= boundaryCount_; ++b) {
        firstChunk_[b] = static_cast<int>(chunks_.size());
        const std::size_t boundaryEnd = at + static_cast<std::size_t>(std::max(UsedNodeCount(rec, b) - 1, 0));
        while (at < boundaryEnd) {
            const std::size_t chunkEnd = std::min(at + kChunkSize, boundaryEnd);
            Chunk chunk {static_cast<int>(at),
                         static_cast<int>(chunkEnd),
                         true,
                         HUGE_VAL,
                         -HUGE_VAL,
                         HUGE_VAL,
                         -HUGE_VAL,
                         HUGE_VAL,
                         -HUGE_VAL};
            double finite = 0.0;  // stays 0 while every bound is finite (v - v is NaN otherwise)
            for (std::size_t i = at; i < chunkEnd; ++i) {
                const double xj = xj_[i], yj = yj_[i], xk = xk_[i], yk = yk_[i];
                double x0, x1, y0, y1;  // this segment's box
                if (kind_[i] == kSloped) {
                    // An accepted crossing xi lies in [lo, hi]; the exact meeting
                    // point of the ray with the line (ms, qs) is then within a
                    // float32 rounding of it, and on that line.
                    const double ms = ms_[i], qs = qs_[i];
                    const double lo = std::min(xj, xk), hi = std::max(xj, xk);
                    const double dxMargin = kSlack * std::max(std::fabs(lo), std::fabs(hi)) + kTiny;
                    x0 = lo - dxMargin;
                    x1 = hi + dxMargin;
                    const double ya = ms * x0 + qs;
                    const double yb = ms * x1 + qs;
                    const double dyMargin =
                        kSlack * (std::fabs(ms) * std::max(std::fabs(x0), std::fabs(x1)) + std::fabs(qs)) + kTiny;
                    y0 = std::min(ya, yb) - dyMargin;
                    y1 = std::max(ya, yb) + dyMargin;
                } else if (kind_[i] == kVertical) {
                    // An accepted crossing is (xj, yi) with yi between yj and
                    // yk, or the ray's line passes between the two ends: the
                    // box holds the whole segment.
                    x0 = std::min(xj, xk);
                    x1 = std::max(xj, xk);
                    const double yMargin = kSlack * std::max(std::fabs(yj), std::fabs(yk)) + kTiny;
                    y0 = std::min(yj, yk) - yMargin;
                    y1 = std::max(yj, yk) + yMargin;
                } else {
                    continue;  // never crossed
                }
                finite += (xj - xj) + (xk - xk) + (x0 - x0) + (x1 - x1) + (y0 - y0) + (y1 - y1);
                chunk.minX = std::min({chunk.minX, xj, xk});
                chunk.maxX = std::max({chunk.maxX, xj, xk});
                chunk.boxX0 = std::min(chunk.boxX0, x0);
                chunk.boxX1 = std::max(chunk.boxX1, x1);
                chunk.boxY0 = std::min(chunk.boxY0, y0);
                chunk.boxY1 = std::max(chunk.boxY1, y1);
            }
            chunk.cullable = finite == 0.0;
            chunks_.push_back(chunk);
            at = chunkEnd;
        }
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
                const std::size_t i = static_cast<std::size_t>(si);
                const unsigned char kind = kind_[i];
                if (kind == kDegenerate)
                    continue;
                const double xj = xj_[i], yj = yj_[i], xk = xk_[i], yk = yk_[i];
                float d;
                if (kind == kSloped) {
                    const double ms = ms_[i];
                    if (std::fabs(M - ms) < 1e-7)
                        continue;
                    const float xi = F32((static_cast<double>(qs_[i]) - Q) / (M - ms));
                    if ((xi - xj) * (xi - xk) <= 0.0) {
                        if (C * (xi - X0) <= 0.0)
                            continue;
                        const float h = F32((xi - X0) * m);
                        d = F32(std::sqrt(static_cast<double>(h) * h + (xi - X0) * (xi - X0)));
                    } else if (!SideCrossingDistance(M, Q, C, X0, Y0, xj, yj, xk, yk, d)) {
                        continue;
                    }
                } else {
                    const float yi = F32((xj - X0) * m + Y0);
                    if ((yi - yj) * (yi - yk) <= 0.0) {
                        if (C * (xj - X0) <= 0.0)
                            continue;
                        d = F32(std::sqrt((xj - X0) * (xj - X0) + (yi - Y0) * (yi - Y0)));
                    } else if (!SideCrossingDistance(M, Q, C, X0, Y0, xj, yj, xk, yk, d)) {
                        continue;
                    }
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
