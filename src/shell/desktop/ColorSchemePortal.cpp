#include "ColorSchemePortal.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace glowdeck {

namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settings = QStringLiteral("org.freedesktop.portal.Settings");
const QString group = QStringLiteral("org.freedesktop.appearance");
const QString key = QStringLiteral("color-scheme");

// Variants within variants, as far as they go.
QVariant unwrapped(QVariant value) {
    for (int depth = 0; depth < 4 && value.metaType() == QMetaType::fromType<QDBusVariant>();
         ++depth) {
        value = value.value<QDBusVariant>().variant();
    }
    return value;
}

} // namespace

ColorSchemePortal::ColorSchemePortal(const QDBusConnection& bus) : bus_(bus) {
    // Qt finds the change slot's argument types by name when subscribing; QDBusVariant has a
    // name only once it is registered, which would otherwise wait for its first use elsewhere.
    qRegisterMetaType<QDBusVariant>();
}

std::optional<ColorScheme> ColorSchemePortal::fromValue(const QVariant& value) {
    const QVariant plain = unwrapped(value);
    bool number = false;
    const uint scheme = plain.toUInt(&number);
    if (!number || plain.metaType() == QMetaType::fromType<QString>()) {
        return std::nullopt;
    }
    switch (scheme) {
    case 0:
        return ColorScheme::NoPreference;
    case 1:
        return ColorScheme::Dark;
    case 2:
        return ColorScheme::Light;
    default:
        return std::nullopt;
    }
}

void ColorSchemePortal::read() {
    if (!bus_.isConnected()) {
        if (onRead) {
            onRead(std::nullopt);
        }
        return;
    }
    if (!subscribed_) {
        subscribed_ = bus_.connect(service, path, settings, QStringLiteral("SettingChanged"), this,
                                   SLOT(settingChanged(QString, QString, QDBusVariant)));
    }
    ask(QStringLiteral("ReadOne"));
}

void ColorSchemePortal::ask(const QString& method) {
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, settings, method);
    call << group << key;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, method] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *watcher;
        if (reply.isError() && method == QLatin1String("ReadOne") &&
            reply.error().type() == QDBusError::UnknownMethod) {
            ask(QStringLiteral("Read"));
            return;
        }
        const auto scheme =
            reply.isError() ? std::nullopt : fromValue(QVariant::fromValue(reply.value()));
        if (onRead) {
            onRead(scheme);
        }
    });
}

void ColorSchemePortal::settingChanged(const QString& changedGroup, const QString& changedKey,
                                       const QDBusVariant& value) {
    if (changedGroup != group || changedKey != key) {
        return;
    }
    if (const auto scheme = fromValue(value.variant()); scheme && onChanged) {
        onChanged(*scheme);
    }
}

} // namespace glowdeck
