// Text that reaches JSON, a terminal or a menu: UTF-8 mended, controls shown.
#include <gtest/gtest.h>

#include <string>

#include "core/text/utf8.h"

namespace zorvane {
namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";  // U+FFFD

TEST(Utf8, EachByteOutsideAWellFormedCharacterBecomesOneReplacement) {
    const std::string r = kReplacement;
    const struct Case {
        const char* what;
        std::string bytes;
        bool valid;
        std::string mended;
    } cases[] = {
        {"ASCII", "Mumbai", true, "Mumbai"},
        {"two to four bytes", "Łódź मुंबई 𝄞", true, "Łódź मुंबई 𝄞"},
        {"a lone byte", "Mumbai\xff", false, "Mumbai" + r},
        {"Latin-1 e acute", "caf\xe9", false, "caf" + r},
        {"cut short", "\xe0\xa4", false, r + r},
        {"overlong slash", "\xc0\xaf", false, r + r},
        {"a surrogate", "\xed\xa0\x80", false, r + r + r},
        {"past U+10FFFF", "\xf4\x90\x80\x80", false, r + r + r + r},
        {"a stray continuation", "a\x80z", false, "a" + r + "z"},
        {"NUL is UTF-8", std::string("a\0b", 3), true, std::string("a\0b", 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid);
        EXPECT_EQ(ValidUtf8(c.bytes), c.mended);
        EXPECT_TRUE(IsValidUtf8(ValidUtf8(c.bytes)));
    }
}

TEST(Utf8, ControlsAndReorderingMarksAreShownEscaped) {
    const struct Case {
        const char* what;
        std::string bytes;
        std::string shown;
    } cases[] = {
        {"plain", "a&b.zchart", "a&b.zchart"},
        {"escape sequence", "\x1b[2J", "\\x1b[2J"},
        {"line break and tab", "a\nb\tc", "a\\x0ab\\x09c"},
        {"DEL", "\x7f", "\\x7f"},
        {"C1 control", "\xc2\x9b", "\\u{009b}"},
        {"right-to-left override", "evil\xe2\x80\xaegpj.zchart", "evil\\u{202e}gpj.zchart"},
        {"isolate", "\xe2\x81\xa6x", "\\u{2066}x"},
        {"not UTF-8", "caf\xe9", "caf\\xe9"},
        {"letters kept", "मुंबई", "मुंबई"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(EscapeControls(c.bytes), c.shown);
    }
}

}  // namespace
}  // namespace zorvane
