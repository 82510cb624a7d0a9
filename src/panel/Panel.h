#pragma once

#include "ColorPanelController.h"
#include "model/ChangeSignal.h"

#include <QColor>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>

class QScrollArea;
class QVBoxLayout;

namespace glowdeck {

class AllLightsRow;
class AppearanceSection;
class ControlTile;
class Divider;
class EmptyState;
class FormSheet;
class LightTile;
class Lights;
class MessageLine;
class PanelHeader;
class PresetsSection;

// The control panel: header, the current light with its appearance and presets (or an invitation
// to add a light), and the controller's status message. It redraws from the controller's state
// after every change announcement and keeps its own slider values, form texts and mode.
// Fixed width; its height follows its content. Given less height than that, the content keeps its
// own height: it scrolls when the panel was fitted that short (a short screen), and is cut at the
// bottom while the window catches up with content that grew. Transparent: the window behind it
// draws the surface.
class Panel : public QWidget {
    Q_OBJECT
public:
    static constexpr int panelWidth = 324;
    static constexpr int padding = 12;
    static constexpr double minimumTemperature = 2200;
    static constexpr double maximumTemperature = 6500;

    explicit Panel(Lights& lights, QWidget* parent = nullptr);
    ~Panel() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    // Opens the colour picker for the selected light; a colour picked after the selection moved
    // to another light is dropped.
    void showColors();
    // Sends `color` to the selected light and makes it the colour the picker opens on.
    void applyColor(const QColor& color);

    // Redraws from the controller's state now. Change announcements schedule this once per burst.
    void refresh();

    // Local state.
    double brightness() const { return brightness_; }
    double temperature() const { return temperature_; }
    std::int64_t mode() const { return mode_; }
    QColor color() const { return color_; }
    QString ip() const { return ip_; }
    QString name() const { return name_; }
    bool editingName() const { return editingName_; }
    bool addingLight() const { return addingLight_; }
    bool editingBrightness() const { return editingBrightness_; }
    bool editingTemperature() const { return editingTemperature_; }
    ColorPanelController& colors() { return colors_; }

    // Sections, for the shell and for tests.
    QScrollArea* scrollArea() const { return scroll_; }
    QWidget* content() const { return content_; }
    PanelHeader* header() const { return header_; }
    QWidget* lightSection() const { return lightSection_; }
    LightTile* lightTile() const { return lightTile_; }
    AppearanceSection* appearance() const { return appearance_; }
    PresetsSection* presets() const { return presets_; }
    AllLightsRow* allLightsRow() const { return allLights_; }
    EmptyState* emptyState() const { return emptyState_; }
    ControlTile* emptyTile() const { return emptyTile_; }
    MessageLine* messageLine() const { return message_; }
    FormSheet* addLightForm() const { return addForm_; }
    FormSheet* renameForm() const { return renameForm_; }

    // Opens the add-light form (the header's entry and the empty state's button).
    void openAddLight();
    // Fills the rename form with the current light's name and opens it.
    void openRename();
    // Closes the colour picker, then forgets the selected light.
    void forgetLight();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void scheduleRefresh();
    void sync();
    void setBrightness(double value);
    void setTemperature(double value);
    void brightnessEditing(bool editing);
    void temperatureEditing(bool editing);
    void setMode(int mode);
    void closeForms();
    void setFormOpen(bool open);
    static double clampTemperature(double kelvin);

    Lights& lights_;
    ColorPanelController colors_;
    QString ip_;
    QColor color_;
    double brightness_ = 100;
    double temperature_ = 2700;
    QString name_;
    bool editingName_ = false;
    bool addingLight_ = false;
    std::int64_t mode_ = 0;
    bool editingBrightness_ = false;
    bool editingTemperature_ = false;

    // What the last refresh saw, to run the change handlers only on a change.
    std::optional<std::string> lastSelected_;
    std::optional<double> lastBrightness_;
    std::optional<double> lastTemperature_;
    bool refreshPending_ = false;
    ChangeSignal::Connection observation_;

    QScrollArea* scroll_;
    QWidget* content_;
    QVBoxLayout* column_;
    PanelHeader* header_;
    QWidget* lightSection_;
    LightTile* lightTile_;
    AppearanceSection* appearance_;
    // The line under the appearance controls, which leaves with them.
    QWidget* appearanceDivider_;
    PresetsSection* presets_;
    AllLightsRow* allLights_;
    EmptyState* emptyState_;
    ControlTile* emptyTile_;
    MessageLine* message_;
    FormSheet* addForm_;
    FormSheet* renameForm_;
};

} // namespace glowdeck
