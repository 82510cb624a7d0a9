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

void DisplayPlatform::apply() {
    const auto platform = forced([](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
    });
    if (platform) {
        ::setenv("QT_QPA_PLATFORM", platform->c_str(), 1);
    }
}

} // namespace glowdeck
