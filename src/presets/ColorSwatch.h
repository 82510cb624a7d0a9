#pragma once

#include <array>
#include <string_view>

namespace glowdeck {

// A colour offered by name, in the panel's swatch row and to the command line's color verb: the
// same values go to the bulbs from either. The name is English; the panel translates it.
struct ColorSwatch {
    std::string_view name;
    std::array<int, 3> rgb;

    // Every swatch, in display order.
    static const std::array<ColorSwatch, 7> all;
};

inline constexpr std::array<ColorSwatch, 7> ColorSwatch::all{{
    {"Red", {255, 59, 48}},
    {"Orange", {255, 149, 0}},
    {"Yellow", {255, 204, 0}},
    {"Green", {52, 199, 89}},
    {"Cyan", {50, 173, 230}},
    {"Blue", {0, 122, 255}},
    {"Purple", {175, 82, 222}},
}};

} // namespace glowdeck
