#include "BulbState.h"

#include <algorithm>

namespace glowdeck::sim {

namespace {

// The integer under `key` if present and within [low, high]; `ok` turns false for a value of
// the wrong type or out of range.
std::optional<std::int64_t> integer(const nlohmann::json& params, const char* key, std::int64_t low,
                                    std::int64_t high, bool& ok) {
    auto found = params.find(key);
    if (found == params.end())
        return std::nullopt;
    if (!found->is_number_integer()) {
        ok = false;
        return std::nullopt;
    }
    const auto value = found->get<std::int64_t>();
    if (value < low || value > high) {
        ok = false;
        return std::nullopt;
    }
    return value;
}

} // namespace

nlohmann::ordered_json BulbState::pilot(std::string_view src) const {
    nlohmann::ordered_json report;
    report["mac"] = mac;
    report["rssi"] = rssi;
    report["src"] = src;
    report["state"] = on;
    report["sceneId"] = sceneId;
    if (sceneId != 0)
        report["speed"] = speed;
    if (rgb) {
        report["r"] = (*rgb)[0];
        report["g"] = (*rgb)[1];
        report["b"] = (*rgb)[2];
        report["c"] = c;
        report["w"] = w;
    } else if (sceneId == 0) {
        report["temp"] = temp;
    }
    report["dimming"] = dimming;
    return report;
}

std::optional<BulbState> BulbState::applied(const nlohmann::json& params) const {
    if (!params.is_object())
        return std::nullopt;
    bool ok = true;
    std::optional<bool> state;
    if (auto found = params.find("state"); found != params.end()) {
        if (!found->is_boolean())
            return std::nullopt;
        state = found->get<bool>();
    }
    const auto newDimming = integer(params, "dimming", 0, 100, ok);
    const auto newTemp = integer(params, "temp", 1000, 10000, ok);
    const auto newScene = integer(params, "sceneId", 0, 1000, ok);
    const auto newSpeed = integer(params, "speed", 10, 200, ok);
    const std::array<std::optional<std::int64_t>, 5> newColour{
        integer(params, "r", 0, 255, ok), integer(params, "g", 0, 255, ok),
        integer(params, "b", 0, 255, ok), integer(params, "c", 0, 255, ok),
        integer(params, "w", 0, 255, ok)};
    if (!ok)
        return std::nullopt;

    BulbState next = *this;
    if (state)
        next.on = *state;
    if (newDimming)
        next.dimming = *newDimming;
    if (newSpeed)
        next.speed = *newSpeed;
    if (newTemp) {
        next.temp = *newTemp;
        next.sceneId = 0;
        next.rgb.reset();
    }
    if (std::any_of(newColour.begin(), newColour.end(),
                    [](const auto& v) { return v.has_value(); })) {
        next.rgb = {newColour[0].value_or(0), newColour[1].value_or(0), newColour[2].value_or(0)};
        next.c = newColour[3].value_or(0);
        next.w = newColour[4].value_or(0);
        next.sceneId = 0;
    }
    if (newScene) {
        next.sceneId = *newScene;
        if (*newScene != 0)
            next.rgb.reset();
    }
    return next;
}

} // namespace glowdeck::sim
