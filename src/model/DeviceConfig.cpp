#include "DeviceConfig.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

namespace glowdeck {

using nlohmann::json;

namespace {

bool hexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The lowest and highest whole kelvin of a rising list of numbers ([2200,2700,6500,6500]), or
// nothing when it is not one.
std::optional<std::pair<std::int64_t, std::int64_t>> span(const json& list) {
    if (!list.is_array() || list.empty() || list.size() > 16)
        return std::nullopt;
    double lowest = INFINITY;
    double highest = -INFINITY;
    for (const auto& value : list) {
        if (!value.is_number())
            return std::nullopt;
        double kelvin = value.get<double>();
        if (!std::isfinite(kelvin) || std::abs(kelvin) > 1e9)
            return std::nullopt;
        if (kelvin < highest)
            return std::nullopt; // falling: inverted
        lowest = std::min(lowest, kelvin);
        highest = kelvin;
    }
    return std::pair{static_cast<std::int64_t>(std::ceil(lowest)),
                     static_cast<std::int64_t>(std::floor(highest))};
}

// The range under `key` of a configuration result, if it holds a list of numbers.
std::optional<std::pair<std::int64_t, std::int64_t>> rangeIn(const json& result, const char* key) {
    auto list = result.find(key);
    return list == result.end() ? std::nullopt : span(*list);
}

} // namespace

std::optional<std::string> DeviceConfig::mac(const json& object) {
    auto value = object.find("mac");
    if (value == object.end() || !value->is_string())
        return std::nullopt;
    const auto& text = value->get_ref<const std::string&>();
    if (text.size() != 12 || !std::all_of(text.begin(), text.end(), hexDigit))
        return std::nullopt;
    std::string lower = text;
    for (char& c : lower)
        if (c >= 'A' && c <= 'F')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

bool DeviceConfig::validModule(std::string_view name) {
    return !name.empty() && name.size() <= 32 &&
           std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c < 0x7f; });
}

bool DeviceConfig::apply(DeviceClass& device, std::string_view method, const json& result) {
    if (!result.is_object())
        return false;
    if (method == systemMethod) {
        auto name = result.find("moduleName");
        if (name == result.end() || !name->is_string())
            return false;
        const auto& text = name->get_ref<const std::string&>();
        if (!validModule(text) || text == device.module)
            return false;
        device.setModule(text);
        return true;
    }
    std::optional<std::pair<std::int64_t, std::int64_t>> range;
    if (method == modelMethod)
        range = rangeIn(result, "cctRange");
    else if (method == userMethod && !(range = rangeIn(result, "extRange")))
        range = rangeIn(result, "whiteRange");
    if (!range)
        return false;
    const DeviceClass before = device;
    return device.setRange(range->first, range->second) && device != before;
}

} // namespace glowdeck
