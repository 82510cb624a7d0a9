#pragma once

#include "Wire.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace glowdeck {

// What one device can take, learnt from its module name ("ESP21_SHTW_01") and its white range.
// A device that has told nothing, or nonsense, is a full-colour bulb over 2200–6500 K.
struct DeviceClass {
    enum class Kind {
        Color,         // RGB: colour, white temperature, brightness, every scene
        TunableWhite,  // TW: white temperature over its own range, brightness, some scenes
        DimmableWhite, // DW: brightness and a few scenes
        Plug,          // SOCKET: on and off only
        FanLight,      // FANDIMS: a ceiling fan's dimmable light
    };

    static constexpr int defaultMinKelvin = 2200;
    static constexpr int defaultMaxKelvin = 6500;
    // A white range outside these bounds is taken for nonsense.
    static constexpr int lowestKelvin = 1000;
    static constexpr int highestKelvin = 10000;

    std::string module; // as the device named it; empty while unknown
    Kind kind = Kind::Color;
    int minKelvin = defaultMinKelvin;
    int maxKelvin = defaultMaxKelvin;

    // The kind a module name tells, as the protocol libraries read it: the part after the first
    // '_' holds "RGB", "TW", "SOCKET", "FANDIMS" or "DW". Any other name is a colour bulb.
    static Kind kindOf(std::string_view module);

    // Takes a module name; the kind follows it.
    void setModule(std::string name);
    // Takes [lowest, highest] when it is a sensible white range; returns whether it did.
    bool setRange(std::int64_t lowest, std::int64_t highest);
    bool hasDefaultRange() const {
        return minKelvin == defaultMinKelvin && maxKelvin == defaultMaxKelvin;
    }

    bool takesColor() const { return kind == Kind::Color; }
    bool takesTemperature() const { return kind == Kind::Color || kind == Kind::TunableWhite; }
    bool takesBrightness() const { return kind != Kind::Plug; }
    bool hasScene(std::int64_t id) const;
    std::int64_t clampTemperature(std::int64_t kelvin) const;

    // What of one command this device gets: the command with "temp" clamped into its range, or
    // nothing when it asks for what the device cannot show (a colour, a temperature, a
    // brightness or a scene it lacks). "state" and unknown keys pass as they are.
    std::optional<Params> accepted(const Params& params) const;

    bool operator==(const DeviceClass&) const = default;
};

} // namespace glowdeck
