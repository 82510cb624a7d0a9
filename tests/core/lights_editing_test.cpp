#include "support/Rig.h"

#include <gtest/gtest.h>

namespace glowdeck::testing {
namespace {

const char* threeBulbs =
    R"([{"ip":"10.0.0.1","name":"A"},{"ip":"10.0.0.2","name":"B"},{"ip":"10.0.0.3","name":"C"}])";

// The status line belongs to what the bulbs and the network say; editing the list leaves it.
TEST(Editing, ForgettingAndAddingLeaveTheMessageAndRenamingSendsNothing) {
    Rig rig(threeBulbs);
    rig.lights->add("bad");
    const auto message = rig.lights->message();
    ASSERT_TRUE(message);
    rig.lights->remove();
    rig.lights->add("10.0.0.9");
    EXPECT_EQ(rig.lights->message(), message);
    rig.net.clearSent();
    rig.lights->rename("Porch");
    rig.loop.advance(std::chrono::seconds(1));
    EXPECT_TRUE(rig.net.sent.empty());
}

TEST(Editing, AddTrimsSelectsSavesAndQueries) {
    const char* typed[] = {"  10.0.0.9\n", "\t10.0.0.9 ",
                           "\xC2\xA0"
                           "10.0.0.9\xE2\x80\xA8",
                           "\xE3\x80\x80"
                           "10.0.0.9"};
    for (const char* text : typed) {
        Rig rig(threeBulbs);
        rig.lights->add(text);
        EXPECT_EQ(rig.ips().back(), "10.0.0.9") << text;
        EXPECT_EQ(rig.lights->bulbs().back().name, "WiZ light 4") << text;
        EXPECT_EQ(rig.lights->selected(), "10.0.0.9") << text;
        EXPECT_NE(rig.store.data("bulbs")->find(R"({"ip":"10.0.0.9","name":"WiZ light 4"})"),
                  std::string::npos)
            << text;
        EXPECT_EQ(rig.net.sentTo("getPilot"), std::vector<std::string>{"10.0.0.9"}) << text;
    }
}

TEST(Editing, AddRefusesInvalidAddressesWithTheMessageOnly) {
    for (const char* text : {"0.0.0.0", "", "10.0.0.255", "bulb.local", "10.0.0.1 2"}) {
        Rig rig(threeBulbs);
        rig.lights->add(text);
        EXPECT_EQ(rig.lights->message(), "Enter a valid bulb IPv4 address.") << text;
        EXPECT_EQ(rig.lights->bulbs().size(), 3u) << text;
        EXPECT_EQ(rig.lights->selected(), "10.0.0.1") << text;
        EXPECT_EQ(rig.store.writes(), 1) << text;
        EXPECT_TRUE(rig.net.sent.empty()) << text;
    }
}

TEST(Editing, AddingAKnownAddressSelectsAndQueriesWithoutWriting) {
    Rig rig(threeBulbs);
    rig.lights->add("10.0.0.3");
    EXPECT_EQ(rig.lights->bulbs().size(), 3u);
    EXPECT_EQ(rig.lights->bulbs()[2].name, "C");
    EXPECT_EQ(rig.lights->selected(), "10.0.0.3");
    EXPECT_EQ(rig.store.writes(), 1);
    EXPECT_EQ(rig.net.sentTo("getPilot"), std::vector<std::string>{"10.0.0.3"});
}

TEST(Editing, RemoveForgetsTheSelectionAndSelectsTheFirst) {
    Rig rig(threeBulbs);
    rig.lights->setSelected("10.0.0.2");
    rig.lights->remove();
    EXPECT_EQ(rig.ips(), (std::vector<std::string>{"10.0.0.1", "10.0.0.3"}));
    EXPECT_EQ(rig.lights->selected(), "10.0.0.1");

    // Nothing selected: nothing forgotten, and the first remaining bulb is selected.
    rig.lights->setSelected(std::nullopt);
    rig.lights->remove();
    EXPECT_EQ(rig.lights->bulbs().size(), 2u);
    EXPECT_EQ(rig.lights->selected(), "10.0.0.1");
    EXPECT_EQ(rig.store.writes(), 2);

    Rig single(R"([{"ip":"10.0.0.1","name":"A"}])");
    single.lights->remove();
    EXPECT_TRUE(single.lights->bulbs().empty());
    EXPECT_FALSE(single.lights->selected());
    EXPECT_EQ(single.store.data("bulbs"), "[]");
}

TEST(Editing, RenameUsesTheTextAsTypedOrTheBareDefault) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "WiZ light"}, {" ", " "}, {"  Desk  ", "  Desk  "}, {"<b>x</b>", "<b>x</b>"}};
    for (const auto& [typed, stored] : cases) {
        Rig rig(threeBulbs);
        rig.lights->rename(typed);
        EXPECT_EQ(rig.lights->bulbs()[0].name, stored);
        EXPECT_EQ(rig.lights->current()->name, stored);
    }

    // Without a current bulb, nothing happens.
    Rig rig(threeBulbs);
    rig.lights->setSelected("10.9.9.9");
    rig.announcements = 0;
    rig.lights->rename("X");
    EXPECT_EQ(rig.announcements, 0);
    EXPECT_EQ(rig.store.writes(), 1);
    EXPECT_EQ(rig.lights->current(), nullptr);
}

TEST(Editing, CurrentIsTheFirstBulbWithTheSelectedAddress) {
    Rig rig(R"([{"ip":"10.0.0.1","name":"A"},{"ip":"10.0.0.1","name":"B"}])");
    ASSERT_NE(rig.lights->current(), nullptr);
    EXPECT_EQ(rig.lights->current()->name, "A");
    rig.lights->setSelected(std::nullopt);
    EXPECT_EQ(rig.lights->current(), nullptr);
}

TEST(Editing, EveryChangeIsAnnouncedBeforeItTakesEffect) {
    Rig rig(threeBulbs);
    std::vector<std::size_t> countsSeen;
    auto watch = rig.lights->objectWillChange().connect(
        [&] { countsSeen.push_back(rig.lights->bulbs().size()); });
    rig.lights->add("10.0.0.4");
    ASSERT_FALSE(countsSeen.empty());
    EXPECT_EQ(countsSeen.front(), 3u) << "observers see the old list";
}

} // namespace
} // namespace glowdeck::testing
