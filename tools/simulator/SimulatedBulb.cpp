#include "SimulatedBulb.h"

#include <algorithm>

namespace glowdeck::sim {

namespace {

nlohmann::ordered_json envelope(const std::string& method) {
    nlohmann::ordered_json message;
    if (!method.empty())
        message["method"] = method;
    message["env"] = "pro";
    return message;
}

std::string error(const std::string& method, int code, const char* text) {
    auto message = envelope(method);
    message["error"] = {{"code", code}, {"message", text}};
    return message.dump();
}

} // namespace

SimulatedBulb::SimulatedBulb(EventLoop& loop, const std::string& address, std::string mac,
                             bool shareAddress, Duration pushInterval, std::vector<in_addr_t> peers)
    : loop_(loop), socket_(address, port, shareAddress, std::move(peers)),
      pushInterval_(pushInterval) {
    state_.mac = std::move(mac);
}

std::vector<std::string> SimulatedBulb::registered() const {
    std::vector<std::string> addresses;
    for (const auto& entry : pushes_)
        addresses.push_back(entry.first);
    return addresses;
}

void SimulatedBulb::handle(const ReceivedRequest& request) {
    if (!fault_.appliesTo(request.method))
        return answer(request, false);
    switch (fault_.kind) {
    case Fault::Kind::None:
        return answer(request, false);
    case Fault::Kind::Drop:
        return;
    case Fault::Kind::Garble:
        return answer(request, true);
    case Fault::Kind::Reject:
        return reply(request, error(request.method.empty() ? "setPilot" : request.method, -32603,
                                    "Internal error"));
    case Fault::Kind::Delay:
        std::erase_if(delayed_, [](const Handle& task) { return !task->active(); });
        delayed_.push_back(loop_.after(fault_.delay, [this, request] { answer(request, false); }));
        return;
    }
}

void SimulatedBulb::answer(const ReceivedRequest& request, bool garbled) {
    std::string bytes;
    if (!request.wellFormed) {
        bytes = error("", -32700, "Parse error");
    } else if (request.method.empty()) {
        bytes = error("", -32600, "Invalid request");
    } else if (request.method == "getPilot") {
        auto message = envelope(request.method);
        message["result"] = state_.pilot("");
        bytes = message.dump();
    } else if (request.method == "getSystemConfig") {
        auto message = envelope(request.method);
        message["result"] = profile_.systemConfig(state_.mac);
        bytes = message.dump();
    } else if (request.method == "getModelConfig" && profile_.hasModelConfig()) {
        auto message = envelope(request.method);
        message["result"] = *profile_.modelConfig();
        bytes = message.dump();
    } else if (request.method == "getUserConfig") {
        auto message = envelope(request.method);
        message["result"] = profile_.userConfig();
        bytes = message.dump();
    } else if (request.method == "registration") {
        registration(request);
        auto message = envelope(request.method);
        message["result"] = {{"mac", state_.mac}, {"success", true}};
        bytes = message.dump();
    } else if (request.method == "setPilot") {
        if (auto next = state_.applied(request.params)) {
            state_ = *next;
            auto message = envelope(request.method);
            message["result"] = {{"success", true}};
            bytes = message.dump();
        } else {
            bytes = error(request.method, -32602, "Invalid params");
        }
    } else {
        bytes = error(request.method, -32601, "Method not found");
    }
    if (garbled)
        bytes.resize(bytes.size() / 2);
    reply(request, bytes);
}

void SimulatedBulb::reply(const ReceivedRequest& request, const std::string& bytes) {
    ++replyCount_;
    lastReply_ = bytes;
    socket_.sendTo(request.from, request.fromPort, bytes);
}

void SimulatedBulb::registration(const ReceivedRequest& request) {
    // Reports go to the address the client names, else to where the request came from.
    // (find() gives end() on anything but an object.)
    std::string client = request.from;
    if (auto phone = request.params.find("phoneIp");
        phone != request.params.end() && phone->is_string())
        client = phone->get<std::string>();
    const auto wanted = request.params.find("register");
    if (wanted != request.params.end() && wanted->is_boolean() && !wanted->get<bool>()) {
        pushes_.erase(client);
        return;
    }
    if (pushes_.size() >= maxClients && !pushes_.contains(client))
        return;
    pushes_[client] = loop_.every(pushInterval_, Duration::zero(),
                                  [this, client] { sendSync(client, pushPort); });
}

bool SimulatedBulb::sendSync(const std::string& toAddress, std::uint16_t toPort) {
    auto message = envelope("syncPilot");
    message["params"] = state_.pilot("udp");
    return socket_.sendTo(toAddress, toPort, message.dump());
}

} // namespace glowdeck::sim
