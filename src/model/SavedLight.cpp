#include "SavedLight.h"

#include "DeviceConfig.h"
#include "Wire.h"

#include <nlohmann/json.hpp>

namespace glowdeck {

using nlohmann::json;

std::optional<std::string> SavedLight::encode(const std::vector<Bulb>& bulbs) {
    json list = json::array();
    for (const auto& bulb : bulbs) {
        json light = {{"ip", bulb.ip}, {"name", bulb.name}}; // json objects keep keys sorted
        if (!bulb.mac.empty())
            light["mac"] = bulb.mac;
        if (!bulb.device.module.empty())
            light["module"] = bulb.device.module;
        if (!bulb.device.hasDefaultRange()) {
            light["minKelvin"] = bulb.device.minKelvin;
            light["maxKelvin"] = bulb.device.maxKelvin;
        }
        list.push_back(std::move(light));
    }
    try {
        return list.dump();
    } catch (const json::exception&) {
        return std::nullopt;
    }
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
