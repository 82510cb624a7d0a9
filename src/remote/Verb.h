#pragma once

#include "model/DeviceClass.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glowdeck {

// One command-line verb, read and checked: what to do, with which value, to which lights. The
// lights are kept as typed; they are matched against the list of lights when the verb runs.
struct Verb {
    enum class Kind { List, On, Off, Toggle, Brightness, Temperature, Color, Preset, Panel };

    static constexpr int minBrightness = 10;
    static constexpr int maxBrightness = 100;
    // The widest white range a light offers; each light clamps it into its own.
    static constexpr int minKelvin = DeviceClass::defaultMinKelvin;
    static constexpr int maxKelvin = DeviceClass::defaultMaxKelvin;

    Kind kind = Kind::List;
    std::vector<std::string> lights; // as typed; none for the selected light
    bool all = false;
    bool json = false;  // list: as JSON
    bool names = false; // list: the saved names alone, asking no light (for completions)
    // brightness: the percentage, or the step when `relative`; temperature: kelvin.
    int value = 0;
    bool relative = false;
    std::array<int, 3> rgb{}; // color
    std::int64_t scene = 0;   // preset
    std::string presetName;

    struct Parsed;
    // Reads `words`: the verb's name, then its value, lights and options. "--" ends the
    // options: every word after it names a light.
    static Parsed parse(const std::vector<std::string>& words);

    // Whether `word` is the name of a verb.
    static bool named(std::string_view word);
    static std::string_view name(Kind kind);

    // The verbs' part of the program's --help, in the user's language.
    static std::string help();

    // The same verb as words for parse(), the lights after "--".
    std::vector<std::string> words() const;
};

struct Verb::Parsed {
    std::optional<Verb> verb;
    std::string error; // a usage error, when there is no verb
};

} // namespace glowdeck
