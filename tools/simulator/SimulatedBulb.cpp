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
                             bool shareAddress, std::vector<in_addr_t> peers)
    : loop_(loop), socket_(address, port, shareAddress, std::move(peers)) {
    state_.mac = std::move(mac);
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

bool SimulatedBulb::sendSync(const std::string& toAddress, std::uint16_t toPort) {
    auto message = envelope("syncPilot");
    message["params"] = state_.pilot("udp");
    return socket_.sendTo(toAddress, toPort, message.dump());
}

} // namespace glowdeck::sim
