#include "ModuleProfile.h"

#include <algorithm>
#include <cstdio>

namespace glowdeck::sim {

std::optional<ModuleProfile> ModuleProfile::parse(std::string_view given) {
    ModuleProfile profile;
    const auto slash = given.find('/');
    profile.module = std::string(given.substr(0, slash));
    if (slash != std::string_view::npos)
        profile.firmware = std::string(given.substr(slash + 1));
    const auto printable = [](std::string_view text) {
        return !text.empty() && text.size() <= 32 &&
               std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 0x7f; });
    };
    if (!printable(profile.module) || !printable(profile.firmware))
        return std::nullopt;
    return profile;
}

bool ModuleProfile::hasModelConfig() const {
    int major = 0;
    int minor = 0;
    if (std::sscanf(firmware.c_str(), "%d.%d", &major, &minor) != 2)
        return true;
    return major > 1 || (major == 1 && minor >= 22);
}

std::optional<std::pair<int, int>> ModuleProfile::whiteRange() const {
    const auto underscore = module.find('_');
    const std::string kind = underscore == std::string::npos ? "" : module.substr(underscore + 1);
    const auto has = [&kind](const char* part) { return kind.find(part) != std::string::npos; };
    if (has("RGB"))
        return std::pair{2200, 6500};
    if (has("TW"))
        return std::pair{2700, 5000};
    if (has("SOCKET") || has("FANDIMS"))
        return std::nullopt;
    if (has("DW"))
        return std::pair{2700, 2700};
    return std::pair{2200, 6500};
}

nlohmann::ordered_json ModuleProfile::systemConfig(const std::string& mac) const {
    return {{"mac", mac},
            {"homeId", 0},
            {"roomId", 0},
            {"moduleName", module},
            {"fwVersion", firmware},
            {"groupId", 0},
            {"drvConf", {20, 2}},
            {"ping", 0}};
}

std::optional<nlohmann::ordered_json> ModuleProfile::modelConfig() const {
    if (!hasModelConfig())
        return std::nullopt;
    nlohmann::ordered_json config = {
        {"ps", 1}, {"pwmFreq", 1000}, {"pwmRange", {0, 100}}, {"wcr", 30}, {"nowc", 2}};
    if (auto range = whiteRange())
        config["cctRange"] = {range->first, range->first, range->second, range->second};
    config["noSemiLight"] = 0;
    config["drvIface"] = 0;
    return config;
}

nlohmann::ordered_json ModuleProfile::userConfig() const {
    nlohmann::ordered_json config = {{"fadeIn", 0},
                                     {"fadeOut", 0},
                                     {"fadeNight", false},
                                     {"dftDim", 100},
                                     {"pwmRange", {0, 100}}};
    if (auto range = whiteRange()) {
        config["whiteRange"] = {range->first, range->second};
        config["extRange"] = {range->first, range->second};
    }
    config["po"] = true;
    return config;
}

} // namespace glowdeck::sim
