// Whatever is typed into a number box, in any of the decimal points a
// user's region may use. The first byte picks the format and whether the
// magnitude is taken (the zone boxes); the rest is the box's text.
#include <array>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/fuzz_bytes.h"
#include "fuzz/fuzz_check.h"
#include "core/reading/number_text.h"

using namespace zorvane;

namespace {

// Full stop, comma, the Arabic decimal separator (two bytes in UTF-8) and a
// format without any decimal point.
const std::array<NumberFormat, 4> kFormats = {
    NumberFormat{"."}, NumberFormat{","}, NumberFormat{"\xd9\xab"}, NumberFormat{""}};

// The same text written for the full-stop format: the format's own point
// becomes '.', and a '.' that the format does not accept becomes ',', which
// the full-stop format refuses as well.
std::string InFullStopFormat(std::string_view text, std::string_view point) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (!point.empty() && text.substr(i, point.size()) == point) {
            out.push_back('.');
            i += point.size();
        } else {
            out.push_back(text[i] == '.' ? ',' : text[i]);
            ++i;
        }
    }
    return out;
}

// An independent reading of plain decimal text with the C library, for
// texts made only of the characters the box's grammar uses.
bool IsPlainDecimal(std::string_view text) {
    for (const char c : text) {
        const bool allowed = (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' ||
                             c == '+' || c == '-' || c == ' ' || c == '\t';
        if (!allowed) return false;
    }
    return true;
}

// value is empty when the text is not a whole number of 16 bits. Not
// comparable when strtod flags a range error: it reads 1e-999 as 0, where the
// box refuses a number its conversion cannot represent.
struct Reference {
    bool comparable = false;
    std::optional<std::int16_t> value;
};

Reference ReferenceWholeNumber(const std::string& text, bool takeMagnitude) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return {true, std::nullopt};
    const std::size_t end = text.find_last_not_of(" \t");
    const std::string body = text.substr(begin, end - begin + 1);
    if (body.find_first_of(" \t") != std::string::npos) return {true, std::nullopt};
    errno = 0;
    char* stop = nullptr;
    double value = std::strtod(body.c_str(), &stop);
    if (errno == ERANGE) return {};
    if (stop != body.c_str() + body.size() || !std::isfinite(value)) return {true, std::nullopt};
    if (takeMagnitude) value = std::fabs(value);
    const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
    if (rounded < -32768.0 || rounded > 32767.0) return {true, std::nullopt};
    return {true, static_cast<std::int16_t>(rounded)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const NumberFormat& format = kFormats[data[0] % kFormats.size()];
    const bool takeMagnitude = (data[0] & 0x80) != 0;
    const std::string text(AsText(data, size).substr(1));

    const std::optional<std::int16_t> value = TextToWholeNumber(text, format, takeMagnitude);
    const std::optional<std::int16_t> signedValue = TextToWholeNumber(text, format, false);
    const std::optional<std::int16_t> magnitude = TextToWholeNumber(text, format, true);

    if (magnitude) {
        FUZZ_CHECK(*magnitude >= 0);
        // Rounding halves to even is symmetric, so the magnitude of the
        // rounded value is the rounded magnitude.
        FUZZ_CHECK(signedValue && std::abs(*signedValue) == *magnitude);
    }
    if (signedValue && *signedValue != -32768) FUZZ_CHECK(magnitude.has_value());

    // The decimal point is the only thing a format changes.
    if (!format.decimalPoint.empty()) {
        const std::string asFullStop = InFullStopFormat(text, format.decimalPoint);
        FUZZ_CHECK(TextToWholeNumber(asFullStop, kFormats[0], takeMagnitude) == value);
    }

    // Plain decimal text reads as the C library reads it. Hexadecimal, "inf"
    // and "nan", which strtod would take, hold letters and are left out.
    if (format.decimalPoint == "." && IsPlainDecimal(text) && text.size() < 64) {
        const Reference reference = ReferenceWholeNumber(text, takeMagnitude);
        if (reference.comparable) FUZZ_CHECK(value == reference.value);
    }
    return 0;
}
