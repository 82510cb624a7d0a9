#pragma once

#include "BulbSimulator.h"
#include "model/Lights.h"
#include "model/MemoryStore.h"
#include "model/PollLoop.h"

#include <arpa/inet.h>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <netinet/in.h>
#include <optional>
#include <string>
#include <sys/socket.h>

namespace glowdeck::testing {

using namespace std::chrono_literals;

// A real controller on the real socket calls and simulated bulbs on 127.0.0.x, all on one
// poll loop in this thread. Unicast only: nothing here ever broadcasts.
class LiveRig {
public:
    // Every wait in these tests ends by this long at the latest.
    static constexpr Duration patience = 3s;

    PollLoop loop;
    MemoryStore store;
    // Exclusive binds: a second rig on the same addresses fails instead of sharing traffic.
    sim::BulbSimulator simulator{loop,
                                 {.listenForBroadcasts = false, .keepLog = true, .peers = {}}};
    std::unique_ptr<Lights> lights;

    // Saved lights the controller will load, as the store holds them.
    void save(const std::string& json) { store.setData(Lights::storeKey, json); }

    Lights& start(SocketApi& sockets = SocketApi::system()) {
        lights = std::make_unique<Lights>(false, store, loop, sockets);
        return *lights;
    }

    // The controller's local port, where bulbs send their replies.
    std::uint16_t lightsPort() const {
        sockaddr_in local{};
        socklen_t length = sizeof local;
        if (::getsockname(lights->socketFD(), reinterpret_cast<sockaddr*>(&local), &length) != 0)
            return 0;
        return ntohs(local.sin_port);
    }

    bool runUntil(const std::function<bool()>& done) { return loop.runUntil(done, patience); }

    std::size_t logged() const { return simulator.requests().size(); }
};

} // namespace glowdeck::testing
