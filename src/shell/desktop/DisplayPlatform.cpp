#include "DisplayPlatform.h"

#include <cstdlib>

namespace glowdeck {

namespace {

bool present(const std::optional<std::string>& value) {
    return value && !value->empty();
}

} // namespace

std::optional<std::string> DisplayPlatform::forced(const Lookup& environment) {
    if (present(environment("QT_QPA_PLATFORM")) || !present(environment("DISPLAY"))) {
        return std::nullopt;
    }
    if (present(environment("WAYLAND_DISPLAY")) ||
        environment("XDG_SESSION_TYPE") == std::optional<std::string>("wayland")) {
        return "xcb";
    }
    return std::nullopt;
}

bool DisplayPlatform::throughXWayland(const Lookup& environment, const std::string& platformName) {
    return platformName == "xcb" && present(environment("WAYLAND_DISPLAY"));
}

std::optional<std::string> DisplayPlatform::processEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void DisplayPlatform::apply() {
    const auto platform = forced(processEnvironment);
    if (platform) {
        ::setenv("QT_QPA_PLATFORM", platform->c_str(), 1);
    }
}

} // namespace glowdeck
