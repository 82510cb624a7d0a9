#include "VerbText.h"

#include <QCoreApplication>

#include <atomic>

namespace glowdeck::VerbText {

namespace {
std::atomic<bool> translated{false};
}

void translate(bool on) {
    translated = on;
}

std::string text(const char* context, const char* source,
                 std::initializer_list<std::string_view> values) {
    if (!translated)
        return fill(source, values);
    return fill(QCoreApplication::translate(context, source).toStdString(), values);
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string result;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            result += *(values.begin() + index);
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

} // namespace glowdeck::VerbText
