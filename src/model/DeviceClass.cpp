#include "DeviceClass.h"

#include <algorithm>
#include <array>

namespace glowdeck {

namespace {

// The scenes each white kind shows, as the protocol libraries list them.
constexpr std::array<std::int64_t, 17> tunableWhiteScenes{6,  9,  10, 11, 12, 13, 14, 15, 16,
                                                          18, 29, 30, 31, 32, 33, 35, 40};
constexpr std::array<std::int64_t, 8> dimmableWhiteScenes{9, 10, 14, 29, 31, 32, 34, 35};

template <std::size_t N> bool holds(const std::array<std::int64_t, N>& scenes, std::int64_t id) {
    return std::find(scenes.begin(), scenes.end(), id) != scenes.end();
}

} // namespace

DeviceClass::Kind DeviceClass::kindOf(std::string_view module) {
    auto underscore = module.find('_');
    if (underscore == std::string_view::npos)
        return Kind::Color;
    auto identifier = module.substr(underscore + 1);
    identifier = identifier.substr(0, identifier.find('_'));
    if (identifier.find("RGB") != std::string_view::npos)
        return Kind::Color;
    if (identifier.find("TW") != std::string_view::npos)
        return Kind::TunableWhite;
    if (identifier.find("SOCKET") != std::string_view::npos)
        return Kind::Plug;
    if (identifier.find("FANDIMS") != std::string_view::npos)
        return Kind::FanLight;
    if (identifier.find("DW") != std::string_view::npos)
        return Kind::DimmableWhite;
    return Kind::Color;
}

void DeviceClass::setModule(std::string name) {
    kind = kindOf(name);
    module = std::move(name);
}

bool DeviceClass::setRange(std::int64_t lowest, std::int64_t highest) {
    if (lowest < lowestKelvin || highest > highestKelvin || lowest >= highest)
        return false;
    minKelvin = static_cast<int>(lowest);
    maxKelvin = static_cast<int>(highest);
    return true;
}

bool DeviceClass::hasScene(std::int64_t id) const {
    switch (kind) {
    case Kind::Color:
        return true;
    case Kind::TunableWhite:
        return holds(tunableWhiteScenes, id);
    case Kind::DimmableWhite:
        return holds(dimmableWhiteScenes, id);
    case Kind::Plug:
    case Kind::FanLight:
        return false;
    }
    return true;
}

std::int64_t DeviceClass::clampTemperature(std::int64_t kelvin) const {
    return std::clamp<std::int64_t>(kelvin, minKelvin, maxKelvin);
}

std::optional<Params> DeviceClass::accepted(const Params& params) const {
    Params taken = params;
    for (auto& [key, value] : taken) {
        const auto* number = std::get_if<std::int64_t>(&value);
        if (key == "r" || key == "g" || key == "b") {
            if (!takesColor())
                return std::nullopt;
        } else if (key == "temp") {
            if (!takesTemperature())
                return std::nullopt;
            if (number)
                value = clampTemperature(*number);
        } else if (key == "dimming") {
            if (!takesBrightness())
                return std::nullopt;
        } else if (key == "sceneId") {
            if (!number || !hasScene(*number))
                return std::nullopt;
        }
    }
    return taken;
}

} // namespace glowdeck
