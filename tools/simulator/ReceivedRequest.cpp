#include "ReceivedRequest.h"

namespace glowdeck::sim {

ReceivedRequest ReceivedRequest::parse(DatagramSocket::Datagram datagram, std::string receiver,
                                       std::uint64_t sequence, MonoTime received) {
    ReceivedRequest request;
    request.sequence = sequence;
    request.receiver = std::move(receiver);
    request.destination = std::move(datagram.destination);
    request.from = std::move(datagram.from);
    request.fromPort = datagram.fromPort;
    request.received = received;
    const auto body = nlohmann::json::parse(datagram.bytes, nullptr, false);
    request.raw = std::move(datagram.bytes);
    if (!body.is_object())
        return request;
    request.wellFormed = true;
    if (auto method = body.find("method"); method != body.end() && method->is_string())
        request.method = method->get<std::string>();
    if (auto params = body.find("params"); params != body.end())
        request.params = *params;
    return request;
}

std::string ReceivedRequest::describe() const {
    nlohmann::ordered_json line;
    line["seq"] = sequence;
    line["bulb"] = receiver;
    line["to"] = destination;
    line["from"] = from + ":" + std::to_string(fromPort);
    line["method"] = method;
    line["params"] = params;
    line["raw"] = raw;
    return line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace glowdeck::sim
