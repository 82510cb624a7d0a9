#pragma once

#include "../model/Bulb.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace glowdeck {

// The named colours presets are tinted with; the app maps each to a concrete colour.
enum class Tint { Orange, Blue, Indigo, Red, Cyan, Pink, Green, Purple, Teal };

// A preset scene: the bulb's scene number, its label, its icon's symbol name and tint.
struct LightPreset {
    std::int64_t id;
    std::string_view name;
    std::string_view symbol;
    Tint tint;

    // Every preset, in display order.
    static const std::array<LightPreset, 12> all;

    // The preset the bulb shows: it is on and reports this preset's scene.
    bool isActive(const Bulb& bulb) const { return bulb.on && bulb.sceneID == id; }

    // The first preset of `all` active on `bulb`, or null.
    static const LightPreset* active(const Bulb& bulb);
};

inline constexpr std::array<LightPreset, 12> LightPreset::all{{
    {6, "Cozy", "lamp.table.fill", Tint::Orange},
    {15, "Focus", "sun.max.fill", Tint::Blue},
    {14, "Night", "moon.fill", Tint::Indigo},
    {3, "Sunset", "sunset.fill", Tint::Orange},
    {5, "Fireplace", "flame.fill", Tint::Red},
    {1, "Ocean", "water.waves", Tint::Cyan},
    {2, "Romance", "heart.fill", Tint::Pink},
    {7, "Forest", "leaf.fill", Tint::Green},
    {4, "Party", "party.popper.fill", Tint::Purple},
    {16, "Relax", "cup.and.saucer.fill", Tint::Teal},
    {18, "TV", "tv.fill", Tint::Indigo},
    {29, "Candle", "flame", Tint::Orange},
}};

inline const LightPreset* LightPreset::active(const Bulb& bulb) {
    for (const auto& preset : all)
        if (preset.isActive(bulb))
            return &preset;
    return nullptr;
}

} // namespace glowdeck
