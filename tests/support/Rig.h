#pragma once

#include "model/Lights.h"
#include "model/MemoryStore.h"
#include "model/VirtualLoop.h"
#include "support/FakeSocketApi.h"

#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

namespace glowdeck::testing {

// A controller on virtual time over a fake network, with its store at hand.
struct Rig {
    VirtualLoop loop;
    MemoryStore store;
    FakeSocketApi net;
    std::unique_ptr<Lights> lights;

    explicit Rig(std::optional<std::string> stored = std::nullopt, bool preview = false) {
        if (stored)
            store.setData("bulbs", *stored);
        build(preview);
    }

    void build(bool preview = false) {
        lights = std::make_unique<Lights>(preview, store, loop, net);
    }

    // Replaces the controller with one whose socket set-up meets `failing` calls.
    void rebuildFailing(std::set<std::string> failing) {
        lights.reset();
        net.closed.clear();
        net.failing = std::move(failing);
        build();
    }

    // A state report from `ip`, as the read handler would deliver it.
    void report(const std::string& ip, const std::string& pilot) {
        lights->receiveReply(R"({"method":"getPilot","env":"pro","result":)" + pilot + "}", ip);
    }

    std::vector<std::string> ips() const {
        std::vector<std::string> ips;
        for (const auto& bulb : lights->bulbs())
            ips.push_back(bulb.ip);
        return ips;
    }
};

} // namespace glowdeck::testing
