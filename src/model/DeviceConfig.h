#pragma once

#include "DeviceClass.h"

#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace glowdeck {

// Reads what devices tell of themselves: the MAC in every state report and system
// configuration, the module name ("getSystemConfig") and the white range ("getModelConfig",
// or "getUserConfig" on older firmware). Anything malformed tells nothing.
struct DeviceConfig {
    // The requests that ask for a configuration.
    static constexpr std::string_view systemMethod = "getSystemConfig";
    static constexpr std::string_view modelMethod = "getModelConfig";
    static constexpr std::string_view userMethod = "getUserConfig";
    // The error older firmware answers "getModelConfig" with.
    static constexpr int methodNotFound = -32601;

    static bool isConfigMethod(std::string_view method) {
        return method == systemMethod || method == modelMethod || method == userMethod;
    }

    // The "mac" member of `object`: twelve hex digits, returned in lower case.
    static std::optional<std::string> mac(const nlohmann::json& object);
    // A module name worth keeping: 1 to 32 printable ASCII characters.
    static bool validModule(std::string_view name);

    // Applies the result of configuration request `method` to `device`; returns whether it
    // changed. A range answer takes the first and last of its rising numbers; getUserConfig's
    // "extRange" comes before its "whiteRange".
    static bool apply(DeviceClass& device, std::string_view method, const nlohmann::json& result);
};

} // namespace glowdeck
