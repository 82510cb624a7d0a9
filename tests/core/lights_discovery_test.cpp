#include "support/Rig.h"

#include <gtest/gtest.h>

namespace glowdeck::testing {
namespace {

using namespace std::chrono_literals;

TEST(Discovery, FirstOpeningBroadcastsToEveryBroadcastAddressInOrder) {
    Rig rig;
    rig.net.interfaces = {
        {"lo", AF_INET, 0, "127.0.0.1", ""},
        {"eth0", AF_INET, IFF_BROADCAST, "10.1.0.2", "10.1.255.255"},
        {"eth0", AF_INET6, IFF_BROADCAST, "", ""},
        {"wlan0", AF_INET, IFF_BROADCAST, "", "10.2.0.255"}, // no address: skipped
        {"br0", AF_INET, IFF_BROADCAST, "10.3.0.1", "10.3.0.255"},
        {"br1", AF_INET, IFF_BROADCAST, "10.3.0.2", "10.3.0.255"}, // listed twice: sent twice
        {"tun0", AF_INET, 0, "10.4.0.1", "10.4.0.255"},            // no broadcast flag
    };
    rig.lights->setPanelVisible(true);
    EXPECT_TRUE(rig.lights->hasDiscovered());
    EXPECT_TRUE(rig.lights->scanning());
    EXPECT_EQ(
        rig.net.sentTo("getPilot"),
        (std::vector<std::string>{"255.255.255.255", "10.1.255.255", "10.3.0.255", "10.3.0.255"}));
    for (const auto& datagram : rig.net.sent)
        EXPECT_EQ(datagram.port, 38899);
}

// A reply during the scan adds its sender, starts polling and silences the verdict; a sender
// that fails the add-light form's address rule cannot be a bulb, and neither its report nor its
// rejection changes anything.
TEST(Discovery, ReplyDuringTheScanAddsTheBulbStartsPollingAndSilencesTheVerdict) {
    const struct {
        const char* from;
        bool bulb;
    } cases[] = {
        {"10.0.0.7", true}, {"127.0.0.255", false},     {"10.1.2.255", false},
        {"0.0.0.0", false}, {"255.255.255.255", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        Rig rig;
        rig.lights->setPanelVisible(true);
        rig.loop.advance(1s);
        rig.report(c.from, R"({"state":true})");
        EXPECT_EQ(rig.ips(),
                  c.bulb ? std::vector<std::string>{c.from} : std::vector<std::string>{});
        EXPECT_EQ(rig.lights->selected(),
                  c.bulb ? std::optional<std::string>(c.from) : std::nullopt);
        EXPECT_EQ(rig.lights->polling(), c.bulb);
        rig.loop.advance(2s);
        EXPECT_FALSE(rig.lights->scanning());
        EXPECT_EQ(rig.lights->message().has_value(), !c.bulb) << "the verdict";
        if (!c.bulb) {
            const auto verdict = rig.lights->message();
            rig.lights->receiveReply(R"({"method":"setPilot","error":{"code":-32602}})", c.from);
            EXPECT_EQ(rig.lights->message(), verdict);
        }
    }
}

// Hidden mid-scan, nothing is left running; a later opening refreshes and then polls.
TEST(Polling, EveryTenSecondsWhileShownAndNothingOnceHidden) {
    Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"}])");
    rig.lights->setPanelVisible(true);
    rig.loop.advance(1s);
    rig.lights->setPanelVisible(false);
    EXPECT_FALSE(rig.lights->scanning());
    EXPECT_FALSE(rig.lights->polling());
    EXPECT_EQ(rig.loop.scheduled(), 0u) << "no timer or task is left while hidden";

    rig.net.clearSent();
    rig.lights->setPanelVisible(true);
    EXPECT_EQ(rig.net.sentTo("getPilot"), std::vector<std::string>{"10.0.0.5"});
    rig.loop.advance(9999ms);
    EXPECT_EQ(rig.net.sent.size(), 1u);
    rig.loop.advance(1ms);
    EXPECT_EQ(rig.net.sentTo("getPilot").size(), 2u);
}

} // namespace
} // namespace glowdeck::testing
