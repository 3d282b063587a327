#pragma once

#include <optional>
#include <string_view>

namespace zorvane {

// The languages the program's texts come in. English is the default and the
// language of every machine name, key and file.
enum class Language { English, Hindi };

// "en" or "hi", as the command line and the settings write them.
constexpr std::string_view LanguageCode(Language language) {
    return language == Language::Hindi ? "hi" : "en";
}

// The language of a code; none for a code the program does not know.
constexpr std::optional<Language> LanguageOfCode(std::string_view code) {
    if (code == "en") return Language::English;
    if (code == "hi") return Language::Hindi;
    return std::nullopt;
}

}  // namespace zorvane
