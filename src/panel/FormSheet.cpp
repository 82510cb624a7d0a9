#include "FormSheet.h"

#include "PanelStyle.h"
#include "PillButton.h"
#include "ToneLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace glowdeck {

namespace {
constexpr int cardMargin = 14;
constexpr int cardRadius = 14;
constexpr int surfaceRadius = 24;
} // namespace

FormSheet::FormSheet(const QString& title, const QString& message, const QString& placeholder,
                     const QString& accept, QWidget* parent)
    : QWidget(parent) {
    hide();
    setAttribute(Qt::WA_NoMousePropagation);
    card_ = new QWidget(this);
    card_->setObjectName(QStringLiteral("card"));
    auto* column = new QVBoxLayout(card_);
    column->setContentsMargins(16, 16, 16, 14);
    column->setSpacing(10);

    title_ = new ToneLabel(title, PanelStyle::headline(), ToneLabel::Tone::Primary, card_);
    column->addWidget(title_);
    message_ = new ToneLabel(message, PanelStyle::body(), ToneLabel::Tone::Secondary, card_);
    message_->setWordWrap(true);
    message_->setVisible(!message.isEmpty());
    column->addWidget(message_);

    field_ = new QLineEdit(card_);
    field_->setPlaceholderText(placeholder);
    field_->setAccessibleName(placeholder);
    field_->setClearButtonEnabled(false);
    column->addWidget(field_);
    connect(field_, &QLineEdit::textChanged, this, &FormSheet::textChanged);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 4, 0, 0);
    buttons->addStretch(1);
    accept_ = new PillButton(accept, PillButton::Kind::Prominent, PanelStyle::body(), card_);
    cancel_ = new PillButton(tr("Cancel"), PillButton::Kind::Plain, PanelStyle::body(), card_);
    accept_->setDefault(true);
    for (QPushButton* button : {accept_, cancel_}) {
        button->setMinimumWidth(76);
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    connect(accept_, &QPushButton::clicked, this, [this] { Q_EMIT accepted(field_->text()); });
    connect(cancel_, &QPushButton::clicked, this, &FormSheet::cancelled);
    connect(field_, &QLineEdit::returnPressed, accept_, &QPushButton::click);

    if (parent != nullptr)
        parent->installEventFilter(this);
}

QString FormSheet::title() const {
    return title_->text();
}

QString FormSheet::message() const {
    return message_->text();
}

void FormSheet::open(const QString& text) {
    field_->setText(text);
    if (QWidget* owner = parentWidget())
        setGeometry(owner->rect());
    raise();
    show();
    field_->setFocus(Qt::OtherFocusReason);
    field_->selectAll();
}

void FormSheet::close() {
    hide();
}

QSize FormSheet::sizeHint() const {
    return card_->sizeHint() + QSize(2 * cardMargin, 2 * cardMargin);
}

bool FormSheet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

bool FormSheet::event(QEvent* event) {
    // Escape belongs to the form while it is open, before any window-wide shortcut sees it.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
        const int width = this->width() - 2 * cardMargin;
        const int height = card_->heightForWidth(width) > 0 ? card_->heightForWidth(width)
                                                            : card_->sizeHint().height();
        card_->setGeometry(cardMargin, std::max(cardMargin, (this->height() - height) / 2), width,
                           height);
    }
    return QWidget::event(event);
}

void FormSheet::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cancel_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormSheet::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette pal = palette();
    const bool dark = PanelStyle::isDark(pal);
    // The panel sits on a surface with rounded corners: keep the shade inside them.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, dark ? 90 : 40));
    painter.drawRoundedRect(QRectF(rect()), surfaceRadius, surfaceRadius);
    QColor face = pal.color(QPalette::Window);
    face = dark ? face.lighter(115) : face.lighter(103);
    painter.setPen(QPen(PanelStyle::faint(pal, dark ? 0.18 : 0.10), 1));
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(card_->geometry()).adjusted(0.5, 0.5, -0.5, -0.5), cardRadius,
                            cardRadius);
}

} // namespace glowdeck
