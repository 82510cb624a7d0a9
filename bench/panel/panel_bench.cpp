// The panel's refresh after a change announcement, with few and with many known lights.
//
// Each iteration delivers one state report for the selected light (its brightness alternates, so
// the panel has something to update), which announces a change; then the event loop runs
// everything that follows from it: the panel's queued refresh, the relayout and the repaint of
// what changed (on the offscreen platform).
#include "model/Lights.h"
#include "model/MemoryStore.h"
#include "model/VirtualLoop.h"
#include "panel/LightPicker.h"
#include "panel/LightTile.h"
#include "panel/Panel.h"
#include "support/FakeSocketApi.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <memory>
#include <string>

using namespace glowdeck;

namespace {

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

void Refresh(benchmark::State& state) {
    Fixture fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        fixture.announce();
        QCoreApplication::processEvents();
    }
    if (fixture.panel->brightness() < 40)
        state.SkipWithError("the panel did not follow the reports");
}

// Opening the light picker builds its menu: one entry per light.
void PickerMenu(benchmark::State& state) {
    Fixture fixture(static_cast<int>(state.range(0)));
    QMenu* menu = fixture.panel->lightTile()->picker()->menu();
    for (auto _ : state) {
        Q_EMIT menu->aboutToShow();
        benchmark::DoNotOptimize(menu->actions().size());
    }
}

BENCHMARK(Refresh)->Arg(2)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PickerMenu)->Arg(2)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
