#pragma once

#include <cstdint>

namespace glowdeck {

// Turning the panel's real-valued slider values into the integers shown and sent. Values come
// from bulb reports too, so anything a double can hold must convert safely: not-a-number gives 0
// and values beyond the 64-bit range stop at its ends.
class WholeNumber {
public:
    // The integer part, toward zero.
    static std::int64_t towardZero(double value);
    // The nearest multiple of 100, halves away from zero.
    static std::int64_t nearestHundred(double value);
};

} // namespace glowdeck
