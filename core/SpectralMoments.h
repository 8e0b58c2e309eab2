#pragma once
// Spectral statistics of a spectrum array in the usual one-sided convention.
//
// The engine's densities S are scaled so that pi times their trapezoid area
// is Hs^2 / 16 (WaveSpectrum makes the area with the factor pi but without
// the trapezoid's 1/2 equal to Hs^2 / 8), and the surface record gives each
// component the variance pi S df. The one-sided variance density is
// therefore E(f) = pi S(f), and the moments are m_k = integral of f^k E(f) df
// by the trapezoid rule over the grid points 1..n.

#include "core/Spectrum.h"

namespace orvane {

struct SpectralMoments {
    float m0 = 0.0f;    // (height unit)^2: m^2 for a metric project, ft^2 otherwise
    float m1 = 0.0f;    // (height unit)^2 Hz
    float m2 = 0.0f;    // (height unit)^2 Hz^2
    float Hm0 = 0.0f;   // 4 sqrt(m0), height unit
    float Tm01 = 0.0f;  // m0 / m1, s
    float Tm02 = 0.0f;  // sqrt(m0 / m2), s
    float Tp = 0.0f;    // 1 / frequency of the largest density, s
};

// Moments of f[1..n], S[1..n] (n clamped to 0..64). A spectrum without
// energy (m0 not positive, as after a run without fetch) has Hm0 0 and NaN
// periods, which have no value to show; the peak is the lowest index of the
// largest positive density, and NaN when no density is positive.
SpectralMoments ComputeSpectralMoments(const FreqArray& f, const FreqArray& S, int n);

}  // namespace orvane
