#include "model/ChangeSignal.h"

#include <gtest/gtest.h>
#include <optional>

namespace glowdeck {
namespace {

TEST(ChangeSignal, ObserversMayDisconnectThemselvesAndOthersWhileNotified) {
    ChangeSignal signal;
    int first = 0, second = 0, third = 0;
    std::optional<ChangeSignal::Connection> a, b, c;
    a = signal.connect([&] {
        ++first;
        a.reset();
        b.reset();
    });
    b = signal.connect([&] { ++second; });
    c = signal.connect([&] { ++third; });
    signal.notify();
    signal.notify();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(third, 2);
}

TEST(ChangeSignal, ConnectionsMoveAndMayOutliveTheirSignal) {
    int calls = 0;
    ChangeSignal::Connection moved;
    {
        ChangeSignal signal;
        auto connection = signal.connect([&] { ++calls; });
        moved = std::move(connection);
        signal.notify();
        EXPECT_EQ(calls, 1) << "still connected once moved";
        ChangeSignal::Connection other = signal.connect([&] { ++calls; });
        other = ChangeSignal::Connection();
        signal.notify();
        EXPECT_EQ(calls, 2) << "a connection assigned over disconnects";
    }
    moved.disconnect();
    EXPECT_EQ(calls, 2);
}

} // namespace
} // namespace glowdeck
