#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace glowdeck::sim {

// What a simulated bulb says of itself: its module name and firmware version, and the
// configuration answers such a module gives. The white range follows the module name's kind:
// colour (RGB) 2200–6500 K, tunable white (TW) 2700–5000 K, dimmable white (DW) 2700 K, and
// none for plugs (SOCKET) and fan lights (FANDIMS). Firmware before 1.22 knows no
// "getModelConfig" and tells its range only in "getUserConfig".
struct ModuleProfile {
    std::string module = "ESP01_SHRGB_03";
    std::string firmware = "1.25.0";

    // MODULE or MODULE/FIRMWARE, e.g. "ESP21_SHTW_01" or "ESP05_SHDW_21/1.18.0".
    static std::optional<ModuleProfile> parse(std::string_view given);

    bool hasModelConfig() const;
    nlohmann::ordered_json systemConfig(const std::string& mac) const;
    // Nothing for firmware without "getModelConfig".
    std::optional<nlohmann::ordered_json> modelConfig() const;
    nlohmann::ordered_json userConfig() const;

private:
    // The lowest and highest kelvin, or nothing for a device without white light.
    std::optional<std::pair<int, int>> whiteRange() const;
};

} // namespace glowdeck::sim
