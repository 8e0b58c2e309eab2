#pragma once
// Extreme-value analysis of a series of significant wave heights: storm
// peaks and annual maxima, the distributions fitted to them and their
// return values with intervals.
//
// Samples
//   Storm peaks: the local maxima of the series, declustered so that no two
//   kept peaks lie closer than 48 h (the larger one stays), above a
//   threshold; by default the threshold that keeps about 3 peaks a year.
//   Annual maxima: the largest value of each calendar year.
//
// Goda's least-squares method (Y. Goda, "Random Seas and Design of
// Maritime Structures", 2nd ed., World Scientific 2000, Section 11.2; the
// same as Goda 1988, "On the methodology of selecting design wave height",
// Proc. 21st ICCE, Chapter 67):
//   candidates FT-I, F = exp(-exp(-(x - B)/A)), and Weibull,
//   F = 1 - exp(-((x - B)/A)^k) with k = 0.75, 1.0, 1.4, 2.0;
//   plotting positions F_m = 1 - (m - alpha)/(N_T + beta) for the m-th
//   largest of N values out of N_T events (Table 11.3):
//     FT-I alpha = 0.44, beta = 0.12 (Gringorten);
//     Weibull alpha = 0.20 + 0.27/sqrt(k), beta = 0.20 + 0.23/sqrt(k);
//   reduced variates y_m = -ln(-ln F_m) and y_m = (-ln(1 - F_m))^(1/k);
//   x_m = A y_m + B by least squares; the best candidate has the largest
//   correlation coefficient;
//   return value of R years with lambda events a year:
//     y_R = -ln(-ln(1 - 1/(lambda R))) (FT-I), (ln(lambda R))^(1/k) (Weibull);
//   its standard deviation (Eqs. 11.20-11.22, Table 11.4):
//     sigma(x_R) = sigma_z sigma_x, sigma_x the sample's standard deviation,
//     sigma_z = [1 + a (y_R - c + alpha' ln nu)^2]^(1/2) / sqrt(N),
//     a = a1 exp[a2 N^-1.3 + kappa (-ln nu)^2], nu = N / N_T (1 here:
//     every event above the threshold is in the sample),
//     with (a1, a2, kappa, c, alpha') =
//       FT-I       (0.64,  9.0,  0.93, 0.0, 1.33)
//       k = 0.75   (1.65, 11.4, -0.63, 0.0, 1.15)
//       k = 1.0    (1.92, 11.4,  0.00, 0.3, 0.90)
//       k = 1.4    (2.05, 11.4,  0.69, 0.4, 0.72)
//       k = 2.0    (2.24, 11.4,  1.34, 0.5, 0.54);
//   the 90 % interval is x_R -/+ 1.645 sigma(x_R).
// Maximum likelihood:
//   GEV on annual maxima, F = exp(-(1 + xi (x - mu)/sigma)^(-1/xi)) (xi = 0:
//   Gumbel), by Nelder-Mead on (mu, ln sigma, xi);
//   generalised Pareto on the storm peaks' excesses y = x - u,
//   F = 1 - (1 + xi y/sigma)^(-1/xi), by the one-dimensional profile in
//   theta = xi/sigma (Grimshaw 1993, Technometrics 35, 185-191);
//   90 % intervals from a seeded parametric bootstrap (the 5 % and 95 %
//   quantiles of the refitted return values).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvane {

struct StormPeak {
    std::size_t index = 0;  // row of the series
    std::int64_t timeS = 0;
    double heightM = 0;
};

// Every local maximum of heights (a plateau counts once, at its first row),
// then, largest first, those at least separationH from every larger one
// kept; in time order. Zero heights are never peaks.
std::vector<StormPeak> DeclusteredPeaks(std::span<const std::int64_t> timeS, std::span<const float> heightM,
                                        double separationH = 48.0);

// The threshold that keeps about perYear peaks a year: halfway between the
// n-th largest peak and the next smaller one, n = round(perYear * years) (at
// least 1), so that peaks equal to the n-th are kept with it; below the
// smallest peak when there are not that many.
double ThresholdForRate(std::span<const StormPeak> peaks, double years, double perYear = 3.0);

struct AnnualMaximum {
    int year = 0;
    double heightM = 0;
    double coverage = 0;  // share of the year the record covers (its rows' hours / the year's)
};
std::vector<AnnualMaximum> AnnualMaxima(std::span<const std::int64_t> timeS, std::span<const float> heightM,
                                        std::span<const float> hours);

inline constexpr double kReturnYears[] = {1, 2, 5, 10, 25, 50, 100};
// Resamples of the parametric bootstrap: enough for the 5 % and 95 %
// quantiles to settle within a few per cent of the interval's width.
inline constexpr int kBootstrapResamples = 100;
inline constexpr double kInterval90 = 1.6448536269514722;  // standard normal 95 % quantile

enum class Distribution { FisherTippett1, Weibull, Gev, GeneralisedPareto };
// "FT-I", "Weibull", "GEV", "GPD".
std::string DistributionName(Distribution d);

struct ReturnValue {
    double years = 0;
    std::optional<double> hsM;          // empty where the fit gives none (an annual maximum of 1 year)
    std::optional<double> lowM, highM;  // 90 % interval
    bool extrapolated = false;          // beyond 4 times the record's length
};

struct GodaFit {
    Distribution distribution = Distribution::FisherTippett1;
    double k = 0;  // Weibull shape; 0 for FT-I
    double A = 0;  // scale, m
    double B = 0;  // location, m
    double correlation = 0;
    std::vector<double> sorted;           // the sample, largest first
    std::vector<double> reducedVariates;  // y_m of each, same order
};

// The five candidates of Goda's method for a sample of n values out of
// totalEvents events (n <= totalEvents); none for fewer than 3 values.
std::vector<GodaFit> FitGodaCandidates(std::span<const double> sample, std::size_t totalEvents);
// The candidate with the largest correlation; the first of equals.
std::size_t BestGodaFit(std::span<const GodaFit> fits);
// Reduced variate of the non-exceedance probability F for a candidate.
double GodaReducedVariate(const GodaFit& fit, double F);
// Return value, its standard deviation and 90 % interval for R years with
// eventsPerYear events a year; empty hsM when lambda R <= 1.
ReturnValue GodaReturnValue(const GodaFit& fit, double years, double eventsPerYear, std::size_t totalEvents);
double GodaReturnSigma(const GodaFit& fit, double reducedVariate, std::size_t totalEvents);

struct MlFit {
    Distribution distribution = Distribution::Gev;
    bool ok = false;
    double mu = 0;     // location (GEV) or threshold u (GPD), m
    double sigma = 0;  // scale, m
    double xi = 0;     // shape
    double logLikelihood = 0;
};

MlFit FitGevMl(std::span<const double> sample);
// excesses over the threshold u (all positive).
MlFit FitGpdMl(std::span<const double> excesses, double threshold);
double GevLogLikelihood(std::span<const double> sample, double mu, double sigma, double xi);
double GpdLogLikelihood(std::span<const double> excesses, double sigma, double xi);

// The value exceeded on average once in R years: GEV of annual maxima
// (none for R <= 1), GPD of eventsPerYear peaks a year (none for lambda R < 1).
std::optional<double> GevReturnValue(const MlFit& fit, double years);
std::optional<double> GpdReturnValue(const MlFit& fit, double years, double eventsPerYear);

// Return values of an ML fit at kReturnYears with 90 % intervals from
// `resamples` samples of the fitted distribution of the sample's size,
// refitted; the generator is seeded with seed, so a run repeats.
std::vector<ReturnValue> MlReturnValues(const MlFit& fit, std::size_t sampleSize, double eventsPerYear,
                                        std::uint64_t seed, int resamples = kBootstrapResamples);

}  // namespace orvane
