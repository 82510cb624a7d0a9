// The verbs' words, the names that pick lights, and the runner's answer to a light that cannot
// take a command. The verbs end to end, against simulated bulbs, are in verbs.sh.
#include "remote/LightMatch.h"
#include "remote/Verb.h"
#include "remote/VerbRunner.h"
#include "support/Rig.h"

#include <gtest/gtest.h>

namespace glowdeck {
namespace {

// Words in; the words the verb gives back for the running program, or a usage error's text.
TEST(Verb, ReadsValuesAndRefusesWhatIsOutOfRangeOrUnsafe) {
    struct Case {
        std::vector<std::string> words;
        std::string read;  // Verb::words() joined by '|'; empty when refused
        std::string error; // part of the usage error
    };
    const Case cases[] = {
        {{"on"}, "on", ""},
        {{"toggle", "--all"}, "toggle|--all", ""},
        {{"off", "--", "--all"}, "off|--|--all", ""}, // a light called "--all"
        {{"brightness", "10", "desk"}, "brightness|10|--|desk", ""},
        {{"brightness", "-90"}, "brightness|-90", ""},
        {{"brightness", "+1"}, "brightness|+1", ""},
        {{"brightness", "9"}, "", "Brightness must be 10-100"},
        {{"brightness", "101"}, "", "Brightness must be 10-100"},
        {{"brightness", "+91"}, "", "Brightness must be 10-100"},
        {{"brightness", "50%"}, "", "Invalid value '50%'"},
        {{"brightness"}, "", "brightness needs a value"},
        {{"temperature", "2200K"}, "temperature|2200", ""},
        {{"temperature", "6501"}, "", "2200-6500 K"},
        {{"color", "#FFA500"}, "color|#ffa500", ""},
        {{"color", "cyan"}, "color|#32ade6", ""},
        {{"color", "#ffa50"}, "", "'#rrggbb' or one of: Red"},
        {{"color", "#gg0000"}, "", "'#rrggbb'"},
        {{"color", "#-1ff00"}, "", "'#rrggbb'"}, // a sign is no hex digit
        {{"preset", "NIGHT"}, "preset|Night", ""},
        {{"preset", "Disco"}, "", "one of: Cozy Focus"},
        {{"list", "--json"}, "list|--json", ""},
        {{"list", "desk"}, "", "list takes no lights"},
        {{"on", "--json"}, "", "Unknown option '--json' for on"},
        {{"on", "--all", "desk"}, "", "not both"},
        {{"blink"}, "", "Unknown verb 'blink'"},
        {{"on", "<i>desk</i>"}, "", "Refused '<i>desk</i>'"},
        {{"on", "a&b"}, "", "Refused"},
        {{"on", std::string("desk\0lamp", 9)}, "", "Refused 'desk\\x00lamp'"},
        {{"on", "desk\nlamp"}, "", "Refused 'desk\\x0Alamp'"},
        {{"on", "desk\xC2\x85"}, "", "Refused"},           // NEL, a C1 control
        {{"on", "desk\xC3("}, "", "Refused 'desk\\xC3('"}, // not UTF-8
        {{"on", "Küche"}, "on|--|Küche", ""},
    };
    for (const auto& c : cases) {
        const auto parsed = Verb::parse(c.words);
        std::string read;
        if (parsed.verb)
            for (const auto& word : parsed.verb->words())
                read += (read.empty() ? "" : "|") + word;
        EXPECT_EQ(read, c.read) << c.words.back();
        if (c.read.empty()) {
            EXPECT_NE(parsed.error.find(c.error), std::string::npos)
                << c.words.back() << ": " << parsed.error;
        }
        // What the running program is handed reads back as the same verb.
        if (parsed.verb) {
            EXPECT_EQ(Verb::parse(parsed.verb->words()).verb->words(), parsed.verb->words());
        }
    }
}

TEST(LightMatch, PicksByAddressExactNameThenUniquePrefixAndNeverGuesses) {
    const std::vector<Bulb> bulbs{
        Bulb::unseen("10.0.0.1", "Desk"), Bulb::unseen("10.0.0.2", "Desk Lamp"),
        Bulb::unseen("10.0.0.3", "Kitchen"), Bulb::unseen("10.0.0.4", "kitchen")};
    struct Case {
        std::vector<std::string> typed;
        std::vector<std::string> addresses;
        std::string error;
    };
    const Case cases[] = {
        {{"desk"}, {"10.0.0.1"}, ""},                  // exact before prefix
        {{"DESK L"}, {"10.0.0.2"}, ""},                // a unique beginning
        {{"10.0.0.2", "desk lamp"}, {"10.0.0.2"}, ""}, // once each
        {{"de"}, {}, "'de' matches more than one light: Desk (10.0.0.1), Desk Lamp (10.0.0.2)"},
        {{"kitchen"}, {}, "matches more than one light"},
        {{"10.0.0.9"}, {}, "No saved light has the address 10.0.0.9. Known lights: Desk"},
        {{"garage"}, {}, "No light is called 'garage'. Known lights: Desk (10.0.0.1), Desk Lamp"},
        {{""}, {}, "An empty light name"},
    };
    for (const auto& c : cases) {
        const auto match = LightMatch::find(bulbs, c.typed);
        EXPECT_EQ(match.addresses, c.addresses) << c.typed.front();
        EXPECT_NE(match.error.find(c.error), std::string::npos) << match.error;
        EXPECT_EQ(match.error.empty(), c.error.empty()) << match.error;
    }
}

// A colour for a white bulb named: an error naming it, nothing sent. With --all the white bulb
// is passed by and the colour bulb alone is waited for.
TEST(VerbRunner, ALightThatCannotTakeTheCommandIsNamedOrPassedBy) {
    // Hall has told it is a dimmable white bulb (kept in the saved list).
    testing::Rig rig(
        R"([{"ip":"10.0.0.1","name":"Desk"},{"ip":"10.0.0.2","name":"Hall","module":"ESP05_SHDW_21"}])");
    VerbRunner runner(*rig.lights, rig.loop);
    rig.net.clearSent();
    std::optional<VerbRunner::Outcome> outcome;
    const auto done = [&outcome](const VerbRunner::Outcome& o) { outcome = o; };

    runner.run(*Verb::parse({"color", "red", "hall"}).verb, done);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->status, 2);
    EXPECT_EQ(outcome->err, "Hall (10.0.0.2) cannot show a colour.\n");
    EXPECT_TRUE(rig.net.sentTo("setPilot").empty());

    outcome.reset();
    runner.run(*Verb::parse({"color", "red", "--all"}).verb, done);
    EXPECT_EQ(rig.net.sentTo("setPilot"), std::vector<std::string>{"10.0.0.1"});
    rig.lights->receiveReply(R"({"method":"setPilot","env":"pro","result":{"success":true}})",
                             "10.0.0.1");
    EXPECT_FALSE(outcome);
    rig.report("10.0.0.1", R"({"state":true,"dimming":80,"r":255,"g":59,"b":48})");
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->status, 0);
    EXPECT_EQ(outcome->out, "Desk (10.0.0.1): on, 80 %, colour #ff3b30\n");
}

// A report's colour as #rrggbb, whatever numbers it holds.
TEST(VerbRunner, ListsAReportedColourWithItsComponentsClampedToBytes) {
    testing::Rig rig(R"([{"ip":"10.0.0.1","name":"Desk"}])");
    VerbRunner runner(*rig.lights, rig.loop);
    std::optional<VerbRunner::Outcome> outcome;
    runner.run(*Verb::parse({"list"}).verb,
               [&outcome](const VerbRunner::Outcome& o) { outcome = o; });
    rig.report("10.0.0.1", R"({"state":true,"dimming":80,"r":1e300,"g":-1e300,"b":128.9})");
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->out, "Desk (10.0.0.1): on, 80 %, colour #ff0080\n");
}

// An error while a command waits: older firmware's answer to the controller's own configuration
// request says nothing about the command, which a later report answers; an error that names no
// method is a bulb that could not read the command.
TEST(VerbRunner, OnlyAnErrorToTheCommandIsARejection) {
    const struct {
        const char* error;
        int status;
    } cases[] = {
        {R"({"method":"getModelConfig","env":"pro","error":{"code":-32601,"message":"Method not found"}})",
         0},
        {R"({"env":"pro","error":{"code":-32700,"message":"Parse error"}})", 1},
    };
    for (const auto& c : cases) {
        testing::Rig rig(R"([{"ip":"10.0.0.1","name":"Desk"}])");
        VerbRunner runner(*rig.lights, rig.loop);
        std::optional<VerbRunner::Outcome> outcome;
        runner.run(*Verb::parse({"on", "desk"}).verb,
                   [&outcome](const VerbRunner::Outcome& o) { outcome = o; });
        rig.lights->receiveReply(c.error, "10.0.0.1");
        rig.lights->receiveReply(R"({"method":"setPilot","env":"pro","result":{"success":true}})",
                                 "10.0.0.1");
        rig.report("10.0.0.1", R"({"state":true,"dimming":80,"temp":2700})");
        ASSERT_TRUE(outcome) << c.error;
        EXPECT_EQ(outcome->status, c.status) << c.error << outcome->err;
    }
}

} // namespace
} // namespace glowdeck
