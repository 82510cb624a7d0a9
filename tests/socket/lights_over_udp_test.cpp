#include "BulbSimulator.h"
#include "HostAddresses.h"
#include "model/Lights.h"
#include "model/MemoryStore.h"
#include "model/PollLoop.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <vector>

namespace glowdeck::testing {
namespace {

using namespace std::chrono_literals;

// A real controller on the real socket calls and simulated bulbs on 127.0.0.x, all on one
// poll loop in this thread. Unicast only: nothing here ever broadcasts.
struct LiveRig {
    PollLoop loop;
    MemoryStore store;
    // Exclusive binds: a second rig on the same addresses fails instead of sharing traffic.
    sim::BulbSimulator simulator{loop,
                                 {.listenForBroadcasts = false, .keepLog = true, .peers = {}}};
    std::unique_ptr<Lights> lights;

    // The controller's local port, where bulbs send their replies.
    std::uint16_t lightsPort() const {
        sockaddr_in local{};
        socklen_t length = sizeof local;
        if (::getsockname(lights->socketFD(), reinterpret_cast<sockaddr*>(&local), &length) != 0)
            return 0;
        return ntohs(local.sin_port);
    }
};

TEST(Control, SendsSetPilotThenReadsTheBulbsBackAfterTheFollowUpDelay) {
    const std::vector<std::string> targets{"127.0.0.2", "127.0.0.3"};
    LiveRig rig;
    rig.store.setData(Lights::storeKey,
                      R"([{"ip":"127.0.0.2","name":"Desk"},{"ip":"127.0.0.3","name":"Lamp"}])");
    for (const auto& target : targets)
        rig.simulator.addBulb(target);
    rig.lights = std::make_unique<Lights>(false, rig.store, rig.loop, SocketApi::system());
    Lights& lights = *rig.lights;

    // The follow-up is timed from the command, not from when the simulator got around to reading
    // it: under load the loop may read the setPilot late.
    const MonoTime sent = rig.loop.monotonicNow();
    lights.control({{"state", true}, {"dimming", 40}}, true);
    ASSERT_TRUE(rig.loop.runUntil(
        [&] {
            return rig.simulator.requests().size() >= 4 &&
                   std::ranges::all_of(lights.bulbs(),
                                       [](const Bulb& bulb) { return bulb.lastSeen.has_value(); });
        },
        3s));
    rig.loop.runFor(50ms);

    const auto& log = rig.simulator.requests();
    ASSERT_EQ(log.size(), 4u);
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const auto& set = log[i];
        const auto& get = log[targets.size() + i];
        EXPECT_EQ(set.receiver, targets[i]);
        EXPECT_EQ(set.method, "setPilot");
        EXPECT_EQ(set.params, nlohmann::json({{"state", true}, {"dimming", 40}}));
        EXPECT_EQ(set.fromPort, rig.lightsPort());
        EXPECT_EQ(get.receiver, targets[i]);
        EXPECT_EQ(get.method, "getPilot");
        EXPECT_EQ(get.params, nlohmann::json::object());
        EXPECT_GE(get.received - sent, Lights::followUpDelay);
    }
    for (const auto& bulb : lights.bulbs()) {
        EXPECT_EQ(rig.simulator.bulb(bulb.ip)->state().dimming, 40) << bulb.ip;
        EXPECT_EQ(bulb.brightness, 40.0) << bulb.ip;
    }
}

// A host outside this machine is answered only on a LAN that a test made.
TEST(Binding, PeersAreRefusedWhereAnInterfaceWasNotMadeByATest) {
    if (sim::HostAddresses::current().foreignInterface().empty())
        GTEST_SKIP() << "only lo and test-made interfaces here";
    PollLoop loop;
    EXPECT_THROW(
        sim::BulbSimulator(
            loop, {.listenForBroadcasts = false, .keepLog = false, .peers = {"10.77.0.1"}}),
        std::system_error);
}

} // namespace
} // namespace glowdeck::testing
