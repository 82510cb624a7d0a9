#pragma once

#include "model/Bulb.h"
#include "model/EventLoop.h"
#include "remote/Verb.h"

#include <chrono>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace glowdeck {

class Lights;

// Runs verbs on the lights, through the same operations as the panel, and tells each verb's
// outcome from the lights' answers: a light has answered a command once its state report
// follows the command's acknowledgement (or comes as late as the controller's own follow-up),
// and has failed when it rejects the command or stays silent for `answerWait`.
//
// Several verbs may wait at once. Quick repeats build on each other: a toggle or a brightness
// step follows the state the previous command asked for while that is still on its way.
class VerbRunner {
public:
    struct Outcome {
        int status = 0;  // 0 done, 1 a light failed, 2 a usage error
        std::string out; // lines for standard output
        std::string err; // lines for standard error
    };
    using Done = std::function<void(const Outcome&)>;
    using Changed = std::function<void(const Bulb& bulb, const std::string& mode)>;

    static constexpr std::chrono::milliseconds answerWait{1000};
    // How long a commanded state counts as the light's state for the next verb.
    static constexpr std::chrono::milliseconds expectationLife{1500};

    // Observes the lights' replies until destroyed; the lights and the loop outlive it.
    VerbRunner(Lights& lights, EventLoop& loop);
    ~VerbRunner();
    VerbRunner(const VerbRunner&) = delete;
    VerbRunner& operator=(const VerbRunner&) = delete;

    // Runs `verb` and calls `done` once with its outcome, at once for a usage error. The panel
    // verb is not for the runner: it is a usage error here.
    void run(const Verb& verb, Done done);

    // Called when a light's report shows a state that differs from what it reported before.
    void onChanged(Changed changed) { changed_ = std::move(changed); }

private:
    struct Job;
    struct Expected {
        bool on = false;
        double brightness = 100.0;
        MonoTime at;
    };

    void received(std::string_view bytes, const std::string& from);
    void command(Job& job);
    void check(Job& job);
    void finish(Job& job);
    // The state a verb builds on: the one commanded last while it is fresh, else the report.
    Expected stateOf(const std::string& ip) const;
    const Bulb* bulb(const std::string& ip) const;
    // "temperature", "color" or "preset", from the light's latest report.
    std::string mode(const std::string& ip) const;
    std::string describe(const Bulb& bulb) const;
    nlohmann::json listed(const Bulb& bulb, bool reachable) const;

    Lights& lights_;
    EventLoop& loop_;
    std::list<std::unique_ptr<Job>> jobs_;
    std::map<std::string, Expected, std::less<>> expected_;
    std::map<std::string, nlohmann::json, std::less<>> reports_;
    std::map<std::string, std::string, std::less<>> described_;
    Changed changed_;
};

} // namespace glowdeck
