#include "SettingsStore.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <utility>

namespace glowdeck {

namespace {

const QString organisation = QStringLiteral("Glowdeck");
const QString application = QStringLiteral("Glowdeck");

QString keyText(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

SettingsStore::SettingsStore() : settings_(organisation, application) {}

SettingsStore::~SettingsStore() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (writer_.joinable()) {
        writer_.join();
    }
}

std::optional<std::string> SettingsStore::data(std::string_view key) const {
    if (auto found = set_.find(key); found != set_.end()) {
        return found->second;
    }
    const QVariant value = settings_.value(keyText(key));
    if (!value.isValid() || value.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    const QByteArray bytes = value.toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void SettingsStore::setData(std::string_view key, const std::string& bytes) {
    set_.insert_or_assign(std::string(key), bytes);
    {
        std::lock_guard lock(mutex_);
        unwritten_.insert_or_assign(std::string(key), bytes);
    }
    changed_.notify_all();
    if (!writer_.joinable()) {
        writer_ = std::thread([this] { writeInTurn(); });
    }
}

void SettingsStore::flush() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return unwritten_.empty() && !writing_; });
}

void SettingsStore::writeInTurn() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || !unwritten_.empty(); });
        if (unwritten_.empty()) {
            return; // stopping, and everything is written
        }
        // Whatever is set while this batch is written waits for the next one.
        const auto batch = std::exchange(unwritten_, {});
        writing_ = true;
        lock.unlock();
        {
            QSettings file(organisation, application);
            for (const auto& [key, bytes] : batch) {
                file.setValue(keyText(key),
                              QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
            }
            file.sync();
        }
        lock.lock();
        writing_ = false;
        changed_.notify_all();
    }
}

} // namespace glowdeck
