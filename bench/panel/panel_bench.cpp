// The panel catching up with the controller, with few and with many known lights: after one
// state report, through a burst of first reports from bulbs nobody knew, and opening the light
// picker. Everything runs on the offscreen platform, relayout and repaint included; saved lights
// go to a settings file in a temporary folder, as the program writes them.
#include "model/Lights.h"
#include "model/MemoryStore.h"
#include "model/VirtualLoop.h"
#include "panel/AllLightsRow.h"
#include "panel/LightPicker.h"
#include "panel/LightTile.h"
#include "panel/Panel.h"
#include "shell/SettingsStore.h"
#include "support/FakeSocketApi.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <time.h>
#include <vector>

using namespace glowdeck;

namespace {

// Processor time of this thread, in seconds.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Fixture {
    MemoryStore store;
    VirtualLoop loop;
    testing::FakeSocketApi net;
    std::unique_ptr<Lights> lights;
    std::unique_ptr<Panel> panel;
    std::string target;
    int turn = 0;

    explicit Fixture(int count) {
        nlohmann::json saved = nlohmann::json::array();
        for (int i = 0; i < count; ++i) {
            target = "10.0." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1);
            saved.push_back({{"ip", target}, {"name", "Light " + std::to_string(i + 1)}});
        }
        // The selection is the last light: the slowest to find.
        store.setData("bulbs", saved.dump());
        lights = std::make_unique<Lights>(false, store, loop, net);
        lights->setSelected(target);
        panel = std::make_unique<Panel>(*lights);
        panel->resize(panel->sizeHint());
        panel->show();
        QCoreApplication::processEvents();
    }

    void announce() {
        const int dimming = 40 + (turn++ % 2);
        lights->receiveReply(R"({"method":"getPilot","result":{"state":true,"dimming":)" +
                                 std::to_string(dimming) + "}}",
                             target);
    }
};

// Each iteration delivers one state report for the selected light (its brightness alternates, so
// the panel has something to update), which announces a change; then the event loop runs
// everything that follows from it: the panel's queued refresh, the relayout and the repaint of
// what changed.
void Refresh(benchmark::State& state) {
    Fixture fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        fixture.announce();
        QCoreApplication::processEvents();
    }
    if (fixture.panel->brightness() < 40)
        state.SkipWithError("the panel did not follow the reports");
}

// One discovery answered by `range(0)` bulbs nobody knew, per datagram: from reading it off the
// socket to the refreshed panel. The loop turns as the program's does: a read pass (at most 64
// datagrams), the save of the bulbs it found, the panel's refresh; until the socket is empty.
// longest_turn is the processor time of the longest turn: the longest the burst keeps the
// user-interface thread from anything else, whatever the machine's load.
void NewBulbReports(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    // Each bulb has its own MAC.
    auto report = [](int i) {
        char mac[24];
        std::snprintf(mac, sizeof mac, "a8bb50%06x", static_cast<unsigned>(i));
        return R"({"method":"getPilot","env":"pro","result":{"mac":")" + std::string(mac) +
               R"(","rssi":-55,"src":"","state":true,"sceneId":0,"temp":2700,"dimming":100}})";
    };
    SettingsStore store;
    VirtualLoop loop;
    testing::FakeSocketApi net;
    std::unique_ptr<Lights> lights;
    std::unique_ptr<Panel> panel;
    double longestTurn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        panel.reset();
        lights.reset();
        store.setData(Lights::storeKey, "[]");
        lights = std::make_unique<Lights>(false, store, loop, net);
        panel = std::make_unique<Panel>(*lights);
        panel->resize(panel->sizeHint());
        panel->show();
        QCoreApplication::processEvents();
        for (int i = 0; i < count; ++i)
            net.inbox.push_back({report(i), "10.77." + std::to_string(1 + i / 250) + "." +
                                                std::to_string(i % 250 + 1)});
        state.ResumeTiming();

        while (!net.inbox.empty()) {
            const double started = threadSeconds();
            loop.readable(testing::FakeSocketApi::fakeFD);
            loop.advance(Duration::zero());
            QCoreApplication::processEvents();
            longestTurn = std::max(longestTurn, threadSeconds() - started);
        }

        state.PauseTiming();
        const auto saved = store.data(Lights::storeKey).value_or("");
        if (lights->bulbs().size() != static_cast<std::size_t>(count) ||
            !panel->allLightsRow()->isVisible() ||
            saved.find("10.77.1." + std::to_string(std::min(count, 250)) + "\"") ==
                std::string::npos)
            state.SkipWithError("the burst was not handled");
        state.ResumeTiming();
    }
    state.counters["longest_turn"] = longestTurn;
    state.counters["per_datagram"] = benchmark::Counter(
        count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Opening the light picker: its menu is built, measured, shown with the tile's light in view,
// and painted.
void PickerOpen(benchmark::State& state) {
    Fixture fixture(static_cast<int>(state.range(0)));
    LightPicker* picker = fixture.panel->lightTile()->picker();
    for (auto _ : state) {
        picker->openMenu();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (!picker->menu()->isVisible())
            state.SkipWithError("the menu did not open");
        picker->menu()->hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK(Refresh)->Arg(2)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(NewBulbReports)->Arg(250)->Unit(benchmark::kMillisecond);
BENCHMARK(PickerOpen)->Arg(2)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir settings; // the saved lights' file lives here for the run
    if (!settings.isValid())
        return 1;
    setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glowdeck"));
    QApplication::setOrganizationName(QStringLiteral("Glowdeck"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
