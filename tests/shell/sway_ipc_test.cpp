#include "Spin.h"
#include "shell/PanelWindow.h"
#include "shell/SwayIpc.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

using glowdeck::PanelWindow;
using glowdeck::SwayIpc;

namespace {

// Sway's side of the IPC on a socket of its own, in a thread (the program's side blocks while
// it waits): each connection carries one message, and gets the next scripted answer.
class FakeSway {
public:
    struct Request {
        std::string magic;
        quint32 type = 0;
        std::string payload;
    };

    FakeSway() {
        path_ = dir_.filePath(QStringLiteral("sway.sock"));
        listener_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path_.toLocal8Bit().constData(),
                     sizeof address.sun_path - 1);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener_, 8);
        thread_ = std::thread([this] { serve(); });
    }

    ~FakeSway() {
        ::shutdown(listener_, SHUT_RDWR);
        ::close(listener_);
        thread_.join();
    }

    const QString& path() const { return path_; }

    void answer(std::string json) {
        std::lock_guard lock(mutex_);
        answers_.push_back(std::move(json));
    }

    std::vector<Request> requests() {
        std::lock_guard lock(mutex_);
        return requests_;
    }

private:
    static bool readAll(int fd, char* into, size_t size) {
        while (size > 0) {
            const ssize_t got = ::read(fd, into, size);
            if (got <= 0) {
                return false;
            }
            into += got;
            size -= static_cast<size_t>(got);
        }
        return true;
    }

    void serve() {
        for (;;) {
            const int fd = ::accept(listener_, nullptr, nullptr);
            if (fd < 0) {
                return;
            }
            char header[14];
            Request request;
            quint32 numbers[2] = {0, 0};
            if (readAll(fd, header, sizeof header)) {
                request.magic.assign(header, 6);
                std::memcpy(numbers, header + 6, sizeof numbers);
                request.type = numbers[1];
                request.payload.resize(numbers[0]);
                readAll(fd, request.payload.data(), numbers[0]);
                std::string json = R"([{"success":false,"error":"No matching node."}])";
                {
                    std::lock_guard lock(mutex_);
                    requests_.push_back(request);
                    if (!answers_.empty()) {
                        json = answers_.front();
                        answers_.pop_front();
                    }
                }
                const quint32 reply[2] = {static_cast<quint32>(json.size()), request.type};
                std::string bytes = "i3-ipc";
                bytes.append(reinterpret_cast<const char*>(reply), sizeof reply);
                bytes += json;
                [[maybe_unused]] ssize_t sent = ::write(fd, bytes.data(), bytes.size());
            }
            ::close(fd);
        }
    }

    QTemporaryDir dir_;
    QString path_;
    int listener_ = -1;
    std::thread thread_;
    std::mutex mutex_;
    std::deque<std::string> answers_;
    std::vector<Request> requests_;
};

constexpr char success[] = R"([{"success":true},{"success":true}])";

} // namespace

TEST(SwayIpcTest, RunsACommandAndReadsWhetherEveryPartSucceeded) {
    FakeSway sway;
    sway.answer(success);
    sway.answer(R"([{"success":true},{"success":false,"error":"nope"}])");
    sway.answer("not json");
    const QByteArray command = SwayIpc::placeCommand(0x400006, QRect(916, 14, 356, 646));
    EXPECT_EQ(command,
              "[id=4194310] resize set 356 px 646 px, move absolute position 916 px 14 px");

    EXPECT_TRUE(SwayIpc::run(sway.path(), command));
    EXPECT_FALSE(SwayIpc::run(sway.path(), command));
    EXPECT_FALSE(SwayIpc::run(sway.path(), command));
    EXPECT_FALSE(SwayIpc::run(QString(), command));
    const auto requests = sway.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].magic, "i3-ipc");
    EXPECT_EQ(requests[0].type, 0u); // RUN_COMMAND
    EXPECT_EQ(requests[0].payload, command.toStdString());
}

TEST(SwayIpcTest, PanelStaysTransparentUntilSwayHasPlacedIt) {
    FakeSway sway;
    PanelWindow panel(nullptr, sway.path());
    const QRect frame(900, 20, 356, 400);
    panel.place(frame); // not shown yet: an ordinary geometry
    EXPECT_TRUE(sway.requests().empty());

    // Sway has not mapped the window for the first two tries.
    sway.answer(R"([{"success":false,"error":"No matching node."}])");
    sway.answer(R"([{"success":false,"error":"No matching node."}])");
    sway.answer(success);
    panel.showAndActivate();
    EXPECT_FALSE(panel.revealed());
    ASSERT_TRUE(glowdeck::testing::spinUntil([&] { return panel.revealed(); }));
    const auto requests = sway.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests.back().payload, SwayIpc::placeCommand(panel.winId(), frame).toStdString());

    // Shown, a new frame goes to sway too.
    sway.answer(success);
    panel.place(QRect(900, 20, 356, 500));
    ASSERT_EQ(sway.requests().size(), 4u);
    EXPECT_EQ(sway.requests().back().payload,
              SwayIpc::placeCommand(panel.winId(), QRect(900, 20, 356, 500)).toStdString());
}
