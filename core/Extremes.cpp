#include "core/Extremes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>
#include <random>
#include <set>

#include "core/WindRecord.h"

namespace orvane {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kTinyShape = 1e-7;  // |xi| below this is the exponential / Gumbel limit

struct GodaCoefficients {
    double k;  // Weibull shape, 0 for FT-I
    double a1, a2, kappa, c, alpha;
};
// Table 11.4 of Goda (2000).
constexpr std::array<GodaCoefficients, 5> kGoda {{
    {0.0, 0.64, 9.0, 0.93, 0.0, 1.33},
    {0.75, 1.65, 11.4, -0.63, 0.0, 1.15},
    {1.0, 1.92, 11.4, 0.00, 0.3, 0.90},
    {1.4, 2.05, 11.4, 0.69, 0.4, 0.72},
    {2.0, 2.24, 11.4, 1.34, 0.5, 0.54},
}};

const GodaCoefficients& CoefficientsOf(const GodaFit& fit)
{
    for (const GodaCoefficients& c : kGoda) {
        if (c.k == fit.k)
            return c;
    }
    return kGoda[0];
}

// Nelder-Mead minimisation of f over n parameters from start, with
// initial steps `step`. Returns the best point.
template <std::size_t N, class F>
std::array<double, N> NelderMead(F f, std::array<double, N> start, std::array<double, N> step, int maxEvaluations,
                                 double tolerance)
{
    using Point = std::array<double, N>;
    std::array<Point, N + 1> p;
    std::array<double, N + 1> v;
    p[0] = start;
    for (std::size_t i = 0; i < N; ++i) {
        p[i + 1] = start;
        p[i + 1][i] += step[i];
    }
    int evaluations = 0;
    for (std::size_t i = 0; i <= N; ++i, ++evaluations)
        v[i] = f(p[i]);
    std::array<std::size_t, N + 1> order;
    while (evaluations < maxEvaluations) {
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return v[a] < v[b]; });
        const std::size_t best = order[0], worst = order[N], second = order[N - 1];
        // Converged when the values and the simplex have shrunk to nothing.
        double size = 0.0;
        for (std::size_t i = 0; i <= N; ++i)
            for (std::size_t j = 0; j < N; ++j)
                size = std::max(size, std::fabs(p[i][j] - p[best][j]));
        if (std::fabs(v[worst] - v[best]) <= tolerance * (1.0 + std::fabs(v[best])) && size < 1e3 * tolerance)
            break;
        Point centroid {};
        for (std::size_t i = 0; i <= N; ++i) {
            if (i == worst)
                continue;
            for (std::size_t j = 0; j < N; ++j)
                centroid[j] += p[i][j] / N;
        }
        auto along = [&](double t) {
            Point q;
            for (std::size_t j = 0; j < N; ++j)
                q[j] = centroid[j] + t * (p[worst][j] - centroid[j]);
            return q;
        };
        const Point reflected = along(-1.0);
        const double fr = f(reflected);
        ++evaluations;
        if (fr < v[best]) {
            const Point expanded = along(-2.0);
            const double fe = f(expanded);
            ++evaluations;
            if (fe < fr) {
                p[worst] = expanded;
                v[worst] = fe;
            } else {
                p[worst] = reflected;
                v[worst] = fr;
            }
        } else if (fr < v[second]) {
            p[worst] = reflected;
            v[worst] = fr;
        } else {
            const Point contracted = fr < v[worst] ? along(-0.5) : along(0.5);
            const double fc = f(contracted);
            ++evaluations;
            if (fc < std::min(fr, v[worst])) {
                p[worst] = contracted;
                v[worst] = fc;
            } else {
                for (std::size_t i = 0; i <= N; ++i) {
                    if (i == best)
                        continue;
                    for (std::size_t j = 0; j < N; ++j)
                        p[i][j] = p[best][j] + 0.5 * (p[i][j] - p[best][j]);
                    v[i] = f(p[i]);
                    ++evaluations;
                }
            }
        }
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i <= N; ++i)
        if (v[i] < v[best])
            best = i;
    return p[best];
}

double Mean(std::span<const double> x)
{
    return x.empty() ? 0.0 : std::accumulate(x.begin(), x.end(), 0.0) / static_cast<double>(x.size());
}

double SampleStdDev(std::span<const double> x)
{
    if (x.size() < 2)
        return 0.0;
    const double m = Mean(x);
    double s = 0.0;
    for (double v : x)
        s += (v - m) * (v - m);
    return std::sqrt(s / static_cast<double>(x.size() - 1));
}

// passes: 2 for a fit from a rough start (the second restarts the simplex at
// the first's answer, the usual guard against a simplex that collapsed
// early), 1 for a refit that starts at a neighbouring sample's answer.
MlFit FitGevFrom(std::span<const double> sample, double mu0, double sigma0, double xi0, int passes = 2)
{
    MlFit fit;
    fit.distribution = Distribution::Gev;
    auto nll = [&](const std::array<double, 3>& q) {
        const double ll = GevLogLikelihood(sample, q[0], std::exp(q[1]), q[2]);
        return std::isfinite(ll) ? -ll : kInf;
    };
    std::array<double, 3> best {mu0, std::log(sigma0), xi0};
    double bestValue = nll(best);
    for (int pass = 0; pass < passes; ++pass) {
        const std::array<double, 3> step {0.2 * sigma0, 0.2, 0.1};
        // A refit need not be as sharp: its answer only feeds a quantile.
        const std::array<double, 3> q =
            passes > 1 ? NelderMead<3>(nll, best, step, 3000, 1e-12) : NelderMead<3>(nll, best, step, 300, 1e-7);
        const double value = nll(q);
        if (value <= bestValue) {
            best = q;
            bestValue = value;
        }
    }
    fit.ok = std::isfinite(bestValue);
    fit.mu = best[0];
    fit.sigma = std::exp(best[1]);
    fit.xi = best[2];
    fit.logLikelihood = -bestValue;
    return fit;
}

// The GPD profile log-likelihood in u = theta * ymax (> -1): xi(theta) =
// mean ln(1 + theta y), sigma = xi / theta.
struct GpdProfile {
    std::span<const double> y;
    double ymax = 0;
    double mean = 0;

    // Returns the log-likelihood, and xi and sigma through the arguments.
    double operator()(double u, double& xi, double& sigma) const
    {
        const double n = static_cast<double>(y.size());
        if (std::fabs(u) < 1e-9) {
            xi = 0.0;
            sigma = mean;
            return -n * std::log(mean) - n;
        }
        const double theta = u / ymax;
        double s = 0.0;
        for (double v : y)
            s += std::log1p(theta * v);
        xi = s / n;
        sigma = xi / theta;
        if (!(sigma > 0.0) || xi < -1.0)
            return -kInf;  // the likelihood is unbounded for xi < -1: not an estimate
        return -n * std::log(sigma) - n - n * xi;
    }
};

double Quantile(std::vector<double>& values, double p)
{
    if (values.empty())
        return std::numeric_limits<double>::quiet_NaN();
    std::sort(values.begin(), values.end());
    const double at = p * static_cast<double>(values.size() - 1);
    const std::size_t i = static_cast<std::size_t>(at);
    const double frac = at - static_cast<double>(i);
    return i + 1 < values.size() ? values[i] + frac * (values[i + 1] - values[i]) : values[i];
}

}  // namespace

std::string DistributionName(Distribution d)
{
    switch (d) {
    case Distribution::FisherTippett1: return "FT-I";
    case Distribution::Weibull: return "Weibull";
    case Distribution::Gev: return "GEV";
    case Distribution::GeneralisedPareto: return "GPD";
    }
    return "?";
}

std::vector<StormPeak> DeclusteredPeaks(std::span<const std::int64_t> timeS, std::span<const float> heightM,
                                        double separationH)
{
    const std::size_t n = heightM.size();
    std::vector<StormPeak> candidates;
    for (std::size_t i = 0; i < n; ++i) {
        const float h = heightM[i];
        if (!(h > 0.0f) || (i > 0 && !(h > heightM[i - 1])))
            continue;
        std::size_t j = i + 1;
        while (j < n && heightM[j] == h)
            ++j;
        if (j == n || heightM[j] < h)
            candidates.push_back({i, timeS[i], h});
    }
    // Largest first, the earlier of equals first.
    std::sort(candidates.begin(), candidates.end(), [](const StormPeak& a, const StormPeak& b) {
        return a.heightM > b.heightM || (a.heightM == b.heightM && a.index < b.index);
    });
    const std::int64_t separationS = static_cast<std::int64_t>(std::llround(separationH * 3600.0));
    std::set<std::int64_t> kept;
    std::vector<StormPeak> out;
    for (const StormPeak& c : candidates) {
        const auto next = kept.lower_bound(c.timeS);
        if (next != kept.end() && *next - c.timeS < separationS)
            continue;
        if (next != kept.begin() && c.timeS - *std::prev(next) < separationS)
            continue;
        kept.insert(c.timeS);
        out.push_back(c);
    }
    std::sort(out.begin(), out.end(), [](const StormPeak& a, const StormPeak& b) { return a.timeS < b.timeS; });
    return out;
}

double ThresholdForRate(std::span<const StormPeak> peaks, double years, double perYear)
{
    if (peaks.empty())
        return 0.0;
    std::vector<double> h;
    h.reserve(peaks.size());
    for (const StormPeak& p : peaks)
        h.push_back(p.heightM);
    std::sort(h.begin(), h.end(), std::greater<>());
    const std::size_t n = std::max<std::size_t>(1, static_cast<std::size_t>(std::llround(perYear * years)));
    // Peaks equal to the n-th stay together, above the threshold.
    std::size_t below = n;
    while (below < h.size() && h[below] == h[n - 1])
        ++below;
    if (below >= h.size())
        return 0.99 * h.back();
    return 0.5 * (h[n - 1] + h[below]);
}

std::vector<AnnualMaximum> AnnualMaxima(std::span<const std::int64_t> timeS, std::span<const float> heightM,
                                        std::span<const float> hours)
{
    std::map<int, AnnualMaximum> years;
    std::int64_t day = std::numeric_limits<std::int64_t>::min();
    int year = 0;
    for (std::size_t i = 0; i < timeS.size(); ++i) {
        const std::int64_t d = timeS[i] >= 0 ? timeS[i] / 86400 : -((-timeS[i] + 86399) / 86400);
        if (d != day) {
            day = d;
            year = CivilFromDays(d).year;
        }
        AnnualMaximum& a = years[year];
        a.year = year;
        a.heightM = std::max(a.heightM, static_cast<double>(heightM[i]));
        a.coverage += hours[i];
    }
    std::vector<AnnualMaximum> out;
    for (auto& [y, a] : years) {
        const double hoursInYear = 24.0 * static_cast<double>(DaysFromCivil(y + 1, 1, 1) - DaysFromCivil(y, 1, 1));
        a.coverage = std::min(1.0, a.coverage / hoursInYear);
        out.push_back(a);
    }
    return out;
}

std::vector<GodaFit> FitGodaCandidates(std::span<const double> sample, std::size_t totalEvents)
{
    std::vector<GodaFit> fits;
    const std::size_t n = sample.size();
    if (n < 3)
        return fits;
    std::vector<double> sorted(sample.begin(), sample.end());
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    const double NT = static_cast<double>(std::max(totalEvents, n));
    for (const GodaCoefficients& c : kGoda) {
        GodaFit fit;
        fit.distribution = c.k == 0.0 ? Distribution::FisherTippett1 : Distribution::Weibull;
        fit.k = c.k;
        fit.sorted = sorted;
        const double alpha = c.k == 0.0 ? 0.44 : 0.20 + 0.27 / std::sqrt(c.k);
        const double beta = c.k == 0.0 ? 0.12 : 0.20 + 0.23 / std::sqrt(c.k);
        fit.reducedVariates.resize(n);
        for (std::size_t m = 1; m <= n; ++m) {
            const double F = 1.0 - (static_cast<double>(m) - alpha) / (NT + beta);
            fit.reducedVariates[m - 1] = GodaReducedVariate(fit, F);
        }
        const double my = Mean(fit.reducedVariates), mx = Mean(sorted);
        double sxy = 0, syy = 0, sxx = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const double dy = fit.reducedVariates[i] - my, dx = sorted[i] - mx;
            sxy += dx * dy;
            syy += dy * dy;
            sxx += dx * dx;
        }
        fit.A = syy > 0 ? sxy / syy : 0.0;
        fit.B = mx - fit.A * my;
        fit.correlation = sxx > 0 && syy > 0 ? sxy / std::sqrt(sxx * syy) : 0.0;
        fits.push_back(std::move(fit));
    }
    return fits;
}

std::size_t BestGodaFit(std::span<const GodaFit> fits)
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < fits.size(); ++i)
        if (fits[i].correlation > fits[best].correlation)
            best = i;
    return best;
}

double GodaReducedVariate(const GodaFit& fit, double F)
{
    if (fit.distribution == Distribution::FisherTippett1)
        return -std::log(-std::log(F));
    return std::pow(-std::log(1.0 - F), 1.0 / fit.k);
}

double GodaReturnSigma(const GodaFit& fit, double y, std::size_t totalEvents)
{
    const GodaCoefficients& c = CoefficientsOf(fit);
    const double N = static_cast<double>(fit.sorted.size());
    const double nu = N / static_cast<double>(std::max(totalEvents, fit.sorted.size()));
    const double lnNu = std::log(nu);
    const double a = c.a1 * std::exp(c.a2 * std::pow(N, -1.3) + c.kappa * lnNu * lnNu);
    const double t = y - c.c + c.alpha * lnNu;
    const double sigmaZ = std::sqrt(1.0 + a * t * t) / std::sqrt(N);
    return sigmaZ * SampleStdDev(fit.sorted);
}

ReturnValue GodaReturnValue(const GodaFit& fit, double years, double eventsPerYear, std::size_t totalEvents)
{
    ReturnValue r;
    r.years = years;
    const double lr = eventsPerYear * years;
    if (!(lr > 1.0))
        return r;
    const double y = fit.distribution == Distribution::FisherTippett1 ? -std::log(-std::log(1.0 - 1.0 / lr))
                                                                      : std::pow(std::log(lr), 1.0 / fit.k);
    const double x = fit.A * y + fit.B;
    const double s = GodaReturnSigma(fit, y, totalEvents);
    r.hsM = x;
    r.lowM = x - kInterval90 * s;
    r.highM = x + kInterval90 * s;
    return r;
}

double GevLogLikelihood(std::span<const double> sample, double mu, double sigma, double xi)
{
    if (!(sigma > 0.0) || !std::isfinite(mu) || !std::isfinite(xi))
        return -kInf;
    const double n = static_cast<double>(sample.size());
    double ll = -n * std::log(sigma);
    if (std::fabs(xi) < kTinyShape) {
        for (double x : sample) {
            const double t = (x - mu) / sigma;
            ll -= t + std::exp(-t);
        }
        return ll;
    }
    for (double x : sample) {
        const double z = 1.0 + xi * (x - mu) / sigma;
        if (!(z > 0.0))
            return -kInf;
        const double lz = std::log(z);
        ll -= (1.0 + 1.0 / xi) * lz + std::exp(-lz / xi);
    }
    return ll;
}

double GpdLogLikelihood(std::span<const double> excesses, double sigma, double xi)
{
    if (!(sigma > 0.0) || !std::isfinite(xi))
        return -kInf;
    const double n = static_cast<double>(excesses.size());
    double ll = -n * std::log(sigma);
    for (double y : excesses) {
        if (std::fabs(xi) < kTinyShape) {
            ll -= y / sigma;
            continue;
        }
        const double z = 1.0 + xi * y / sigma;
        if (!(z > 0.0))
            return -kInf;
        ll -= (1.0 / xi + 1.0) * std::log(z);
    }
    return ll;
}

MlFit FitGevMl(std::span<const double> sample)
{
    if (sample.size() < 3)
        return {};
    // Start at the Gumbel fit of the moments, and from either side of it.
    const double s = std::max(SampleStdDev(sample), 1e-6);
    const double sigma0 = std::sqrt(6.0) * s / 3.14159265358979323846;
    const double mu0 = Mean(sample) - 0.5772156649 * sigma0;
    MlFit best;
    for (double xi0 : {0.0, 0.2, -0.2}) {
        const MlFit fit = FitGevFrom(sample, mu0, sigma0, xi0);
        if (fit.ok && (!best.ok || fit.logLikelihood > best.logLikelihood))
            best = fit;
    }
    return best;
}

namespace {

// The profile's maximum over s in [low, high]: a grid of `grid` intervals,
// then the golden section around its best point.
MlFit FitGpdOver(std::span<const double> excesses, double threshold, double kLow, double kHigh, int kGrid)
{
    MlFit fit;
    fit.distribution = Distribution::GeneralisedPareto;
    fit.mu = threshold;
    if (excesses.size() < 3)
        return fit;
    GpdProfile profile {excesses, *std::max_element(excesses.begin(), excesses.end()), Mean(excesses)};
    if (!(profile.ymax > 0.0) || !(profile.mean > 0.0))
        return fit;
    auto at = [&](double s) {
        double xi = 0, sigma = 0;
        return profile(std::expm1(s), xi, sigma);
    };
    const double step = (kHigh - kLow) / kGrid;
    int bestK = 0;
    double bestValue = -kInf;
    for (int k = 0; k <= kGrid; ++k) {
        const double v = at(kLow + k * step);
        if (v > bestValue) {
            bestValue = v;
            bestK = k;
        }
    }
    double a = kLow + (bestK - 1) * step, b = kLow + (bestK + 1) * step;
    const double phi = 0.5 * (std::sqrt(5.0) - 1.0);
    double c = b - phi * (b - a), d = a + phi * (b - a);
    double fc = at(c), fd = at(d);
    for (int i = 0; i < 100 && b - a > 1e-9; ++i) {
        if (fc > fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - phi * (b - a);
            fc = at(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + phi * (b - a);
            fd = at(d);
        }
    }
    double xi = 0, sigma = 0;
    double s = 0.5 * (a + b);
    double value = profile(std::expm1(s), xi, sigma);
    if (bestValue > value) {  // the grid point beat the refinement (an edge of the grid)
        s = kLow + bestK * step;
        value = profile(std::expm1(s), xi, sigma);
    }
    fit.ok = std::isfinite(value);
    fit.sigma = sigma;
    fit.xi = xi;
    fit.logLikelihood = GpdLogLikelihood(excesses, sigma, xi);
    return fit;
}

// The s = ln(1 + theta ymax) of a fit, for a sample with largest excess ymax.
double ProfileVariable(const MlFit& fit, double ymax)
{
    return std::log1p(std::max(-0.999999, fit.xi / fit.sigma * ymax));
}

// A refit of a sample drawn from `near`: its answer lies close to near's.
MlFit FitGpdNear(std::span<const double> excesses, const MlFit& near)
{
    const double ymax = *std::max_element(excesses.begin(), excesses.end());
    const double s = ProfileVariable(near, ymax);
    MlFit fit = FitGpdOver(excesses, near.mu, s - 1.5, s + 1.5, 12);
    return fit;
}

}  // namespace

MlFit FitGpdMl(std::span<const double> excesses, double threshold)
{
    // u = theta ymax = e^s - 1 runs over (-1, inf): s from -9 to 6 holds every
    // shape of interest, and its grid holds s = 0, the exponential.
    return FitGpdOver(excesses, threshold, -9.0, 6.0, 60);
}

std::optional<double> GevReturnValue(const MlFit& fit, double years)
{
    if (!fit.ok || !(years > 1.0))
        return std::nullopt;
    const double y = -std::log1p(-1.0 / years);
    if (std::fabs(fit.xi) < kTinyShape)
        return fit.mu - fit.sigma * std::log(y);
    return fit.mu + fit.sigma / fit.xi * (std::pow(y, -fit.xi) - 1.0);
}

std::optional<double> GpdReturnValue(const MlFit& fit, double years, double eventsPerYear)
{
    const double lr = eventsPerYear * years;
    if (!fit.ok || !(lr >= 1.0))
        return std::nullopt;
    if (std::fabs(fit.xi) < kTinyShape)
        return fit.mu + fit.sigma * std::log(lr);
    return fit.mu + fit.sigma / fit.xi * (std::pow(lr, fit.xi) - 1.0);
}

std::vector<ReturnValue> MlReturnValues(const MlFit& fit, std::size_t sampleSize, double eventsPerYear,
                                        std::uint64_t seed, int resamples)
{
    const bool gev = fit.distribution == Distribution::Gev;
    auto value = [&](const MlFit& f, double years) {
        return gev ? GevReturnValue(f, years) : GpdReturnValue(f, years, eventsPerYear);
    };
    std::vector<ReturnValue> out;
    for (double years : kReturnYears) {
        ReturnValue r;
        r.years = years;
        r.hsM = value(fit, years);
        out.push_back(r);
    }
    if (!fit.ok || sampleSize < 3)
        return out;
    std::mt19937_64 random(seed);
    std::vector<std::vector<double>> refitted(out.size());
    std::vector<double> sample(sampleSize);
    for (int b = 0; b < resamples; ++b) {
        for (double& x : sample) {
            // Inverse of the fitted distribution at a uniform (0, 1).
            const double u = (static_cast<double>(random() >> 11) + 0.5) * 0x1.0p-53;
            if (gev) {
                const double e = -std::log(u);
                x = std::fabs(fit.xi) < kTinyShape ? fit.mu - fit.sigma * std::log(e)
                                                   : fit.mu + fit.sigma / fit.xi * (std::pow(e, -fit.xi) - 1.0);
            } else {
                x = std::fabs(fit.xi) < kTinyShape ? -fit.sigma * std::log(u)
                                                   : fit.sigma / fit.xi * (std::pow(u, -fit.xi) - 1.0);
            }
        }
        const MlFit again = gev ? FitGevFrom(sample, fit.mu, fit.sigma, fit.xi, 1) : FitGpdNear(sample, fit);
        if (!again.ok)
            continue;
        for (std::size_t i = 0; i < out.size(); ++i) {
            if (const std::optional<double> v = value(again, out[i].years); v && std::isfinite(*v))
                refitted[i].push_back(*v);
        }
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (!out[i].hsM || refitted[i].size() < 10)
            continue;
        out[i].lowM = Quantile(refitted[i], 0.05);
        out[i].highM = Quantile(refitted[i], 0.95);
    }
    return out;
}

}  // namespace orvane
