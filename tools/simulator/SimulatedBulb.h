#pragma once

#include "BulbState.h"
#include "DatagramSocket.h"
#include "Fault.h"
#include "ModuleProfile.h"
#include "ReceivedRequest.h"
#include "model/EventLoop.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace glowdeck::sim {

// One simulated WiZ bulb: its state, its own socket on port 38899 of its address (from which
// every reply leaves), and the way it misbehaves, if it does.
//
// Besides "getPilot" and "setPilot" it answers "getSystemConfig", "getModelConfig" and
// "getUserConfig" as its module does, and "registration", as client libraries expect. A client that
// registers gets a "syncPilot" report on the push port of its "phoneIp" every `pushInterval`, until
// it registers with "register" false.
class SimulatedBulb {
public:
    static constexpr std::uint16_t port = 38899;
    static constexpr std::uint16_t pushPort = 38900;
    static constexpr std::chrono::seconds defaultPushInterval{5};
    static constexpr std::size_t maxClients = 16;

    // `peers`: hosts outside this machine that the bulb may answer (see DatagramSocket).
    SimulatedBulb(EventLoop& loop, const std::string& address, std::string mac, bool shareAddress,
                  Duration pushInterval = defaultPushInterval, std::vector<in_addr_t> peers = {});

    const std::string& address() const { return socket_.address(); }
    int fd() const { return socket_.fd(); }
    DatagramSocket& socket() { return socket_; }

    BulbState& state() { return state_; }
    const BulbState& state() const { return state_; }

    void setModule(ModuleProfile profile) { profile_ = std::move(profile); }
    const ModuleProfile& module() const { return profile_; }

    void setFault(Fault fault) { fault_ = std::move(fault); }
    const Fault& fault() const { return fault_; }

    // Acts on one request and replies to its sender, unless the fault says otherwise.
    void handle(const ReceivedRequest& request);

    // Sends a "syncPilot" report of the current state, as bulbs do on their own.
    bool sendSync(const std::string& toAddress, std::uint16_t toPort);

    // How many replies it has sent, and the last one.
    int replyCount() const { return replyCount_; }
    const std::string& lastReply() const { return lastReply_; }

    // The addresses that receive its reports, having registered.
    std::vector<std::string> registered() const;

private:
    void answer(const ReceivedRequest& request, bool garbled);
    void reply(const ReceivedRequest& request, const std::string& bytes);
    void registration(const ReceivedRequest& request);

    EventLoop& loop_;
    DatagramSocket socket_;
    BulbState state_;
    Fault fault_;
    ModuleProfile profile_;
    std::vector<Handle> delayed_;
    Duration pushInterval_;
    std::map<std::string, Handle> pushes_; // by client address
    int replyCount_ = 0;
    std::string lastReply_;
};

} // namespace glowdeck::sim
