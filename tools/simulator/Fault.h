#pragma once

#include "model/Time.h"

#include <string>

namespace glowdeck::sim {

// How a simulated bulb misbehaves with the requests it receives.
struct Fault {
    enum class Kind {
        None,   // answers as a bulb does
        Drop,   // ignores the request: no change, no reply
        Delay,  // handles the request `delay` after it arrived
        Garble, // acts on the request but its reply is not valid JSON
        Reject, // changes nothing and replies with an "Internal error" under the request's method
    };

    Kind kind = Kind::None;
    Duration delay{};
    // Only requests with this method misbehave; empty: every request.
    std::string method;

    static Fault none() { return {}; }
    static Fault drop(std::string onlyMethod = {}) {
        return {Kind::Drop, {}, std::move(onlyMethod)};
    }
    static Fault delayBy(Duration by, std::string onlyMethod = {}) {
        return {Kind::Delay, by, std::move(onlyMethod)};
    }
    static Fault garble(std::string onlyMethod = {}) {
        return {Kind::Garble, {}, std::move(onlyMethod)};
    }
    static Fault reject(std::string onlyMethod = {}) {
        return {Kind::Reject, {}, std::move(onlyMethod)};
    }

    bool appliesTo(const std::string& requestMethod) const {
        return kind != Kind::None && (method.empty() || method == requestMethod);
    }
};

} // namespace glowdeck::sim
