#pragma once
// Significant wave height and period from one fetch, wind speed and depth by
// three empirical methods, in feet and seconds (g = 32.2 ft/s^2). The
// formulas are dimensionless in X = gF/U^2 and D = gd/U^2 and give
// H' = gH/U^2 and T' = gT/U:
//   Bretschneider (deep water)  H' = 0.283 tanh(0.0125 X^0.42)
//                               T' = 7.54 tanh(0.077 X^0.25)
//   Bretschneider with depth    A = tanh(0.53 D^0.75), B = tanh(0.833 D^0.375)
//                               H' = 0.283 A tanh(0.0125 X^0.42 / A)
//                               T' = 7.54 B tanh(0.077 X^0.25 / B)
//   Wilson                      H' = 0.3 (1 - 1 / (1 + 0.004 X^0.5)^2)
//                               T' = 8.6 (1 - 1 / (1 + 0.008 X^0.333)^5)
// (Wilson's period exponent is 0.333 as published, not 1/3.)
//
// Sources: Bretschneider's deep-water relations and their finite-depth form
// as given in the Shore Protection Manual (U.S. Army Coastal Engineering
// Research Center, 1977), section 3.5, after Bretschneider, C.L. (1958),
// "Revisions in wave forecasting: deep and shallow water", Proc. 6th Coastal
// Engineering Conf., ASCE; Wilson, B.W. (1965), "Numerical prediction of
// ocean waves in the North Atlantic for December, 1959", Deutsche
// Hydrographische Zeitschrift 18(3), 114-130.

namespace orvane {

struct Dimensionless {
    float H;  // gH/U^2
    float T;  // gT/U
};

struct HeightPeriod {
    float H;  // significant height, ft
    float T;  // significant period, s
};

Dimensionless SmbDeep(float X);
Dimensionless SmbDepth(float X, float D);
Dimensionless WilsonWave(float X);

// method: SignificantMethod, 0 Bretschneider, 1 with depth, 2 Wilson; any
// other code gives NaN height and period. fetchFt and depthFt are used by
// absolute value; speedFtS below 0.01 is taken as 0.01. A zero fetch gives
// zero height and period.
HeightPeriod SignificantWave(int method, float fetchFt, float speedFtS, float depthFt);

}  // namespace orvane
