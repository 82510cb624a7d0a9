#pragma once

#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace glowdeck {

// A "setPilot" parameter: JSON booleans stay distinct from integers.
using ParamValue = std::variant<bool, std::int64_t>;
using Params = std::map<std::string, ParamValue, std::less<>>;

// The bulbs' wire protocol: one JSON object per UDP datagram, port 38899.
struct Wire {
    static constexpr std::uint16_t port = 38899;

    // What one received datagram asks of the controller.
    struct Reply {
        // Config: a configuration request's result. Unsupported: a configuration request the
        // device does not know (error -32601). Other errors to configuration requests are
        // dropped.
        enum class Kind { Dropped, Rejected, Pilot, Config, Unsupported };
        Kind kind = Kind::Dropped;
        nlohmann::json pilot; // the state report, for Kind::Pilot; the result, for Kind::Config
        std::string method{}; // the request answered, for Kind::Config and Kind::Unsupported
    };

    // A bulb address: dotted-quad IPv4, not 0.0.0.0, not a .255 broadcast address. Typed
    // addresses must pass it, and so must the sender of a reply from a bulb not yet known.
    static bool validIP(std::string_view text);

    // {"method":…,"params":{…}} as compact UTF-8 JSON, or nothing when it cannot be encoded.
    static std::optional<std::string> request(std::string_view method, const Params& params);

    // The JSON value held by `bytes`, or a discarded value when they are not exactly one JSON
    // text (a NUL byte anywhere included).
    static nlohmann::json parse(std::string_view bytes);

    // Classifies one received datagram.
    static Reply parseReply(std::string_view bytes);
};

} // namespace glowdeck
