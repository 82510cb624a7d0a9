#include "HostAddresses.h"
#include "LiveRig.h"

#include <algorithm>
#include <string>
#include <vector>

namespace glowdeck::testing {
namespace {

TEST(Control, SendsSetPilotThenReadsTheBulbsBackAfterTheFollowUpDelay) {
    const std::vector<std::string> targets{"127.0.0.2", "127.0.0.3"};
    LiveRig rig;
    rig.save(R"([{"ip":"127.0.0.2","name":"Desk"},{"ip":"127.0.0.3","name":"Lamp"}])");
    for (const auto& target : targets)
        rig.simulator.addBulb(target);
    auto& lights = rig.start();

    // The follow-up is timed from the command, not from when the simulator got around to reading
    // it: under load the loop may read the setPilot late.
    const MonoTime sent = rig.loop.monotonicNow();
    lights.control({{"state", true}, {"dimming", 40}}, true);
    ASSERT_TRUE(rig.runUntil([&] {
        return rig.logged() >= 4 && std::ranges::all_of(lights.bulbs(), [](const Bulb& bulb) {
                   return bulb.lastSeen.has_value();
               });
    }));
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
