#include "support/Rig.h"

#include <gtest/gtest.h>

namespace glowdeck::testing {
namespace {

// Whatever can be read loads; a value read only in part is kept aside before the first save
// replaces it, once.
TEST(SavedLights, ReadableEntriesLoadAndAPartlyReadValueIsKeptBeforeItIsReplaced) {
    using namespace std::string_literals;
    const struct {
        std::string value;
        std::vector<std::string> loaded;
        bool complete;
    } cases[] = {
        {"[]", {}, true},
        {R"([ {"ip":"10.0.0.5", "name":"Desk"} ])", {"10.0.0.5"}, true},
        {R"([{"ip":"10.0.0.5"}])", {}, false},
        {R"([{"ip":"10.0.0.5","name":7}])", {}, false},
        {R"([3,{"ip":"10.0.0.5","name":"Desk","on":1},"x",{"ip":7,"name":"A"},)"
         R"({"ip":"10.0.0.6","name":"Hall"}])",
         {"10.0.0.5", "10.0.0.6"},
         false},
        {R"([{"ip":"10.0.0.5","name":"Desk","mac":"a8bb50000001","module":"ESP21_SHTW_01",)"
         R"("minKelvin":2700,"maxKelvin":5000,"future":[1]},{"ip":"10.0.0.6","name":"Hall",)"
         R"("mac":7,"module":"\u0001","minKelvin":"2700","maxKelvin":9e9}])",
         {"10.0.0.5", "10.0.0.6"},
         true},
        {R"({"ip":"10.0.0.5","name":"Desk"})", {}, false},
        {"not json", {}, false},
        {"", {}, false},
        {"[{\"ip\":\"10.0.0.5\",\"name\":\"\xff\"}]", {}, false},
        {R"([{"ip":"10.0.0.5","name":"Desk"}])"s + '\0' + "]", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        Rig rig(c.value);
        EXPECT_EQ(rig.ips(), c.loaded);
        EXPECT_EQ(rig.lights->selected().has_value(), !c.loaded.empty());
        EXPECT_FALSE(rig.lights->message());
        EXPECT_EQ(rig.store.data("bulbs"), c.value) << "untouched until a save";

        rig.lights->add("10.0.0.9");
        const auto kept = c.complete ? std::nullopt : std::optional(c.value);
        EXPECT_EQ(rig.store.data("bulbs.unreadable"), kept);
        EXPECT_EQ(rig.ips().back(), "10.0.0.9");
        rig.lights->remove();
        EXPECT_EQ(rig.store.data("bulbs.unreadable"), kept);
    }

    // A later run with another damaged list keeps it beside the first one, and so with a value
    // that is not bytes at all (as a hand edit can leave).
    Rig rig("[1]");
    rig.lights->add("10.0.0.9");
    rig.store.setData("bulbs", "[2]");
    rig.build();
    rig.lights->add("10.0.0.8");
    rig.store.setForeign("bulbs", "texts");
    rig.build();
    EXPECT_TRUE(rig.ips().empty());
    EXPECT_EQ(rig.store.foreign("bulbs"), "texts") << "untouched until a save";
    rig.lights->add("10.0.0.7");
    EXPECT_EQ(rig.store.data("bulbs.unreadable"), "[1]");
    EXPECT_EQ(rig.store.data("bulbs.unreadable.2"), "[2]");
    EXPECT_EQ(rig.store.foreign("bulbs.unreadable.3"), "texts");
    EXPECT_EQ(rig.store.data("bulbs"), R"([{"ip":"10.0.0.7","name":"WiZ light 1"}])");
}

// A write that fails is said on the status line until a write succeeds: other messages come
// and go over it, and it is back when they are cleared.
TEST(SavedLights, AFailedWriteStaysOnTheStatusLineUntilAWriteSucceeds) {
    const std::string cannotSave = "Could not save the list of lights.";
    Rig rig;
    rig.store.failWrites(true);
    rig.lights->add("10.0.0.5");
    EXPECT_EQ(rig.lights->message(), cannotSave);
    rig.lights->add("not an address");
    EXPECT_EQ(rig.lights->message(), "Enter a valid bulb IPv4 address.");
    rig.lights->discover();
    EXPECT_EQ(rig.lights->message(), cannotSave);
    rig.store.failWrites(false);
    rig.lights->rename("Desk");
    EXPECT_FALSE(rig.lights->message());
    EXPECT_EQ(rig.store.data("bulbs"), R"([{"ip":"10.0.0.5","name":"Desk"}])");
}

TEST(SavedLights, NamesRoundTripThroughTheStoreAndAListThatCannotBeEncodedIsNotSaved) {
    Rig rig;
    rig.lights->add("10.0.0.5");
    const std::string name = "<b>Büro</b> \\ \t\x01 \"x\"";
    rig.lights->rename(name);
    rig.build();
    ASSERT_EQ(rig.lights->bulbs().size(), 1u);
    EXPECT_EQ(rig.lights->bulbs()[0].name, name);

    const auto saved = rig.store.data("bulbs");
    rig.lights->rename("bad \xff");
    EXPECT_EQ(rig.store.data("bulbs"), saved);
    EXPECT_EQ(rig.lights->bulbs()[0].name, "bad \xff") << "the list in memory keeps the name";
}

TEST(SavedLights, PreviewNeverTouchesTheStore) {
    Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"}])", /*preview=*/true);
    ASSERT_EQ(rig.lights->bulbs().size(), 1u);
    EXPECT_NE(rig.lights->bulbs()[0].name, "Desk") << "a sample light, not the stored list";
    EXPECT_EQ(rig.lights->selected(), rig.lights->bulbs()[0].ip);
    EXPECT_EQ(rig.lights->socketFD(), -1);
    rig.lights->rename("Other");
    EXPECT_EQ(rig.store.writes(), 1);
    rig.lights->setPanelVisible(true);
    rig.lights->control({{"state", false}}, true);
    rig.loop.advance(std::chrono::seconds(20));
    EXPECT_TRUE(rig.net.sent.empty());
    EXPECT_FALSE(rig.lights->polling());
}

// An added light is asked for its state at once; each forgotten one leaves the saved list, and
// forgetting the last stops the polling.
TEST(SavedLights, AddingQueriesTheLightAndForgettingSavesAndStopsPollingAtTheLast) {
    Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"}])");
    rig.lights->setPanelVisible(true);
    rig.net.clearSent();
    rig.lights->add("10.0.0.6");
    EXPECT_EQ(rig.net.sentTo("getPilot"), std::vector<std::string>{"10.0.0.6"});
    rig.lights->remove();
    EXPECT_EQ(rig.store.data("bulbs"), R"([{"ip":"10.0.0.5","name":"Desk"}])");
    EXPECT_TRUE(rig.lights->polling());
    rig.lights->remove();
    EXPECT_EQ(rig.store.data("bulbs"), "[]");
    EXPECT_FALSE(rig.lights->polling());
}

} // namespace
} // namespace glowdeck::testing
