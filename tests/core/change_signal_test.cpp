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

TEST(ChangeSignal, ConnectionOutlivingItsSignalIsHarmless) {
    int calls = 0;
    ChangeSignal::Connection connection;
    {
        ChangeSignal signal;
        connection = signal.connect([&] { ++calls; });
        signal.notify();
    }
    connection.disconnect();
    EXPECT_EQ(calls, 1);
}

TEST(ChangeSignal, MovedConnectionStaysConnected) {
    ChangeSignal signal;
    int calls = 0;
    auto connection = signal.connect([&] { ++calls; });
    ChangeSignal::Connection moved = std::move(connection);
    signal.notify();
    EXPECT_EQ(calls, 1);
    moved = ChangeSignal::Connection();
    signal.notify();
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace glowdeck
