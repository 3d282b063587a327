#include "core/matching/star.h"

#include <cctype>
#include <charconv>
#include <string>

#include "core/panchang/nakshatra_names.h"

namespace zorvane {

namespace {

// The letters of a name, lower case, without separators.
std::string Folded(std::string_view name) {
    std::string out;
    for (const char c : name) {
        if (c == ' ' || c == '-' || c == '_') continue;
        out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return out;
}

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> NakshatraOf(std::string_view text) {
    if (const std::optional<int> number = WholeNumber(text)) {
        if (*number >= 1 && *number <= kNakshatraCount) return *number - 1;
        return std::nullopt;
    }
    const std::string wanted = Folded(text);
    if (wanted.empty()) return std::nullopt;
    for (int i = 0; i < kNakshatraCount; ++i) {
        if (Folded(NakshatraNames[static_cast<std::size_t>(i)]) == wanted) return i;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Star> ParseStar(std::string_view text) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::optional<int> nakshatra = NakshatraOf(text.substr(0, colon));
    const std::optional<int> pada = WholeNumber(text.substr(colon + 1));
    if (!nakshatra || !pada || *pada < 1 || *pada > kPadasPerStar) return std::nullopt;
    return Star{*nakshatra, *pada};
}

std::string_view NakshatraNameOfStar(const Star& star) {
    return NakshatraNames[static_cast<std::size_t>(star.nakshatra)];
}

}  // namespace zorvane
