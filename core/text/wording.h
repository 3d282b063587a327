#pragma once

#include <functional>
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
};

// The catalogue's context of the words the formatting asks to translate.
inline constexpr const char* kReadingWordsContext = "ReadingWords";

}  // namespace zorvane
