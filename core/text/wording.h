#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/text/language.h"

namespace zorvane {

// How the shared formatting words its texts: the language of the names
// (which come from the core's own tables) and a translation of the other
// words. The front ends fill translate from their catalogue (the window from
// Qt's, the command line from the same compiled catalogue); without one, the
// words stay as written, in English.
struct Wording {
    Language language = Language::English;
    // English text in, the text to show out; may return it unchanged.
    std::function<std::string(std::string_view english)> translate;

    std::string Say(std::string_view english) const {
        return translate ? translate(english) : std::string(english);
    }

    // A sentence with places %1 to %9 filled in after translating it, so a
    // language may put them in another order. A place is filled once, in one
    // pass, so "%" inside an argument stays as written.
    std::string SayWith(std::string_view english, std::initializer_list<std::string_view> arguments) const {
        const std::string sentence = Say(english);
        std::string text;
        text.reserve(sentence.size());
        for (std::size_t i = 0; i < sentence.size(); ++i) {
            const char next = i + 1 < sentence.size() ? sentence[i + 1] : '\0';
            const auto place = static_cast<std::size_t>(next - '1');
            if (sentence[i] == '%' && next >= '1' && next <= '9' && place < arguments.size()) {
                text.append(*(arguments.begin() + place));
                ++i;
            } else {
                text.push_back(sentence[i]);
            }
        }
        return text;
    }
};

// The catalogue's context of the words the formatting asks to translate.
inline constexpr const char* kReadingWordsContext = "ReadingWords";

}  // namespace zorvane
