#include "shell/SettingsStore.h"

#include "model/Lights.h"
#include "model/VirtualLoop.h"
#include "support/FakeSocketApi.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
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

// A value of another kind reads as no bytes, but is there and is copied as it is.
TEST_F(SettingsStoreTest, AbsentOrNonByteValuesReadAsNothingButAreThereAndCopiedAsTheyAre) {
    SettingsStore store;
    EXPECT_EQ(store.data("bulbs"), std::nullopt);
    EXPECT_FALSE(store.contains("bulbs"));
    {
        QSettings settings("Glowdeck", "Glowdeck");
        settings.setValue("text", QStringLiteral("[]"));
        settings.setValue("number", 42);
        settings.sync();
    }
    SettingsStore reader;
    EXPECT_EQ(reader.data("text"), std::nullopt);
    EXPECT_EQ(reader.data("number"), std::nullopt);
    EXPECT_TRUE(reader.contains("text"));
    EXPECT_FALSE(reader.contains("absent"));
    reader.copy("number", "kept");
    reader.copy("absent", "nothing");
    EXPECT_TRUE(reader.contains("kept"));
    EXPECT_FALSE(reader.contains("nothing"));
    EXPECT_TRUE(reader.flush());
    EXPECT_EQ(readFromCopy("kept").toInt(), 42);
}

// A list typed into the file by hand, as the format would have it, reads as a list of texts:
// it loads nothing, but is kept aside before the first save replaces it, as it was.
TEST_F(SettingsStoreTest, AHandEditedListIsKeptAsUnreadableBeforeTheFirstSave) {
    ASSERT_TRUE(QDir(dir_.path()).mkpath("Glowdeck"));
    {
        QFile conf(file());
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("[General]\nbulbs=[{\"ip\":\"10.0.0.5\",\"name\":\"Desk\"}]\n");
    }
    const QVariant handEdited = readFromCopy("bulbs");
    ASSERT_EQ(handEdited.typeId(), QMetaType::QStringList);

    glowdeck::VirtualLoop loop;
    glowdeck::testing::FakeSocketApi net;
    SettingsStore store;
    {
        Lights lights(false, store, loop, net);
        EXPECT_TRUE(lights.bulbs().empty());
        lights.add("10.0.0.9");
    }
    EXPECT_TRUE(store.flush());
    EXPECT_EQ(readFromCopy("bulbs.unreadable"), handEdited);
    EXPECT_EQ(readFromCopy("bulbs").toByteArray().toStdString(), store.data("bulbs"));
}

namespace {

// The store on a real, small file system of its own: run-on-tmpfs.sh mounts a 64 KiB tmpfs as
// the configuration folder (XDG_CONFIG_HOME) in a private mount namespace and names it in
// GLOWDECK_STORE_TMPFS. These tests make it read-only or fill it.
class SettingsStoreOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        mount_ = qEnvironmentVariable("GLOWDECK_STORE_TMPFS");
        if (mount_.isEmpty() || mount_ != qEnvironmentVariable("XDG_CONFIG_HOME"))
            GTEST_SKIP() << "runs only on the tmpfs that run-on-tmpfs.sh mounts";
        ASSERT_TRUE(scratch_.isValid());
        ASSERT_FALSE(scratch_.path().startsWith(mount_));
    }

    void TearDown() override {
        if (!mount_.isEmpty())
            repair();
    }

    QString file() const { return mount_ + "/Glowdeck/Glowdeck.conf"; }
    QVariant readFromCopy(const QString& key) { return ::readFromCopy(file(), scratch_, key); }

    void makeReadOnly() { remount(MS_RDONLY); }

    // Fills the file system up to its last byte.
    void fill() {
        const QByteArray filler = (mount_ + "/filler").toLocal8Bit();
        const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0) << std::strerror(errno);
        const std::string block(512, 'x');
        ssize_t written = 0;
        for (int i = 0; i < 1024 && (written = ::write(fd, block.data(), block.size())) > 0; ++i) {
        }
        const int error = errno;
        ::close(fd);
        ASSERT_EQ(written, -1);
        ASSERT_EQ(error, ENOSPC);
    }

    void repair() {
        remount(0);
        QFile::remove(mount_ + "/filler");
    }

    void remount(unsigned long flags) {
        const QByteArray target = mount_.toLocal8Bit();
        ASSERT_EQ(::mount(nullptr, target.constData(), nullptr, MS_REMOUNT | flags, nullptr), 0)
            << std::strerror(errno);
    }

    QString mount_;
    QTemporaryDir scratch_;
};

// Runs the thread's events until `done` holds, for 10 s at most.
bool waitFor(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(10'000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

} // namespace

// A write that fails on a read-only or full disk is said on the status line and kept; it is
// written once the disk takes it again, with the next change or when the program ends.
TEST_F(SettingsStoreOnDisk, AFailedWriteIsSaidAndKeptAndWrittenWithTheNextChangeOrAtTheEnd) {
    const std::string cannotSave = "Could not save the list of lights.";
    enum class Break { ReadOnly, Full };
    enum class Retry { NextChange, End };
    const struct {
        Break how;
        Retry when;
    } cases[] = {
        {Break::ReadOnly, Retry::NextChange},
        {Break::ReadOnly, Retry::End},
        {Break::Full, Retry::NextChange},
        {Break::Full, Retry::End},
    };
    int run = 0;
    for (const auto& c : cases) {
        // Each run its own addresses: nothing left from an earlier one can pass for its list.
        const std::string prefix = "10.0." + std::to_string(++run) + ".";
        SCOPED_TRACE(c.how == Break::ReadOnly ? "read-only" : "full");
        SCOPED_TRACE(c.when == Retry::NextChange ? "with the next change" : "at the end");
        QFile::remove(file());
        glowdeck::VirtualLoop loop;
        glowdeck::testing::FakeSocketApi net;
        std::optional<std::string> last;
        {
            SettingsStore store;
            Lights lights(false, store, loop, net);
            lights.add(prefix + "5");
            ASSERT_TRUE(store.flush());

            if (c.how == Break::ReadOnly)
                makeReadOnly();
            else
                fill();
            lights.add(prefix + "6");
            EXPECT_FALSE(store.flush());
            EXPECT_TRUE(waitFor([&] { return lights.message() == cannotSave; }));
            EXPECT_TRUE(store.failing());
            EXPECT_NE(readFromCopy("bulbs").toByteArray().toStdString(), store.data("bulbs"));

            repair();
            if (c.when == Retry::NextChange) {
                lights.rename("Hall");
                EXPECT_TRUE(waitFor([&] { return !lights.message(); }));
                EXPECT_FALSE(store.failing());
                EXPECT_EQ(readFromCopy("bulbs").toByteArray().toStdString(), store.data("bulbs"));
            }
            last = store.data("bulbs");
            lights.shutdown();
        }
        EXPECT_EQ(readFromCopy("bulbs").toByteArray().toStdString(), last);
    }
}
