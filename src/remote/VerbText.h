#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace glowdeck {

// The verbs' texts for a person: in the user's language on the command line, and as written
// (English) everywhere else. The session bus hands the running program's texts to scripts, which
// may read them, so the running program keeps them in English even with its panel translated.
namespace VerbText {

// Whether texts come in the language of the installed catalogues; off until the command line
// turns it on.
void translate(bool on);

// `source` (marked with QT_TRANSLATE_NOOP in `context`) in the chosen language, with %1, %2, …
// replaced by `values` in one pass, so that a value holding "%2" stays as it is.
std::string text(const char* context, const char* source,
                 std::initializer_list<std::string_view> values = {});

// `pattern` with %1, %2, … replaced as text() does.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace VerbText

} // namespace glowdeck
