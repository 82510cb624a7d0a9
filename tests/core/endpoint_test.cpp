#include "support/Rig.h"

#include <gtest/gtest.h>

namespace glowdeck::testing {
namespace {

struct SetUpFailure {
    const char* call;
    std::optional<std::string> message;
    std::vector<int> closed;
};

TEST(Endpoint, SetUpFailuresLeaveNoSocketAndSayWhy) {
    const SetUpFailure cases[] = {
        {"socket", "Could not open the local network connection.", {}},
        {"fcntl", "Could not configure the local network connection.", {FakeSocketApi::fakeFD}},
        {"bind", "Could not listen for bulb replies.", {FakeSocketApi::fakeFD}},
        {"setsockopt", std::nullopt, {}},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.rebuildFailing({c.call});
        EXPECT_EQ(rig.lights->message(), c.message) << c.call;
        EXPECT_EQ(rig.net.closed, c.closed) << c.call;
        EXPECT_EQ(rig.lights->socketFD(), c.message ? -1 : FakeSocketApi::fakeFD) << c.call;
        EXPECT_EQ(rig.loop.watched().size(), c.message ? 0u : 1u) << c.call;
    }
}

// Every tenth datagram comes from another port than the bulbs' and is dropped.
TEST(Endpoint, AFloodIsReadInBoundedPassesAndOnlyFromTheBulbsPort) {
    Rig rig;
    const std::string report = R"({"method":"syncPilot","params":{"state":true}})";
    const int flood = 3 * UdpEndpoint::maxDatagramsPerPass + 5;
    for (int i = 0; i < flood; ++i)
        rig.net.inbox.push_back({report, "10.0.0." + std::to_string(i % 100 + 1),
                                 static_cast<std::uint16_t>(i % 10 == 9 ? 5000 : 38899)});

    rig.loop.readable(FakeSocketApi::fakeFD);
    EXPECT_EQ(rig.net.receives, UdpEndpoint::maxDatagramsPerPass);
    EXPECT_EQ(rig.net.inbox.size(), std::size_t(flood - UdpEndpoint::maxDatagramsPerPass));

    for (int pass = 0; pass < 10 && !rig.net.inbox.empty(); ++pass)
        rig.loop.readable(FakeSocketApi::fakeFD);
    EXPECT_TRUE(rig.net.inbox.empty());
    EXPECT_EQ(rig.lights->bulbs().size(), 90u);
}

} // namespace
} // namespace glowdeck::testing
