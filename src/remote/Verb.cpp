#include "Verb.h"

#include "presets/ColorSwatch.h"
#include "presets/LightPreset.h"
#include "remote/VerbText.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace glowdeck {

namespace {

std::string said(const char* source, std::initializer_list<std::string_view> values = {}) {
    return VerbText::text("glowdeck::Verb", source, values);
}

struct VerbName {
    std::string_view word;
    Verb::Kind kind;
};

constexpr VerbName verbNames[] = {
    {"list", Verb::Kind::List},
    {"on", Verb::Kind::On},
    {"off", Verb::Kind::Off},
    {"toggle", Verb::Kind::Toggle},
    {"brightness", Verb::Kind::Brightness},
    {"temperature", Verb::Kind::Temperature},
    {"color", Verb::Kind::Color},
    {"preset", Verb::Kind::Preset},
    {"panel", Verb::Kind::Panel},
};

bool sameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::optional<int> integer(std::string_view text) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Two hex digits. from_chars takes a minus sign too ("-1"), which is none.
std::optional<int> hexByte(std::string_view two) {
    if (two.size() != 2 || two.front() == '-')
        return std::nullopt;
    int value = 0;
    auto [end, error] = std::from_chars(two.data(), two.data() + two.size(), value, 16);
    if (error != std::errc{} || end != two.data() + two.size())
        return std::nullopt;
    return value;
}

// The length of the UTF-8 sequence at the start of `text`, or 0 when it is not one.
std::size_t utf8Length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = lead < 0x80                   ? 1
                         : lead >= 0xC2 && lead < 0xE0 ? 2
                         : lead >= 0xE0 && lead < 0xF0 ? 3
                         : lead >= 0xF0 && lead < 0xF5 ? 4
                                                       : 0;
    if (length == 0 || length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 0;
    const auto second = static_cast<unsigned char>(text.size() > 1 ? text[1] : 0);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
        return 0; // overlong, a surrogate, or beyond U+10FFFF
    return length;
}

std::string usageOfValue(Verb::Kind kind) {
    switch (kind) {
    case Verb::Kind::Brightness:
        return said(QT_TRANSLATE_NOOP("glowdeck::Verb",
                                      "Brightness must be 10-100, or +N or -N to step it."));
    case Verb::Kind::Temperature:
        return said(QT_TRANSLATE_NOOP("glowdeck::Verb", "Temperature must be 2200-6500 K."));
    case Verb::Kind::Color: {
        std::string names;
        for (const auto& color : ColorSwatch::all)
            names += (names.empty() ? "" : " ") + std::string(color.name);
        //: %1: the colour names as typed on the command line, separated by spaces
        return said(QT_TRANSLATE_NOOP("glowdeck::Verb", "Colour must be '#rrggbb' or one of: %1."),
                    {names});
    }
    case Verb::Kind::Preset: {
        std::string names;
        for (const auto& preset : LightPreset::all)
            names += (names.empty() ? "" : " ") + std::string(preset.name);
        //: %1: the preset names as typed on the command line, separated by spaces
        return said(QT_TRANSLATE_NOOP("glowdeck::Verb", "Preset must be one of: %1."), {names});
    }
    default:
        return {};
    }
}

// Reads the value word of `verb`; false when it is not one.
bool readValue(Verb& verb, std::string_view word) {
    switch (verb.kind) {
    case Verb::Kind::Brightness: {
        const bool stepped = word.starts_with('+') || word.starts_with('-');
        auto number = integer(stepped ? word.substr(1) : word);
        if (!number)
            return false;
        if (stepped) {
            if (*number < 1 || *number > Verb::maxBrightness - Verb::minBrightness)
                return false;
            verb.relative = true;
            verb.value = word.front() == '-' ? -*number : *number;
            return true;
        }
        verb.value = *number;
        return *number >= Verb::minBrightness && *number <= Verb::maxBrightness;
    }
    case Verb::Kind::Temperature: {
        auto number = integer(word.ends_with('K') ? word.substr(0, word.size() - 1) : word);
        verb.value = number.value_or(0);
        return number && *number >= Verb::minKelvin && *number <= Verb::maxKelvin;
    }
    case Verb::Kind::Color:
        if (word.size() == 7 && word.front() == '#') {
            for (std::size_t i = 0; i < 3; ++i) {
                auto component = hexByte(word.substr(1 + 2 * i, 2));
                if (!component)
                    return false;
                verb.rgb[i] = *component;
            }
            return true;
        }
        for (const auto& color : ColorSwatch::all)
            if (sameLetters(color.name, word)) {
                verb.rgb = color.rgb;
                return true;
            }
        return false;
    case Verb::Kind::Preset:
        for (const auto& preset : LightPreset::all)
            if (sameLetters(preset.name, word)) {
                verb.scene = preset.id;
                verb.presetName = preset.name;
                return true;
            }
        return false;
    default:
        return false;
    }
}

bool takesValue(Verb::Kind kind) {
    return kind == Verb::Kind::Brightness || kind == Verb::Kind::Temperature ||
           kind == Verb::Kind::Color || kind == Verb::Kind::Preset;
}

// Whether `text` can be taken from a command line or a bus call: valid UTF-8 without a NUL,
// control characters or markup.
bool acceptable(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F || c == '<' || c == '>' || c == '&')
            return false;
        const auto length = utf8Length(text.substr(i));
        if (length == 0)
            return false;
        if (length == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0)
            return false; // C1 control characters
        i += length;
    }
    return true;
}

// `text` with its control characters and bytes that are not UTF-8 shown as \xNN escapes.
std::string printable(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto length = utf8Length(text.substr(i));
        if (c < 0x20 || c == 0x7F || length == 0) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            shown += escape;
            ++i;
        } else {
            shown += text.substr(i, length);
            i += length;
        }
    }
    return shown;
}

} // namespace

bool Verb::named(std::string_view word) {
    return std::any_of(std::begin(verbNames), std::end(verbNames),
                       [word](const VerbName& name) { return name.word == word; });
}

std::string_view Verb::name(Kind kind) {
    for (const auto& verb : verbNames)
        if (verb.kind == kind)
            return verb.word;
    return {};
}

Verb::Parsed Verb::parse(const std::vector<std::string>& words) {
    for (const auto& word : words)
        if (!acceptable(word))
            return {std::nullopt,
                    said(QT_TRANSLATE_NOOP("glowdeck::Verb",
                                           "Refused '%1': arguments must be text without markup "
                                           "(<, >, &), control characters or NUL."),
                         {printable(word)})};
    if (words.empty())
        return {std::nullopt, said(QT_TRANSLATE_NOOP("glowdeck::Verb", "No verb given."))};
    Verb verb;
    const auto found = std::find_if(std::begin(verbNames), std::end(verbNames),
                                    [&](const VerbName& name) { return name.word == words[0]; });
    if (found == std::end(verbNames))
        return {std::nullopt,
                said(QT_TRANSLATE_NOOP("glowdeck::Verb", "Unknown verb '%1'."), {words[0]})};
    verb.kind = found->kind;
    const std::string verbName(found->word);

    bool valueRead = !takesValue(verb.kind);
    bool optionsEnd = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!valueRead) {
            // The value comes first; "-10" is a step down, not an option.
            if (!readValue(verb, word))
                //: %2: what the value must be, a sentence of its own
                return {std::nullopt,
                        said(QT_TRANSLATE_NOOP("glowdeck::Verb", "Invalid value '%1'. %2"),
                             {word, usageOfValue(verb.kind)})};
            valueRead = true;
        } else if (!optionsEnd && word == "--") {
            optionsEnd = true;
        } else if (!optionsEnd && word == "--all" && verb.kind != Kind::List &&
                   verb.kind != Kind::Panel) {
            verb.all = true;
        } else if (!optionsEnd && word == "--json" && verb.kind == Kind::List) {
            verb.json = true;
        } else if (!optionsEnd && word == "--names" && verb.kind == Kind::List) {
            verb.names = true;
        } else if (!optionsEnd && word.starts_with("-") && word.size() > 1) {
            //: %2: the verb as typed (list, toggle, ...)
            return {std::nullopt,
                    said(QT_TRANSLATE_NOOP("glowdeck::Verb", "Unknown option '%1' for %2."),
                         {word, verbName})};
        } else if (verb.kind == Kind::List || verb.kind == Kind::Panel) {
            //: %1: the verb as typed (list or panel)
            return {std::nullopt,
                    said(QT_TRANSLATE_NOOP("glowdeck::Verb", "%1 takes no lights: '%2'."),
                         {verbName, word})};
        } else {
            verb.lights.push_back(word);
        }
    }
    if (!valueRead)
        //: %1: the verb as typed (brightness, color, ...); %2: what the value must be
        return {std::nullopt, said(QT_TRANSLATE_NOOP("glowdeck::Verb", "%1 needs a value. %2"),
                                   {verbName, usageOfValue(verb.kind)})};
    if (verb.all && !verb.lights.empty())
        return {std::nullopt,
                said(QT_TRANSLATE_NOOP("glowdeck::Verb", "Name lights or give --all, not both."))};
    return {std::move(verb), {}};
}

std::vector<std::string> Verb::words() const {
    std::vector<std::string> words{std::string(name(kind))};
    switch (kind) {
    case Kind::Brightness:
        words.push_back((relative && value > 0 ? "+" : "") + std::to_string(value));
        break;
    case Kind::Temperature:
        words.push_back(std::to_string(value));
        break;
    case Kind::Color: {
        char hex[8];
        std::snprintf(hex, sizeof hex, "#%02x%02x%02x", rgb[0] & 0xFF, rgb[1] & 0xFF,
                      rgb[2] & 0xFF);
        words.emplace_back(hex);
        break;
    }
    case Kind::Preset:
        words.push_back(presetName);
        break;
    default:
        break;
    }
    if (json)
        words.emplace_back("--json");
    if (names)
        words.emplace_back("--names");
    if (all)
        words.emplace_back("--all");
    if (!lights.empty()) {
        words.emplace_back("--");
        words.insert(words.end(), lights.begin(), lights.end());
    }
    return words;
}

std::string Verb::help() {
    // Only the command line shows it, so always in the user's language.
    return QCoreApplication::translate(
               "glowdeck::Verb",
               //: The verbs' part of --help. Keep the verbs, options, names, numbers and words in
               //: capitals as they are, the descriptions aligned, and lines within 80 columns.
               "\n"
               "Verbs (for keyboard shortcuts and scripts):\n"
               "  list [--json]                       The lights: name, address, reachable, on,\n"
               "                                      brightness, mode.\n"
               "  list --names                        The saved lights' names, asking no light.\n"
               "  on|off|toggle [LIGHT...|--all]      Switch lights; toggle follows the first "
               "one.\n"
               "  brightness 10-100|+N|-N [LIGHT...|--all]\n"
               "  temperature 2200-6500 [LIGHT...|--all]\n"
               "  color '#rrggbb'|NAME [LIGHT...|--all]\n"
               "                                      NAME: Red, Orange, Yellow, Green, Cyan, "
               "Blue,\n"
               "                                      Purple.\n"
               "  preset NAME [LIGHT...|--all]        A preset scene, such as Cozy or Focus.\n"
               "  panel                               Show or hide the panel.\n"
               "\n"
               "LIGHT is a saved light's name (exact, any case, or a unique beginning) or its\n"
               "address; without one a verb acts on the light selected in the panel. A running\n"
               "Glowdeck does the work; without one the verb works on its own, with the saved\n"
               "lights (the panel's list; the first of them stands for the selected one),\n"
               "sending only to the lights it names, never a broadcast. It waits up to\n"
               "1 s for the lights' answers and exits 0 when all answered, 1 naming those that\n"
               "did not answer or rejected the command, 2 for a usage error.\n")
        .toStdString();
}

} // namespace glowdeck
