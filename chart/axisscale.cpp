#include "chart/axisscale.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr double LargestPixelOffset = 2147483647.0;

// Natural logarithm of a scale end; an end that is not positive counts as 0.
double LogOfEnd(double end) {
    return end > 0 ? std::log(end) : 0.0;
}

// Pixel results are kept inside the int range so that a far-off value cannot overflow.
int ClampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace

// Every pixel goes through here: neither nearbyintl (which saves and restores the floating-point
// environment) nor floorl. Within the clamp the truncated part is exact, and so is the fraction left.
int RoundHalfEven(long double value) {
    if (std::isnan(value)) return 0;
    const long double clamped = std::clamp<long double>(value, LLONG_MIN / 2, LLONG_MAX / 2);
    auto rounded = static_cast<long long>(clamped);
    long double fraction = clamped - static_cast<long double>(rounded);
    if (fraction < 0) {
        --rounded;
        fraction += 1;
    }
    if (fraction > 0.5L || (fraction == 0.5L && (rounded & 1) != 0)) ++rounded;
    return ClampToInt(rounded);
}

TAxisPixels::TAxisPixels(long long start, long long end)
    : start_(ClampToInt(start)),
      end_(ClampToInt(end)),
      length_(ClampToInt(static_cast<long long>(end_) - start_)),
      center_(static_cast<int>((static_cast<long long>(start_) + end_) / 2)) {}

std::optional<long long> TScaleMap::OffsetOf(double value) const {
    double t = 0;
    const int length = pixels_.Length();
    if (kind_ == TScaleKind::Logarithmic) {
        const double logMin = LogOfEnd(range_.Min());
        const double logSpan = LogOfEnd(range_.Max()) - logMin;
        if (logSpan == 0) return std::nullopt;
        if (!(value > 0)) return 0;  // the low end of the scale
        t = static_cast<double>((std::log(value) - logMin) * static_cast<long double>(length) / logSpan);
    } else {
        if (range_.Span() == 0) return std::nullopt;
        t = static_cast<double>((static_cast<long double>(value) - range_.Min()) * length / range_.Span());
    }
    if (!(std::fabs(t) < LargestPixelOffset)) return std::nullopt;
    return RoundHalfEven(t);
}

int TScaleMap::XPixelOf(double value) const {
    const auto offset = OffsetOf(value);
    if (!offset) return pixels_.Center();
    return ClampToInt(direction_.Inverted ? pixels_.End() - *offset : pixels_.Start() + *offset);
}

int TScaleMap::YPixelOf(double value) const {
    const auto offset = OffsetOf(value);
    if (!offset) return pixels_.Center();
    return ClampToInt(direction_.Inverted ? pixels_.Start() + *offset : pixels_.End() - *offset);
}

double TScaleMap::ValueAtPixel(int pixel) const {
    const int length = pixels_.Length();
    if (length < 1) return 0;
    // Pixels from the start of the axis, or from its end when inverted.
    const long long along = direction_.Inverted ? pixels_.End() - static_cast<long long>(pixel)
                                                : pixel - static_cast<long long>(pixels_.Start());
    if (kind_ == TScaleKind::Linear) {
        // Horizontal axes count up from RangeMin, vertical ones down from RangeMax, so that the
        // pixel of that end gives the end exactly.
        const double d = static_cast<double>(along * static_cast<long double>(range_.Span()) / length);
        return direction_.Horizontal ? range_.Min() + d : range_.Max() - d;
    }
    // Offset of the pixel from the pixel of RangeMin.
    const long long offset = direction_.Horizontal ? along : length - along;
    const double logMin = LogOfEnd(range_.Min());
    const double logSpan = LogOfEnd(range_.Max()) - logMin;
    if (logSpan == 0 || offset == 0) return range_.Min();
    if (offset == length) return range_.Max();
    return std::exp(logMin + static_cast<double>(offset) * logSpan / length);
}
