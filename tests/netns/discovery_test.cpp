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
#include <ostream>
#include <set>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
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

TEST(Discovery, OnlyTheFirstPanelOpeningScans) {
    LanRig rig;
    Lights lights(false, rig.store, rig.loop);

    lights.setPanelVisible(true);
    EXPECT_TRUE(lights.hasDiscovered());
    EXPECT_TRUE(lights.scanning());
    ASSERT_TRUE(rig.loop.runUntil(
        [&] { return !lights.scanning() && lights.bulbs().size() == FakeLan::bulbs.size(); },
        patience));
    EXPECT_TRUE(lights.polling());
    lights.setPanelVisible(false);
    EXPECT_FALSE(lights.polling());

    rig.simulator.clearRequests();
    lights.setPanelVisible(true);
    EXPECT_FALSE(lights.scanning());
    EXPECT_TRUE(lights.polling());
    ASSERT_TRUE(rig.loop.runUntil(
        [&] { return rig.simulator.requests().size() >= FakeLan::bulbs.size(); }, patience));
    rig.loop.runFor(200ms);

    std::vector<std::string> asked;
    for (const auto& request : rig.simulator.requests()) {
        EXPECT_FALSE(request.broadcast()) << request.describe();
        EXPECT_EQ(request.raw, getPilot);
        asked.push_back(request.receiver);
    }
    EXPECT_EQ(asked, lanBulbs());
    lights.setPanelVisible(false);
}

// --- The simulator on a LAN ---

struct Destination {
    const char* name;
    const char* address;
    bool answered;
};

void PrintTo(const Destination& destination, std::ostream* out) {
    *out << destination.name;
}

class WildcardSocket : public ::testing::TestWithParam<Destination> {};

TEST_P(WildcardSocket, EveryBulbAnswersABroadcastFromItsOwnAddress) {
    LanRig rig;
    const int client = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
    ASSERT_GE(client, 0);
    const int one = 1;
    ::setsockopt(client, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(sim::SimulatedBulb::port);
    ASSERT_EQ(::inet_pton(AF_INET, GetParam().address, &to.sin_addr), 1);
    ASSERT_GT(::sendto(client, getPilot, std::string_view(getPilot).size(), 0,
                       reinterpret_cast<const sockaddr*>(&to), sizeof to),
              0);

    ASSERT_TRUE(rig.loop.runUntil([&] { return !rig.simulator.requests().empty(); }, patience));
    const auto& request = rig.simulator.requests().front();
    EXPECT_TRUE(request.broadcast());
    EXPECT_EQ(request.destination, GetParam().address);

    std::set<std::string> repliers;
    char buffer[2048];
    sockaddr_in from{};
    socklen_t length = sizeof from;
    ssize_t received = 0;
    while ((received = ::recvfrom(client, buffer, sizeof buffer, 0,
                                  reinterpret_cast<sockaddr*>(&from), &length)) > 0) {
        char text[INET_ADDRSTRLEN] = {};
        ::inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
        EXPECT_EQ(ntohs(from.sin_port), sim::SimulatedBulb::port);
        EXPECT_TRUE(nlohmann::json::parse(std::string(buffer, static_cast<std::size_t>(received)))
                        .contains("result"));
        repliers.insert(text);
        length = sizeof from;
    }
    ::close(client);

    const std::set<std::string> everyBulb(FakeLan::bulbs.begin(), FakeLan::bulbs.end());
    EXPECT_EQ(repliers, GetParam().answered ? everyBulb : std::set<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Destinations, WildcardSocket,
    ::testing::Values(Destination{"LimitedBroadcast", "255.255.255.255", true},
                      Destination{"SubnetBroadcast", FakeLan::broadcast, true},
                      // Unicast to an address that holds no bulb also lands on the wildcard.
                      Destination{"AddressWithoutABulb", FakeLan::client, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

class Reach : public ::testing::TestWithParam<Destination> {};

// Replies only ever go to this machine, so a simulator that hears a broadcast from elsewhere
// stays silent.
TEST_P(Reach, BulbsOnlyTalkToThisMachine) {
    LanRig rig;
    auto* bulb = rig.simulator.bulb(FakeLan::bulbs.front());
    ASSERT_NE(bulb, nullptr);
    EXPECT_EQ(bulb->sendSync(GetParam().address, 40000), GetParam().answered);
}

INSTANTIATE_TEST_SUITE_P(
    Destinations, Reach,
    ::testing::Values(Destination{"Client", FakeLan::client, true},
                      Destination{"Loopback", "127.0.0.1", true},
                      Destination{"AnotherBulb", "10.77.0.12", true},
                      Destination{"UnassignedOnTheLan", "10.77.0.99", false},
                      Destination{"BeyondTheLan", "192.0.2.1", false},
                      Destination{"LimitedBroadcast", "255.255.255.255", false},
                      Destination{"SubnetBroadcast", FakeLan::broadcast, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
} // namespace glowdeck::testing
