#include "VerbCommand.h"

#include "model/Lights.h"
#include "model/PollLoop.h"
#include "model/SavedLight.h"
#include "remote/BusNames.h"
#include "remote/FileLock.h"
#include "remote/VerbRunner.h"
#include "remote/VerbText.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QtGlobal>

#include <cstdio>
#include <memory>

namespace glowdeck {

namespace {

std::string said(const char* source, std::initializer_list<std::string_view> values = {}) {
    return VerbText::text("glowdeck::VerbCommand", source, values);
}

void print(std::FILE* stream, const std::string& text) {
    std::fputs(text.c_str(), stream);
    std::fflush(stream);
}

// The session bus's address, when there is a bus to reach without starting one.
QString sessionBusAddress() {
    QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (address.startsWith(QLatin1String("autolaunch:")))
        return {}; // would start a bus, and look for it on the display
    if (address.isEmpty()) {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        const QString socket = runtime + QLatin1String("/bus");
        if (!runtime.isEmpty() && QFileInfo(socket).exists())
            address = QLatin1String("unix:path=") + socket;
    }
    return address;
}

// The bus call that hands `verb` to the running program, as the command line's words.
QDBusMessage busCall(const Verb& verb) {
    auto call = QDBusMessage::createMethodCall(
        QString::fromLatin1(BusNames::service), QString::fromLatin1(BusNames::path),
        QString::fromLatin1(BusNames::interface), QStringLiteral("Run"));
    call.setAutoStartService(false);
    QStringList words;
    for (const auto& word : verb.words())
        words << QString::fromStdString(word);
    call << words;
    return call;
}

// The outcome from the running program; nothing when none runs on the bus.
std::optional<VerbRunner::Outcome> runThere(const Verb& verb) {
    const QString address = sessionBusAddress();
    if (address.isEmpty())
        return std::nullopt;
    QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("glowdeck-verb"));
    if (!bus.isConnected())
        return std::nullopt;
    // The program answers within its wait for the lights; a hung one is given up on.
    const QDBusMessage reply = bus.call(busCall(verb), QDBus::Block, 5000);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        const auto answer = reply.arguments();
        return VerbRunner::Outcome{answer.value(0).toInt(),
                                   answer.value(1).toString().toStdString(),
                                   answer.value(2).toString().toStdString()};
    }
    const QString name = reply.errorName();
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
        return std::nullopt;
    return VerbRunner::Outcome{
        1,
        {},
        //: %1: the error the session bus reports, in English
        said(QT_TRANSLATE_NOOP("glowdeck::VerbCommand", "The running Glowdeck did not answer: %1"),
             {reply.errorMessage().toStdString()}) +
            "\n"};
}

VerbRunner::Outcome runHere(const Verb& verb, Store& store, const QString& lockPath) {
    FileLock turn(lockPath);
    PollLoop loop;
    Lights lights(false, store, loop);
    if (lights.socketFD() < 0)
        return {1,
                {},
                lights.message().value_or(said(QT_TRANSLATE_NOOP(
                    "glowdeck::VerbCommand", "Could not open the local network connection."))) +
                    "\n"};
    std::optional<VerbRunner::Outcome> outcome;
    {
        VerbRunner runner(lights, loop);
        runner.run(verb, [&outcome](const VerbRunner::Outcome& done) { outcome = done; });
        // The runner gives up on silent lights after its wait; this bounds the loop as well.
        loop.runUntil([&outcome] { return outcome.has_value(); }, 3 * VerbRunner::answerWait);
    }
    lights.shutdown();
    return outcome.value_or(VerbRunner::Outcome{
        1,
        {},
        said(QT_TRANSLATE_NOOP("glowdeck::VerbCommand", "The lights did not answer in time.")) +
            "\n"});
}

// run(), its texts already in the user's language.
std::optional<int> runForAPerson(const std::vector<std::string>& words,
                                 const VerbCommand::OpenStore& openStore, const QString& lockPath) {
    const auto parsed = Verb::parse(words);
    if (!parsed.verb) {
        print(stderr, parsed.error + "\n" +
                          said(QT_TRANSLATE_NOOP("glowdeck::VerbCommand",
                                                 "Run 'glowdeck --help' for the verbs.")) +
                          "\n");
        return 2;
    }
    if (parsed.verb->names) {
        const auto stored = openStore()->data(Lights::storeKey);
        for (const auto& light : SavedLight::decode(stored.value_or("")).lights)
            print(stdout, light.name + "\n");
        return 0;
    }
    auto outcome = runThere(*parsed.verb);
    if (!outcome) {
        if (parsed.verb->kind == Verb::Kind::Panel)
            return std::nullopt;
        auto store = openStore();
        outcome = runHere(*parsed.verb, *store, lockPath);
    }
    print(stdout, outcome->out);
    if (!outcome->err.empty())
        print(stderr, outcome->err);
    return outcome->status;
}

} // namespace

std::optional<int> VerbCommand::run(const QStringList& words, const OpenStore& openStore,
                                    const QString& lockPath) {
    std::vector<std::string> verbWords;
    for (const auto& word : words)
        verbWords.push_back(word.toStdString());
    // What this process prints is for a person; the running program's answers stay as written,
    // also in the program `panel` goes on to start here.
    VerbText::translate(true);
    const auto status = runForAPerson(verbWords, openStore, lockPath);
    VerbText::translate(false);
    return status;
}

} // namespace glowdeck
