#include "SavedLight.h"

#include "DeviceConfig.h"
#include "Wire.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace glowdeck {

using nlohmann::json;

namespace {

// Appends `text` as a JSON string, as json::dump writes it. Addresses, MACs and most names are
// plain ASCII and go in as they are; anything else is escaped by the library, which throws on
// invalid UTF-8.
void appendString(std::string& out, std::string_view text) {
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        return c >= 0x20 && c < 0x7f && c != '"' && c != '\\';
    });
    if (!plain) {
        out += json(text).dump();
        return;
    }
    out += '"';
    out += text;
    out += '"';
}

} // namespace

// Written directly rather than through a json value: the list is saved after every burst of new
// lights, and this is several times faster. The members come in sorted order, as a json object
// would dump them, so an unchanged list gives the same bytes.
std::optional<std::string> SavedLight::encode(const std::vector<Bulb>& bulbs) {
    std::string out = "[";
    out.reserve(bulbs.size() * 64);
    try {
        for (const auto& bulb : bulbs) {
            if (&bulb != &bulbs.front())
                out += ',';
            out += R"({"ip":)";
            appendString(out, bulb.ip);
            if (!bulb.mac.empty()) {
                out += R"(,"mac":)";
                appendString(out, bulb.mac);
            }
            if (!bulb.device.hasDefaultRange()) {
                out += R"(,"maxKelvin":)" + std::to_string(bulb.device.maxKelvin);
                out += R"(,"minKelvin":)" + std::to_string(bulb.device.minKelvin);
            }
            if (!bulb.device.module.empty()) {
                out += R"(,"module":)";
                appendString(out, bulb.device.module);
            }
            out += R"(,"name":)";
            appendString(out, bulb.name);
            out += '}';
        }
    } catch (const json::exception&) {
        return std::nullopt;
    }
    return out + ']';
}

SavedLight::Decoded SavedLight::decode(std::string_view bytes) {
    const json list = Wire::parse(bytes);
    if (!list.is_array())
        return {};
    Decoded decoded{{}, true};
    decoded.lights.reserve(list.size());
    for (const auto& element : list) {
        auto ip = element.find("ip"); // end() for anything but an object
        auto name = element.find("name");
        if (ip == element.end() || name == element.end() || !ip->is_string() ||
            !name->is_string()) {
            decoded.complete = false;
            continue;
        }
        SavedLight light{ip->get<std::string>(), name->get<std::string>()};
        if (auto mac = DeviceConfig::mac(element))
            light.mac = std::move(*mac);
        auto module = element.find("module");
        if (module != element.end() && module->is_string() &&
            DeviceConfig::validModule(module->get_ref<const std::string&>()))
            light.device.setModule(module->get<std::string>());
        auto lowest = element.find("minKelvin");
        auto highest = element.find("maxKelvin");
        if (lowest != element.end() && highest != element.end() && lowest->is_number_integer() &&
            highest->is_number_integer())
            light.device.setRange(lowest->get<std::int64_t>(), highest->get<std::int64_t>());
        decoded.lights.push_back(std::move(light));
    }
    return decoded;
}

} // namespace glowdeck
