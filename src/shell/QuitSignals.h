#pragma once

#include <QObject>

class QSocketNotifier;

namespace glowdeck {

// Turns SIGTERM and SIGINT into QCoreApplication::quit(), so that a signal ends the program by
// the same orderly path as "Quit Glowdeck". The handler only writes a byte to a pipe (which is
// async-signal-safe); the event loop reads it and quits. One instance per process.
class QuitSignals : public QObject {
public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    // False when the pipe or the handlers could not be set up; the signals then keep their
    // default action.
    bool installed() const { return notifier_ != nullptr; }

private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace glowdeck
