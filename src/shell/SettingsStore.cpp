#include "SettingsStore.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace glowdeck {

namespace {

QString keyText(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

SettingsStore::SettingsStore()
    : settings_(QStringLiteral("Glowdeck"), QStringLiteral("Glowdeck")) {}

std::optional<std::string> SettingsStore::data(std::string_view key) const {
    const QVariant value = settings_.value(keyText(key));
    if (!value.isValid() || value.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    const QByteArray bytes = value.toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void SettingsStore::setData(std::string_view key, const std::string& bytes) {
    settings_.setValue(keyText(key),
                       QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    settings_.sync();
}

} // namespace glowdeck
