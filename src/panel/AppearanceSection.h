#pragma once

#include "model/DeviceClass.h"

#include <QColor>
#include <QWidget>

class QPushButton;
class QToolButton;

namespace glowdeck {

class GlyphLabel;
class ReleaseSlider;
class SegmentedControl;
class SwatchButton;
class ToneLabel;

// Brightness, the White/Color switch, and either the white-temperature slider or the colour
// swatches. It shows values it is given and reports what the user does; the owner decides what
// to send.
class AppearanceSection : public QWidget {
    Q_OBJECT
public:
    static constexpr int white = 0;
    static constexpr int colour = 1;

    explicit AppearanceSection(QWidget* parent = nullptr);

    // Moves the slider (unless the user holds it) and updates the label.
    void showBrightness(double percent);
    void showTemperature(double kelvin);
    // Updates only the labels, for values that came from the slider itself.
    void showBrightnessLabel(double percent);
    void showTemperatureLabel(double kelvin);
    void showMode(int mode);
    // Shows the controls `device` takes: brightness unless it is a plug, the White/Color switch
    // and the swatches only for a colour bulb, the temperature slider over its own range only
    // for colour and tunable-white bulbs.
    void showDevice(const DeviceClass& device);

    ReleaseSlider* brightnessSlider() const { return brightness_; }
    ReleaseSlider* temperatureSlider() const { return temperature_; }
    ToneLabel* brightnessLabel() const { return brightnessValue_; }
    ToneLabel* temperatureLabel() const { return temperatureValue_; }
    SegmentedControl* modeControl() const { return mode_; }
    QWidget* whiteRows() const { return whiteRows_; }
    QWidget* colourRows() const { return colourRows_; }
    QWidget* brightnessRows() const { return brightnessRows_; }
    const QList<SwatchButton*>& swatchButtons() const { return swatches_; }
    QToolButton* moreColorsButton() const { return moreButton_; }
    QPushButton* moreColorsLink() const { return moreLink_; }

Q_SIGNALS:
    void brightnessEdited(double percent);
    void brightnessEditing(bool editing);
    void temperatureEdited(double kelvin);
    void temperatureEditing(bool editing);
    void modeChosen(int mode);
    void swatchChosen(const QColor& color);
    void moreColorsRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildWhiteRows();
    QWidget* buildColourRows();
    void restyle();

    ReleaseSlider* brightness_;
    QWidget* brightnessRows_;
    QWidget* divider_;
    DeviceClass device_;
    ToneLabel* brightnessValue_;
    SegmentedControl* mode_;
    QWidget* whiteRows_;
    QWidget* colourRows_;
    ReleaseSlider* temperature_ = nullptr;
    ToneLabel* temperatureValue_ = nullptr;
    QList<SwatchButton*> swatches_;
    QToolButton* moreButton_ = nullptr;
    QPushButton* moreLink_ = nullptr;
};

} // namespace glowdeck
