#include "core/reading/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zorvane {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Rewrites "digits [point digits] [e [sign] digits]" with the user's decimal
// point as plain ASCII for from_chars; anything else is not a number.
std::optional<std::string> Normalise(std::string_view body, std::string_view decimalPoint) {
    std::string out;
    out.reserve(body.size());
    std::size_t i = 0;
    int mantissaDigits = 0;
    while (i < body.size() && IsDigit(body[i])) {
        out.push_back(body[i++]);
        ++mantissaDigits;
    }
    if (!decimalPoint.empty() && body.substr(i, decimalPoint.size()) == decimalPoint) {
        out.push_back('.');
        i += decimalPoint.size();
        while (i < body.size() && IsDigit(body[i])) {
            out.push_back(body[i++]);
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        out.push_back('e');
        ++i;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) out.push_back(body[i++]);
        int exponentDigits = 0;
        while (i < body.size() && IsDigit(body[i])) {
            out.push_back(body[i++]);
            ++exponentDigits;
        }
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != body.size()) return std::nullopt;
    return out;
}

// Nearest whole number, a value exactly halfway going to the even neighbour.
double RoundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

}  // namespace

std::optional<std::int16_t> TextToWholeNumber(std::string_view text, const NumberFormat& format,
                                              bool takeMagnitude) {
    std::string_view body = TrimBlanks(text);
    bool negative = false;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    const std::optional<std::string> plain = Normalise(body, format.decimalPoint);
    if (!plain) return std::nullopt;

    double value = 0;
    const auto [end, error] = std::from_chars(plain->data(), plain->data() + plain->size(), value);
    if (error != std::errc{} || end != plain->data() + plain->size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    if (negative && !takeMagnitude) value = -value;

    const double rounded = RoundHalfToEven(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace zorvane
