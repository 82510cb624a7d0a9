#include "support/Rig.h"

#include <gtest/gtest.h>

namespace glowdeck::testing {
namespace {

struct PilotCase {
    const char* name;
    const char* pilot;
    bool on;
    double brightness;
    double temperature;
    std::optional<std::int64_t> scene;
    bool heard = true; // false: the report is ignored
};

// Each report lands on a known bulb that is off, at 40 % and 3000 K, showing scene 12.
TEST(Replies, ReportMapsOntoAKnownBulb) {
    const PilotCase cases[] = {
        {"only state clears the scene", R"({"state":true})", true, 40, 3000, std::nullopt},
        {"fractional dimming kept", R"({"state":true,"dimming":37.5})", true, 37.5, 3000, {}},
        {"dimming as a string ignored", R"({"state":true,"dimming":"50"})", true, 40, 3000, {}},
        {"temp taken unclamped", R"({"state":false,"temp":9000})", false, 40, 9000, {}},
        {"integral float scene", R"({"state":true,"sceneId":4.0})", true, 40, 3000, 4},
        {"fractional scene clears", R"({"state":true,"sceneId":4.5})", true, 40, 3000, {}},
        {"scene as a string clears", R"({"state":true,"sceneId":"4"})", true, 40, 3000, {}},
        {"scene past int64", R"({"state":true,"sceneId":9223372036854775808})", true, 40, 3000, {}},
        {"largest int64 scene", R"({"state":true,"sceneId":9223372036854775807})", true, 40, 3000,
         INT64_MAX},
        {"negative scene", R"({"state":true,"sceneId":-3})", true, 40, 3000, -3},
        {"state not a boolean", R"({"state":"on","dimming":50})", false, 40, 3000, 12, false},
        {"real bulb, scene 12",
         R"({"mac":"a8bb509ee741","rssi":-47,"src":"","state":true,"sceneId":12,"speed":100,"temp":0,"dimming":57})",
         true, 57, 0, 12},
    };
    for (const auto& c : cases) {
        Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"}])");
        rig.report("10.0.0.5", R"({"state":false,"dimming":40,"temp":3000,"sceneId":12})");
        rig.loop.advance(std::chrono::seconds(1));
        rig.report("10.0.0.5", c.pilot);
        ASSERT_EQ(rig.lights->bulbs().size(), 1u) << c.name;
        const Bulb& bulb = rig.lights->bulbs()[0];
        EXPECT_EQ(bulb.name, "Desk") << c.name;
        EXPECT_EQ(bulb.on, c.on) << c.name;
        EXPECT_EQ(bulb.brightness, c.brightness) << c.name;
        EXPECT_EQ(bulb.temperature, c.temperature) << c.name;
        EXPECT_EQ(bulb.sceneID, c.scene) << c.name;
        EXPECT_EQ(bulb.lastSeen == rig.loop.now(), c.heard) << c.name;
        EXPECT_EQ(rig.store.writes(), 1) << c.name << ": a known bulb's report writes nothing";
    }
}

// Bulbs found in one read pass are written together at the next turn of the event loop; a save
// still waiting then is done when the controller shuts down or goes away.
TEST(Replies, NewBulbsOfOneTurnAreSavedOnceAndNeverLost) {
    const std::string report = R"({"method":"getPilot","result":{"state":true}})";
    const std::string expected =
        R"([{"ip":"10.0.0.5","name":"Desk"},{"ip":"10.0.0.6","name":"WiZ light 2"},)"
        R"({"ip":"10.0.0.7","name":"WiZ light 3"}])";
    enum class End { NextTurn, Shutdown, Destroyed };
    for (End end : {End::NextTurn, End::Shutdown, End::Destroyed}) {
        Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"}])");
        rig.net.inbox = {{report, "10.0.0.6"}, {report, "10.0.0.5"}, {report, "10.0.0.7"}};
        rig.loop.readable(FakeSocketApi::fakeFD);
        EXPECT_EQ(rig.lights->bulbs().size(), 3u);
        EXPECT_EQ(rig.store.writes(), 1) << "nothing written during the pass";
        switch (end) {
        case End::NextTurn:
            rig.loop.advance(Duration::zero());
            break;
        case End::Shutdown:
            rig.lights->shutdown();
            break;
        case End::Destroyed:
            rig.lights.reset();
            break;
        }
        EXPECT_EQ(rig.store.data("bulbs"), expected) << static_cast<int>(end);
        if (end != End::NextTurn) {
            EXPECT_EQ(rig.net.closed, std::vector<int>{FakeSocketApi::fakeFD}) << "closed once";
        }
        EXPECT_EQ(rig.store.writes(), 2) << static_cast<int>(end);
        rig.loop.advance(std::chrono::seconds(1));
        EXPECT_EQ(rig.store.writes(), 2) << static_cast<int>(end);
    }
}

// A report from an unknown address that carries a saved light's MAC moves that light there: its
// name, place and the selection go with it, and the list is saved once. No two lights keep one
// MAC; a report without a MAC, or with a malformed one, adds a light as before.
TEST(Replies, AReportWithASavedLightsMacMovesItToTheNewAddress) {
    const std::string stored = R"([{"ip":"10.0.0.5","mac":"a8bb50000001","name":"Desk"},)"
                               R"({"ip":"10.0.0.6","name":"Hall"}])";
    const struct {
        const char* what;
        const char* from;
        const char* pilot;
        std::vector<std::string> ips;
        std::vector<std::string> macs;
        const char* selected;
    } cases[] = {
        {"moved, MAC in capitals",
         "10.0.0.9",
         R"({"mac":"A8BB50000001","state":true})",
         {"10.0.0.9", "10.0.0.6"},
         {"a8bb50000001", ""},
         "10.0.0.9"},
        {"a new MAC adds a light",
         "10.0.0.9",
         R"({"mac":"a8bb50000002","state":true})",
         {"10.0.0.5", "10.0.0.6", "10.0.0.9"},
         {"a8bb50000001", "", "a8bb50000002"},
         "10.0.0.5"},
        {"no MAC",
         "10.0.0.9",
         R"({"state":true})",
         {"10.0.0.5", "10.0.0.6", "10.0.0.9"},
         {"a8bb50000001", "", ""},
         "10.0.0.5"},
        {"malformed MAC",
         "10.0.0.9",
         R"({"mac":"a8bb5000000g","state":true})",
         {"10.0.0.5", "10.0.0.6", "10.0.0.9"},
         {"a8bb50000001", "", ""},
         "10.0.0.5"},
        {"no bulb sends from a broadcast address",
         "10.0.0.255",
         R"({"mac":"a8bb50000001","state":true})",
         {"10.0.0.5", "10.0.0.6"},
         {"a8bb50000001", ""},
         "10.0.0.5"},
        {"a known address takes the MAC over",
         "10.0.0.6",
         R"({"mac":"a8bb50000001","state":true})",
         {"10.0.0.5", "10.0.0.6"},
         {"", "a8bb50000001"},
         "10.0.0.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig(stored);
        rig.report(c.from, c.pilot);
        rig.loop.advance(Duration::zero());
        EXPECT_EQ(rig.ips(), c.ips);
        std::vector<std::string> macs;
        for (const auto& bulb : rig.lights->bulbs())
            macs.push_back(bulb.mac);
        EXPECT_EQ(macs, c.macs);
        EXPECT_EQ(rig.lights->selected(), c.selected);
        EXPECT_EQ(rig.lights->bulbs()[0].name, "Desk");
        EXPECT_EQ(rig.store.writes(), rig.store.data("bulbs") == stored ? 1 : 2) << "saved once";
        rig.build();
        EXPECT_EQ(rig.ips(), c.ips) << "as saved";
    }
}

// The list takes in at most 1,024 lights. Past that, a report from an unknown sender changes
// nothing but the status line, which says so once per run and keeps saying it through the reports
// that follow; a known light still updates, and adding one more by hand is refused every time.
TEST(Replies, AFullListTurnsUnknownSendersAwayAndSaysSoOnce) {
    using namespace std::chrono_literals;
    const std::string full = "The list is full at 1024 lights. Forget one to add another.";
    Rig rig;
    for (int i = 0; i < 1024; ++i)
        rig.report("10.0." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1),
                   R"({"state":true})");
    rig.loop.advance(Duration::zero());
    const auto saved = rig.store.data("bulbs");
    ASSERT_TRUE(saved);
    EXPECT_EQ(nlohmann::json::parse(*saved).size(), 1024u);
    EXPECT_FALSE(rig.lights->message());

    const struct {
        const char* what;
        Duration after;
        const char* from;
        std::optional<std::string> message;
        int known = -1; // the sender's place in the list
    } steps[] = {
        {"the first sender turned away", 1s, "10.9.9.1", full},
        {"a known light, 4.9 s later", 4900ms, "10.0.0.1", full, 0},
        {"a known light, 5 s later", 100ms, "10.0.0.2", std::nullopt, 1},
        {"the next sender turned away", 1s, "10.9.9.2", std::nullopt},
    };
    for (const auto& step : steps) {
        rig.loop.advance(step.after);
        rig.report(step.from, R"({"state":false,"dimming":30})");
        rig.loop.advance(Duration::zero());
        EXPECT_EQ(rig.lights->bulbs().size(), 1024u) << step.what;
        EXPECT_EQ(rig.lights->message(), step.message) << step.what;
        EXPECT_EQ(rig.store.data("bulbs"), saved) << step.what;
        if (step.known >= 0) {
            const Bulb& known = rig.lights->bulbs()[static_cast<std::size_t>(step.known)];
            EXPECT_EQ(known.brightness, 30) << step.what;
            EXPECT_EQ(known.lastSeen, rig.loop.now()) << step.what;
        }
    }
    rig.lights->add("10.9.9.3");
    EXPECT_EQ(rig.lights->message(), full);
    EXPECT_EQ(rig.lights->bulbs().size(), 1024u);
    rig.lights->add("10.0.0.2");
    EXPECT_EQ(rig.lights->selected(), "10.0.0.2") << "a known address is still taken";
}

// The rejected command's own follow-up report comes 0.35 s later: the rejection must outlive it.
TEST(Replies, ARejectionStaysUntilTheNextCommandAScanOrAReportFiveSecondsLater) {
    using namespace std::chrono_literals;
    enum class Then { Report, Command, Scan };
    const struct {
        const char* what;
        Then then;
        Duration after; // for a report
        const char* from;
        bool kept;
    } cases[] = {
        {"the follow-up report", Then::Report, Lights::followUpDelay, "10.0.0.5", true},
        {"a report 4.9 s later", Then::Report, 4900ms, "10.0.0.6", true},
        {"a report 5 s later", Then::Report, 5s, "10.0.0.5", false},
        {"the next command", Then::Command, {}, nullptr, false},
        {"a new scan", Then::Scan, {}, nullptr, false},
    };
    for (const auto& c : cases) {
        Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"},{"ip":"10.0.0.6","name":"Hall"}])");
        rig.lights->control({{"sceneId", std::int64_t{1000}}}, false);
        rig.lights->receiveReply(R"({"method":"setPilot","error":{"code":-32602}})", "10.0.0.5");
        ASSERT_EQ(rig.lights->message(),
                  "10.0.0.5 rejected the command. This bulb may not support it.");
        if (c.then == Then::Command)
            rig.lights->control({{"state", true}}, false);
        else if (c.then == Then::Scan)
            rig.lights->discover();
        else {
            rig.loop.advance(c.after);
            rig.report(c.from, R"({"state":true})");
        }
        EXPECT_EQ(rig.lights->message().has_value(), c.kept) << c.what;
    }

    // Any other message goes with the next report, as before.
    Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"}])");
    rig.lights->add("x");
    rig.report("10.0.0.5", R"({"state":true})");
    EXPECT_FALSE(rig.lights->message());
}

} // namespace
} // namespace glowdeck::testing
