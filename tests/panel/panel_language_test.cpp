#include "PanelRig.h"

#include "model/Messages.h"
#include "panel/AllLightsRow.h"
#include "panel/AppearanceSection.h"
#include "panel/EmptyState.h"
#include "panel/LightPicker.h"
#include "panel/LightTile.h"
#include "panel/MessageText.h"
#include "panel/NumberText.h"
#include "panel/PanelHeader.h"
#include "panel/ReleaseSlider.h"
#include "panel/SegmentedControl.h"
#include "panel/ToneLabel.h"
#include "panel/TrackingSlider.h"
#include "shell/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace glowdeck;
using namespace glowdeck::testing;

namespace {

const char* const languages[] = {"en", "de", "fr", "es",    "it", "pt_BR",
                                 "nl", "pl", "ja", "zh_CN", "ar"};

// The texts, numbers and direction of `name` while it lives; the system's after.
struct Language {
    explicit Language(const char* name) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        loaded = Translations::install(QLocale(QString::fromLatin1(name)));
        QCoreApplication::processEvents();
    }
    ~Language() {
        QLocale::setDefault(QLocale::system());
        Translations::install(QLocale(QLocale::English));
        QCoreApplication::processEvents();
    }
    QString loaded;
};

QString describe(const QWidget* widget) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(widget->metaObject()->className()), text);
}

// The widgets `layout` places, through its nested layouts.
void placedBy(QLayout* layout, QList<QWidget*>& out) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() && !item->widget()->isHidden())
            out << item->widget();
        else if (item->layout())
            placedBy(item->layout(), out);
    }
}

// What is wrong with the layout of the widgets `root` shows: a text cut or shortened in its own
// box, a widget placed outside its parent or over another widget of the same layout.
std::string faults(QWidget* root) {
    QStringList found;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(root) && widget != root)
            continue;
        if (const auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
            const bool cut = label->wordWrap()
                                 ? label->heightForWidth(label->width()) > label->height()
                                 : QFontMetricsF(label->font()).horizontalAdvance(label->text()) >
                                       label->contentsRect().width() + 1;
            if (cut)
                found << QStringLiteral("cut: ") + describe(widget);
        }
        if (const auto* button = qobject_cast<QAbstractButton*>(widget);
            button && !button->text().isEmpty() &&
            button->minimumSizeHint().width() > button->width())
            found << QStringLiteral("cut: ") + describe(widget);
        if (!widget->layout())
            continue;
        QList<QWidget*> placed;
        placedBy(widget->layout(), placed);
        for (qsizetype i = 0; i < placed.size(); ++i) {
            if (!widget->rect().contains(placed[i]->geometry()))
                found << QStringLiteral("outside its parent: ") + describe(placed[i]);
            for (qsizetype j = i + 1; j < placed.size(); ++j)
                if (placed[i]->geometry().intersects(placed[j]->geometry()))
                    found << describe(placed[i]) + QStringLiteral(" over ") + describe(placed[j]);
        }
    }
    return found.join(QLatin1Char('\n')).toStdString();
}

// A menu's entries as it opens: none wider than the menu shows it.
std::string menuFaults(QMenu* menu) {
    QStringList found;
    menu->popup(QPoint(0, 0));
    QCoreApplication::processEvents();
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const int needed = menu->fontMetrics().horizontalAdvance(action->text().remove('&'));
        if (menu->actionGeometry(action).width() < needed)
            found << QStringLiteral("cut menu entry: ") + action->text();
    }
    if (menu->sizeHint().width() > menu->width())
        found << QStringLiteral("menu narrower than its entries");
    menu->hide();
    return found.join(QLatin1Char('\n')).toStdString();
}

// The middle of what `widget` paints, across.
int paintedMiddle(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return (left + right) / 2;
}

// The panel at its width and the height it takes for what it shows.
void fit(PanelRig& rig) {
    rig.panel->resize(Panel::panelWidth, rig.panel->sizeHint().height());
    rig.settle();
}

// Every section, state, message and menu of the panel, in every language, at the panel's
// width and its own height: no text cut, no control over another.
TEST(PanelLanguages, EveryTextFitsInEveryLanguage) {
    for (const char* name : languages) {
        SCOPED_TRACE(name);
        Language language(name);
        if (std::string_view(name) != "en") {
            ASSERT_FALSE(language.loaded.isEmpty()) << "no catalogue for " << name;
        }

        // The empty state also while the window is catching up with its content.
        PanelRig empty;
        Panel& blank = *empty.panel;
        const auto rediscover = [&] {
            blank.header()->rediscoverButton()->click();
            empty.settle();
        };
        const struct {
            const char* state;
            std::function<void()> enter;
        } emptyStates[] = {
            {"no lights", [&] { fit(empty); }},
            {"scanning",
             [&] {
                 rediscover();
                 fit(empty);
             }},
            {"nothing found",
             [&] {
                 empty.loop.advance(Lights::discoveryWait);
                 empty.settle();
                 fit(empty);
             }},
            {"scanning again, the window still as tall as the verdict", rediscover},
            {"the window shorter than the content",
             [&] {
                 blank.resize(Panel::panelWidth, blank.sizeHint().height() - 40);
                 empty.settle();
             }},
        };
        for (const auto& state : emptyStates) {
            SCOPED_TRACE(state.state);
            state.enter();
            EXPECT_EQ(blank.emptyState()->width(), Panel::panelWidth - 4 * 12);
            EXPECT_EQ(faults(&blank), "");
        }
        EXPECT_EQ(menuFaults(blank.header()->optionsMenu()), "");

        PanelRig rig(twoBulbs);
        Panel& panel = *rig.panel;
        rig.report("10.0.0.5", R"({"state":true,"dimming":100,"sceneId":5})");
        rig.lights->add("not an address");
        rig.settle();
        const struct {
            const char* state;
            std::function<void()> enter;
        } states[] = {
            {"a preset and a message", [] {}},
            {"colours",
             [&] { panel.appearance()->modeControl()->findChildren<QPushButton*>()[1]->click(); }},
            {"adding a light", [&] { panel.openAddLight(); }},
            {"renaming a light", [&] { panel.openRename(); }},
        };
        for (const auto& state : states) {
            SCOPED_TRACE(state.state);
            state.enter();
            rig.settle();
            fit(rig);
            EXPECT_EQ(faults(&panel), "");
        }
        EXPECT_EQ(menuFaults(panel.header()->optionsMenu()), "");
        EXPECT_EQ(menuFaults(panel.lightTile()->picker()->menu()), "");
    }
}

// Numbers as the language writes them; the whole panel mirrors in Arabic, and "more" on a
// slider follows the reading direction.
TEST(PanelLanguages, NumbersAndDirectionFollowTheLanguage) {
    const QString nbsp(QChar(0x00a0));
    const struct {
        const char* language;
        QString percent;
        QString kelvin;
    } cases[] = {
        {"en", QStringLiteral("35%"), QStringLiteral("6500 K")},
        {"de", QStringLiteral("35") + nbsp + QStringLiteral("%"),
         QStringLiteral("6500") + nbsp + "K"},
        {"fr", QStringLiteral("35") + nbsp + QStringLiteral("%"),
         QStringLiteral("6500") + nbsp + "K"},
        {"ja", QStringLiteral("35%"), QStringLiteral("6500") + nbsp + "K"},
        {"ar", QString::fromUtf8("٣٥٪"), QString::fromUtf8("٦٥٠٠") + nbsp + "K"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        Language language(c.language);
        EXPECT_EQ(NumberText::percent(35.9), c.percent);
        EXPECT_EQ(NumberText::kelvin(6500), c.kelvin);

        const bool mirrored = std::string_view(c.language) == "ar";
        EXPECT_EQ(QApplication::layoutDirection(), mirrored ? Qt::RightToLeft : Qt::LeftToRight);
        PanelRig rig(oneBulb);
        Panel& panel = *rig.panel;
        rig.report("10.0.0.5", R"({"state":true,"dimming":50})");
        fit(rig);
        // The header's buttons and the all-lights row's switches sit at the end of the line.
        auto startsLeft = [](QWidget* first, QWidget* second) {
            return first->mapToGlobal(QPoint()).x() < second->mapToGlobal(QPoint()).x();
        };
        EXPECT_NE(startsLeft(panel.header()->findChild<QLabel*>(), panel.header()->optionsButton()),
                  mirrored);
        EXPECT_NE(startsLeft(panel.allLightsRow()->findChild<QLabel*>(),
                             panel.allLightsRow()->offButton()),
                  mirrored);
        // Text drawn by the panel itself starts where the language starts reading.
        ToneLabel* status = panel.lightTile()->statusLabel();
        ASSERT_GT(status->width(), 2 * status->fontMetrics().horizontalAdvance(status->text()));
        EXPECT_EQ(paintedMiddle(status) > status->width() / 2, mirrored);
        // A click at the slider's left end steps toward the low end only left to right.
        TrackingSlider* slider = panel.appearance()->brightnessSlider()->slider();
        const int before = slider->value();
        QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(2, slider->height() / 2));
        EXPECT_EQ(slider->value() > before, mirrored);
    }
}

// One language's catalogues, Glowdeck's and Qt's, chosen from the locale's languages; English,
// and a language Glowdeck does not speak, leave the texts as written.
TEST(PanelLanguages, LoadsTheCataloguesOfTheFirstLanguageItSpeaks) {
    const struct {
        const char* locale;
        const char* loaded;
        const char* cancel; // Qt's own text, where it is the same in every Qt release
    } cases[] = {
        {"de_AT", "de", "Abbrechen"}, {"pt_BR", "pt_BR", "Cancelar"}, {"zh_CN", "zh_CN", "取消"},
        {"ar_SA", "ar", nullptr},     {"en_GB", "", "Cancel"},        {"pt_PT", "", "Cancel"},
        {"zh_TW", "", "Cancel"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        Language language(c.locale);
        EXPECT_EQ(language.loaded.toStdString(), c.loaded);
        if (c.cancel) {
            EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(),
                      c.cancel);
        }
    }
}

// The core's messages, each recognised by its text around the value it carries: the panel's
// copies of the English texts match the core's, and the value comes through translated text.
TEST(PanelLanguages, StatusMessagesAreTranslatedWithTheirValues) {
    namespace m = messages;
    const struct {
        std::string message;
        const char* german;
    } cases[] = {
        {std::string(m::noBulbsReplied), "Keine Leuchte hat geantwortet. Nutze dasselbe WLAN, "
                                         "aktiviere die WiZ-LAN-Steuerung oder füge unten eine "
                                         "IP-Adresse hinzu."},
        {std::string(m::cannotSave), "Die Liste der Leuchten konnte nicht gespeichert werden."},
        {m::cannotSend("10.0.0.7"),
         "Senden an 10.0.0.7 nicht möglich. Prüfe den Zugriff auf das lokale Netzwerk."},
        {m::rejected("10.0.0.7"),
         "10.0.0.7 hat den Befehl abgelehnt. Diese Leuchte unterstützt ihn möglicherweise nicht."},
        {m::cannotStopAtLogin("Permission denied"),
         "„Beim Anmelden starten“ konnte nicht ausgeschaltet werden: Permission denied."},
        {m::listFull(1024), "Die Liste ist mit 1.024 Leuchten voll. Entferne eine, um eine "
                            "weitere hinzuzufügen."},
        {"The list is full at many lights. Forget one to add another.",
         "The list is full at many lights. Forget one to add another."},
        {"A text the panel does not know.", "A text the panel does not know."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        {
            Language english("en");
            // The count in the locale's digits and grouping, the rest word for word.
            std::string expected = c.message;
            if (const auto at = expected.find("1024"); at != std::string::npos)
                expected.replace(at, 4, "1,024");
            EXPECT_EQ(MessageText::translate(c.message).toStdString(), expected);
        }
        Language german("de");
        EXPECT_EQ(MessageText::translate(c.message).toStdString(), c.german);
    }
}

} // namespace
