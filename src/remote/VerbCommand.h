#pragma once

#include "model/Store.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace glowdeck {

// A verb on the command line (`glowdeck toggle desk`): handed to the running program over the
// session bus when it runs there, else done here, with the saved lights, by unicast to the
// lights it names, never by broadcast. Needs a QCoreApplication and never a display.
class VerbCommand {
public:
    using OpenStore = std::function<std::unique_ptr<Store>()>;

    // Runs the verb in `words` (its name first) and prints its outcome; returns the exit
    // status. Nothing for the panel verb when no program runs: the caller starts one and shows
    // its panel. `lockPath`, when not empty, is a file whose lock makes verbs done here wait
    // for each other, so that quick repeats apply in turn.
    static std::optional<int> run(const QStringList& words, const OpenStore& openStore,
                                  const QString& lockPath);
};

} // namespace glowdeck
