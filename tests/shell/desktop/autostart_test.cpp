#include "model/Lights.h"
#include "model/MemoryStore.h"
#include "model/VirtualLoop.h"
#include "panel/Panel.h"
#include "panel/PanelHeader.h"
#include "shell/TrayController.h"
#include "shell/desktop/Autostart.h"
#include "shell/window/PanelWindow.h"
#include "support/FakeSocketApi.h"
#include "support/ScopedEnvironment.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

using glowdeck::Autostart;
using glowdeck::testing::ScopedEnvironment;

namespace {

const QString id = QStringLiteral("io.github.glowdeck.Test");

// The user's configuration lives in a temporary folder.
class AutostartTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return home_.filePath(name); }
    QString entryFile() const { return path(QStringLiteral("autostart/") + id + ".desktop"); }

    // An executable file at `name` in the temporary folder.
    QString program(const QString& name) {
        const QString file = path(name);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return file;
    }

    void writeEntry(const QString& text) {
        QDir().mkpath(path("autostart"));
        QFile out(entryFile());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text.toUtf8());
    }

    // desktop-file-validate's complaints about the entry, empty when it has none.
    QString validation() const {
        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        if (validator.isEmpty())
            return {};
        QProcess process;
        process.start(validator, {entryFile()});
        process.waitForFinished(10000);
        return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    }

    QTemporaryDir home_;
    ScopedEnvironment config_{"XDG_CONFIG_HOME", home_.path().toStdString()};
};

TEST_F(AutostartTest, TheMenuEntryWritesOnlyWhenAskedAndFollowsTheFile) {
    const QString previousId = QGuiApplication::desktopFileName();
    QGuiApplication::setDesktopFileName(id);
    glowdeck::MemoryStore store;
    glowdeck::VirtualLoop loop;
    glowdeck::testing::FakeSocketApi sockets;
    glowdeck::TrayController tray(store, loop, sockets);
    tray.start();
    glowdeck::Lights& lights = *tray.lights();
    auto* panel = static_cast<glowdeck::Panel*>(tray.panel()->content());
    QMenu& menu = *panel->header()->optionsMenu();
    QAction& entry = *panel->header()->startAtLoginAction();
    const auto open = [&menu] { Q_EMIT menu.aboutToShow(); };

    open();
    EXPECT_TRUE(entry.isCheckable());
    EXPECT_FALSE(entry.isChecked());
    EXPECT_FALSE(QFileInfo::exists(path("autostart")));

    entry.trigger();
    EXPECT_TRUE(entry.isChecked());
    QFile file(entryFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains(
        "\nExec=" + QCoreApplication::applicationFilePath().toUtf8() + "\n"));
    EXPECT_EQ(validation(), "");

    // An entry of the same name that starts something else is not ours: the mark is off, and
    // turning it on makes it start this program.
    writeEntry("[Desktop Entry]\nType=Application\nName=Other\nExec=/usr/bin/true\n");
    open();
    EXPECT_FALSE(entry.isChecked());
    entry.trigger();
    EXPECT_TRUE(entry.isChecked());
    EXPECT_TRUE(Autostart::forThisProgram().enabled());

    entry.trigger();
    EXPECT_FALSE(entry.isChecked());
    EXPECT_FALSE(QFileInfo::exists(entryFile()));
    EXPECT_EQ(lights.message(), std::nullopt);

    // A file where the folder should be.
    QDir(path("autostart")).removeRecursively();
    QFile blocker(path("autostart"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    entry.trigger();
    EXPECT_FALSE(entry.isChecked());
    ASSERT_TRUE(lights.message().has_value());
    EXPECT_EQ(lights.message()->rfind("Could not turn on Start at Login: cannot create ", 0), 0u)
        << *lights.message();

    QGuiApplication::setDesktopFileName(previousId);
}

TEST_F(AutostartTest, WrittenEntriesStartProgramsWithAnyPath) {
    for (const QString& name :
         {QStringLiteral("plain/glowdeck"), QStringLiteral("with space/glow deck"),
          QStringLiteral("odd/\"quoted\" $HOME `x` 50% back\\slash")}) {
        const QString file = program(name);
        const Autostart autostart(id, file);
        ASSERT_EQ(autostart.setEnabled(true), std::nullopt) << name.toStdString();
        EXPECT_TRUE(autostart.enabled()) << name.toStdString();
        EXPECT_FALSE(Autostart(id, file + "x").enabled()) << name.toStdString();
        EXPECT_EQ(validation(), "") << name.toStdString();
    }
}

TEST_F(AutostartTest, EntriesThroughEnvAreRecognisedAndTurningOnKeepsTheUsersEntry) {
    const QString file = program("with space/glowdeck");
    const QString quoted = "\"" + file + "\"";
    const Autostart autostart(id, file);
    const std::vector<std::pair<QString, bool>> execs = {
        {quoted + " --verbose", true},
        {"env QT_SCALE_FACTOR=2 " + quoted, true},
        {"/usr/bin/env -u LANG QT_SCALE_FACTOR=2 \"QT_QPA_PLATFORM=xcb\" " + quoted + " %U", true},
        {"env -i HOME=/x " + quoted, true},
        {"env QT_SCALE_FACTOR=2", false},
        {"env QT_SCALE_FACTOR=2 /usr/bin/true " + quoted, false},
        {"/usr/bin/true " + quoted, false},
        {"envy " + quoted, false},
    };
    for (const auto& [exec, starts] : execs) {
        writeEntry("[Desktop Entry]\nType=Application\nName=Glowdeck\nExec=" + exec + "\n");
        EXPECT_EQ(autostart.enabled(), starts) << exec.toStdString();
    }

    // Turning the entry on keeps the user's keys and groups.
    struct Case {
        QString entry;
        QStringList kept; // lines the written entry holds, in this order
        QStringList gone; // lines it no longer holds
    };
    const QString scaled = "Exec=env QT_SCALE_FACTOR=2 " + quoted + " --verbose";
    const std::vector<Case> cases = {
        {"# mine\n[Desktop Entry]\nType=Application\nName=Glowdeck (scaled)\n" + scaled +
             "\nX-KDE-autostart-phase=2\nHidden=true\n\n[X-Mine]\nExec=/usr/bin/true\n",
         {"# mine", "[Desktop Entry]", "Name=Glowdeck (scaled)", scaled, "X-KDE-autostart-phase=2",
          "[X-Mine]", "Exec=/usr/bin/true"},
         {"Hidden=true"}},
        {"[Desktop Entry]\nName=Other\nComment=Mine\nExec=/usr/bin/true\n"
         "X-GNOME-Autostart-enabled=false\nX-GNOME-Autostart-Delay=5\n",
         {"Name=Other", "Comment=Mine", "Exec=" + quoted, "X-GNOME-Autostart-Delay=5"},
         {"Exec=/usr/bin/true", "X-GNOME-Autostart-enabled=false"}},
        {"[Desktop Entry]\nComment=Mine\n",
         {"Comment=Mine", "Type=Application", "Exec=" + quoted},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry.toStdString());
        writeEntry(c.entry);
        ASSERT_EQ(autostart.setEnabled(true), std::nullopt);
        EXPECT_TRUE(autostart.enabled());
        QFile written(entryFile());
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(written.readAll()).split('\n');
        qsizetype at = 0;
        for (const QString& line : c.kept) {
            const qsizetype found = lines.indexOf(line, at);
            EXPECT_GE(found, at) << line.toStdString() << " in\n" << lines.join('\n').toStdString();
            at = std::max(at, found);
        }
        for (const QString& line : c.gone)
            EXPECT_FALSE(lines.contains(line)) << line.toStdString();
        EXPECT_EQ(validation(), "");
    }
}

} // namespace
