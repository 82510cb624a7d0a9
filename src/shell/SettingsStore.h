#pragma once

#include "model/Store.h"

#include <QSettings>

namespace glowdeck {

// The per-user defaults store: QSettings of organisation and application "Glowdeck". Values are
// raw bytes (QByteArray); a key that is absent or holds anything else reads as nothing.
class SettingsStore : public Store {
public:
    SettingsStore();

    std::optional<std::string> data(std::string_view key) const override;
    // Writes through to the settings file at once.
    void setData(std::string_view key, const std::string& bytes) override;

private:
    mutable QSettings settings_;
};

} // namespace glowdeck
