#pragma once

#include "panel/Panel.h"
#include "support/Rig.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCoreApplication>
#include <QMenu>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <vector>

namespace glowdeck::testing {

// A real panel over a real controller on virtual time and a fake network.
struct PanelRig : Rig {
    std::unique_ptr<Panel> panel;

    // `saved` is the stored list, e.g. R"([{"ip":"10.0.0.5","name":"Desk"}])".
    explicit PanelRig(const std::string& saved = "[]") : Rig(saved) {
        panel = std::make_unique<Panel>(*lights);
        panel->resize(panel->sizeHint());
        panel->show();
        settle();
    }

    // Runs the refresh queued by the controller's announcements.
    void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    // A state report from `ip`, e.g. pilot = R"({"state":true,"dimming":40})".
    void report(const std::string& ip, const std::string& pilot) {
        Rig::report(ip, pilot);
        settle();
    }

    // The "setPilot" requests sent so far, as {destination, params}.
    std::vector<std::pair<std::string, nlohmann::json>> commands() const {
        std::vector<std::pair<std::string, nlohmann::json>> out;
        for (const auto& datagram : net.sent) {
            auto message = nlohmann::json::parse(datagram.bytes);
            if (message.value("method", "") == "setPilot")
                out.emplace_back(datagram.to, message["params"]);
        }
        return out;
    }

    // `button` opens `menu` for assistive technologies too, and leads them to it.
    static void expectOpensForAssistiveTechnologies(QAbstractButton* button, QMenu* menu) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(face, nullptr);
        EXPECT_TRUE(face->state().hasPopup);
        EXPECT_EQ(face->childCount(), 0);
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 1000));
        ASSERT_EQ(face->childCount(), 1);
        EXPECT_EQ(face->child(0)->object(), menu);
        EXPECT_EQ(face->indexOfChild(face->child(0)), 0);
        menu->hide();
    }

    // The texts of a menu's entries as it would open now; a separator shows as "-".
    static QStringList entries(QMenu& menu) {
        Q_EMIT menu.aboutToShow();
        QStringList texts;
        for (QAction* action : menu.actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    }
};

inline const char* twoBulbs =
    R"([{"ip":"10.0.0.5","name":"Desk"},{"ip":"10.0.0.6","name":"Shelf"}])";
inline const char* oneBulb = R"([{"ip":"10.0.0.5","name":"Desk"}])";

} // namespace glowdeck::testing
