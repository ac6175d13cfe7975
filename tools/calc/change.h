// A change between two speeds in per cent, where it means something.
#pragma once

#include <cmath>
#include <optional>

namespace kcalc {

// (to / from - 1) x 100; none when either speed is beyond the double range or the result is no
// finite number (from 0): a per cent of an overflowed speed would read as -100 %.
inline std::optional<double> PercentChange(double from, double to) {
    if (!std::isfinite(from) || !std::isfinite(to)) return std::nullopt;
    const double change = (to / from - 1) * 100;
    return std::isfinite(change) ? std::optional<double>(change) : std::nullopt;
}

}  // namespace kcalc
