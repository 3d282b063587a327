#include "core/text/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace zorvane {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kLargestCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;
constexpr char32_t kDelete = 0x7F;
constexpr char32_t kFirstPrintable = 0x20;
constexpr char32_t kLastC1Control = 0x9F;

// One UTF-8 form: the lead bytes that start it, its length and the smallest
// code point it may carry (a smaller one is an overlong form). RFC 3629.
struct Form {
    unsigned char leadMask;
    unsigned char leadBits;
    int length;
    char32_t smallest;
};
constexpr auto kForms = std::to_array<Form>({
    {0x80, 0x00, 1, 0x0},      // 0xxxxxxx
    {0xE0, 0xC0, 2, 0x80},     // 110xxxxx 10xxxxxx
    {0xF0, 0xE0, 3, 0x800},    // 1110xxxx 10xxxxxx x2
    {0xF8, 0xF0, 4, 0x10000},  // 11110xxx 10xxxxxx x3
});
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationBits = 0x80;
constexpr unsigned kBitsPerContinuation = 6;

// The code point at pos and its length in bytes; length 0 when the bytes
// there are not a well-formed character.
struct Decoded {
    char32_t codePoint = 0;
    std::size_t length = 0;
};

Decoded DecodeAt(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    for (const Form& form : kForms) {
        if ((lead & form.leadMask) != form.leadBits) continue;
        const auto length = static_cast<std::size_t>(form.length);
        if (pos + length > text.size()) return {};
        char32_t codePoint = lead & static_cast<unsigned char>(~form.leadMask);
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[pos + i]);
            if ((next & kContinuationMask) != kContinuationBits) return {};
            codePoint = (codePoint << kBitsPerContinuation) |
                        (next & static_cast<unsigned char>(~kContinuationMask));
        }
        if (codePoint < form.smallest || codePoint > kLargestCodePoint ||
            (codePoint >= kFirstSurrogate && codePoint <= kLastSurrogate)) {
            return {};
        }
        return {codePoint, length};
    }
    return {};
}

void AppendUtf8(char32_t codePoint, std::string& out) {
    for (auto it = kForms.rbegin(); it != kForms.rend(); ++it) {
        if (codePoint < it->smallest) continue;
        const int length = it->length;
        std::array<unsigned char, 4> bytes{};
        char32_t rest = codePoint;
        for (int i = length - 1; i > 0; --i) {
            bytes.at(static_cast<std::size_t>(i)) =
                static_cast<unsigned char>(kContinuationBits | (rest & 0x3FU));
            rest >>= kBitsPerContinuation;
        }
        bytes[0] = static_cast<unsigned char>(it->leadBits | rest);
        out.append(reinterpret_cast<const char*>(bytes.data()), static_cast<std::size_t>(length));
        return;
    }
}

// The marks that reorder the text around them (Unicode's bidirectional
// formatting characters: LRM, RLM, LRE..RLO, LRI..PDI, ALM).
bool ReordersText(char32_t codePoint) {
    return codePoint == 0x200E || codePoint == 0x200F || codePoint == 0x061C ||
           (codePoint >= 0x202A && codePoint <= 0x202E) || (codePoint >= 0x2066 && codePoint <= 0x2069);
}

bool IsControl(char32_t codePoint) {
    return codePoint < kFirstPrintable || codePoint == kDelete ||
           (codePoint > kDelete && codePoint <= kLastC1Control);
}

std::string Hex(unsigned value, const char* format) {
    std::array<char, 16> buffer{};
    const int written = std::snprintf(buffer.data(), buffer.size(), format, value);
    return std::string(buffer.data(), written > 0 ? static_cast<std::size_t>(written) : 0U);
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const Decoded decoded = DecodeAt(text, pos);
        if (decoded.length == 0) return false;
        pos += decoded.length;
    }
    return true;
}

std::string ValidUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const Decoded decoded = DecodeAt(text, pos);
        if (decoded.length == 0) {
            AppendUtf8(kReplacement, out);
            ++pos;
            continue;
        }
        out.append(text.substr(pos, decoded.length));
        pos += decoded.length;
    }
    return out;
}

std::string EscapeControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const Decoded decoded = DecodeAt(text, pos);
        if (decoded.length == 0 || (decoded.length == 1 && IsControl(decoded.codePoint))) {
            out += Hex(static_cast<unsigned char>(text[pos]), "\\x%02x");
            ++pos;
            continue;
        }
        if (IsControl(decoded.codePoint) || ReordersText(decoded.codePoint)) {
            out += Hex(static_cast<unsigned>(decoded.codePoint), "\\u{%04x}");
        } else {
            out.append(text.substr(pos, decoded.length));
        }
        pos += decoded.length;
    }
    return out;
}

std::size_t TerminalColumns(std::string_view text) {
    // Marks a terminal draws over or under the character before them. Source:
    // the Unicode character database, general category Mn (nonspacing marks)
    // of the Devanagari block U+0900..U+097F, and the zero-width (non-)joiners.
    constexpr auto kNoColumnMarks = std::to_array<std::pair<char32_t, char32_t>>({
        {0x0900, 0x0902},  // inverted candrabindu, candrabindu, anusvara
        {0x093A, 0x093A},  // vowel sign oe
        {0x093C, 0x093C},  // nukta
        {0x0941, 0x0948},  // vowel signs u .. ai
        {0x094D, 0x094D},  // virama
        {0x0951, 0x0957},  // stress signs and vowel signs of other scripts
        {0x0962, 0x0963},  // vowel signs vocalic l, ll
        {0x200C, 0x200D},  // zero-width non-joiner and joiner
    });
    // RFC 3629: a lead byte below 0x80 stands alone; below 0xE0 it has one
    // continuation byte, below 0xF0 two, else three, each carrying six bits.
    constexpr unsigned char kFirstLeadOfTwo = 0x80;
    constexpr unsigned char kFirstLeadOfThree = 0xE0;
    constexpr unsigned char kFirstLeadOfFour = 0xF0;
    constexpr unsigned char kLeadBitsOfOne = 0x3F;  // shifted right by the continuations
    constexpr unsigned char kContinuationMask = 0xC0;
    constexpr unsigned char kContinuationBits = 0x80;
    constexpr unsigned char kLowSixBits = 0x3F;
    constexpr int kBitsPerContinuation = 6;
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int continuations = lead < kFirstLeadOfTwo     ? 0
                                  : lead < kFirstLeadOfThree ? 1
                                  : lead < kFirstLeadOfFour  ? 2
                                                             : 3;
        char32_t code = continuations == 0 ? lead : lead & (kLeadBitsOfOne >> continuations);
        std::size_t next = i + 1;
        for (int k = 0; k < continuations && next < text.size(); ++k, ++next) {
            const auto byte = static_cast<unsigned char>(text[next]);
            if ((byte & kContinuationMask) != kContinuationBits) break;
            code = (code << kBitsPerContinuation) | (byte & kLowSixBits);
        }
        const bool mark = std::any_of(kNoColumnMarks.begin(), kNoColumnMarks.end(),
                                      [code](const auto& range) { return code >= range.first && code <= range.second; });
        if (!mark) ++columns;
        i = next;
    }
    return columns;
}

std::string PaddedToColumns(std::string text, std::size_t columns) {
    const std::size_t taken = TerminalColumns(text);
    if (taken < columns) text.append(columns - taken, ' ');
    return text;
}

}  // namespace zorvane
