#include "core/matching/worded_text.h"

#include <array>
#include <cstdint>

#include "core/sky/graha_names.h"
#include "core/text/names_hi.h"

namespace zorvane {

namespace {

static_assert(kGrahaNamesHi.size() == kGrahaNames.size());

constexpr int kDecimal = 10;
constexpr int kHundred = 100;

// Code points of marks that take no column of their own. Source: the
// Unicode character database, general category Mn (nonspacing marks) of the
// Devanagari block U+0900..U+097F, and the zero-width (non-)joiners.
struct CodeRange {
    std::uint32_t first;
    std::uint32_t last;
};
constexpr auto kNoColumnMarks = std::to_array<CodeRange>({
    {0x0900, 0x0902},  // inverted candrabindu, candrabindu, anusvara
    {0x093A, 0x093A},  // vowel sign oe
    {0x093C, 0x093C},  // nukta
    {0x0941, 0x0948},  // vowel signs u .. ai
    {0x094D, 0x094D},  // virama
    {0x0951, 0x0957},  // stress signs and vowel signs of other scripts
    {0x0962, 0x0963},  // vowel signs vocalic l, ll
    {0x200C, 0x200D},  // zero-width non-joiner and joiner
});

// UTF-8 (RFC 3629): a lead byte below 0x80 stands alone; below 0xE0 it has
// one continuation byte, below 0xF0 two, else three; each continuation byte
// carries six bits.
constexpr unsigned char kFirstLeadOfTwo = 0x80;
constexpr unsigned char kFirstLeadOfThree = 0xE0;
constexpr unsigned char kFirstLeadOfFour = 0xF0;
constexpr unsigned char kLeadBitsOfOne = 0x3F;  // shifted right by the continuations
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationBits = 0x80;
constexpr unsigned char kLowSixBits = 0x3F;
constexpr int kBitsPerContinuation = 6;

bool TakesNoColumn(std::uint32_t code) {
    for (const CodeRange& range : kNoColumnMarks) {
        if (code >= range.first && code <= range.last) return true;
    }
    return false;
}

}  // namespace

std::string Filled(std::string_view text, std::initializer_list<std::string> arguments) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool mark = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const std::size_t number = mark ? static_cast<std::size_t>(text[i + 1] - '1') : arguments.size();
        if (number < arguments.size()) {
            out += *(arguments.begin() + number);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Ordinal(int n, const Wording& wording) {
    const int lastTwo = n % kHundred;
    const int last = n % kDecimal;
    const char* worded = (lastTwo >= 11 && lastTwo <= 13) ? "%1th"
                         : last == 1                       ? "%1st"
                         : last == 2                       ? "%1nd"
                         : last == 3                       ? "%1rd"
                                                           : "%1th";
    return Filled(wording.Say(worded), {std::to_string(n)});
}

std::size_t TextColumns(std::string_view text) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int continuations = lead < kFirstLeadOfTwo     ? 0
                                  : lead < kFirstLeadOfThree ? 1
                                  : lead < kFirstLeadOfFour  ? 2
                                                             : 3;
        std::uint32_t code = continuations == 0 ? lead : lead & (kLeadBitsOfOne >> continuations);
        std::size_t next = i + 1;
        for (int k = 0; k < continuations && next < text.size(); ++k, ++next) {
            const auto byte = static_cast<unsigned char>(text[next]);
            if ((byte & kContinuationMask) != kContinuationBits) break;
            code = (code << kBitsPerContinuation) | (byte & kLowSixBits);
        }
        columns += TakesNoColumn(code) ? 0 : 1;
        i = next;
    }
    return columns;
}

std::string ColumnPadded(std::string text, std::size_t columns) {
    const std::size_t taken = TextColumns(text);
    if (taken < columns) text.append(columns - taken, ' ');
    return text;
}

std::string GrahaText(std::size_t row, Language language) {
    if (row >= kGrahaNames.size()) return "?";
    return std::string(language == Language::Hindi ? kGrahaNamesHi[row] : kGrahaNames[row]);
}

}  // namespace zorvane
