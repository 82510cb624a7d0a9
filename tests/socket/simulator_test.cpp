#include "HostAddresses.h"
#include "LiveRig.h"

#include <string>

namespace glowdeck::testing {
namespace {

// A client on the loopback address that talks to the simulator directly.
struct SimulatorRig {
    PollLoop loop;
    sim::BulbSimulator simulator{loop,
                                 {.listenForBroadcasts = false, .keepLog = true, .peers = {}}};
    sim::DatagramSocket client{"127.0.0.1", 0, false};

    std::uint16_t clientPort() const {
        sockaddr_in local{};
        socklen_t length = sizeof local;
        ::getsockname(client.fd(), reinterpret_cast<sockaddr*>(&local), &length);
        return ntohs(local.sin_port);
    }

    // Sends `bytes` to the bulb at `to` and runs the loop until the simulator has logged it.
    bool request(const std::string& to, const std::string& bytes) {
        const auto before = simulator.requests().size();
        return client.sendTo(to, sim::SimulatedBulb::port, bytes) &&
               loop.runUntil([&] { return simulator.requests().size() > before; },
                             LiveRig::patience);
    }

    std::optional<sim::DatagramSocket::Datagram> reply() { return client.receive(); }
};

TEST(Answers, RepliesAsABulbDoes) {
    const struct {
        const char* request;
        const char* reply;
    } cases[] = {
        {R"({"method":"getPilot","params":{}})",
         R"({"method":"getPilot","env":"pro","result":{"mac":"a8bb7f000002","rssi":-55,"src":"","state":true,"sceneId":0,"temp":2700,"dimming":100}})"},
        {R"({"method":"setPilot","params":{"state":false,"dimming":10}})",
         R"({"method":"setPilot","env":"pro","result":{"success":true}})"},
        {R"({"method":"setPilot","params":{"state":"on"}})",
         R"({"method":"setPilot","env":"pro","error":{"code":-32602,"message":"Invalid params"}})"},
        {R"({"method":"reboot","params":{}})",
         R"({"method":"reboot","env":"pro","error":{"code":-32601,"message":"Method not found"}})"},
        {R"({"method":)", R"({"env":"pro","error":{"code":-32700,"message":"Parse error"}})"},
    };
    SimulatorRig rig;
    rig.simulator.addBulb("127.0.0.2");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.request);
        ASSERT_TRUE(rig.request("127.0.0.2", c.request));
        auto reply = rig.reply();
        ASSERT_TRUE(reply.has_value());
        EXPECT_EQ(reply->bytes, c.reply);
        EXPECT_EQ(reply->from, "127.0.0.2");
        EXPECT_EQ(reply->fromPort, 38899);
    }
}

TEST(Binding, ASecondSimulatorOnTheSameAddressFails) {
    SimulatorRig rig;
    rig.simulator.addBulb("127.0.0.2");
    sim::BulbSimulator other{rig.loop,
                             {.listenForBroadcasts = false, .keepLog = true, .peers = {}}};
    EXPECT_THROW(other.addBulb("127.0.0.2"), std::system_error);
    EXPECT_THROW(other.addBulb("bulb.local"), std::system_error);
    EXPECT_EQ(other.size(), 0u);
}

// A host outside this machine is answered only on a LAN that a test made.
TEST(Binding, PeersAreRefusedWhereAnInterfaceWasNotMadeByATest) {
    if (sim::HostAddresses::current().foreignInterface().empty())
        GTEST_SKIP() << "only lo and test-made interfaces here";
    PollLoop loop;
    EXPECT_THROW(
        sim::BulbSimulator(
            loop, {.listenForBroadcasts = false, .keepLog = false, .peers = {"10.77.0.1"}}),
        std::system_error);
}

} // namespace
} // namespace glowdeck::testing
