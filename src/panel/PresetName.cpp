#include "PresetName.h"

namespace glowdeck {

namespace {

// Every preset's name, for the translation tools: tr() below looks each up by its English text.
[[maybe_unused]] constexpr const char* names[] = {
    QT_TRANSLATE_NOOP("glowdeck::PresetName", "Cozy"),
    QT_TRANSLATE_NOOP("glowdeck::PresetName", "Focus"),
    QT_TRANSLATE_NOOP("glowdeck::PresetName", "Night"),
    QT_TRANSLATE_NOOP("glowdeck::PresetName", "Sunset"),
    QT_TRANSLATE_NOOP("glowdeck::PresetName", "Fireplace"),
    QT_TRANSLATE_NOOP("glowdeck::PresetName", "Ocean"),
    QT_TRANSLATE_NOOP("glowdeck::PresetName", "Romance"),
    QT_TRANSLATE_NOOP("glowdeck::PresetName", "Forest"),
    QT_TRANSLATE_NOOP("glowdeck::PresetName", "Party"),
    QT_TRANSLATE_NOOP("glowdeck::PresetName", "Relax"),
    QT_TRANSLATE_NOOP("glowdeck::PresetName", "TV"),
    QT_TRANSLATE_NOOP("glowdeck::PresetName", "Candle"),
};

} // namespace

QString PresetName::of(const LightPreset& preset) {
    const std::string name(preset.name);
    return tr(name.c_str());
}

} // namespace glowdeck
