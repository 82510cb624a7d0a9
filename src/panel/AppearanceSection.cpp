#include "AppearanceSection.h"

#include "Colors.h"
#include "Divider.h"
#include "GlyphLabel.h"
#include "Icons.h"
#include "NumberText.h"
#include "PanelStyle.h"
#include "ReleaseSlider.h"
#include "SectionLayout.h"
#include "SegmentedControl.h"
#include "SwatchButton.h"
#include "ToneLabel.h"
#include "TrackingSlider.h"
#include "presets/ColorSwatch.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace glowdeck {

namespace {

constexpr int sliderHeight = 26;

// Every swatch's name, for the translation tools: the row looks each up by its English text.
[[maybe_unused]] constexpr const char* swatchNames[] = {
    QT_TRANSLATE_NOOP("glowdeck::AppearanceSection", "Red"),
    QT_TRANSLATE_NOOP("glowdeck::AppearanceSection", "Orange"),
    QT_TRANSLATE_NOOP("glowdeck::AppearanceSection", "Yellow"),
    QT_TRANSLATE_NOOP("glowdeck::AppearanceSection", "Green"),
    QT_TRANSLATE_NOOP("glowdeck::AppearanceSection", "Cyan"),
    QT_TRANSLATE_NOOP("glowdeck::AppearanceSection", "Blue"),
    QT_TRANSLATE_NOOP("glowdeck::AppearanceSection", "Purple"),
};

QHBoxLayout* sliderRow(QWidget* lead, ReleaseSlider* slider, QWidget* trail) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    slider->setFixedHeight(sliderHeight);
    slider->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    row->addWidget(lead, 0, Qt::AlignVCenter);
    row->addWidget(slider, 1);
    row->addWidget(trail, 0, Qt::AlignVCenter);
    return row;
}

} // namespace

AppearanceSection::AppearanceSection(QWidget* parent) : QWidget(parent) {
    auto* column = SectionLayout::column(this);
    // Brightness in a box of its own, which a plug leaves out.
    brightnessRows_ = new QWidget(this);
    auto* brightnessColumn = new QVBoxLayout(brightnessRows_);
    brightnessColumn->setContentsMargins(0, 0, 0, 0);
    brightnessColumn->setSpacing(column->spacing());
    brightnessValue_ =
        new ToneLabel(QString(), PanelStyle::body(), ToneLabel::Tone::Secondary, brightnessRows_);
    brightnessValue_->setMinimumWidth(
        QFontMetrics(brightnessValue_->font()).horizontalAdvance(NumberText::percent(100)));
    brightnessColumn->addLayout(
        SectionLayout::header(tr("Brightness"), brightnessValue_, brightnessRows_));

    brightness_ = new ReleaseSlider(10, 100, tr("Brightness"), brightnessRows_);
    brightnessColumn->addLayout(sliderRow(new GlyphLabel("sun.min.fill", 14, {}, brightnessRows_),
                                          brightness_,
                                          new GlyphLabel("sun.max.fill", 18, {}, brightnessRows_)));
    connect(brightness_, &ReleaseSlider::valueEdited, this, &AppearanceSection::brightnessEdited);
    connect(brightness_, &ReleaseSlider::editingChanged, this,
            &AppearanceSection::brightnessEditing);
    column->addWidget(brightnessRows_);

    divider_ = new Divider(0, this);
    column->addWidget(divider_);

    mode_ = new SegmentedControl({tr("White"), tr("Color")}, tr("Light appearance"), this);
    connect(mode_, &SegmentedControl::chosen, this, &AppearanceSection::modeChosen);
    column->addWidget(mode_);

    whiteRows_ = buildWhiteRows();
    colourRows_ = buildColourRows();
    column->addWidget(whiteRows_);
    column->addWidget(colourRows_);
    colourRows_->hide();

    showBrightness(100);
    showTemperature(2700);
}

QWidget* AppearanceSection::buildWhiteRows() {
    auto* rows = new QWidget(this);
    auto* column = new QVBoxLayout(rows);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    temperature_ = new ReleaseSlider(2200, 6500, tr("White temperature"), rows);
    column->addLayout(sliderRow(new GlyphLabel("sun.haze.fill", 16, standardOrange(), rows),
                                temperature_,
                                new GlyphLabel("sun.max.fill", 18, standardBlue(), rows)));
    connect(temperature_, &ReleaseSlider::valueEdited, this, &AppearanceSection::temperatureEdited);
    connect(temperature_, &ReleaseSlider::editingChanged, this,
            &AppearanceSection::temperatureEditing);

    auto* caption = new QHBoxLayout;
    caption->setContentsMargins(0, 0, 0, 0);
    auto* warm = new ToneLabel(tr("Warm"), PanelStyle::caption(), ToneLabel::Tone::Secondary, rows);
    temperatureValue_ =
        new ToneLabel(QString(), PanelStyle::caption(), ToneLabel::Tone::Secondary, rows);
    temperatureValue_->setAlignment(Qt::AlignCenter);
    auto* cool = new ToneLabel(tr("Cool"), PanelStyle::caption(), ToneLabel::Tone::Secondary, rows);
    cool->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->addWidget(warm, 1);
    caption->addWidget(temperatureValue_, 1);
    caption->addWidget(cool, 1);
    column->addLayout(caption);
    return rows;
}

QWidget* AppearanceSection::buildColourRows() {
    auto* rows = new QWidget(this);
    auto* column = new QVBoxLayout(rows);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);

    auto* swatchRow = new QHBoxLayout;
    swatchRow->setContentsMargins(0, 0, 0, 0);
    swatchRow->setSpacing(0);
    for (const ColorSwatch& swatch : ColorSwatch::all) {
        const auto& [r, g, b] = swatch.rgb;
        const std::string name(swatch.name);
        auto* button = new SwatchButton(QColor(r, g, b), tr(name.c_str()), rows);
        connect(button, &SwatchButton::chosen, this, &AppearanceSection::swatchChosen);
        swatches_.append(button);
        swatchRow->addWidget(button, 1);
    }
    moreButton_ = new QToolButton(rows);
    moreButton_->setAutoRaise(true);
    moreButton_->setFixedSize(30, 30);
    moreButton_->setIconSize(QSize(17, 17));
    moreButton_->setToolTip(tr("More colors…"));
    moreButton_->setAccessibleName(tr("More colors…"));
    moreButton_->setFocusPolicy(Qt::TabFocus);
    connect(moreButton_, &QToolButton::clicked, this, &AppearanceSection::moreColorsRequested);
    swatchRow->addWidget(moreButton_);
    column->addLayout(swatchRow);

    moreLink_ = new QPushButton(tr("More Colors…"), rows);
    moreLink_->setFlat(true);
    moreLink_->setFont(PanelStyle::caption());
    moreLink_->setCursor(Qt::PointingHandCursor);
    moreLink_->setFocusPolicy(Qt::TabFocus);
    moreLink_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    connect(moreLink_, &QPushButton::clicked, this, &AppearanceSection::moreColorsRequested);
    column->addWidget(moreLink_, 0, Qt::AlignLeft);
    restyle();
    return rows;
}

void AppearanceSection::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && moreLink_ != nullptr)
        restyle();
}

void AppearanceSection::restyle() {
    moreButton_->setIcon(Icons::icon("slider.horizontal.3", PanelStyle::secondary(palette()), 17));
    moreLink_->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; padding: 0;"
                       " color: %1; text-align: left; }"
                       "QPushButton:hover { text-decoration: underline; }")
            .arg(palette().color(QPalette::Link).name()));
}

void AppearanceSection::showBrightness(double percent) {
    brightness_->setValue(percent);
    showBrightnessLabel(percent);
}

void AppearanceSection::showTemperature(double kelvin) {
    temperature_->setValue(kelvin);
    showTemperatureLabel(kelvin);
}

void AppearanceSection::showBrightnessLabel(double percent) {
    brightnessValue_->setTextIfChanged(NumberText::percent(percent));
}

void AppearanceSection::showTemperatureLabel(double kelvin) {
    temperatureValue_->setTextIfChanged(NumberText::kelvin(kelvin));
}

void AppearanceSection::showMode(int mode) {
    mode_->setCurrent(mode);
    const bool isWhite = mode == white || !device_.takesColor();
    const bool showsWhite = isWhite && device_.takesTemperature();
    if (whiteRows_->isVisibleTo(this) != showsWhite)
        whiteRows_->setVisible(showsWhite);
    if (colourRows_->isVisibleTo(this) == isWhite)
        colourRows_->setVisible(!isWhite);
}

void AppearanceSection::showDevice(const DeviceClass& device) {
    if (device == device_)
        return;
    device_ = device;
    temperature_->slider()->setRealRange(device.minKelvin, device.maxKelvin);
    showTemperatureLabel(temperature_->value());
    const auto setShown = [this](QWidget* widget, bool shown) {
        if (widget->isVisibleTo(this) != shown)
            widget->setVisible(shown);
    };
    setShown(brightnessRows_, device.takesBrightness());
    setShown(mode_, device.takesColor());
    setShown(divider_, device.takesBrightness() && device.takesTemperature());
    showMode(mode_->current());
}

} // namespace glowdeck
