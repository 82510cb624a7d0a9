#include "RemoteService.h"

#include "remote/BusNames.h"

#include <QDBusMessage>

#include <cmath>
#include <optional>

namespace glowdeck {

namespace {

std::vector<std::string> verbWords(const char* verb, const std::optional<QString>& value,
                                   const QStringList& lights, bool all) {
    std::vector<std::string> words{verb};
    if (value)
        words.push_back(value->toStdString());
    if (all)
        words.emplace_back("--all");
    words.emplace_back("--");
    for (const auto& light : lights)
        words.push_back(light.toStdString());
    return words;
}

} // namespace

RemoteService::RemoteService(Lights& lights, EventLoop& loop, std::function<void()> togglePanel,
                             QObject* parent)
    : QObject(parent), runner_(lights, loop), togglePanel_(std::move(togglePanel)) {
    runner_.onChanged([this](const Bulb& bulb, const std::string& mode) {
        Q_EMIT LightChanged(QString::fromStdString(bulb.ip), QString::fromStdString(bulb.name),
                            bulb.on, static_cast<int>(std::lround(bulb.brightness)),
                            QString::fromStdString(mode));
    });
}

bool RemoteService::publish(QDBusConnection bus) {
    if (!bus.isConnected() ||
        !bus.registerObject(QString::fromLatin1(BusNames::path), this,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals))
        return false;
    if (bus.registerService(QString::fromLatin1(BusNames::service)))
        return true;
    bus.unregisterObject(QString::fromLatin1(BusNames::path));
    return false;
}

QString RemoteService::answer(std::vector<std::string> words) {
    auto parsed = Verb::parse(words);
    if (!parsed.verb) {
        sendErrorReply(QString::fromLatin1(BusNames::usageError),
                       QString::fromStdString(parsed.error));
        return {};
    }
    setDelayedReply(true);
    runner_.run(*parsed.verb, [bus = connection(),
                               call = message()](const VerbRunner::Outcome& outcome) {
        if (outcome.status == 0) {
            bus.send(call.createReply(QString::fromStdString(outcome.out)));
            return;
        }
        QString text = QString::fromStdString(outcome.err).trimmed();
        bus.send(call.createErrorReply(
            QString::fromLatin1(outcome.status == 2 ? BusNames::usageError : BusNames::failedError),
            text));
    });
    return {};
}

QString RemoteService::List(bool json) {
    std::vector<std::string> words{"list"};
    if (json)
        words.emplace_back("--json");
    return answer(std::move(words));
}

QString RemoteService::On(const QStringList& lights, bool all) {
    return answer(verbWords("on", std::nullopt, lights, all));
}

QString RemoteService::Off(const QStringList& lights, bool all) {
    return answer(verbWords("off", std::nullopt, lights, all));
}

QString RemoteService::Toggle(const QStringList& lights, bool all) {
    return answer(verbWords("toggle", std::nullopt, lights, all));
}

QString RemoteService::Brightness(const QString& value, const QStringList& lights, bool all) {
    return answer(verbWords("brightness", value, lights, all));
}

QString RemoteService::Temperature(const QString& kelvin, const QStringList& lights, bool all) {
    return answer(verbWords("temperature", kelvin, lights, all));
}

QString RemoteService::Color(const QString& color, const QStringList& lights, bool all) {
    return answer(verbWords("color", color, lights, all));
}

QString RemoteService::Preset(const QString& name, const QStringList& lights, bool all) {
    return answer(verbWords("preset", name, lights, all));
}

int RemoteService::Run(const QStringList& words, QString& out, QString& err) {
    std::vector<std::string> verbWords;
    for (const auto& word : words)
        verbWords.push_back(word.toStdString());
    const auto respond = [](const QDBusConnection& bus, const QDBusMessage& call,
                            const VerbRunner::Outcome& outcome) {
        bus.send(call.createReply(QVariantList{outcome.status, QString::fromStdString(outcome.out),
                                               QString::fromStdString(outcome.err)}));
    };
    auto parsed = Verb::parse(verbWords);
    setDelayedReply(true);
    if (!parsed.verb || parsed.verb->kind == Verb::Kind::Panel) {
        VerbRunner::Outcome outcome{2, {}, parsed.error + "\n"};
        if (parsed.verb) {
            Panel();
            outcome = {};
        }
        respond(connection(), message(), outcome);
    } else {
        runner_.run(*parsed.verb,
                    [respond, bus = connection(), call = message()](
                        const VerbRunner::Outcome& outcome) { respond(bus, call, outcome); });
    }
    out.clear();
    err.clear();
    return 0;
}

void RemoteService::Panel() {
    if (togglePanel_)
        togglePanel_();
}

} // namespace glowdeck
