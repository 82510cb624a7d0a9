#include "PanelHeader.h"

#include "Icons.h"
#include "MenuButtonAccessible.h"
#include "PanelStyle.h"
#include "Spinner.h"
#include "ToneLabel.h"
#include "model/Lights.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QWidgetAction>

namespace glowdeck {

namespace {

QToolButton* iconButton(const QString& tip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(24, 24);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

PanelHeader::PanelHeader(Lights& lights, QWidget* parent)
    : QWidget(parent), lights_(lights), menu_(this) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 3, 4, 3);
    row->setSpacing(6);
    row->addWidget(new ToneLabel(QStringLiteral("Glowdeck"), PanelStyle::font(13, QFont::DemiBold),
                                 ToneLabel::Tone::Secondary, this));
    row->addStretch(1);
    spinner_ = new Spinner(12, this);
    spinner_->hide();
    row->addWidget(spinner_, 0, Qt::AlignVCenter);

    rediscover_ = iconButton(tr("Discover lights"), this);
    connect(rediscover_, &QToolButton::clicked, this, [this] { lights_.discover(); });
    row->addWidget(rediscover_);

    // A plain button that opens the menu itself: a press through an assistive technology then
    // opens it too.
    options_ = iconButton(tr("More options"), this);
    MenuButtonAccessible::attach(options_, &menu_);
    connect(options_, &QToolButton::clicked, this, &PanelHeader::openMenu);
    row->addWidget(options_);

    add_ = new QAction(tr("Add Light…"), this);
    connect(add_, &QAction::triggered, this, &PanelHeader::addRequested);
    rename_ = new QAction(tr("Rename Light…"), this);
    connect(rename_, &QAction::triggered, this, &PanelHeader::renameRequested);
    forget_ = new QAction(tr("Forget Light"), this);
    connect(forget_, &QAction::triggered, this, &PanelHeader::forgetRequested);

    // The address is information, not a command: a line of text that cannot be chosen, by
    // assistive technologies either (disabled, though it is drawn in the same quiet colour).
    address_ = new QWidgetAction(this);
    address_->setEnabled(false);
    addressLabel_ = new QLabel;
    addressLabel_->setTextFormat(Qt::PlainText);
    addressLabel_->setContentsMargins(28, 3, 12, 3);
    address_->setDefaultWidget(addressLabel_);

    startAtLogin_ = new QAction(tr("Start at Login"), this);
    startAtLogin_->setCheckable(true);

    quit_ = new QAction(tr("Quit Glowdeck"), this);
    quit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit_->setShortcutContext(Qt::WindowShortcut);
    connect(quit_, &QAction::triggered, this, [] { QCoreApplication::quit(); });

    connect(&menu_, &QMenu::aboutToShow, this, &PanelHeader::populate);
    restyle();
}

void PanelHeader::showScanning(bool scanning) {
    if (spinner_->isVisibleTo(this) != scanning)
        spinner_->setVisible(scanning);
    rediscover_->setEnabled(!scanning);
}

void PanelHeader::openMenu() {
    populate(); // sized with its entries, so it can open right-aligned under the button
    menu_.popup(options_->mapToGlobal(
        QPoint(options_->width() - menu_.sizeHint().width(), options_->height() + 2)));
}

void PanelHeader::populate() {
    menu_.clear();
    menu_.addAction(add_);
    if (const Bulb* current = lights_.current()) {
        menu_.addAction(rename_);
        menu_.addAction(forget_);
        const QString ip = QString::fromStdString(current->ip);
        address_->setText(ip);
        addressLabel_->setText(ip);
        menu_.addAction(address_);
    }
    menu_.addSeparator();
    menu_.addAction(startAtLogin_);
    menu_.addAction(quit_);
}

void PanelHeader::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        restyle();
}

void PanelHeader::restyle() {
    const QColor tone = PanelStyle::secondary(palette());
    rediscover_->setIcon(Icons::icon("arrow.clockwise", tone, 16));
    options_->setIcon(Icons::icon("ellipsis.circle", tone, 16));
    QPalette quiet = menu_.palette();
    quiet.setColor(QPalette::WindowText, PanelStyle::secondary(quiet));
    addressLabel_->setPalette(quiet);
}

} // namespace glowdeck
