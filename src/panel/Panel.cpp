#include "Panel.h"

#include "AllLightsRow.h"
#include "AppearanceSection.h"
#include "Colors.h"
#include "ControlTile.h"
#include "Divider.h"
#include "EmptyState.h"
#include "FormSheet.h"
#include "LightTile.h"
#include "MessageLine.h"
#include "MessageText.h"
#include "PanelHeader.h"
#include "PresetsSection.h"
#include "WholeNumber.h"
#include "model/Lights.h"

#include <QAction>
#include <QHideEvent>
#include <QProxyStyle>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace glowdeck {

namespace {

// The vertical scroll bar of a panel too tall for its screen: no wider than the panel's padding,
// and drawn over it, so the content keeps its full width.
class ScrollBarStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_ScrollBarExtent || metric == PM_ScrollView_ScrollBarOverlap)
            return std::min(QProxyStyle::pixelMetric(PM_ScrollBarExtent, option, widget),
                            Panel::padding - 2);
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

Panel::Panel(Lights& lights, QWidget* parent)
    : QWidget(parent), lights_(lights), color_(standardOrange()) {
    setFixedWidth(panelWidth);
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setWidgetResizable(true);
    scroll_->setFocusPolicy(Qt::NoFocus); // the controls take the keyboard, and scroll into view
    scroll_->viewport()->setAutoFillBackground(false);
    auto* barStyle = new ScrollBarStyle;
    barStyle->setParent(scroll_->verticalScrollBar());
    scroll_->verticalScrollBar()->setStyle(barStyle);
    outer->addWidget(scroll_);
    content_ = new QWidget;
    column_ = new QVBoxLayout(content_);
    column_->setContentsMargins(padding, padding, padding, padding);
    column_->setSpacing(0);

    header_ = new PanelHeader(lights, content_);
    column_->addWidget(header_);

    // The current light's sections, shown as one block.
    lightSection_ = new QWidget(content_);
    auto* section = new QVBoxLayout(lightSection_);
    section->setContentsMargins(0, 0, 0, 0);
    section->setSpacing(0);
    lightTile_ = new LightTile(lights, lightSection_);
    section->addWidget(new ControlTile(lightTile_, lightSection_));
    section->addWidget(new Divider(12, lightSection_));
    appearance_ = new AppearanceSection(lightSection_);
    section->addWidget(new ControlTile(appearance_, lightSection_));
    appearanceDivider_ = new Divider(12, lightSection_);
    section->addWidget(appearanceDivider_);
    presets_ = new PresetsSection(lights, lightSection_);
    section->addWidget(new ControlTile(presets_, lightSection_));
    allLights_ = new AllLightsRow(lights, lightSection_);
    section->addWidget(allLights_);
    column_->addWidget(lightSection_);

    emptyState_ = new EmptyState(content_);
    emptyTile_ = new ControlTile(emptyState_, content_);
    column_->addWidget(emptyTile_);

    message_ = new MessageLine(content_);
    column_->addWidget(message_);
    column_->addStretch(1); // height beyond the content's own stays below it

    scroll_->setWidget(content_);
    content_->setAutoFillBackground(false);

    addForm_ = new FormSheet(tr("Add Light"),
                             tr("Enter the light’s IP address from your router or WiZ app."),
                             tr("IPv4 address"), tr("Add"), this);
    renameForm_ = new FormSheet(tr("Rename Light"), QString(), tr("Name"), tr("Save"), this);

    connect(header_, &PanelHeader::addRequested, this, &Panel::openAddLight);
    connect(header_, &PanelHeader::renameRequested, this, &Panel::openRename);
    connect(header_, &PanelHeader::forgetRequested, this, &Panel::forgetLight);
    addAction(header_->quitAction()); // Ctrl+Q while the panel's window has the focus
    connect(emptyState_, &EmptyState::addRequested, this, &Panel::openAddLight);

    connect(appearance_, &AppearanceSection::brightnessEdited, this, [this](double value) {
        brightness_ = value;
        appearance_->showBrightnessLabel(value);
    });
    connect(appearance_, &AppearanceSection::brightnessEditing, this, &Panel::brightnessEditing);
    connect(appearance_, &AppearanceSection::temperatureEdited, this, [this](double value) {
        temperature_ = value;
        appearance_->showTemperatureLabel(value);
    });
    connect(appearance_, &AppearanceSection::temperatureEditing, this, &Panel::temperatureEditing);
    connect(appearance_, &AppearanceSection::modeChosen, this, &Panel::setMode);
    connect(appearance_, &AppearanceSection::swatchChosen, this, &Panel::applyColor);
    connect(appearance_, &AppearanceSection::moreColorsRequested, this, &Panel::showColors);

    connect(addForm_, &FormSheet::textChanged, this, [this](const QString& text) { ip_ = text; });
    connect(addForm_, &FormSheet::accepted, this, [this] {
        lights_.add(ip_.toStdString());
        ip_.clear();
        closeForms();
    });
    connect(addForm_, &FormSheet::cancelled, this, &Panel::closeForms);
    connect(renameForm_, &FormSheet::textChanged, this,
            [this](const QString& text) { name_ = text; });
    connect(renameForm_, &FormSheet::accepted, this, [this] {
        lights_.rename(name_.toStdString());
        closeForms();
    });
    connect(renameForm_, &FormSheet::cancelled, this, &Panel::closeForms);

    // Change handlers fire on changes, never for the initial values.
    lastSelected_ = lights_.selected();
    if (const Bulb* current = lights_.current()) {
        lastBrightness_ = current->brightness;
        lastTemperature_ = current->temperature;
    }
    observation_ = lights_.objectWillChange().connect([this] { scheduleRefresh(); });
    appearance_->showMode(static_cast<int>(mode_));
    refresh();
}

Panel::~Panel() = default;

void Panel::scheduleRefresh() {
    // The announcement comes before the change: read the new state once control returns to the
    // event loop, once for a whole burst of announcements.
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, &Panel::refresh);
}

void Panel::refresh() {
    refreshPending_ = false;
    const Bulb* current = lights_.current();

    if (lights_.selected() != lastSelected_) {
        lastSelected_ = lights_.selected();
        colors_.dismiss();
        sync();
    }
    const std::optional<double> brightness =
        current ? std::optional<double>(current->brightness) : std::nullopt;
    if (brightness != lastBrightness_) {
        lastBrightness_ = brightness;
        if (!editingBrightness_)
            setBrightness(brightness.value_or(100));
    }
    const std::optional<double> temperature =
        current ? std::optional<double>(current->temperature) : std::nullopt;
    if (temperature != lastTemperature_) {
        lastTemperature_ = temperature;
        if (!editingTemperature_)
            setTemperature(clampTemperature(temperature.value_or(2700)));
    }

    header_->showScanning(lights_.scanning());
    const bool hasCurrent = current != nullptr;
    if (hasCurrent) {
        const std::size_t count = lights_.bulbs().size();
        lightTile_->show(*current, count, lights_.now());
        appearance_->showDevice(current->device);
        // A plug takes none of the appearance controls.
        const bool appearance = current->device.takesBrightness();
        if (appearanceDivider_->isVisibleTo(this) != appearance) {
            appearance_->parentWidget()->setVisible(appearance);
            appearanceDivider_->setVisible(appearance);
        }
        presets_->show(*current);
        if (allLights_->isVisibleTo(this) != (count >= 2))
            allLights_->setVisible(count >= 2);
    }
    if (lightSection_->isVisibleTo(this) != hasCurrent)
        lightSection_->setVisible(hasCurrent);
    if (emptyTile_->isVisibleTo(this) == hasCurrent)
        emptyTile_->setVisible(!hasCurrent);

    const auto& message = lights_.message();
    if (message)
        message_->setMessage(MessageText::translate(*message));
    if (message_->isVisibleTo(this) != message.has_value())
        message_->setVisible(message.has_value());
}

void Panel::sync() {
    const Bulb* current = lights_.current();
    setBrightness(current ? current->brightness : 100);
    setTemperature(clampTemperature(current ? current->temperature : 2700));
}

double Panel::clampTemperature(double kelvin) {
    if (std::isnan(kelvin))
        return minimumTemperature;
    return std::min(std::max(kelvin, minimumTemperature), maximumTemperature);
}

void Panel::setBrightness(double value) {
    brightness_ = value;
    appearance_->showBrightness(value);
}

void Panel::setTemperature(double value) {
    temperature_ = value;
    appearance_->showTemperature(value);
}

void Panel::brightnessEditing(bool editing) {
    editingBrightness_ = editing;
    if (editing)
        return;
    lights_.control({{"state", true}, {"dimming", WholeNumber::towardZero(brightness_)}}, false);
}

void Panel::temperatureEditing(bool editing) {
    editingTemperature_ = editing;
    if (editing)
        return;
    lights_.control({{"state", true}, {"temp", WholeNumber::nearestHundred(temperature_)}}, false);
}

void Panel::setMode(int mode) {
    mode_ = mode;
    appearance_->showMode(mode);
}

void Panel::showColors() {
    const std::optional<std::string> openedFor = lights_.selected();
    colors_.show(color_, [this, openedFor](const QColor& picked) {
        if (lights_.selected() == openedFor)
            applyColor(picked);
    });
}

void Panel::applyColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    if (!rgb.isValid())
        return;
    color_ = rgb;
    lights_.control({{"state", true},
                     {"r", std::int64_t{component255(rgb.redF())}},
                     {"g", std::int64_t{component255(rgb.greenF())}},
                     {"b", std::int64_t{component255(rgb.blueF())}}},
                    false);
}

void Panel::openAddLight() {
    addingLight_ = true;
    setFormOpen(true);
    addForm_->open(ip_);
}

void Panel::openRename() {
    if (const Bulb* current = lights_.current())
        name_ = QString::fromStdString(current->name);
    editingName_ = true;
    setFormOpen(true);
    renameForm_->open(name_);
}

void Panel::forgetLight() {
    colors_.dismiss();
    lights_.remove();
}

void Panel::closeForms() {
    addingLight_ = false;
    editingName_ = false;
    addForm_->close();
    renameForm_->close();
    setFormOpen(false);
}

void Panel::setFormOpen(bool open) {
    // A form is modal: nothing under it takes input while it is open.
    content_->setEnabled(!open);
}

QSize Panel::sizeHint() const {
    return {panelWidth, heightForWidth(panelWidth)};
}

int Panel::heightForWidth(int width) const {
    // A section whose rows came or went since the event loop last ran still reports its old size
    // to the column: lay the sections out first, innermost first.
    const auto nested = content_->findChildren<QWidget*>();
    for (auto widget = nested.rbegin(); widget != nested.rend(); ++widget) {
        if (QLayout* layout = (*widget)->layout())
            layout->activate();
    }
    return column_->hasHeightForWidth() ? column_->totalHeightForWidth(width)
                                        : column_->totalSizeHint().height();
}

void Panel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    sync();
}

void Panel::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // The picker serves the panel: it goes when the panel goes, as if the user closed it, so a
    // colour picked just before still reaches the light.
    if (!event->spontaneous())
        colors_.hide();
}

void Panel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Fitted shorter than the content: the screen is too short, so it scrolls. Content that grows
    // later only waits for the window to catch up, cut at the bottom meanwhile.
    const bool capped = height() < heightForWidth(width());
    scroll_->setVerticalScrollBarPolicy(capped ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

} // namespace glowdeck
