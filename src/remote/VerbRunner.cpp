#include "VerbRunner.h"

#include "model/Lights.h"
#include "model/Wire.h"
#include "presets/LightPreset.h"
#include "remote/LightMatch.h"
#include "remote/VerbText.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace glowdeck {

using nlohmann::json;

struct VerbRunner::Job {
    enum class Phase { Query, Command };
    enum class Result { Waiting, Answered, Rejected };
    struct Wait {
        MonoTime sentAt;
        bool acknowledged = false;
        Result result = Result::Waiting;
    };

    Verb verb;
    Done done;
    std::vector<std::string> targets;
    Phase phase = Phase::Query;
    std::map<std::string, Wait, std::less<>> waits;
    std::vector<std::string> failures;
    Handle deadline;
};

namespace {

std::string said(const char* source, std::initializer_list<std::string_view> values = {}) {
    return VerbText::text("glowdeck::VerbRunner", source, values);
}

// What one datagram from a bulb says about a command.
enum class Answer { Other, Acknowledged, Rejected, Report };

Answer classify(std::string_view bytes) {
    switch (Wire::parseReply(bytes).kind) {
    case Wire::Reply::Kind::Rejected:
        return Answer::Rejected;
    case Wire::Reply::Kind::Pilot:
        return Answer::Report;
    case Wire::Reply::Kind::Config:
    case Wire::Reply::Kind::Unsupported:
        return Answer::Other; // the controller's own configuration requests
    case Wire::Reply::Kind::Dropped:
        break;
    }
    const json message = Wire::parse(bytes);
    if (!message.is_object())
        return Answer::Other;
    // A bulb that cannot read a request answers with an error that names no method.
    if (message.contains("error"))
        return message.contains("method") ? Answer::Other : Answer::Rejected;
    const auto result = message.find("result");
    if (message.value("method", json()) == "setPilot" && result != message.end() &&
        result->is_object() && result->value("success", json()) == true)
        return Answer::Acknowledged;
    return Answer::Other;
}

std::int64_t whole(double value) {
    return static_cast<std::int64_t>(std::lround(value));
}

std::string didNotAnswer(const Bulb& bulb) {
    return said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "%1 did not answer."),
                {LightMatch::described(bulb)});
}

// A colour component of a report as a byte. Clamped as a double: a number beyond int's range
// (1e300) has no int to be.
int component(const json& report, const char* key) {
    const auto value = report.find(key);
    if (value == report.end() || !value->is_number())
        return 0;
    return static_cast<int>(std::clamp(value->get<double>(), 0.0, 255.0));
}

// What a verb asks a light to show, for a light that cannot: "%1" stands for the light.
std::string asked(const Verb& verb) {
    switch (verb.kind) {
    case Verb::Kind::Color:
        return said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "%1 cannot show a colour."));
    case Verb::Kind::Temperature:
        return said(
            QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "%1 cannot show a white temperature."));
    case Verb::Kind::Brightness:
        return said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "%1 cannot show a brightness."));
    case Verb::Kind::Preset:
        //: %2: the preset's name as typed on the command line (Cozy, Focus, ...)
        return said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "%1 cannot show the preset %2."),
                    {"%1", verb.presetName});
    default:
        return said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "%1 cannot show this."));
    }
}

std::string hexColor(const json& report) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", component(report, "r"), component(report, "g"),
                  component(report, "b"));
    return hex;
}

} // namespace

VerbRunner::VerbRunner(Lights& lights, EventLoop& loop) : lights_(lights), loop_(loop) {
    lights_.observeReplies(
        [this](std::string_view bytes, const std::string& from) { received(bytes, from); });
}

VerbRunner::~VerbRunner() {
    lights_.observeReplies(nullptr);
}

const Bulb* VerbRunner::bulb(const std::string& ip) const {
    const auto& bulbs = lights_.bulbs();
    const auto found =
        std::find_if(bulbs.begin(), bulbs.end(), [&](const Bulb& b) { return b.ip == ip; });
    return found == bulbs.end() ? nullptr : &*found;
}

VerbRunner::Expected VerbRunner::stateOf(const std::string& ip) const {
    const auto expected = expected_.find(ip);
    if (expected != expected_.end() && loop_.monotonicNow() - expected->second.at < expectationLife)
        return expected->second;
    const Bulb* known = bulb(ip);
    return known ? Expected{known->on, known->brightness, loop_.monotonicNow()} : Expected{};
}

std::string VerbRunner::mode(const std::string& ip) const {
    const auto report = reports_.find(ip);
    if (report == reports_.end())
        return "temperature";
    if (report->second.contains("r"))
        return "color";
    const auto scene = report->second.find("sceneId");
    if (scene != report->second.end() && scene->is_number_integer() &&
        scene->get<std::int64_t>() > 0)
        return "preset";
    return "temperature";
}

std::string VerbRunner::describe(const Bulb& bulb) const {
    //: A light's state: %1 the light as "name (address)"
    if (!bulb.on)
        return said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "%1: off"),
                    {LightMatch::described(bulb)});
    const std::string level = std::to_string(whole(bulb.brightness));
    const std::string how = mode(bulb.ip);
    if (how == "color")
        //: %2: the brightness in percent; %3: the colour as #rrggbb
        return said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "%1: on, %2 %, colour %3"),
                    {LightMatch::described(bulb), level, hexColor(reports_.find(bulb.ip)->second)});
    if (how == "preset") {
        const auto* preset = LightPreset::active(bulb);
        if (preset)
            //: %2: the brightness in percent; %3: the preset's name (Cozy, Focus, ...)
            return said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "%1: on, %2 %, preset %3"),
                        {LightMatch::described(bulb), level, preset->name});
        //: %2: the brightness in percent; %3: the number of a scene Glowdeck has no name for
        return said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "%1: on, %2 %, preset scene %3"),
                    {LightMatch::described(bulb), level, std::to_string(bulb.sceneID.value_or(0))});
    }
    //: %2: the brightness in percent; %3: the white temperature in kelvin
    return said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "%1: on, %2 %, %3 K"),
                {LightMatch::described(bulb), level, std::to_string(whole(bulb.temperature))});
}

json VerbRunner::listed(const Bulb& bulb, bool reachable) const {
    json light{{"name", bulb.name}, {"address", bulb.ip}, {"reachable", reachable}};
    if (!reachable)
        return light;
    light["on"] = bulb.on;
    light["brightness"] = whole(bulb.brightness);
    const std::string how = mode(bulb.ip);
    light["mode"] = how;
    if (how == "color") {
        light["color"] = hexColor(reports_.find(bulb.ip)->second);
    } else if (how == "preset") {
        const auto* preset = LightPreset::active(bulb);
        light["preset"] = preset ? json(std::string(preset->name)) : json(bulb.sceneID.value_or(0));
    } else {
        light["temperature"] = whole(bulb.temperature);
    }
    return light;
}

void VerbRunner::run(const Verb& verb, Done done) {
    Outcome usage{2, {}, {}};
    std::vector<std::string> targets;
    const auto& bulbs = lights_.bulbs();
    if (verb.kind == Verb::Kind::Panel) {
        usage.err =
            said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "There is no panel to show here.")) +
            "\n";
        return done(usage);
    }
    if (verb.kind == Verb::Kind::List || verb.all) {
        for (const auto& b : bulbs)
            targets.push_back(b.ip);
        if (targets.empty() && verb.kind != Verb::Kind::List) {
            usage.err =
                said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "There are no saved lights.")) +
                "\n";
            return done(usage);
        }
    } else if (!verb.lights.empty()) {
        auto match = LightMatch::find(bulbs, verb.lights);
        if (!match.error.empty()) {
            usage.err = match.error + "\n";
            return done(usage);
        }
        targets = std::move(match.addresses);
    } else if (lights_.current()) {
        targets.push_back(lights_.current()->ip);
    } else {
        usage.err =
            (bulbs.empty()
                 ? said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "There are no saved lights."))
                 : said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner",
                                          "No light is selected: name one, or give --all."))) +
            "\n";
        return done(usage);
    }

    auto job = std::make_unique<Job>();
    job->verb = verb;
    job->done = std::move(done);
    job->targets = std::move(targets);
    std::vector<std::string> queries;
    const auto fresh = [this](const std::string& ip) {
        const auto expected = expected_.find(ip);
        return expected != expected_.end() &&
               loop_.monotonicNow() - expected->second.at < expectationLife;
    };
    if (verb.kind == Verb::Kind::List) {
        queries = job->targets;
    } else if (verb.kind == Verb::Kind::Toggle && !fresh(job->targets.front())) {
        queries.push_back(job->targets.front());
    } else if (verb.kind == Verb::Kind::Brightness && verb.relative) {
        for (const auto& ip : job->targets)
            if (!fresh(ip))
                queries.push_back(ip);
    }
    Job& started = *jobs_.emplace_back(std::move(job));
    if (queries.empty())
        return command(started);
    for (const auto& ip : queries) {
        started.waits[ip] = {loop_.monotonicNow()};
        lights_.send(ip, "getPilot");
    }
    started.deadline = loop_.after(answerWait, [this, &started] { command(started); });
    check(started);
}

void VerbRunner::command(Job& job) {
    if (job.verb.kind == Verb::Kind::List)
        return finish(job);
    // Lights that did not tell their state get no command built on it.
    for (const auto& [ip, wait] : job.waits)
        if (wait.result != Job::Result::Answered) {
            if (const Bulb* silent = bulb(ip))
                job.failures.push_back(didNotAnswer(*silent));
            if (job.verb.kind == Verb::Kind::Toggle)
                job.targets.clear(); // the others follow this one
            std::erase(job.targets, ip);
        }
    job.waits.clear();
    job.phase = Job::Phase::Command;

    // Each target's parameters, as the panel sends them; equal ones go out together.
    std::vector<std::pair<Params, std::vector<std::string>>> groups;
    const auto add = [&groups](Params params, const std::string& ip) {
        for (auto& group : groups)
            if (group.first == params) {
                group.second.push_back(ip);
                return;
            }
        groups.push_back({std::move(params), {ip}});
    };
    const Verb& verb = job.verb;
    const bool toggledOn = !job.targets.empty() && !stateOf(job.targets.front()).on;
    std::vector<std::string> refused;
    for (const auto& ip : job.targets) {
        Params params;
        switch (verb.kind) {
        case Verb::Kind::On:
        case Verb::Kind::Off:
            params = {{"state", verb.kind == Verb::Kind::On}};
            break;
        case Verb::Kind::Toggle:
            params = {{"state", toggledOn}};
            break;
        case Verb::Kind::Brightness: {
            double level = verb.value;
            if (verb.relative)
                level = std::clamp(stateOf(ip).brightness + verb.value, double(Verb::minBrightness),
                                   double(Verb::maxBrightness));
            params = {{"state", true}, {"dimming", static_cast<std::int64_t>(level)}};
            break;
        }
        case Verb::Kind::Temperature:
            params = {{"state", true}, {"temp", std::int64_t{verb.value}}};
            break;
        case Verb::Kind::Color:
            params = {{"state", true},
                      {"r", std::int64_t{verb.rgb[0]}},
                      {"g", std::int64_t{verb.rgb[1]}},
                      {"b", std::int64_t{verb.rgb[2]}}};
            break;
        case Verb::Kind::Preset:
            params = {{"state", true}, {"sceneId", verb.scene}};
            break;
        case Verb::Kind::List:
        case Verb::Kind::Panel:
            break;
        }
        // What the light's device cannot show is an error for a light named or selected, and
        // passes it by with --all, as the panel's group commands do.
        const Bulb* target = bulb(ip);
        if (target != nullptr && !target->device.accepted(params)) {
            if (!verb.all)
                refused.push_back(VerbText::fill(asked(verb), {LightMatch::described(*target)}));
            continue;
        }
        add(std::move(params), ip);
    }
    if (!refused.empty()) {
        Outcome usage{2, {}, {}};
        for (const auto& line : refused)
            usage.err += line + "\n";
        Done done = std::move(job.done);
        jobs_.remove_if([&job](const auto& held) { return held.get() == &job; });
        return done(usage);
    }
    for (const auto& [params, ips] : groups) {
        for (const auto& ip : ips) {
            Expected expected = stateOf(ip);
            expected.on = std::get<bool>(params.at("state"));
            if (const auto dimming = params.find("dimming"); dimming != params.end())
                expected.brightness = double(std::get<std::int64_t>(dimming->second));
            expected.at = loop_.monotonicNow();
            expected_[ip] = expected;
            job.waits[ip] = {loop_.monotonicNow()};
        }
        lights_.control(params, ips);
    }
    job.deadline = loop_.after(answerWait, [this, &job] { finish(job); });
    check(job);
}

void VerbRunner::received(std::string_view bytes, const std::string& from) {
    const Answer answer = classify(bytes);
    if (answer == Answer::Other)
        return;
    if (answer == Answer::Report) {
        reports_[from] = Wire::parseReply(bytes).pilot;
        if (const Bulb* known = bulb(from)) {
            std::string now = describe(*known);
            auto& before = described_[from];
            if (now != before) {
                before = std::move(now);
                if (changed_)
                    changed_(*known, mode(from));
            }
        }
    }
    std::vector<Job*> waiting;
    for (auto& job : jobs_)
        waiting.push_back(job.get());
    for (Job* job : waiting) {
        const auto wait = job->waits.find(from);
        if (wait == job->waits.end() || wait->second.result != Job::Result::Waiting)
            continue;
        if (answer == Answer::Rejected) {
            wait->second.result = Job::Result::Rejected;
        } else if (job->phase == Job::Phase::Query) {
            if (answer == Answer::Report)
                wait->second.result = Job::Result::Answered;
        } else if (answer == Answer::Acknowledged) {
            if (!wait->second.acknowledged)
                lights_.send(from, "getPilot"); // the state now, not 0.35 s later
            wait->second.acknowledged = true;
        } else if (wait->second.acknowledged ||
                   loop_.monotonicNow() - wait->second.sentAt >= Lights::followUpDelay) {
            wait->second.result = Job::Result::Answered;
        }
        check(*job);
    }
}

void VerbRunner::check(Job& job) {
    const bool waiting = std::any_of(job.waits.begin(), job.waits.end(), [](const auto& wait) {
        return wait.second.result == Job::Result::Waiting;
    });
    if (waiting)
        return;
    if (job.phase == Job::Phase::Query)
        command(job);
    else
        finish(job);
}

void VerbRunner::finish(Job& job) {
    Outcome outcome;
    const auto answered = [&job](const std::string& ip) {
        const auto wait = job.waits.find(ip);
        return wait != job.waits.end() && wait->second.result == Job::Result::Answered;
    };
    if (job.verb.kind == Verb::Kind::List) {
        json list = json::array();
        for (const auto& ip : job.targets)
            if (const Bulb* b = bulb(ip)) {
                list.push_back(listed(*b, answered(ip)));
                if (!job.verb.json)
                    outcome.out +=
                        (answered(ip)
                             ? describe(*b)
                             : said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "%1: not answering"),
                                    {LightMatch::described(*b)})) +
                        "\n";
            }
        if (job.verb.json)
            outcome.out = list.dump(2) + "\n";
    } else {
        for (const auto& ip : job.targets) {
            const Bulb* b = bulb(ip);
            const auto wait = job.waits.find(ip);
            if (b == nullptr || wait == job.waits.end())
                continue;
            if (wait->second.result == Job::Result::Answered)
                outcome.out += describe(*b) + "\n";
            else if (wait->second.result == Job::Result::Rejected)
                job.failures.push_back(
                    said(QT_TRANSLATE_NOOP("glowdeck::VerbRunner", "%1 rejected the command."),
                         {LightMatch::described(*b)}));
            else
                job.failures.push_back(didNotAnswer(*b));
        }
    }
    for (const auto& failure : job.failures)
        outcome.err += failure + "\n";
    outcome.status = job.failures.empty() ? 0 : 1;
    Done done = std::move(job.done);
    jobs_.remove_if([&job](const auto& held) { return held.get() == &job; });
    done(outcome);
}

} // namespace glowdeck
