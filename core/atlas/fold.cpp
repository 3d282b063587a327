#include "core/atlas/fold.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace zorvane {

namespace {

enum class FoldKind : std::uint8_t {
    Keep,   // the code point stands as it is
    Drop,   // accents, apostrophes
    Blank,  // punctuation, symbols, spaces: one word ends
    Map,    // replaced by the row's text
};

struct FoldRow {
    char32_t first;
    char32_t last;
    FoldKind kind;
    const char* text;
};

#include "data/fold_table.inc"

constexpr char32_t kNotUtf8 = 0xFFFD;

// The next code point of `text` from `pos`, which it advances.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    int continuation = 0;
    char32_t cp = 0;
    if ((lead & 0xE0U) == 0xC0U) {
        continuation = 1;
        cp = lead & 0x1FU;
    } else if ((lead & 0xF0U) == 0xE0U) {
        continuation = 2;
        cp = lead & 0x0FU;
    } else if ((lead & 0xF8U) == 0xF0U) {
        continuation = 3;
        cp = lead & 0x07U;
    } else {
        return kNotUtf8;
    }
    for (int i = 0; i < continuation; ++i) {
        if (pos >= text.size()) return kNotUtf8;
        const auto next = static_cast<unsigned char>(text[pos]);
        if ((next & 0xC0U) != 0x80U) return kNotUtf8;
        cp = (cp << 6U) | (next & 0x3FU);
        ++pos;
    }
    return cp;
}

const FoldRow& RowOf(char32_t cp) {
    const auto after = std::upper_bound(kFoldRows.begin(), kFoldRows.end(), cp,
                                        [](char32_t c, const FoldRow& row) { return c < row.first; });
    return *(after - 1);  // the first row starts at 0
}

class Folder {
public:
    explicit Folder(std::string& out) : out_(out), start_(out.size()) {}

    void Blank() { blankPending_ = out_.size() > start_; }

    void Append(std::string_view piece) {
        for (const char c : piece) {
            if (c == ' ') {
                Blank();
                continue;
            }
            if (blankPending_) {
                out_.push_back(' ');
                blankPending_ = false;
            }
            out_.push_back(c);
        }
    }

private:
    std::string& out_;
    std::size_t start_;
    bool blankPending_ = false;
};

}  // namespace

void AppendFolded(std::string_view utf8, std::string& out) {
    Folder folder(out);
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t begin = pos;
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        // Most names are plain ASCII: letters and digits need no table.
        if ((byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9')) {
            ++pos;
            folder.Append(utf8.substr(begin, 1));
            continue;
        }
        if (byte >= 'A' && byte <= 'Z') {
            ++pos;
            const char lower = static_cast<char>(byte - 'A' + 'a');
            folder.Append(std::string_view(&lower, 1));
            continue;
        }
        const char32_t cp = NextCodePoint(utf8, pos);
        const FoldRow& row = RowOf(cp);
        switch (row.kind) {
            case FoldKind::Keep:
                folder.Append(utf8.substr(begin, pos - begin));
                break;
            case FoldKind::Drop:
                break;
            case FoldKind::Blank:
                folder.Blank();
                break;
            case FoldKind::Map:
                folder.Append(row.text);
                break;
        }
    }
}

std::string FoldForSearch(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    AppendFolded(utf8, out);
    return out;
}

}  // namespace zorvane
