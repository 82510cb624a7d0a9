// glowdeck-screenshots <outdir> [LANGUAGE…]: renders the panel in its main states to PNG files;
// with languages (de, ja, ar…), the colour scene in each of them instead, light and dark
// (panel-color-de.png, panel-color-dark-de.png).
//
// Nothing here touches the network: the first scenes use the preview controller, the others a
// controller on a fake socket layer that records sends, fed with bulb replies by hand.
#include "ScreenshotSurface.h"

#include "OfflineSockets.h"
#include "model/Lights.h"
#include "model/MemoryStore.h"
#include "model/VirtualLoop.h"
#include "panel/AppearanceSection.h"
#include "panel/FormSheet.h"
#include "panel/Panel.h"
#include "panel/PanelHeader.h"
#include "panel/PanelPalette.h"
#include "panel/SegmentedControl.h"
#include "shell/Translations.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

using namespace glowdeck;

namespace {

constexpr qreal scale = 2.0;

// The panel's own palette, dark or light, as the program gives it where the toolkit's does not
// suit.
QPalette panelPalette(bool dark) {
    return dark ? PanelPalette::dark()
                : PanelPalette::light(QApplication::style()->standardPalette());
}

// One controller with its store, clock and fake network.
struct Scene {
    MemoryStore store;
    VirtualLoop loop;
    OfflineSockets net;
    std::unique_ptr<Lights> lights;

    Scene(bool preview, const std::string& saved = "[]") {
        store.setData("bulbs", saved);
        lights = std::make_unique<Lights>(preview, store, loop, net);
    }

    void report(const std::string& ip, const std::string& pilot) {
        lights->receiveReply(R"({"method":"getPilot","result":)" + pilot + "}", ip);
    }
};

bool save(const QImage& image, const QString& dir, const char* name) {
    const QString path = QDir(dir).filePath(QString::fromLatin1(name));
    if (!image.save(path)) {
        std::fprintf(stderr, "glowdeck-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Builds a panel over `scene`, lets `prepare` set it up, and captures it.
bool shoot(Scene& scene, const QString& dir, const char* name,
           const std::function<QWidget*(Panel&)>& prepare = {}) {
    auto* panel = new Panel(*scene.lights);
    ScreenshotSurface surface(panel);
    surface.show();
    QCoreApplication::processEvents();
    QWidget* popup = prepare ? prepare(*panel) : nullptr;
    const QImage image = surface.capture(scale, popup);
    if (popup != nullptr)
        popup->hide();
    return save(image, dir, name);
}

const char* house = R"([{"ip":"192.168.1.40","name":"Living Room"},
    {"ip":"192.168.1.41","name":"Desk Lamp"},{"ip":"192.168.1.42","name":"Bedside"}])";

void feedHouse(Scene& scene) {
    scene.report("192.168.1.40", R"({"state":true,"dimming":64,"r":255,"g":120,"b":40})");
    scene.report("192.168.1.41", R"({"state":true,"dimming":80,"sceneId":16})");
    scene.report("192.168.1.42", R"({"state":false,"dimming":30,"temp":2700})");
    scene.lights->setSelected("192.168.1.41");
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: glowdeck-screenshots <outdir> [LANGUAGE…]\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "glowdeck-screenshots: cannot create %s\n", argv[1]);
        return 1;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font = QApplication::font();
    font.setPixelSize(13);
    QApplication::setFont(font);

    bool ok = true;
    for (int i = 2; i < argc; ++i) {
        const QLocale language(QString::fromLocal8Bit(argv[i]));
        QLocale::setDefault(language);
        Translations::install(language);
        QCoreApplication::processEvents();
        for (const bool dark : {false, true}) {
            QApplication::setPalette(panelPalette(dark));
            const std::string name =
                std::string(dark ? "panel-color-dark-" : "panel-color-") + argv[i] + ".png";
            Scene colour(false, house);
            feedHouse(colour);
            ok &= shoot(colour, dir, name.c_str(), [](Panel& p) {
                p.appearance()->modeControl()->segment(1)->click();
                return nullptr;
            });
        }
    }
    if (argc > 2)
        return ok ? 0 : 1;

    for (const bool dark : {false, true}) {
        QApplication::setPalette(panelPalette(dark));
        const auto file = [dark](const char* light, const char* darkName) {
            return dark ? darkName : light;
        };

        Scene preview(true);
        ok &= shoot(preview, dir, file("panel-white.png", "panel-white-dark.png"));

        Scene colour(false, house);
        feedHouse(colour);
        ok &= shoot(colour, dir, file("panel-color.png", "panel-color-dark.png"), [](Panel& p) {
            p.appearance()->modeControl()->segment(1)->click();
            return nullptr;
        });

        if (dark)
            continue;

        // A tunable-white bulb and a plug, each showing only the controls it takes.
        const char* devices =
            R"([{"ip":"192.168.1.43","mac":"a8bb50000043","maxKelvin":5000,"minKelvin":2700,)"
            R"("module":"ESP21_SHTW_01","name":"Hallway"},)"
            R"({"ip":"192.168.1.44","mac":"a8bb50000044","module":"ESP10_SOCKET_06",)"
            R"("name":"Coffee Maker"}])";
        const std::pair<const char*, const char*> shown[] = {
            {"192.168.1.43", "panel-tunable-white.png"}, {"192.168.1.44", "panel-plug.png"}};
        for (const auto& [ip, name] : shown) {
            Scene device(false, devices);
            device.report("192.168.1.43", R"({"state":true,"dimming":70,"temp":4000})");
            device.report("192.168.1.44", R"({"state":true})");
            device.lights->setSelected(ip);
            ok &= shoot(device, dir, name);
        }

        Scene empty(false);
        ok &= shoot(empty, dir, "panel-empty.png", [&](Panel&) {
            empty.lights->add("not an address"); // shows the message line
            return nullptr;
        });

        Scene menu(false, house);
        feedHouse(menu);
        ok &= shoot(menu, dir, "panel-menu.png", [](Panel& p) -> QWidget* {
            QCoreApplication::processEvents();
            p.header()->openMenu();
            QCoreApplication::processEvents();
            return p.header()->optionsMenu();
        });

        Scene add(false);
        ok &= shoot(add, dir, "panel-add-light.png", [](Panel& p) {
            p.openAddLight();
            QTest::keyClicks(p.addLightForm()->field(), "192.168.1.57");
            return nullptr;
        });
    }
    return ok ? 0 : 1;
}
