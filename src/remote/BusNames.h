#pragma once

namespace glowdeck {

// Where the running program answers on the session bus, and the errors it answers with.
struct BusNames {
    static constexpr const char* service = "io.github.glowdeck.Glowdeck";
    static constexpr const char* path = "/io/github/glowdeck/Glowdeck";
    static constexpr const char* interface = "io.github.glowdeck.Glowdeck";
    // A verb used wrongly: an unknown or ambiguous light, a value out of range (exit status 2).
    static constexpr const char* usageError = "io.github.glowdeck.Glowdeck.Error.Usage";
    // A light did not answer or rejected the command (exit status 1).
    static constexpr const char* failedError = "io.github.glowdeck.Glowdeck.Error.Failed";
};

} // namespace glowdeck
