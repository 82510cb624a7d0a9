#include "remote/Verb.h"
#include "remote/VerbCommand.h"
#include "shell/CommandLine.h"
#include "shell/GlowdeckApp.h"
#include "shell/SettingsStore.h"
#include "shell/SingleInstance.h"
#include "shell/Translations.h"
#include "shell/desktop/DisplayPlatform.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("Glowdeck"));
    QApplication::setApplicationVersion(QStringLiteral(GLOWDECK_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Glowdeck"));
    QApplication::setDesktopFileName(QStringLiteral(GLOWDECK_APP_ID));
    // A verb (`glowdeck toggle desk`) runs without the display, before any QGuiApplication;
    // only `panel` with no Glowdeck running goes on to start one with its panel shown.
    bool showPanel = false;
    if (argc >= 2 && glowdeck::Verb::named(argv[1])) {
        std::optional<int> status;
        {
            QCoreApplication core(argc, argv);
            const QStringList words = QCoreApplication::arguments().mid(1);
            const QString instanceName = glowdeck::SingleInstance::defaultName();
            const QString lock = instanceName.isEmpty()
                                     ? QString()
                                     : QFileInfo(instanceName).absolutePath() +
                                           QStringLiteral("/glowdeck-verbs.lock");
            status = glowdeck::VerbCommand::run(
                words, [] { return std::make_unique<glowdeck::SettingsStore>(); }, lock);
        }
        if (status)
            return *status;
        showPanel = true;
    } else if (const auto status = glowdeck::CommandLine::handle(argc, argv)) {
        return *status;
    }

    glowdeck::DisplayPlatform::apply();
    QApplication application(argc, argv);
    glowdeck::Translations::install();

    glowdeck::SingleInstance instance;
    if (!instance.problem().isEmpty()) {
        std::fprintf(stderr, "glowdeck: not looking for a running Glowdeck: %s\n",
                     qPrintable(instance.problem()));
    }
    if (instance.notifyRunning()) {
        std::printf("%s\n", qPrintable(QCoreApplication::translate(
                                "glowdeck::main",
                                "Glowdeck already runs on this display; its panel opens there.")));
        return 0;
    }
    glowdeck::GlowdeckApp app(instance);
    if (showPanel)
        QTimer::singleShot(0, &app, [&app] { app.tray().showPanel(); });
    return QApplication::exec();
}
