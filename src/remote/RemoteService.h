#pragma once

#include "remote/VerbRunner.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QStringList>

#include <functional>

namespace glowdeck {

class EventLoop;
class Lights;

// The running program's verbs on the session bus (io.github.glowdeck.Glowdeck): one method a
// verb, a listing of the lights as JSON, and a signal when a light's state changes. A method
// answers once the lights have: with their states, or with an error of the command line's
// texts (BusNames::usageError, BusNames::failedError).
class RemoteService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.glowdeck.Glowdeck")

public:
    // `togglePanel` shows or hides the panel. The lights and the loop outlive the service.
    RemoteService(Lights& lights, EventLoop& loop, std::function<void()> togglePanel,
                  QObject* parent = nullptr);

    // Publishes the service on `bus`; false, with nothing published, when the name is taken.
    bool publish(QDBusConnection bus);

public Q_SLOTS:
    QString List(bool json);
    QString On(const QStringList& lights, bool all);
    QString Off(const QStringList& lights, bool all);
    QString Toggle(const QStringList& lights, bool all);
    QString Brightness(const QString& value, const QStringList& lights, bool all);
    QString Temperature(const QString& kelvin, const QStringList& lights, bool all);
    QString Color(const QString& color, const QStringList& lights, bool all);
    QString Preset(const QString& name, const QStringList& lights, bool all);
    void Panel();
    // A verb as the command line's words, answered with its exit status and what the command
    // line prints on standard output and error: a failure is no bus error here.
    int Run(const QStringList& words, QString& out, QString& err);

Q_SIGNALS:
    void LightChanged(const QString& address, const QString& name, bool on, int brightness,
                      const QString& mode);

private:
    // Runs the verb of `words` for the bus call being handled, which is answered later.
    QString answer(std::vector<std::string> words);

    VerbRunner runner_;
    std::function<void()> togglePanel_;
};

} // namespace glowdeck
