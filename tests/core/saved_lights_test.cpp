#include "Rig.h"
#include "model/SavedLight.h"

#include <gtest/gtest.h>

namespace glowdeck::testing {
namespace {

TEST(SavedLights, LoadingKeepsOrderSelectsTheFirstAndStartsUnseen) {
    Rig rig(R"([{"ip":"10.0.0.5","name":"Desk","on":true},{"ip":"10.0.0.6","name":"Hall"}])");
    EXPECT_EQ(rig.ips(), (std::vector<std::string>{"10.0.0.5", "10.0.0.6"}));
    EXPECT_EQ(rig.lights->bulbs()[1], Bulb::unseen("10.0.0.6", "Hall"));
    EXPECT_EQ(rig.lights->bulbs()[0].on, false) << "members beyond ip and name are ignored";
    EXPECT_EQ(rig.lights->selected(), "10.0.0.5");
    EXPECT_FALSE(rig.lights->message());
}

TEST(SavedLights, UnreadableValuesLoadAsAnEmptyListAndStayStored) {
    const char* values[] = {
        "[]",
        R"([{"ip":"10.0.0.5"}])",
        R"([{"ip":"10.0.0.5","name":7}])",
        R"([{"ip":"10.0.0.5","name":"Desk"},3])",
        R"({"ip":"10.0.0.5","name":"Desk"})",
        "not json",
        "",
        "[{\"ip\":\"10.0.0.5\",\"name\":\"\xff\"}]",
    };
    for (const char* value : values) {
        Rig rig(value);
        EXPECT_TRUE(rig.lights->bulbs().empty()) << value;
        EXPECT_FALSE(rig.lights->selected()) << value;
        EXPECT_FALSE(rig.lights->message()) << value;
        EXPECT_EQ(rig.store.data("bulbs"), value) << value;
    }
}

TEST(SavedLights, NoStoredValueLoadsNothing) {
    Rig rig;
    EXPECT_TRUE(rig.lights->bulbs().empty());
    EXPECT_FALSE(rig.lights->selected());
}

TEST(SavedLights, SavingWritesSortedCompactNamesAndAddressesOnlyOnChange) {
    Rig rig;
    rig.report("10.0.0.5", R"({"state":true,"dimming":40,"temp":3000,"sceneId":4})");
    rig.loop.advance(Duration::zero());
    rig.lights->rename("Desk \"lamp\" ✓");
    rig.lights->save();
    rig.lights->save();
    EXPECT_EQ(rig.store.data("bulbs"), R"([{"ip":"10.0.0.5","name":"Desk \"lamp\" ✓"}])");
    EXPECT_EQ(rig.store.writes(), 2) << "the first report and the rename; the saves wrote nothing";

    rig.lights->remove();
    EXPECT_EQ(rig.store.data("bulbs"), "[]");
}

TEST(SavedLights, NamesRoundTripThroughTheStore) {
    Rig rig;
    rig.lights->add("10.0.0.5");
    const std::string name = "<b>Büro</b> \\ \t\x01 \"x\"";
    rig.lights->rename(name);
    rig.build();
    ASSERT_EQ(rig.lights->bulbs().size(), 1u);
    EXPECT_EQ(rig.lights->bulbs()[0].name, name);
}

TEST(SavedLights, ListThatCannotBeEncodedIsNotSaved) {
    Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"}])");
    rig.lights->rename("bad \xff");
    EXPECT_EQ(rig.store.data("bulbs"), R"([{"ip":"10.0.0.5","name":"Desk"}])");
    EXPECT_EQ(rig.lights->bulbs()[0].name, "bad \xff") << "the list in memory keeps the name";
}

TEST(SavedLights, PreviewNeverTouchesTheStore) {
    Rig rig(R"([{"ip":"10.0.0.5","name":"Desk"}])", /*preview=*/true);
    ASSERT_EQ(rig.lights->bulbs().size(), 1u);
    const Bulb& sample = rig.lights->bulbs()[0];
    EXPECT_EQ(sample.ip, "192.168.1.42");
    EXPECT_EQ(sample.name, "Desk Light");
    EXPECT_TRUE(sample.on);
    EXPECT_EQ(sample.brightness, 72.0);
    EXPECT_EQ(sample.sceneID, 6);
    EXPECT_EQ(rig.lights->selected(), "192.168.1.42");
    EXPECT_EQ(rig.lights->socketFD(), -1);
    rig.lights->rename("Other");
    EXPECT_EQ(rig.store.writes(), 1);
    rig.lights->setPanelVisible(true);
    rig.lights->control({{"state", false}}, true);
    rig.loop.advance(std::chrono::seconds(20));
    EXPECT_TRUE(rig.net.sent.empty());
    EXPECT_FALSE(rig.lights->polling());
}

} // namespace
} // namespace glowdeck::testing
