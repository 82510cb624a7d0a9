#include "model/DeviceClass.h"
#include "support/Rig.h"

#include <gtest/gtest.h>

namespace glowdeck::testing {
namespace {

using namespace std::chrono_literals;
using Kind = DeviceClass::Kind;

std::string configReply(const std::string& method, const std::string& result) {
    return R"({"method":")" + method + R"(","env":"pro","result":)" + result + "}";
}

const std::string methodNotFound =
    R"({"method":"getModelConfig","env":"pro","error":{"code":-32601,"message":"Method not found"}})";

// What a device learns from the answers it gives, and what it keeps in the stored list. Nonsense
// leaves a full-colour bulb over 2200–6500 K; the status line never hears of any of it.
TEST(Devices, ConfigurationAnswersSetTheClassAndRangeAndNonsenseLeavesTheDefault) {
    const auto system = [](const std::string& module) {
        return configReply("getSystemConfig", R"({"moduleName":)" + module + "}");
    };
    const auto model = [](const std::string& range) {
        return configReply("getModelConfig", R"({"ps":1,"cctRange":)" + range + "}");
    };
    const auto user = [](const std::string& result) {
        return configReply("getUserConfig", result);
    };
    const struct {
        const char* what;
        std::vector<std::string> replies; // in turn, to the requests sent so far
        Kind kind;
        int low, high;
        bool fallback = false; // getUserConfig asked
    } cases[] = {
        {"tunable white",
         {system(R"("ESP21_SHTW_01")"), model("[2700,2700,5000,5000]")},
         Kind::TunableWhite,
         2700,
         5000},
        {"dimmable white", {system(R"("ESP05_SHDW_21")")}, Kind::DimmableWhite, 2200, 6500},
        {"plug", {system(R"("ESP10_SOCKET_06")")}, Kind::Plug, 2200, 6500},
        {"fan light", {system(R"("ESP03_FANDIMS_31")")}, Kind::FanLight, 2200, 6500},
        {"older firmware: extRange first",
         {methodNotFound, user(R"({"whiteRange":[2700,6500],"extRange":[2200,6000]})")},
         Kind::Color,
         2200,
         6000,
         true},
        {"older firmware: whiteRange",
         {methodNotFound, user(R"({"whiteRange":[2700,6000]})")},
         Kind::Color,
         2700,
         6000,
         true},
        {"older firmware without a range",
         {methodNotFound, user("{}")},
         Kind::Color,
         2200,
         6500,
         true},
        {"unknown module", {system(R"("ESP99_SHXYZ_01")")}, Kind::Color, 2200, 6500},
        {"module of the wrong type", {system("7")}, Kind::Color, 2200, 6500},
        {"inverted range", {model("[5000,2700]")}, Kind::Color, 2200, 6500},
        {"huge range", {model("[2200,1e300]")}, Kind::Color, 2200, 6500},
        {"non-numeric range", {model(R"(["2700","5000"])")}, Kind::Color, 2200, 6500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"}])");
        rig.lights->setPanelVisible(true);
        rig.report("10.0.0.5", R"({"mac":"a8bb50000001","state":true})");
        rig.loop.advance(Duration::zero());
        EXPECT_EQ(rig.net.sentTo("getSystemConfig"), std::vector<std::string>{"10.0.0.5"});
        EXPECT_EQ(rig.net.sentTo("getModelConfig"), std::vector<std::string>{"10.0.0.5"});
        for (const auto& reply : c.replies)
            rig.lights->receiveReply(reply, "10.0.0.5");
        rig.loop.advance(Duration::zero());
        EXPECT_EQ(rig.net.sentTo("getUserConfig").size(), c.fallback ? 1u : 0u);
        EXPECT_FALSE(rig.lights->message());
        const DeviceClass device = rig.lights->bulbs()[0].device;
        EXPECT_EQ(device.kind, c.kind);
        EXPECT_EQ(device.minKelvin, c.low);
        EXPECT_EQ(device.maxKelvin, c.high);

        const int writes = rig.store.writes();
        rig.loop.advance(Lights::configSaveDelay); // one write for all the answers
        EXPECT_EQ(rig.store.writes(), writes + (device == DeviceClass{} ? 0 : 1));
        if (c.kind == Kind::TunableWhite) {
            EXPECT_EQ(rig.store.data("bulbs"),
                      R"([{"ip":"10.0.0.5","mac":"a8bb50000001","maxKelvin":5000,)"
                      R"("minKelvin":2700,"module":"ESP21_SHTW_01","name":"Desk"}])");
        }
        rig.build(); // the next run knows it before any reply
        EXPECT_EQ(rig.lights->bulbs()[0].device, device);
    }
}

// Each address is asked once per run (the fallback once more), only while the panel is shown,
// one every 10 ms: a burst of 250 new bulbs is asked over 2.5 s, and every one is stored at once.
TEST(Devices, EachDeviceIsAskedOncePerRunAtABoundedRateAndOnlyWhileShown) {
    Rig rig;
    for (int i = 1; i <= 250; ++i)
        rig.report("10.0.1." + std::to_string(i), R"({"state":true})");
    rig.loop.advance(1s);
    EXPECT_EQ(nlohmann::json::parse(*rig.store.data("bulbs")).size(), 250u);
    EXPECT_TRUE(rig.net.sent.empty()) << "nothing while hidden";

    rig.lights->setPanelVisible(true);
    rig.net.clearSent();
    rig.loop.advance(Duration::zero());
    rig.loop.advance(995ms);
    EXPECT_EQ(rig.net.sentTo("getSystemConfig").size(), 100u);
    rig.lights->setPanelVisible(false);
    rig.loop.advance(10s);
    EXPECT_EQ(rig.net.sentTo("getSystemConfig").size(), 100u);

    rig.lights->setPanelVisible(true);
    rig.loop.advance(10s);
    for (int i = 1; i <= 250; ++i) { // every report again, and "method not found" twice
        rig.report("10.0.1." + std::to_string(i), R"({"state":true})");
        rig.lights->receiveReply(methodNotFound, "10.0.1." + std::to_string(i));
        rig.lights->receiveReply(methodNotFound, "10.0.1." + std::to_string(i));
    }
    rig.loop.advance(10s);
    EXPECT_EQ(rig.net.sentTo("getSystemConfig").size(), 250u);
    EXPECT_EQ(rig.net.sentTo("getModelConfig").size(), 250u);
    EXPECT_EQ(rig.net.sentTo("getUserConfig").size(), 250u);
    EXPECT_EQ(rig.net.sentTo("getUserConfig")[0], "10.0.1.1");
    rig.lights->receiveReply(methodNotFound, "10.9.9.9"); // never asked: ignored
    EXPECT_EQ(rig.net.sentTo("getUserConfig").size(), 250u);
}

// One command to several lights: each device gets what it can take, and a light that takes
// nothing of it is neither sent it nor asked for its state after it.
TEST(Devices, ACommandToSeveralLightsGivesEachDeviceOnlyWhatItTakes) {
    Rig rig(
        R"([{"ip":"10.0.0.1","name":"Colour"},)"
        R"({"ip":"10.0.0.2","name":"TW","module":"ESP21_SHTW_01","minKelvin":2700,"maxKelvin":5000},)"
        R"({"ip":"10.0.0.3","name":"DW","module":"ESP05_SHDW_21"},)"
        R"({"ip":"10.0.0.4","name":"Plug","module":"ESP10_SOCKET_06"},)"
        R"({"ip":"10.0.0.5","name":"Fan","module":"ESP03_FANDIMS_31"}])");
    const struct {
        const char* what;
        Params params;
        std::vector<std::string> sent; // the setPilot each light gets, in list order, or ""
    } cases[] = {
        {"colour",
         {{"r", std::int64_t{255}}, {"g", std::int64_t{0}}, {"b", std::int64_t{0}}},
         {R"({"b":0,"g":0,"r":255})", "", "", "", ""}},
        {"temperature clamped",
         {{"temp", std::int64_t{6500}}},
         {R"({"temp":6500})", R"({"temp":5000})", "", "", ""}},
        {"temperature below the range",
         {{"temp", std::int64_t{2200}}},
         {R"({"temp":2200})", R"({"temp":2700})", "", "", ""}},
        {"brightness",
         {{"dimming", std::int64_t{40}}, {"state", true}},
         {R"({"dimming":40,"state":true})", R"({"dimming":40,"state":true})",
          R"({"dimming":40,"state":true})", "", R"({"dimming":40,"state":true})"}},
        {"scene every white has",
         {{"sceneId", std::int64_t{14}}},
         {R"({"sceneId":14})", R"({"sceneId":14})", R"({"sceneId":14})", "", ""}},
        {"scene only colour bulbs have",
         {{"sceneId", std::int64_t{1}}},
         {R"({"sceneId":1})", "", "", "", ""}},
        {"power",
         {{"state", false}},
         {R"({"state":false})", R"({"state":false})", R"({"state":false})", R"({"state":false})",
          R"({"state":false})"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        rig.net.clearSent();
        rig.lights->control(c.params, true);
        rig.loop.advance(Lights::followUpDelay);
        std::vector<std::string> sent(5), followed(5);
        for (const auto& datagram : rig.net.sent) {
            auto message = nlohmann::json::parse(datagram.bytes);
            auto at = static_cast<std::size_t>(datagram.to.back() - '1');
            (message["method"] == "setPilot" ? sent : followed)[at] = message["params"].dump();
        }
        EXPECT_EQ(sent, c.sent);
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(followed[i].empty(), c.sent[i].empty()) << "follow-up of light " << i;
    }
}

} // namespace
} // namespace glowdeck::testing
