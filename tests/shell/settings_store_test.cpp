#include "shell/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

using glowdeck::SettingsStore;

namespace {

// Points the per-user settings at a temporary folder for the test's lifetime.
class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }

    QString file() const { return dir_.filePath("Glowdeck/Glowdeck.conf"); }

    // The file as a different path reads it, bypassing the settings cached in this process.
    QVariant readFromCopy(const QString& key) {
        const QString copy = dir_.filePath("copy.conf");
        QFile::remove(copy);
        EXPECT_TRUE(QFile::copy(file(), copy));
        QSettings settings(copy, QSettings::IniFormat);
        return settings.value(key);
    }

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
    store.flush();
    EXPECT_EQ(readFromCopy("bulbs").toByteArray().toStdString(), "20");
}

TEST_F(SettingsStoreTest, AbsentOrNonByteValuesReadAsNothing) {
    SettingsStore store;
    EXPECT_EQ(store.data("bulbs"), std::nullopt);
    {
        QSettings settings("Glowdeck", "Glowdeck");
        settings.setValue("text", QStringLiteral("[]"));
        settings.setValue("number", 42);
        settings.sync();
    }
    SettingsStore reader;
    EXPECT_EQ(reader.data("text"), std::nullopt);
    EXPECT_EQ(reader.data("number"), std::nullopt);
}
