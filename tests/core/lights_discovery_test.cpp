#include "support/Rig.h"

#include <gtest/gtest.h>

namespace glowdeck::testing {
namespace {

using namespace std::chrono_literals;

const std::string noReply =
    "No bulbs replied. Use the same Wi-Fi, enable WiZ LAN control, or add an IP below.";

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

TEST(Discovery, ScanWithoutRepliesEndsWithTheVerdictThreeSecondsAfterTheLastStart) {
    Rig rig;
    rig.lights->setPanelVisible(true);
    rig.loop.advance(2s);
    rig.lights->discover(); // scanning again restarts the wait
    rig.loop.advance(2999ms);
    EXPECT_TRUE(rig.lights->scanning());
    EXPECT_FALSE(rig.lights->message()) << "the first wait ended silently";
    rig.loop.advance(1ms);
    EXPECT_FALSE(rig.lights->scanning());
    EXPECT_EQ(rig.lights->message(), noReply);
    EXPECT_FALSE(rig.lights->polling()) << "no bulbs, no polling";
}

TEST(Discovery, ReplyDuringTheScanAddsTheBulbStartsPollingAndSilencesTheVerdict) {
    Rig rig;
    rig.lights->setPanelVisible(true);
    rig.loop.advance(1s);
    rig.report("10.0.0.7", R"({"state":true})");
    EXPECT_EQ(rig.lights->selected(), "10.0.0.7");
    EXPECT_TRUE(rig.lights->polling());
    rig.loop.advance(2s);
    EXPECT_FALSE(rig.lights->scanning());
    EXPECT_FALSE(rig.lights->message());
}

TEST(Discovery, VerdictCountsAnyBulbSeenWithinThirtyFiveSeconds) {
    for (auto [age, silenced] :
         {std::pair{34s, true}, std::pair{35s, false}, std::pair{36s, false}}) {
        Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"}])");
        rig.report("10.0.0.5", R"({"state":true})");
        rig.loop.advance(age - 3s);
        rig.lights->discover();
        rig.loop.advance(3s);
        EXPECT_EQ(!rig.lights->message(), silenced) << age.count();
    }
}

TEST(Discovery, StartingAScanClearsTheMessageAndQueriesKnownBulbsFirst) {
    Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"}])");
    rig.lights->add("0.0.0.0");
    ASSERT_TRUE(rig.lights->message());
    rig.lights->discover();
    EXPECT_FALSE(rig.lights->message());
    EXPECT_EQ(rig.net.sentTo("getPilot").front(), "10.0.0.5");
}

TEST(Discovery, HidingDuringAScanEndsItSilently) {
    Rig rig;
    rig.lights->setPanelVisible(true);
    rig.loop.advance(1s);
    rig.lights->setPanelVisible(false);
    EXPECT_FALSE(rig.lights->scanning());
    rig.loop.advance(5s);
    EXPECT_FALSE(rig.lights->message());
    EXPECT_EQ(rig.loop.scheduled(), 0u) << "no timer or task is left while hidden";
}

TEST(Discovery, LaterOpeningsRefreshInsteadOfScanning) {
    Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"},{"ip":"10.0.0.6","name":"Hall"}])");
    rig.lights->setPanelVisible(true);
    rig.lights->setPanelVisible(false);
    rig.lights->add("1.2.3");
    rig.net.clearSent();
    rig.announcements = 0;

    rig.lights->setPanelVisible(true);
    rig.lights->setPanelVisible(true);
    EXPECT_EQ(rig.net.sentTo("getPilot"), (std::vector<std::string>{"10.0.0.5", "10.0.0.6"}));
    EXPECT_FALSE(rig.lights->scanning());
    EXPECT_EQ(rig.lights->message(), "Enter a valid bulb IPv4 address.");
    EXPECT_EQ(rig.announcements, 1) << "the refresh announces once";
    EXPECT_TRUE(rig.lights->polling());
}

TEST(Polling, TicksEveryTenSecondsKeepingItsPhaseWhileShown) {
    Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"}])");
    rig.lights->setPanelVisible(true);
    rig.loop.advance(3s); // the scan ends
    auto timers = rig.loop.timers();
    ASSERT_EQ(timers.size(), 1u);
    EXPECT_EQ(timers[0]->interval, 10s);
    EXPECT_EQ(timers[0]->tolerance, 2s);

    rig.net.clearSent();
    rig.loop.advance(2s);
    rig.lights->add("10.0.0.5"); // re-evaluates polling; must not restart the period
    rig.net.clearSent();
    rig.loop.advance(5s); // t = 10 s
    EXPECT_EQ(rig.net.sentTo("getPilot"), std::vector<std::string>{"10.0.0.5"});
    rig.loop.advance(9999ms);
    EXPECT_EQ(rig.net.sent.size(), 1u);
    rig.loop.advance(1ms);
    EXPECT_EQ(rig.net.sent.size(), 2u);
}

TEST(Polling, StopsWhenHiddenOrTheLastBulbIsForgotten) {
    Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"}])");
    rig.lights->setPanelVisible(true);
    ASSERT_TRUE(rig.lights->polling());
    rig.lights->remove();
    EXPECT_FALSE(rig.lights->polling());
    rig.lights->add("10.0.0.6");
    EXPECT_TRUE(rig.lights->polling());
    rig.lights->setPanelVisible(false);
    EXPECT_FALSE(rig.lights->polling());
    rig.net.clearSent();
    rig.loop.advance(60s);
    EXPECT_TRUE(rig.net.sent.empty());
}

TEST(Discovery, WithoutASocketOpeningDoesNothingButRemember) {
    Rig rig;
    rig.rebuildFailing({"bind"});
    ASSERT_EQ(rig.lights->message(), "Could not listen for bulb replies.");
    rig.lights->add("10.0.0.5");
    rig.lights->setPanelVisible(true);
    rig.lights->discover();
    EXPECT_TRUE(rig.lights->hasDiscovered());
    EXPECT_FALSE(rig.lights->scanning());
    EXPECT_FALSE(rig.lights->polling());
    EXPECT_EQ(rig.lights->message(), "Could not listen for bulb replies.");
    EXPECT_TRUE(rig.net.sent.empty());
}

} // namespace
} // namespace glowdeck::testing
