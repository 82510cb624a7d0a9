#include "BulbSimulator.h"
#include "FakeLan.h"
#include "model/Lights.h"
#include "model/MemoryStore.h"
#include "model/PollLoop.h"

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <utility>
#include <vector>

namespace glowdeck::testing {
namespace {

using namespace std::chrono_literals;

// Every wait here ends by this long at the latest; a scan takes three seconds.
constexpr Duration patience = 6s;
constexpr const char* getPilot = R"({"method":"getPilot","params":{}})";

std::uint16_t localPort(int fd) {
    sockaddr_in local{};
    socklen_t length = sizeof local;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length);
    return ntohs(local.sin_port);
}

std::vector<std::string> lanBulbs() {
    return {FakeLan::bulbs.begin(), FakeLan::bulbs.end()};
}

// The simulated bulbs on the fake LAN, with their wildcard socket, and a controller.
struct LanRig {
    PollLoop loop;
    MemoryStore store;
    sim::BulbSimulator simulator{loop};

    LanRig() {
        for (const auto* address : FakeLan::bulbs)
            simulator.addBulb(address);
    }

    std::vector<std::string> ips(const Lights& lights) const {
        std::vector<std::string> ips;
        for (const auto& bulb : lights.bulbs())
            ips.push_back(bulb.ip);
        return ips;
    }
};

TEST(Discovery, OneScanFindsEveryBulbOnTheLan) {
    LanRig rig;
    Lights lights(false, rig.store, rig.loop);
    ASSERT_GE(lights.socketFD(), 0);

    const auto started = rig.loop.monotonicNow();
    lights.discover();
    EXPECT_TRUE(lights.scanning());
    ASSERT_TRUE(rig.loop.runUntil([&] { return !lights.scanning(); }, patience));
    EXPECT_GE(rig.loop.monotonicNow() - started, Lights::discoveryWait);

    // Every bulb, each at its own address, in the order they answered; the first is selected.
    EXPECT_EQ(rig.ips(lights), lanBulbs());
    EXPECT_EQ(lights.selected(), FakeLan::bulbs.front());
    EXPECT_EQ(lights.message(), std::nullopt);
    for (std::size_t i = 0; i < lights.bulbs().size(); ++i) {
        EXPECT_EQ(lights.bulbs()[i].name, "WiZ light " + std::to_string(i + 1));
        EXPECT_TRUE(lights.bulbs()[i].responding(lights.now()));
    }

    // The list was saved.
    const auto stored = rig.store.data(Lights::storeKey);
    ASSERT_TRUE(stored.has_value());
    std::vector<std::string> saved;
    for (const auto& light : nlohmann::json::parse(*stored))
        saved.push_back(light.at("ip").get<std::string>());
    EXPECT_EQ(saved, lanBulbs());

    // What went out: one "getPilot" to 255.255.255.255, then one to the broadcast address of
    // every interface entry, all heard by the wildcard socket; nothing else.
    const auto& log = rig.simulator.requests();
    std::vector<std::string> destinations;
    for (const auto& request : log) {
        EXPECT_TRUE(request.broadcast()) << request.describe();
        EXPECT_EQ(request.raw, getPilot);
        EXPECT_EQ(request.from, FakeLan::client);
        EXPECT_EQ(request.fromPort, localPort(lights.socketFD()));
        destinations.push_back(request.destination);
    }
    std::vector<std::string> expected{"255.255.255.255"};
    for (const auto& address : FakeLan::broadcastAddresses())
        expected.push_back(address);
    EXPECT_EQ(destinations, expected);
    EXPECT_GT(std::ranges::count(destinations, std::string(FakeLan::broadcast)), 0);
}

// A tunable-white bulb tells what it is once the panel is open; when the router gives it a new
// address it keeps its name, place and selection there, and the list is saved so.
TEST(Discovery, ABulbTellsItsModuleAndKeepsItsNameWhenItsAddressMoves) {
    LanRig rig;
    const std::string first = FakeLan::bulbs.front();
    rig.simulator.bulb(first)->setModule(*sim::ModuleProfile::parse("ESP21_SHTW_01"));
    Lights lights(false, rig.store, rig.loop);
    lights.setPanelVisible(true);
    ASSERT_TRUE(rig.loop.runUntil(
        [&] {
            return !lights.scanning() && !lights.bulbs().empty() &&
                   lights.bulbs().front().device.maxKelvin == 5000;
        },
        patience));
    const DeviceClass& device = lights.bulbs().front().device;
    EXPECT_EQ(device.kind, DeviceClass::Kind::TunableWhite);
    EXPECT_EQ(device.minKelvin, 2700);
    lights.rename("Desk");

    rig.simulator.moveBulb(first, FakeLan::spare);
    lights.discover();
    ASSERT_TRUE(rig.loop.runUntil([&] { return !lights.scanning(); }, patience));
    std::vector<std::string> expected = lanBulbs();
    expected.front() = FakeLan::spare;
    EXPECT_EQ(rig.ips(lights), expected);
    EXPECT_EQ(lights.bulbs().front().name, "Desk");
    EXPECT_EQ(lights.bulbs().front().device.kind, DeviceClass::Kind::TunableWhite);
    EXPECT_EQ(lights.selected(), FakeLan::spare);
    auto saved = nlohmann::json::parse(rig.store.data(Lights::storeKey).value_or("[]"));
    ASSERT_EQ(saved.size(), expected.size());
    EXPECT_EQ(saved[0]["ip"], FakeLan::spare);
    EXPECT_EQ(saved[0]["name"], "Desk");
}

// Replies only ever go to this machine, so a simulator that hears a broadcast from elsewhere
// stays silent.
TEST(Simulator, BulbsOnlyTalkToThisMachine) {
    LanRig rig;
    auto* bulb = rig.simulator.bulb(FakeLan::bulbs.front());
    ASSERT_NE(bulb, nullptr);
    const std::pair<const char*, bool> destinations[] = {
        {FakeLan::client, true},     {"127.0.0.1", true},  {"10.77.0.12", true},
        {"10.77.0.99", false},       {"192.0.2.1", false}, {"255.255.255.255", false},
        {FakeLan::broadcast, false},
    };
    for (const auto& [address, answered] : destinations)
        EXPECT_EQ(bulb->sendSync(address, 40000), answered) << address;
}

} // namespace
} // namespace glowdeck::testing
