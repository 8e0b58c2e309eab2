#pragma once
// Arithmetic conventions of the wave engine, in one place.
//
// Every stored or named engine value is a float32; the expressions between
// them are evaluated in double and rounded once when stored (F32). Results
// must not depend on the optimiser, so the engine is built without FMA
// contraction and without fast-math, and it uses these helpers instead of
// std::pow / std::tanh, whose edge behaviour differs from the rules below.

#include <cmath>

namespace orvane {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kDegToRad = kPi / 180.0;
inline constexpr double kGravityFtS2 = 32.2;  // g, ft/s^2
inline constexpr double kFeetPerMetre = 3.2808;

// Rounds a double-precision expression to the float32 it is stored as.
inline float F32(double v) { return static_cast<float>(v); }

inline double Square(double v) { return v * v; }

// x^y with the engine's rules: x^0 = 1 (for every x, NaN included),
// 0^y = 0 for y > 0, otherwise exp(y ln x). A negative base gives NaN.
// Squares are written as products (Square), not through this function.
inline double Power(double x, double y)
{
    if (y == 0.0)
        return 1.0;
    if (x == 0.0 && y > 0.0)
        return 0.0;
    return std::exp(y * std::log(x));
}

// tanh x = sinh x / cosh x, with tanh 0 = 0 exactly. Where both overflow
// (|x| above about 710, or x infinite) the quotient is inf/inf; the true
// value there is +-1 to every precision, so that is what is returned.
// Below the overflow the quotient is already exactly +-1 from |x| of about
// 22 on, so this only replaces NaN and never changes a finite quotient.
inline double Tanh(double x)
{
    if (x == 0.0)
        return 0.0;
    const double t = std::sinh(x) / std::cosh(x);
    if (std::isnan(t) && !std::isnan(x))
        return std::copysign(1.0, x);
    return t;
}

// Where the line y = m x + q crosses the segment from (xj, yj) to (xk, yk),
// found from the sides of the line its two ends lie on: the point at the
// fraction sj / (sj - sk) of the segment, sj and sk being the ends' offsets
// from the line. False when the ends lie on one side, or both on the line.
//
// A ray through a node meets the two segments of that node in crossings
// computed from each segment's own float32 line, and their roundings can put
// both a little outside their segments, so that neither counts and the ray
// seems to leave the region through the node. Each end's side is computed
// once from its own coordinates, so the two segments of a node agree on it
// and one of them always crosses by this test; and the point it gives lies
// on the segment, also where a ray almost parallel to the segment makes the
// intersection of the two lines meaningless.
inline bool SideCrossing(double m, double q, double xj, double yj, double xk, double yk, double& x, double& y)
{
    const double sj = yj - (m * xj + q);
    const double sk = yk - (m * xk + q);
    if ((sj > 0.0 && sk > 0.0) || (sj < 0.0 && sk < 0.0) || sj == sk)
        return false;
    const double t = sj / (sj - sk);
    x = xj + t * (xk - xj);
    y = yj + t * (yk - yj);
    return true;
}

// The distance from (x0, y0) to SideCrossing's point, when there is one and
// it lies ahead of the point along a ray of direction sign c (cos theta).
inline bool SideCrossingDistance(double m, double q, double c, double x0, double y0, double xj, double yj, double xk,
                                 double yk, float& d)
{
    double x = 0.0, y = 0.0;
    if (!SideCrossing(m, q, xj, yj, xk, yk, x, y) || c * (x - x0) <= 0.0)
        return false;
    d = F32(std::sqrt((x - x0) * (x - x0) + (y - y0) * (y - y0)));
    return true;
}

}  // namespace orvane
