#include "LightMatch.h"

#include "model/Wire.h"
#include "remote/VerbText.h"

#include <QtGlobal>

#include <algorithm>

namespace glowdeck {

namespace {

std::string said(const char* source, std::initializer_list<std::string_view> values = {}) {
    return VerbText::text("glowdeck::LightMatch", source, values);
}

std::string lowered(std::string_view text) {
    std::string lower(text);
    for (auto& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string listed(const std::vector<const Bulb*>& bulbs) {
    std::string text;
    for (const auto* bulb : bulbs)
        text += (text.empty() ? "" : ", ") + LightMatch::described(*bulb);
    return text;
}

} // namespace

std::string LightMatch::described(const Bulb& bulb) {
    return bulb.name + " (" + bulb.ip + ")";
}

LightMatch LightMatch::find(const std::vector<Bulb>& bulbs, const std::vector<std::string>& typed) {
    LightMatch match;
    std::vector<const Bulb*> everyone;
    for (const auto& bulb : bulbs)
        everyone.push_back(&bulb);
    const std::string known =
        everyone.empty()
            ? said(QT_TRANSLATE_NOOP("glowdeck::LightMatch", "There are no saved lights."))
            //: %1: the lights as "name (address)", separated by commas
            : said(QT_TRANSLATE_NOOP("glowdeck::LightMatch", "Known lights: %1."),
                   {listed(everyone)});
    for (const auto& word : typed) {
        std::vector<const Bulb*> fits;
        if (word.empty()) {
            //: %1: the known lights, a sentence of its own
            match.error = said(
                QT_TRANSLATE_NOOP("glowdeck::LightMatch", "An empty light name names no light. %1"),
                {known});
            return match;
        }
        if (Wire::validIP(word)) {
            for (const auto* bulb : everyone)
                if (bulb->ip == word)
                    fits.push_back(bulb);
            if (fits.empty()) {
                match.error = said(QT_TRANSLATE_NOOP("glowdeck::LightMatch",
                                                     "No saved light has the address %1. %2"),
                                   {word, known});
                return match;
            }
        } else {
            const std::string wanted = lowered(word);
            for (const auto* bulb : everyone)
                if (lowered(bulb->name) == wanted)
                    fits.push_back(bulb);
            if (fits.empty())
                for (const auto* bulb : everyone)
                    if (lowered(bulb->name).starts_with(wanted))
                        fits.push_back(bulb);
            if (fits.empty()) {
                match.error =
                    said(QT_TRANSLATE_NOOP("glowdeck::LightMatch", "No light is called '%1'. %2"),
                         {word, known});
                return match;
            }
            if (fits.size() > 1) {
                match.error = said(QT_TRANSLATE_NOOP("glowdeck::LightMatch",
                                                     "'%1' matches more than one light: %2. Name "
                                                     "one of them fully or by its address."),
                                   {word, listed(fits)});
                return match;
            }
        }
        const auto& address = fits.front()->ip;
        if (std::find(match.addresses.begin(), match.addresses.end(), address) ==
            match.addresses.end())
            match.addresses.push_back(address);
    }
    return match;
}

} // namespace glowdeck
