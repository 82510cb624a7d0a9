#include "Wire.h"

#include "DeviceConfig.h"

#include <arpa/inet.h>
#include <netinet/in.h>

namespace glowdeck {

using nlohmann::json;

bool Wire::validIP(std::string_view text) {
    std::string address(text); // inet_pton wants a terminated string; an embedded NUL fails below
    in_addr parsed{};
    if (address.size() != text.size() || address.find('\0') != std::string::npos)
        return false;
    if (::inet_pton(AF_INET, address.c_str(), &parsed) != 1)
        return false;
    return address != "0.0.0.0" && address != "255.255.255.255" && !address.ends_with(".255");
}

json Wire::parse(std::string_view bytes) {
    // The parser takes a NUL byte for the end of the input; in JSON text it is never valid.
    if (bytes.find('\0') != std::string_view::npos)
        return json(json::value_t::discarded);
    return json::parse(bytes, nullptr, /*allow_exceptions=*/false);
}

std::optional<std::string> Wire::request(std::string_view method, const Params& params) {
    json encodedParams = json::object();
    for (const auto& param : params)
        std::visit([&](auto value) { encodedParams[param.first] = value; }, param.second);
    json message = {{"method", method}, {"params", std::move(encodedParams)}};
    try {
        return message.dump();
    } catch (const json::exception&) {
        return std::nullopt; // a key or method that is not valid UTF-8
    }
}

Wire::Reply Wire::parseReply(std::string_view bytes) {
    json message = Wire::parse(bytes);
    if (!message.is_object())
        return {};
    auto method = message.find("method");
    if (method == message.end() || !method->is_string())
        return {};
    const auto& name = method->get_ref<const std::string&>();
    if (auto error = message.find("error"); error != message.end()) {
        if (!DeviceConfig::isConfigMethod(name))
            return {Reply::Kind::Rejected, {}};
        auto code = error->is_object() ? error->find("code") : error->end();
        if (code != error->end() && code->is_number_integer() &&
            code->get<std::int64_t>() == DeviceConfig::methodNotFound)
            return {Reply::Kind::Unsupported, {}, name};
        return {};
    }
    if (name != "getPilot" && name != "syncPilot") {
        auto result = message.find("result");
        if (!DeviceConfig::isConfigMethod(name) || result == message.end() || !result->is_object())
            return {};
        return {Reply::Kind::Config, std::move(*result), name};
    }
    auto pilot = message.find("result");
    if (pilot == message.end())
        pilot = message.find("params");
    if (pilot == message.end() || !pilot->is_object())
        return {};
    return {Reply::Kind::Pilot, std::move(*pilot)};
}

} // namespace glowdeck
