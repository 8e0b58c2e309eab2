#pragma once
// Wave spectra on a 64-point frequency grid and the synthetic surface record.
//
// A spectrum array is a pair of float32[65]: frequencies f[1..n] in Hz and
// densities S[1..n] in (height unit)^2/Hz, index 0 unused, n at most 64.
// WaveResults::Freq/Density is one; SpectrumArray is a private one. Heights
// are in whatever unit the caller passes (m for a metric project, ft
// otherwise); periods in seconds.
//
// Sources: Pierson, W.J. and Moskowitz, L. (1964), "A proposed spectral form
// for fully developed wind seas based on the similarity theory of S.A.
// Kitaigorodskii", J. Geophys. Res. 69(24), 5181-5190; the JONSWAP peak
// enhancement of Hasselmann, K. et al. (1973), "Measurements of wind-wave
// growth and swell decay during the Joint North Sea Wave Project (JONSWAP)",
// Deutsche Hydrographische Zeitschrift, Ergänzungsheft A8(12); the synthetic
// record as a sum of cosines with random phases (the random-phase model).

#include "core/ProjectRecord.h"
#include "core/Random.h"

namespace orvane {

inline constexpr int kSpectrumPoints = 64;      // n of every run
inline constexpr int kElevationSamples = 1000;  // m of every run

using FreqArray = float[kSpectrumPoints + 1];

struct SpectrumArray {
    FreqArray f;  // Hz
    FreqArray S;  // (height unit)^2 / Hz
};

// f_i = i * df with df = (3 / tgrid) / n, i = 1..n: up to three times the
// base frequency 1 / tgrid. Keeps the powers of f_i that every spectrum on
// the grid needs, so spectra sharing a grid compute them once.
struct SpectrumGrid {
    int n = 0;
    float f[kSpectrumPoints + 1] = {};
    double f4[kSpectrumPoints + 1] = {};  // f_i^4
    double f5[kSpectrumPoints + 1] = {};  // f_i^5
};
SpectrumGrid MakeSpectrumGrid(int n, float tgridS);

// Pierson-Moskowitz (type other than 1) or JONSWAP (type 1, peak enhancement
// 3.3, widths 0.07 below and 0.09 above the peak) spectrum with its peak at
// 1 / tpS on the grid of tgridS, scaled so that the trapezoid area times pi
// (the measure SpectralHeightPeriod uses) is hs^2 / 8. Fills f[1..n] and
// S[1..n]. A shape that vanishes on the whole grid (a peak far above it)
// stays zero rather than being scaled by 0/0.
void WaveSpectrum(int n, int type, FreqArray& f, FreqArray& S, float hs, float tpS, float tgridS);
void WaveSpectrum(const SpectrumGrid& grid, int type, FreqArray& f, FreqArray& S, float hs, float tpS);

struct SpectralWave {
    float Hs;  // 2.832 sqrt(area): height unit of the spectrum
    float Tp;  // 1 / frequency of the largest density among indices 2..n, s
};
// Area by the trapezoid rule times pi. An area of at most 0.001 gives height
// 0 and period 1.0 s.
SpectralWave SpectralHeightPeriod(const FreqArray& f, const FreqArray& S, int n);

// Frequencies and densities 0: the state of a run that has no spectrum.
void ClearSpectrum(FreqArray& f, FreqArray& S);

// elevation[1..m] = sum over k = 2..n-1 of a_k cos(2 pi f_k (j-1) dt + phi_k),
// a_k = sqrt(pi S_k (f_{k+1} - f_{k-1})), one random phase phi_k per component
// drawn in increasing k. n < 3 leaves the record zero (and draws nothing).
// n is clamped to 0..64 and m to 0..1000.
void WaveTimeSeries(const FreqArray& f, const FreqArray& S, int n, int m, float dtS, float (&elevation)[1001],
                    RandomGenerator& random);

}  // namespace orvane
