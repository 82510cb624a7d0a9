#include "LiveRig.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace glowdeck::testing {
namespace {

constexpr const char* report =
    R"({"method":"syncPilot","env":"pro","params":{"mac":"a8bb50000009","state":false,"dimming":30,"temp":4000,"sceneId":0}})";

// --- Which datagrams count ---

struct PortCase {
    const char* name;
    std::uint16_t sourcePort;
    bool alreadyKnown;
    bool counts;
};

void PrintTo(const PortCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class SourcePort : public ::testing::TestWithParam<PortCase> {};

TEST_P(SourcePort, OnlyReportsFromTheBulbPortCount) {
    const auto& param = GetParam();
    LiveRig rig;
    if (param.alreadyKnown)
        rig.save(R"([{"ip":"127.0.0.3","name":"Desk"}])");
    auto& lights = rig.start();
    const auto before = lights.bulbs();

    sim::DatagramSocket sender("127.0.0.3", param.sourcePort, false);
    ASSERT_TRUE(sender.sendTo("127.0.0.1", rig.lightsPort(), report));
    ASSERT_GT(rig.pendingForLights(), 0);
    ASSERT_TRUE(rig.drainLights());

    if (!param.counts) {
        EXPECT_EQ(lights.bulbs(), before);
        return;
    }
    ASSERT_EQ(lights.bulbs().size(), 1u);
    const auto& bulb = lights.bulbs().front();
    EXPECT_EQ(bulb.ip, "127.0.0.3");
    EXPECT_EQ(bulb.name, param.alreadyKnown ? "Desk" : "WiZ light 1");
    EXPECT_FALSE(bulb.on);
    EXPECT_EQ(bulb.brightness, 30.0);
    EXPECT_EQ(bulb.temperature, 4000.0);
    EXPECT_TRUE(bulb.lastSeen.has_value());
    EXPECT_EQ(lights.selected(), "127.0.0.3");
}

INSTANTIATE_TEST_SUITE_P(Reports, SourcePort,
                         ::testing::Values(PortCase{"NewFrom38898", 38898, false, false},
                                           PortCase{"KnownFrom38898", 38898, true, false},
                                           PortCase{"NewFrom38899", 38899, false, true},
                                           PortCase{"KnownFrom38899", 38899, true, true}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ReadPass, HandlesEveryDatagramQueuedBeforeTheEvent) {
    LiveRig rig;
    auto& lights = rig.start();
    auto& first = rig.simulator.addBulb("127.0.0.2");
    auto& second = rig.simulator.addBulb("127.0.0.3");
    second.state().on = false;
    ASSERT_TRUE(first.sendSync("127.0.0.1", rig.lightsPort()));
    ASSERT_TRUE(second.sendSync("127.0.0.1", rig.lightsPort()));

    rig.loop.runOnce(LiveRig::patience);

    ASSERT_EQ(lights.bulbs().size(), 2u);
    EXPECT_EQ(lights.bulbs()[0].ip, "127.0.0.2");
    EXPECT_TRUE(lights.bulbs()[0].on);
    EXPECT_EQ(lights.bulbs()[1].ip, "127.0.0.3");
    EXPECT_FALSE(lights.bulbs()[1].on);
    EXPECT_EQ(rig.pendingForLights(), 0);
}

// A report padded to exactly `size` bytes.
std::string reportOfSize(std::size_t size) {
    std::string bytes = R"({"method":"syncPilot","params":{"state":true},"pad":""})";
    bytes.insert(bytes.size() - 2, size - bytes.size(), 'x');
    return bytes;
}

struct OddDatagram {
    const char* name;
    std::string bytes;
    bool counts;
};

void PrintTo(const OddDatagram& testCase, std::ostream* out) {
    *out << testCase.name;
}

class OddDatagrams : public ::testing::TestWithParam<OddDatagram> {};

// Whatever comes first, the report queued behind it is still read.
TEST_P(OddDatagrams, NeverHoldUpTheNextReport) {
    LiveRig rig;
    auto& lights = rig.start();
    auto& bulb = rig.simulator.addBulb("127.0.0.2");
    sim::DatagramSocket odd("127.0.0.3", 38899, false);
    ASSERT_TRUE(odd.sendTo("127.0.0.1", rig.lightsPort(), GetParam().bytes));
    ASSERT_TRUE(bulb.sendSync("127.0.0.1", rig.lightsPort()));

    ASSERT_TRUE(rig.runUntil([&] {
        return std::ranges::any_of(lights.bulbs(),
                                   [](const Bulb& each) { return each.ip == "127.0.0.2"; });
    }));
    std::vector<std::string> expected{"127.0.0.2"};
    if (GetParam().counts)
        expected.insert(expected.begin(), "127.0.0.3");
    std::vector<std::string> known;
    for (const auto& each : lights.bulbs())
        known.push_back(each.ip);
    EXPECT_EQ(known, expected);
}

INSTANTIATE_TEST_SUITE_P(
    First, OddDatagrams,
    ::testing::Values(OddDatagram{"Empty", "", false},
                      OddDatagram{"NotJson", "{\"method\":", false},
                      OddDatagram{"LargestWhole", reportOfSize(UdpEndpoint::maxDatagram), true},
                      OddDatagram{"CutShort", reportOfSize(UdpEndpoint::maxDatagram + 1), false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// A sender that keeps the socket full is served in bounded passes: each readiness event reads
// at most maxDatagramsPerPass datagrams and returns, and the rest follow on later passes, in
// order of arrival.
TEST(ReadPass, AFloodIsReadInBoundedPassesUntilNothingIsLeft) {
    constexpr int pass = UdpEndpoint::maxDatagramsPerPass;
    constexpr int flood = 2 * pass + 22;
    LiveRig rig;
    auto& lights = rig.start();
    // Room for the whole flood at once, whatever the system's default receive buffer.
    const int room = 1 << 20;
    ::setsockopt(lights.socketFD(), SOL_SOCKET, SO_RCVBUF, &room, sizeof room);
    std::vector<sim::SimulatedBulb*> senders;
    for (int i = 1; i <= flood; ++i)
        senders.push_back(&rig.simulator.addBulb("127.0.1." + std::to_string(i)));
    for (auto* sender : senders)
        ASSERT_TRUE(sender->sendSync("127.0.0.1", rig.lightsPort()));

    std::vector<std::size_t> knownAfterPass;
    const auto deadline = rig.loop.monotonicNow() + LiveRig::patience;
    while (lights.bulbs().size() < flood && knownAfterPass.size() < 20 &&
           rig.loop.monotonicNow() < deadline) {
        rig.loop.runOnce(LiveRig::patience);
        knownAfterPass.push_back(lights.bulbs().size());
    }

    const std::vector<std::size_t> expected{pass, 2 * pass, flood};
    EXPECT_EQ(knownAfterPass, expected);
    ASSERT_EQ(lights.bulbs().size(), static_cast<std::size_t>(flood));
    for (int i = 0; i < flood; ++i) {
        EXPECT_EQ(lights.bulbs()[static_cast<std::size_t>(i)].ip,
                  "127.0.1." + std::to_string(i + 1));
        EXPECT_EQ(lights.bulbs()[static_cast<std::size_t>(i)].name,
                  "WiZ light " + std::to_string(i + 1));
    }
}

// --- Sending ---

struct Text {
    const char* name;
    const char* text;
};

void PrintTo(const Text& testCase, std::ostream* out) {
    *out << testCase.name;
}

class NotAnAddress : public ::testing::TestWithParam<Text> {};

TEST_P(NotAnAddress, SendsNothingAndSaysNothing) {
    LiveRig rig;
    rig.simulator.addBulb("127.0.0.1"); // where "localhost" and friends would end up
    auto& lights = rig.start();

    lights.send(GetParam().text, "getPilot");
    // The same socket then sends a real request to the same place; once that has arrived,
    // anything sent before it would have too.
    lights.send("127.0.0.1", "getPilot");
    ASSERT_TRUE(rig.runUntil([&] { return rig.logged() >= 1; }));
    rig.loop.runOnce(0ms);

    ASSERT_EQ(rig.logged(), 1u);
    EXPECT_EQ(rig.simulator.requests().front().raw, R"({"method":"getPilot","params":{}})");
    EXPECT_EQ(lights.message(), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NotAnAddress,
    ::testing::Values(Text{"HostName", "localhost"}, Text{"MdnsName", "bulb.local"},
                      Text{"ShortForm", "127.1"}, Text{"Hexadecimal", "0x7f.0.0.1"},
                      Text{"LeadingZeros", "127.000.0.1"}, Text{"TrailingSpace", "127.0.0.1 "},
                      Text{"LeadingSpace", " 127.0.0.1"}, Text{"Empty", ""}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// --- Shutting down ---

// The real socket calls, counting how often each descriptor is closed.
class CountingSockets : public SocketApi {
public:
    int close(int fd) override {
        ++closes[fd];
        return SocketApi::close(fd);
    }
    std::map<int, int> closes;
};

TEST(Shutdown, ClosesTheSocketOnceAndHandlesNothingMore) {
    CountingSockets sockets;
    LiveRig rig;
    auto& lights = rig.start(sockets);
    auto& bulb = rig.simulator.addBulb("127.0.0.2");
    const int fd = lights.socketFD();
    ASSERT_GE(fd, 0);
    // Queued before the shutdown, never read.
    ASSERT_TRUE(bulb.sendSync("127.0.0.1", rig.lightsPort()));

    lights.shutdown();
    EXPECT_EQ(lights.socketFD(), -1);
    EXPECT_EQ(sockets.closes[fd], 1);

    rig.loop.runFor(100ms);
    lights.send("127.0.0.2", "getPilot");
    rig.loop.runFor(100ms);
    EXPECT_TRUE(lights.bulbs().empty());
    EXPECT_EQ(rig.logged(), 0u);

    lights.shutdown();
    rig.lights.reset();
    EXPECT_EQ(sockets.closes[fd], 1);
    EXPECT_EQ(sockets.closes.size(), 1u);
}

// --- Commands ---

struct ControlCase {
    const char* name;
    bool all;
    std::vector<std::string> targets;
};

void PrintTo(const ControlCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class Control : public ::testing::TestWithParam<ControlCase> {};

TEST_P(Control, SendsSetPilotThenReadsTheBulbsBackAfterTheFollowUpDelay) {
    const auto& param = GetParam();
    LiveRig rig;
    rig.save(R"([{"ip":"127.0.0.2","name":"Desk"},{"ip":"127.0.0.3","name":"Lamp"}])");
    rig.simulator.addBulb("127.0.0.2");
    rig.simulator.addBulb("127.0.0.3");
    auto& lights = rig.start();
    ASSERT_EQ(lights.selected(), "127.0.0.2");

    lights.control({{"state", true}, {"dimming", 40}}, param.all);
    const auto expected = 2 * param.targets.size();
    ASSERT_TRUE(rig.runUntil([&] {
        if (rig.logged() < expected)
            return false;
        for (const auto& bulb : lights.bulbs())
            if (std::ranges::find(param.targets, bulb.ip) != param.targets.end() && !bulb.lastSeen)
                return false;
        return true;
    }));
    rig.loop.runFor(50ms);

    const auto& log = rig.simulator.requests();
    ASSERT_EQ(log.size(), expected);
    for (std::size_t i = 0; i < param.targets.size(); ++i) {
        const auto& set = log[i];
        const auto& get = log[param.targets.size() + i];
        EXPECT_EQ(set.receiver, param.targets[i]);
        EXPECT_EQ(set.method, "setPilot");
        EXPECT_EQ(set.params, nlohmann::json({{"state", true}, {"dimming", 40}}));
        EXPECT_EQ(set.fromPort, rig.lightsPort());
        EXPECT_EQ(get.receiver, param.targets[i]);
        EXPECT_EQ(get.method, "getPilot");
        EXPECT_EQ(get.params, nlohmann::json::object());
        EXPECT_GE(get.received - log[param.targets.size() - 1].received, Lights::followUpDelay);
    }
    for (const auto& bulb : lights.bulbs()) {
        const bool targeted = std::ranges::find(param.targets, bulb.ip) != param.targets.end();
        EXPECT_EQ(rig.simulator.bulb(bulb.ip)->state().dimming, targeted ? 40 : 100) << bulb.ip;
        EXPECT_EQ(bulb.lastSeen.has_value(), targeted) << bulb.ip;
        if (targeted) {
            EXPECT_EQ(bulb.brightness, 40.0) << bulb.ip;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, Control,
                         ::testing::Values(ControlCase{"Selected", false, {"127.0.0.2"}},
                                           ControlCase{"All", true, {"127.0.0.2", "127.0.0.3"}}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(Replies, ARejectionIsShownUntilTheNextReport) {
    LiveRig rig;
    rig.save(R"([{"ip":"127.0.0.2","name":"Desk"}])");
    auto& bulb = rig.simulator.addBulb("127.0.0.2");
    bulb.setFault(sim::Fault::reject("setPilot"));
    auto& lights = rig.start();

    lights.control({{"state", false}}, false);
    ASSERT_TRUE(rig.runUntil([&] { return lights.message().has_value(); }));
    EXPECT_EQ(lights.message(), "127.0.0.2 rejected the command. This bulb may not support it.");
    EXPECT_TRUE(bulb.state().on);
    EXPECT_FALSE(lights.bulbs().front().lastSeen.has_value());

    // The follow-up "getPilot" is answered, and that report clears the line.
    ASSERT_TRUE(rig.runUntil([&] { return !lights.message().has_value(); }));
    EXPECT_TRUE(lights.bulbs().front().on);
}

TEST(Replies, AGarbledReplyChangesNothing) {
    LiveRig rig;
    rig.save(R"([{"ip":"127.0.0.2","name":"Desk"}])");
    auto& bulb = rig.simulator.addBulb("127.0.0.2");
    bulb.setFault(sim::Fault::garble());
    auto& lights = rig.start();
    lights.add("not an address"); // leaves a message the reply must not clear
    const auto message = lights.message();
    ASSERT_TRUE(message.has_value());
    const auto before = lights.bulbs();

    lights.refresh();
    ASSERT_TRUE(rig.runUntil([&] { return bulb.replyCount() == 1; }));
    ASSERT_TRUE(rig.drainLights());

    EXPECT_FALSE(nlohmann::json::accept(bulb.lastReply()));
    EXPECT_EQ(lights.bulbs(), before);
    EXPECT_EQ(lights.message(), message);
}

} // namespace
} // namespace glowdeck::testing
