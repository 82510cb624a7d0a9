#include "shell/SettingsStore.h"

#include "model/Lights.h"
#include "model/VirtualLoop.h"
#include "support/FakeSocketApi.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

using glowdeck::Lights;
using glowdeck::SettingsStore;

namespace {

// The settings file at `file` as a different path reads it, bypassing the settings cached in
// this process; the copy goes into `scratch`.
QVariant readFromCopy(const QString& file, const QTemporaryDir& scratch, const QString& key) {
    const QString copy = scratch.filePath("copy.conf");
    QFile::remove(copy);
    EXPECT_TRUE(QFile::copy(file, copy));
    QSettings settings(copy, QSettings::IniFormat);
    return settings.value(key);
}

// Points the per-user settings at a temporary folder for the test's lifetime.
class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }

    QString file() const { return dir_.filePath("Glowdeck/Glowdeck.conf"); }
    QVariant readFromCopy(const QString& key) { return ::readFromCopy(file(), dir_, key); }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(SettingsStoreTest, BytesRoundTripThroughTheSettingsFile) {
    std::string everyByte;
    for (int i = 0; i < 256; ++i)
        everyByte.push_back(static_cast<char>(i));
    const std::string cases[] = {
        "",
        R"([{"ip":"192.168.1.20","name":"Desk"}])",
        std::string("a\0b\0", 4),
        "\xff\xfe\x80 not UTF-8 \xc3",
        everyByte,
    };
    for (const std::string& bytes : cases) {
        {
            SettingsStore writer;
            writer.setData("bulbs", bytes);
        }
        SettingsStore reader;
        EXPECT_EQ(reader.data("bulbs"), bytes);
        const QVariant onDisk = readFromCopy("bulbs");
        EXPECT_EQ(onDisk.typeId(), QMetaType::QByteArray);
        EXPECT_EQ(onDisk.toByteArray().toStdString(), bytes);
    }
}

// The file is written behind the caller's back: what was set reads back at once, and the file
// ends with the last value, however the writes overlapped.
TEST_F(SettingsStoreTest, TheLastValueSetReadsBackAtOnceAndEndsInTheFile) {
    SettingsStore store;
    for (int i = 0; i <= 20; ++i) {
        store.setData("bulbs", std::to_string(i));
        EXPECT_EQ(store.data("bulbs"), std::to_string(i));
    }
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(readFromCopy("bulbs").toByteArray().toStdString(), "20");
}

// A value of another kind reads as no bytes, but is there. A list typed into the file by hand,
// as the format would have it, reads as a list of texts: it loads nothing, but is kept aside, as
// it was, before the first save replaces it.
TEST_F(SettingsStoreTest, NonByteValuesReadAsNothingButAreThereAndKeptBeforeTheFirstSave) {
    SettingsStore store;
    EXPECT_EQ(store.data("bulbs"), std::nullopt);
    EXPECT_FALSE(store.contains("bulbs"));
    const QStringList handEdited{R"([{"ip":"10.0.0.5")", R"("name":"Desk"}])"};
    {
        QSettings settings("Glowdeck", "Glowdeck");
        settings.setValue("text", QStringLiteral("[]"));
        settings.setValue("number", 42);
        settings.setValue("bulbs", handEdited);
        settings.sync();
    }
    SettingsStore reader;
    EXPECT_EQ(reader.data("text"), std::nullopt);
    EXPECT_EQ(reader.data("number"), std::nullopt);
    EXPECT_TRUE(reader.contains("bulbs"));
    reader.copy("absent", "nothing");
    EXPECT_FALSE(reader.contains("nothing"));
    glowdeck::VirtualLoop loop;
    glowdeck::testing::FakeSocketApi net;
    {
        Lights lights(false, reader, loop, net);
        EXPECT_TRUE(lights.bulbs().empty());
        lights.add("10.0.0.9");
    }
    EXPECT_TRUE(reader.flush());
    EXPECT_EQ(readFromCopy("bulbs.unreadable").toStringList(), handEdited);
    EXPECT_EQ(readFromCopy("bulbs").toByteArray().toStdString(), reader.data("bulbs"));
}

// A write that fails on a read-only or full disk is said on the status line and kept; it is
// written once the disk takes it again, with the next change or when the program ends. Runs on
// the 64 KiB tmpfs that run-on-tmpfs.sh mounts as the configuration folder in a private mount
// namespace, made read-only or filled here.
TEST(SettingsStoreOnDisk, AFailedWriteIsSaidAndKeptAndWrittenWithTheNextChangeOrAtTheEnd) {
    const QString mount = qEnvironmentVariable("GLOWDECK_STORE_TMPFS");
    if (mount.isEmpty() || mount != qEnvironmentVariable("XDG_CONFIG_HOME"))
        GTEST_SKIP() << "runs only on the tmpfs that run-on-tmpfs.sh mounts";
    const QByteArray target = mount.toLocal8Bit();
    const auto remount = [&](unsigned long flags) {
        ASSERT_EQ(::mount(nullptr, target.constData(), nullptr, MS_REMOUNT | flags, nullptr), 0)
            << std::strerror(errno);
    };
    const auto fill = [&] { // a write larger than the file system, then one that finds no room
        const int fd = ::open((target + "/filler").constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0) << std::strerror(errno);
        const std::string block(128 * 1024, 'x');
        EXPECT_GT(::write(fd, block.data(), block.size()), 0);
        EXPECT_EQ(::write(fd, "x", 1), -1);
        EXPECT_EQ(errno, ENOSPC);
        ::close(fd);
    };
    QTemporaryDir scratch;
    const QString file = mount + "/Glowdeck/Glowdeck.conf";
    const auto onDisk = [&] {
        return readFromCopy(file, scratch, "bulbs").toByteArray().toStdString();
    };
    const std::string cannotSave = "Could not save the list of lights.";
    int run = 0;
    for (const bool full : {false, true}) {
        for (const bool atEnd : {false, true}) {
            SCOPED_TRACE(std::string(full ? "full" : "read-only") + (atEnd ? ", end" : ", change"));
            // Each run its own addresses: nothing left from an earlier one can pass for its list.
            const std::string prefix = "10.0." + std::to_string(++run) + ".";
            QFile::remove(file);
            glowdeck::VirtualLoop loop;
            glowdeck::testing::FakeSocketApi net;
            std::optional<std::string> last;
            {
                SettingsStore store;
                Lights lights(false, store, loop, net);
                lights.add(prefix + "5");
                ASSERT_TRUE(store.flush());
                full ? fill() : remount(MS_RDONLY);
                lights.add(prefix + "6");
                EXPECT_FALSE(store.flush());
                EXPECT_TRUE(QTest::qWaitFor([&] { return lights.message() == cannotSave; }));
                EXPECT_NE(onDisk(), store.data("bulbs"));

                remount(0);
                QFile::remove(mount + "/filler");
                if (!atEnd) {
                    lights.rename("Hall");
                    EXPECT_TRUE(QTest::qWaitFor([&] { return !lights.message(); }));
                    EXPECT_EQ(onDisk(), store.data("bulbs"));
                }
                last = store.data("bulbs");
                lights.shutdown();
            }
            EXPECT_EQ(onDisk(), last);
        }
    }
}
