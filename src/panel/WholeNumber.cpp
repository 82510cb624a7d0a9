#include "WholeNumber.h"

#include <cmath>
#include <limits>

namespace glowdeck {

namespace {

std::int64_t saturate(double whole) {
    if (std::isnan(whole))
        return 0;
    // 2^63 is exactly representable; every double below it converts without overflow.
    constexpr double limit = 9223372036854775808.0;
    if (whole >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (whole < -limit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(whole);
}

} // namespace

std::int64_t WholeNumber::towardZero(double value) {
    return saturate(std::trunc(value));
}

std::int64_t WholeNumber::nearestHundred(double value) {
    const std::int64_t hundreds = saturate(std::round(value / 100));
    if (hundreds > std::numeric_limits<std::int64_t>::max() / 100)
        return std::numeric_limits<std::int64_t>::max();
    if (hundreds < std::numeric_limits<std::int64_t>::min() / 100)
        return std::numeric_limits<std::int64_t>::min();
    return hundreds * 100;
}

} // namespace glowdeck
