#include "model/Wire.h"

#include <gtest/gtest.h>

namespace glowdeck {
namespace {

using nlohmann::json;
using Kind = Wire::Reply::Kind;

TEST(Wire, ValidIPAcceptsOnlyUsableDottedQuads) {
    for (const char* text : {"192.168.1.20", "10.0.0.0", "127.0.0.2"})
        EXPECT_TRUE(Wire::validIP(text)) << text;
    for (const char* text :
         {"0.0.0.0", "255.255.255.255", "192.168.1.255", "192.168.1", "192.168.01.1",
          "192.168.1.20 ", " 192.168.1.20", "", "256.1.1.1", "1.2.3.4.5", "bulb.local", "+1.2.3.4"})
        EXPECT_FALSE(Wire::validIP(text)) << text;
    EXPECT_FALSE(Wire::validIP(std::string_view("10.0.0.5\0junk", 13))) << "embedded NUL";
}

struct ReplyCase {
    const char* name;
    std::string bytes;
    Kind kind;
    const char* pilot = nullptr; // the expected state report, for Kind::Pilot
};

TEST(Wire, ParseReplyClassifiesEveryDatagram) {
    const ReplyCase cases[] = {
        // Replies captured from real bulbs.
        {"colour bulb, off",
         R"({"method":"getPilot","env":"pro","result":{"mac":"a8bb5006033d","rssi":-62,"src":"","state":false,"sceneId":0,"r":255,"g":127,"b":0,"c":0,"w":0,"dimming":13}})",
         Kind::Pilot,
         R"({"mac":"a8bb5006033d","rssi":-62,"src":"","state":false,"sceneId":0,"r":255,"g":127,"b":0,"c":0,"w":0,"dimming":13})"},
        {"sync report",
         R"({"method":"syncPilot","id":25,"env":"pro","params":{"mac":"a8bb509f71d1","rssi":-55,"cnx":"0000","src":"udp","state":true,"sceneId":0,"temp":2700,"dimming":100}})",
         Kind::Pilot,
         R"({"mac":"a8bb509f71d1","rssi":-55,"cnx":"0000","src":"udp","state":true,"sceneId":0,"temp":2700,"dimming":100})"},
        {"parse error without method",
         R"({"env":"pro","error":{"code":-32700,"message":"Parse error"}})", Kind::Dropped},
        {"rejection",
         R"({"method":"setPilot","env":"pro","error":{"code":-32603,"message":"Internal error"}})",
         Kind::Rejected},
        // Constructed cases.
        {"not JSON", "{\"method\":", Kind::Dropped},
        {"not an object", R"(["getPilot"])", Kind::Dropped},
        {"method not a string", R"({"method":1,"result":{"state":true}})", Kind::Dropped},
        {"null error still rejects",
         R"({"method":"getPilot","error":null,"result":{"state":true}})", Kind::Rejected},
        {"setPilot acknowledgement", R"({"method":"setPilot","result":{"success":true}})",
         Kind::Dropped},
        {"method is case-sensitive", R"({"method":"GetPilot","result":{"state":true}})",
         Kind::Dropped},
        {"result array hides params",
         R"({"method":"getPilot","result":[],"params":{"state":true}})", Kind::Dropped},
        {"params when no result", R"({"method":"getPilot","params":{"state":true}})", Kind::Pilot,
         R"({"state":true})"},
        {"neither", R"({"method":"getPilot"})", Kind::Dropped},
        {"params not an object", R"({"method":"syncPilot","params":"on"})", Kind::Dropped},
        {"empty", "", Kind::Dropped},
        {"trailing garbage", R"({"method":"getPilot","result":{"state":true}}x)", Kind::Dropped},
        {"NUL after the object",
         std::string(R"({"method":"getPilot","result":{"state":true}})") + '\0' + "x",
         Kind::Dropped},
    };
    for (const auto& c : cases) {
        auto reply = Wire::parseReply(c.bytes);
        EXPECT_EQ(reply.kind, c.kind) << c.name;
        if (c.pilot) {
            EXPECT_EQ(reply.pilot, json::parse(c.pilot)) << c.name;
        }
    }
}

} // namespace
} // namespace glowdeck
