#include "support/Rig.h"

#include <gtest/gtest.h>

namespace glowdeck::testing {
namespace {

using namespace std::chrono_literals;
using nlohmann::json;

const char* threeBulbs =
    R"([{"ip":"10.0.0.1","name":"A"},{"ip":"10.0.0.2","name":"B"},{"ip":"10.0.0.3","name":"C"}])";

TEST(Commands, SelectedBulbGetsTheCommandThenOneQueryAfterTheFollowUpDelay) {
    Rig rig(threeBulbs);
    rig.lights->setSelected("10.0.0.2");
    rig.lights->setPanelVisible(true);
    rig.net.clearSent();
    rig.lights->control({{"state", true}, {"dimming", std::int64_t{37}}}, false);
    rig.lights->setPanelVisible(false); // hiding keeps the follow-up

    auto sent = rig.requests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].first, "10.0.0.2");
    EXPECT_EQ(sent[0].second,
              json::parse(R"({"method":"setPilot","params":{"state":true,"dimming":37}})"));
    EXPECT_EQ(rig.lights->bulbs()[1], Bulb::unseen("10.0.0.2", "B")) << "records wait for replies";

    rig.loop.advance(349ms);
    EXPECT_EQ(rig.net.sent.size(), 1u);
    rig.loop.advance(1ms);
    EXPECT_EQ(rig.net.sentTo("getPilot"), std::vector<std::string>{"10.0.0.2"});
}

TEST(Commands, AllBulbsInListOrderWithTheirFollowUps) {
    Rig rig(threeBulbs);
    rig.lights->control({{"state", false}}, true);
    rig.loop.advance(350ms);
    std::vector<std::string> order;
    for (const auto& [to, message] : rig.requests())
        order.push_back(message["method"].get<std::string>() + " " + to);
    EXPECT_EQ(order, (std::vector<std::string>{"setPilot 10.0.0.1", "setPilot 10.0.0.2",
                                               "setPilot 10.0.0.3", "getPilot 10.0.0.1",
                                               "getPilot 10.0.0.2", "getPilot 10.0.0.3"}));
}

TEST(Commands, OnlyTheNewestCommandKeepsItsFollowUp) {
    Rig rig(threeBulbs);
    rig.lights->control({{"state", true}}, true);
    rig.loop.advance(200ms);
    rig.lights->control({{"state", false}}, false);
    rig.loop.advance(349ms);
    EXPECT_TRUE(rig.net.sentTo("getPilot").empty());
    rig.loop.advance(1ms);
    EXPECT_EQ(rig.net.sentTo("getPilot"), std::vector<std::string>{"10.0.0.1"});
}

TEST(Commands, WithoutASelectionNothingIsSentAndThePendingFollowUpIsDropped) {
    Rig rig(threeBulbs);
    rig.lights->control({{"state", true}}, true);
    rig.lights->setSelected(std::nullopt);
    rig.lights->control({{"state", true}}, false);
    rig.loop.advance(1s);
    EXPECT_EQ(rig.net.sentTo("setPilot").size(), 3u);
    EXPECT_TRUE(rig.net.sentTo("getPilot").empty());
}

TEST(Commands, SendFailuresAreReportedPerAddressAndTheRestStillGoOut) {
    Rig rig(threeBulbs);
    rig.net.unreachable = {"10.0.0.1", "10.0.0.2"};
    rig.lights->control({{"state", true}}, true);
    EXPECT_EQ(rig.net.sentTo("setPilot"), std::vector<std::string>{"10.0.0.3"});
    EXPECT_EQ(rig.lights->message(), "Could not send to 10.0.0.2. Check local network access.");
}

TEST(Commands, HostNamesAndUnencodableRequestsSendNothingAndSayNothing) {
    Rig rig;
    rig.lights->send("bulb.local", "getPilot");
    rig.lights->send("10.0.0.5", "setPilot", {{"\xff", true}});
    EXPECT_TRUE(rig.net.sent.empty());
    EXPECT_FALSE(rig.lights->message());
}

TEST(Commands, ShutdownCancelsTheFollowUpAndClosesTheSocketOnce) {
    Rig rig(threeBulbs);
    rig.lights->setPanelVisible(true);
    rig.lights->control({{"state", true}}, false);
    rig.net.clearSent();
    rig.lights->shutdown();
    EXPECT_EQ(rig.lights->socketFD(), -1);
    EXPECT_FALSE(rig.lights->panelVisible());
    EXPECT_EQ(rig.net.closed, std::vector<int>{FakeSocketApi::fakeFD});
    EXPECT_TRUE(rig.loop.watched().empty());
    rig.loop.advance(30s);
    EXPECT_TRUE(rig.net.sent.empty());
    rig.lights->control({{"state", true}}, true);
    rig.lights.reset();
    EXPECT_EQ(rig.net.closed.size(), 1u) << "closed exactly once";
}

} // namespace
} // namespace glowdeck::testing
