#include "LiveRig.h"

#include <algorithm>
#include <string>
#include <vector>

namespace glowdeck::testing {
namespace {

std::vector<std::string> ips(const Lights& lights) {
    std::vector<std::string> known;
    for (const auto& each : lights.bulbs())
        known.push_back(each.ip);
    return known;
}

// A report padded to exactly `size` bytes.
std::string reportOfSize(std::size_t size) {
    std::string bytes = R"({"method":"syncPilot","params":{"state":true},"pad":""})";
    bytes.insert(bytes.size() - 2, size - bytes.size(), 'x');
    return bytes;
}

// Odd datagrams change nothing, not even the message line, and never hold up the report
// queued behind them; only the largest datagram the controller reads whole counts.
TEST(ReadPass, OddDatagramsChangeNothingAndNeverHoldUpTheNextReport) {
    LiveRig rig;
    auto& lights = rig.start();
    auto& bulb = rig.simulator.addBulb("127.0.0.2");
    sim::DatagramSocket odd("127.0.0.3", 38899, false);
    sim::DatagramSocket largest("127.0.0.4", 38899, false);
    const auto sendOdd = [&] {
        // The empty one last: while it waits, the socket reports nothing pending.
        for (const auto& bytes : {std::string("{\"method\":"),
                                  reportOfSize(UdpEndpoint::maxDatagram + 1), std::string()})
            ASSERT_TRUE(odd.sendTo("127.0.0.1", rig.lightsPort(), bytes));
    };
    lights.add("not an address"); // leaves a message an odd datagram must not clear
    const auto message = lights.message();
    ASSERT_TRUE(message.has_value());
    sendOdd();
    ASSERT_GT(rig.pendingForLights(), 0);
    ASSERT_TRUE(rig.drainLights());
    EXPECT_TRUE(lights.bulbs().empty());
    EXPECT_EQ(lights.message(), message);

    sendOdd();
    ASSERT_TRUE(
        largest.sendTo("127.0.0.1", rig.lightsPort(), reportOfSize(UdpEndpoint::maxDatagram)));
    ASSERT_TRUE(bulb.sendSync("127.0.0.1", rig.lightsPort()));
    ASSERT_TRUE(rig.runUntil([&] { return std::ranges::count(ips(lights), "127.0.0.2") > 0; }));
    EXPECT_EQ(ips(lights), (std::vector<std::string>{"127.0.0.4", "127.0.0.2"}));
}

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

} // namespace
} // namespace glowdeck::testing
