#include "remote/Verb.h"
#include "remote/VerbCommand.h"
#include "shell/CommandLine.h"
#include "shell/InstanceAddress.h"
#include "shell/SettingsStore.h"
#include "shell/Translations.h"
#include "shell/TrayLibrary.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <memory>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Glowdeck"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GLOWDECK_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Glowdeck"));
    // A verb (`glowdeck toggle desk`), --help and --version run on Qt Core and Qt DBus alone,
    // without the display; the tray application is loaded only to start it. `panel` with no
    // Glowdeck running goes on to start one with its panel shown.
    bool showPanel = false;
    if (argc >= 2 && glowdeck::Verb::named(argv[1])) {
        std::optional<int> status;
        {
            QCoreApplication core(argc, argv);
            glowdeck::Translations::install();
            const QStringList words = QCoreApplication::arguments().mid(1);
            const QString instanceName = glowdeck::InstanceAddress::forThisDisplay();
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
    return glowdeck::TrayLibrary::run(argc, argv, showPanel);
}
