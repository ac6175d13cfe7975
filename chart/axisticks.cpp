#include "chart/axisticks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "chart/datetimetext.h"

namespace {

// A label count that still fits an int; quotients beyond it climb the ladder without rounding.
constexpr double LargestLabelCount = 2147483647.0;
// More default labels than this are not drawn at all: the step is too small for the axis.
constexpr double MostDefaultLabels = 10000;

// Visits position(j) for j = 1 ... count until it gives none. The positions must not decrease or not
// increase with j: a run of equal positions is visited once and skipped by bisection, so that a huge
// count costs time only per distinct pixel.
// Callables are taken as they are: a std::function of these lambdas would allocate on every run.
template <class Position, class Visit>
void VisitMonotonicRun(int count, const Position& position, const Visit& visit) {
    long long j = 1;
    while (j <= count) {
        const std::optional<long long> p = position(static_cast<int>(j));
        if (!p) return;
        visit(*p);
        long long same = j;  // the last j known to give p
        long long stride = 1;
        long long beyond = j + 1;
        while (beyond <= count && position(static_cast<int>(beyond)) == p) {
            same = beyond;
            stride *= 2;
            beyond = same + stride;
        }
        beyond = std::min<long long>(beyond, static_cast<long long>(count) + 1);
        while (beyond - same > 1) {
            const long long middle = same + (beyond - same) / 2;
            if (position(static_cast<int>(middle)) == p)
                same = middle;
            else
                beyond = middle;
        }
        j = same + 1;
    }
}

}  // namespace

double NextNiceStep(double x) {
    if (!(x > 0) || !std::isfinite(x)) return x;
    // Bring x into [1, 10) as the recursive definition does, undoing the scaling step by step after.
    int ups = 0;
    int downs = 0;
    while (x >= 10) {
        x = static_cast<double>(static_cast<long double>(x) * 0.1L);
        ++ups;
    }
    while (x < 1) {
        x = x * 10;
        ++downs;
    }
    double result = x < 2 ? 2 : (x < 5 ? 5 : 10);
    for (; downs > 0; --downs) result = static_cast<double>(static_cast<long double>(result) * 0.1L);
    for (; ups > 0; --ups) result = result * 10;
    return result;
}

// ---- Step ----

double TAxisTicker::StepForLabelSize(int size) const {
    int count = 1;
    if (size > 0) {
        long long room = size;
        if (rules_.LabelsSeparation > 0) room += RoundHalfEven(rules_.LabelsSeparation * 0.01L * size);
        count = RoundHalfEven(map_.Pixels().Length() * 1.0L / room);
    }
    return StepForLabelCount(count);
}

double TAxisTicker::StepForLabelCount(int count) const {
    if (count < 1) return rules_.DateTime ? OneSecond : 1e-12;
    const double span = map_.Range().Span();
    if (rules_.DateTime) return DateTimeStep(rules_.Increment, span, count);
    double step = rules_.Increment > 0 ? rules_.Increment : (std::fabs(span) >= 1 ? 1.0 : 1e-12);
    if (rules_.LabelsSeparation > 0) step = StepFromSearch(step, count);
    return std::max(step, 1e-12);
}

double TAxisTicker::StepFromSearch(double step, int count) const {
    long long n = static_cast<long long>(count) + 1;
    // The step only climbs the ladder; a span that is not finite would climb it for ever.
    while (n > count && std::isfinite(step)) {
        const double q = map_.Range().Span() / step;
        if (std::fabs(q) < LargestLabelCount) {
            n = RoundHalfEven(q);
            if (n > count) step = NextNiceStep(step);
        } else {
            step = NextNiceStep(step);
        }
    }
    return step;
}

// ---- Label values ----

void TAxisTicker::ForEachValue(double step, const std::function<void(double)>& visit) const {
    if (map_.Kind() == TScaleKind::Logarithmic && rules_.Increment == 0)
        LogValues(visit);
    else
        DefaultValues(step, visit);
}

void TAxisTicker::LogValues(const std::function<void(double)>& visit) const {
    const TAxisRange& range = map_.Range();
    if (range.Min() == range.Max()) return;
    const auto base = static_cast<double>(map_.LogBase());
    double low = range.Min();
    double value;
    if (low > 0) {
        const double exponent = std::log(low) / std::log(base);
        value = std::pow(base, RoundHalfEven(exponent));
    } else {
        low = low < 0 ? 1e-10 : 0.1;
        value = low;
    }
    // The value grows by the base each time; an infinite end must not keep the walk going.
    for (; value <= range.Max() && std::isfinite(value); value *= map_.LogBase()) {
        if (value >= low) visit(value);
    }
}

void TAxisTicker::DefaultValues(double step, const std::function<void(double)>& visit) const {
    const TAxisRange& range = map_.Range();
    if (!(std::fabs(range.Span() / step) < MostDefaultLabels)) return;
    double value = range.Max();
    if (rules_.DateTime && rules_.ExactDateTime) {
        value = DateTimeFirstLabel(range.Max(), step);
    } else if (range.Min() != range.Max() && rules_.RoundFirstLabel) {
        // Quotients beyond the 64-bit range are truncated as floating-point numbers.
        value = std::trunc(range.Max() / step) * step;
    }
    const auto previous = [&](double v) {
        return rules_.DateTime ? PreviousDateTimeLabel(v, step, rules_.ExactDateTime) : v - step;
    };
    for (int guard = 0; value > range.Max() && guard < 2; ++guard) value = previous(value);
    // Just below RangeMin, so that a label exactly at RangeMin is kept (negative minima included).
    const long double low = range.Min() - 1e-12L;
    const double limit =
        static_cast<double>(range.Min() >= 0 ? low / 1.000000000001L : low * 1.000000000001L);
    while (value >= limit) {
        visit(value);
        const double next = previous(value);
        if (!(next < value)) break;  // the step is lost in the value's precision
        value = next;
    }
}

// ---- Minor ticks ----

void TAxisTicker::ForEachMinorPosition(const TickPositions& ticks, int count,
                                       const std::function<void(int)>& visit) const {
    const int k = count;
    const int n = ticks.Count();
    if (k < 1) return;
    const TAxisPixels& pixels = map_.Pixels();
    const auto use = [&](long long p) {
        if (pixels.Start() < p && p < pixels.End()) visit(static_cast<int>(p));
    };
    if (map_.Kind() == TScaleKind::Logarithmic) {
        for (int i = 1; i < n; ++i) LogMinorRun(ticks[i - 1], k, use);
        return;
    }
    // tick - Round(j x s) for j = 1 ... k; a run away from the labels ends where it cannot reach the axis.
    const auto run = [&](long long tick, double s, bool outward) {
        const long double reach = std::llabs(pixels.Length()) + std::llabs(tick - pixels.Center()) + 1;
        VisitMonotonicRun(
            k,
            [&](int j) -> std::optional<long long> {
                const long double offset = j * static_cast<long double>(s);
                if (outward && std::fabs(offset) > reach) return std::nullopt;
                return tick - RoundHalfEven(offset);
            },
            use);
    };
    const auto spacing = [&](int i) {
        return (static_cast<long long>(ticks[i]) - ticks[i - 1]) * 1.0 / (k + 1.0);
    };
    if (n > 1) {
        run(ticks[0], spacing(1), true);
        run(ticks[n - 1], -spacing(1), true);
    }
    for (int i = 1; i < n; ++i) run(ticks[i], spacing(i), false);
}

void TAxisTicker::LogMinorRun(int tick, int count, const std::function<void(long long)>& use) const {
    const int k = count;
    const double first = map_.ValueAtPixel(tick);
    const double d = (map_.LogBase() * first - first) / (k + 1.0);
    const double max = map_.Range().Max();
    if (k > PlainMinorCount) {
        VisitMonotonicRun(
            k,
            [&](int j) -> std::optional<long long> {
                const double v = first + j * d;
                if (v > max) return std::nullopt;
                return map_.PixelOf(v);
            },
            use);
        return;
    }
    double v = first;
    for (int j = 1; j <= k; ++j) {
        v = v + d;
        if (v > max) break;
        use(map_.PixelOf(v));
    }
}
