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
inline constexpr double kGravityFtS2 = 32.2;   // g, ft/s^2
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

// Whether the line y = m x + q separates the points (xj, yj) and (xk, yk)
// or passes through one of them: the sign of each end's offset from the line,
// computed once per end from its own coordinates. A ray through a node
// meets the two segments of that node in crossings computed from each
// segment's own float32 line, and their roundings can put both crossings a
// little outside their segments, so that neither counts and the ray seems to
// leave the region through the node. The two segments see the same sign at
// their shared node, so one of them always counts by this test.
inline bool LineSeparates(double m, double q, double xj, double yj, double xk, double yk)
{
    const double sj = yj - (m * xj + q);
    const double sk = yk - (m * xk + q);
    return (sj <= 0.0 && sk >= 0.0) || (sj >= 0.0 && sk <= 0.0);
}

}  // namespace orvane
