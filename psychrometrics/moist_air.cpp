#include "moist_air.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace psychro {

namespace {

// One piece of the saturation-pressure fit: a sigmoid with lower asymptote
// A1, upper asymptote A2, centre x0 and width dx.
struct Sigmoid {
    double A1;
    double A2;
    double x0;
    double dx;

    double operator()(double T) const { return A2 + (A1 - A2) / (std::exp((T - x0) / dx) + 1.0); }
};

constexpr Sigmoid kBelowFreezing{-0.00076069, 2.4147, 12.374, 9.9854};  // -60 <= T < 0
constexpr Sigmoid kMiddle{-0.15971, 49.935, 68.44, 16.434};             //   0 <= T <= 40
constexpr Sigmoid kAbove40{-1.5804, 325.45, 117.9, 21.813};             //  40 < T <= 80

constexpr double kLatentHeat = 2501.0;
constexpr MolarMassRatio kWetBulbMolarMassRatio{0.62198};

// The result of a formula, or no value where its arithmetic had none (a
// division by zero gives infinity or NaN).
std::optional<double> finite(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    return x;
}

// The saturation pressure as the relations use it: 0 kPa where pws has none.
double pwsOrZero(double T) { return pws(T).value_or(0.0); }

} // namespace

std::optional<double> pws(double T)
{
    if (!(T >= -60.0 && T <= 80.0))
        return std::nullopt;
    if (T < 0.0)
        return kBelowFreezing(T);
    if (T <= 40.0)
        return kMiddle(T);
    return kAbove40(T);
}

std::optional<double> SaturationHumidityRatio(double T, double p, MolarMassRatio k)
{
    const double ps = pwsOrZero(T);
    return finite(k.k * ps / (p - ps));
}

std::optional<double> HumidityRatioFromRelativeHumidity(double T, double phi, double p,
                                                        MolarMassRatio k)
{
    const double ps = pwsOrZero(T);
    return finite(k.k * phi * ps / (p - phi * ps));
}

namespace {

// HumidityRatioFromWetBulb with the saturation pressure at the wet bulb
// already known (pwsOrZero(Twb)): the search keeps it with its trials.
std::optional<double> humidityRatioFromWetBulb(double T, double Twb, double p, double pwsAtWetBulb)
{
    const auto Ws = finite(kWetBulbMolarMassRatio.k * pwsAtWetBulb / (p - pwsAtWetBulb));
    if (!Ws)
        return std::nullopt;
    return finite(((kLatentHeat - 2.381 * Twb) * *Ws - (T - Twb))
                  / (kLatentHeat + 1.805 * T - 4.186 * Twb));
}

} // namespace

std::optional<double> HumidityRatioFromWetBulb(double T, double Twb, double p)
{
    return humidityRatioFromWetBulb(T, Twb, p, pwsOrZero(Twb));
}

namespace {

// The trial after `count` passes is `t`, and it has not reached W: the search
// goes on pass by pass, testing every trial.
std::optional<double> climbFrom(double T, double W, double p, double step, double t, int count,
                               int *passes)
{
    std::optional<double> found;
    while (count < kWetBulbSearchMaxPasses) {
        t = t + step;
        ++count;
        const auto w = HumidityRatioFromWetBulb(T, t, p);
        if (!w)
            break;
        if (!(W - *w > 0.0)) {
            found = t;
            break;
        }
    }
    if (passes)
        *passes = count;
    return found;
}

// Where the search may skip trials. On each stretch of trials below, the
// humidity ratio at the trial is finite and rises strictly from one trial to
// the next, by many orders of magnitude more than its rounding, provided
// - T lies in [-100, 200] and p >= 60 kPa, above every saturation pressure:
//   W(t) = N(t) / D(t) with D > 0 and N' D + 4.186 N >= 2501 - 2.381 T > 0;
// - the step is at least 0.01, so the trial itself moves on;
// - the trial stays below the point where D falls to 100.
// The stretches follow the pieces of pws, which do not meet (a step up at 0,
// a small step down at 40, a drop to "no value", counted as 0, past 80), so a
// stretch is tested through its own trials only.
struct FastSearchRange {
    double tLow;
    double tHigh;
};

constexpr double kFastLowestTrial = -1000.0;
constexpr double kFastSmallestStep = 0.01;

std::optional<FastSearchRange> fastSearchRange(double T, double p, WetBulbTrial trial)
{
    if (!(T >= -100.0 && T <= 200.0 && p >= 60.0 && std::isfinite(p)
          && trial.step >= kFastSmallestStep && std::isfinite(trial.step)
          && std::isfinite(trial.start)))
        return std::nullopt;
    return FastSearchRange{kFastLowestTrial, (kLatentHeat - 100.0 + 1.805 * T) / 4.186};
}

// The highest trial of the stretch holding t, or no value where trials must be
// tested one by one. The trial only climbs, so a stretch ends at its top.
std::optional<double> stretchTop(double t, FastSearchRange range)
{
    constexpr double kBelow = -std::numeric_limits<double>::infinity();
    if (!(t >= range.tLow && t <= range.tHigh))
        return std::nullopt;
    if (t < -60.0)
        return std::nextafter(-60.0, kBelow);
    if (t < 0.0)
        return std::nextafter(0.0, kBelow);
    if (t <= 40.0)
        return 40.0;
    if (t <= 80.0)
        return 80.0;
    return range.tHigh;
}

// The trials of a search exactly as the pass-by-pass climb makes them: trial k
// is the start with the step added k times, one addition after the other, so
// that trial 180 of 0.1 is 17.999999999999986. Making them is the slow part of
// a search that skips trials (hundreds of dependent additions), and a handful
// of starts and steps recur run after run (the unit's searches from 0 in steps
// of 0.05, the chart readout's from 0 in steps of 0.1, the unit's search from
// the outdoor wet bulb through a selector ramp), so the trials made are kept,
// and with them the saturation pressure at each trial tested, which depends on
// the trial alone (an exponential saved at every later test of that trial).
class TrialSequence
{
public:
    bool makes(WetBulbTrial trial) const
    {
        return !m_trials.empty() && m_trials.front() == trial.start && m_step == trial.step;
    }

    void restart(WetBulbTrial trial)
    {
        m_step = trial.step;
        m_trials.assign(1, trial.start);
        m_pws.assign(1, kNotYet);
    }

    // Trial k, for k from 0 to kWetBulbSearchMaxPasses.
    double at(int k)
    {
        while (int(m_trials.size()) <= k) {
            m_trials.push_back(m_trials.back() + m_step);
            m_pws.push_back(kNotYet);
        }
        return m_trials[size_t(k)];
    }

    // pwsOrZero(at(k)).
    double pwsAt(int k)
    {
        const double t = at(k);
        double &ps = m_pws[size_t(k)];
        if (std::isnan(ps))
            ps = pwsOrZero(t);
        return ps;
    }

private:
    static constexpr double kNotYet = std::numeric_limits<double>::quiet_NaN();
    double m_step = 0.0;
    std::vector<double> m_trials;
    std::vector<double> m_pws;   // NaN until worked out
};

TrialSequence &trialsOf(WetBulbTrial trial)
{
    // Searches run on any thread; each keeps its own few sequences.
    thread_local std::array<TrialSequence, 4> kept;
    thread_local size_t oldest = 0;
    for (TrialSequence &sequence : kept) {
        if (sequence.makes(trial))
            return sequence;
    }
    TrialSequence &sequence = kept[oldest];
    oldest = (oldest + 1) % kept.size();
    sequence.restart(trial);
    return sequence;
}

// The last trial index from `first` on, at most kWetBulbSearchMaxPasses, whose
// trial lies at or below `top`, trial `first` being there. The index is worked
// out from the step and then checked against the trials themselves, whose
// rounding moves them by far less than a step.
int lastTrialAtMost(TrialSequence &trials, int first, WetBulbTrial trial, double top)
{
    const double estimate = std::floor((top - trial.start) / trial.step);
    int k = int(std::clamp(estimate, double(first), double(kWetBulbSearchMaxPasses)));
    while (k > first && trials.at(k) > top)
        --k;
    while (k < kWetBulbSearchMaxPasses && trials.at(k + 1) <= top)
        ++k;
    return k;
}

// The same trials and passes as climbFrom(start, 0): along each stretch, where
// the humidity ratio of a trial rises strictly, the first trial that reaches W
// is sought by halving and interpolating between tested trials, and the next
// stretch is taken up only when the stretch's last trial falls short too.
// Anything unexpected (a trial outside the stretches, a missing humidity
// ratio) hands over to the pass-by-pass search from the last trial known not
// to reach W.
std::optional<double> skipAndBisect(double T, double W, double p, WetBulbTrial trial,
                                    FastSearchRange range, int *passes)
{
    TrialSequence &trials = trialsOf(trial);
    // How far the humidity ratio of trial k falls short of W (<= 0: it
    // reaches W); NaN where it has none.
    const auto shortfall = [&](int k) {
        const auto w = humidityRatioFromWetBulb(T, trials.at(k), p, trials.pwsAt(k));
        return w ? W - *w : std::numeric_limits<double>::quiet_NaN();
    };
    int count = 0;   // trial `count` is known not to reach W
    for (;;) {
        const auto top = count < kWetBulbSearchMaxPasses ? stretchTop(trials.at(count + 1), range)
                                                          : std::nullopt;
        if (!top)
            return climbFrom(T, W, p, trial.step, trials.at(count), count, passes);
        const int last = lastTrialAtMost(trials, count + 1, trial, *top);
        // The first trial of the stretch that reaches W lies in (lo, hi], as
        // long as the stretch's last trial reaches it, which is tested only if
        // the search ends there. The shortfall falls smoothly along the
        // stretch, so once both ends of the bracket are tested the next probe
        // is read off the straight line between them; a probe that did not
        // halve the bracket is followed by a plain halving, so a search never
        // takes more than twice the bisection's probes. Every decision rests
        // on a tested trial.
        int lo = count;     // falls short (or is the untested start)
        int hi = last;      // reaches W (once tested)
        double shortAtLo = 0.0;
        double shortAtHi = 0.0;
        bool loTested = false;
        bool hiTested = false;
        bool interpolate = true;
        while (hi - lo > 1) {
            const int width = hi - lo;
            int probe = lo + width / 2;
            if (interpolate && loTested && hiTested) {
                // The share of the bracket up to where the line crosses W,
                // rounded up to a whole trial (both shortfalls are finite).
                const double reach = shortAtLo / (shortAtLo - shortAtHi) * width;
                const int whole = int(reach);
                probe = std::clamp(lo + whole + (whole < reach ? 1 : 0), lo + 1, hi - 1);
            }
            const double atProbe = shortfall(probe);
            if (std::isnan(atProbe))
                return climbFrom(T, W, p, trial.step, trials.at(count), count, passes);
            if (!(atProbe > 0.0)) {
                hi = probe;
                shortAtHi = atProbe;
                hiTested = true;
            } else {
                lo = probe;
                shortAtLo = atProbe;
                loTested = true;
            }
            interpolate = 2 * (hi - lo) <= width;
        }
        if (!hiTested) {
            const double atLast = shortfall(last);
            if (std::isnan(atLast))
                return climbFrom(T, W, p, trial.step, trials.at(count), count, passes);
            if (atLast > 0.0) {
                count = last;
                continue;
            }
        }
        if (passes)
            *passes = hi;
        return trials.at(hi);
    }
}

} // namespace

std::optional<double> WetBulbSearch(double T, double W, double p, WetBulbTrial trial,
                                    int *passes)
{
    if (!(W - 0.0 > 0.0)) {
        if (passes)
            *passes = 0;
        return trial.start;
    }
    if (const auto range = fastSearchRange(T, p, trial))
        return skipAndBisect(T, W, p, trial, *range, passes);
    return climbFrom(T, W, p, trial.step, trial.start, 0, passes);
}

double MoistAirEnthalpy(double T, double W, SpecificHeats heats)
{
    return heats.a * T + W * (kLatentHeat + heats.b * T);
}

std::optional<double> TemperatureFromEnthalpy(double h, double W)
{
    return finite((h - kLatentHeat * W) / (1.0 + 1.82 * W));
}

std::optional<double> MoistAirSpecificVolume(double T, double p, double pv, DryAirGas gas)
{
    return finite(gas.R * (T + gas.T0) / (1000.0 * p - 1000.0 * pv));
}

std::optional<double> MoistAirDensity(double W, double v)
{
    return finite((1.0 + W) / v);
}

std::optional<double> VapourPressureFromHumidityRatio(double p, double W)
{
    return finite(p * W / (0.62198 + W));
}

std::optional<double> RelativeHumidityFromVapourPressure(double pv, double T)
{
    const auto ps = pws(T);
    if (!ps)
        return std::nullopt;
    return finite(pv / *ps * 100.0);
}

std::optional<double> DegreeOfSaturation(double rh, double p, double pv, double T)
{
    return finite(rh * (p - pwsOrZero(T)) / (p - pv) / 100.0);
}

std::optional<double> DewPointFromHumidityRatio(double W)
{
    if (!(W > 0.0))
        return std::nullopt;
    const double L = std::log(W);
    return 94.889103 + 19.816751 * L + 0.50332307 * L * L;
}

} // namespace psychro
