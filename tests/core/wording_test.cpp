// A sentence's places filled after translation, and the columns a terminal
// gives a text: what lets another language reorder and line up its words.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/dasha/vimshottari_dasha.h"
#include "core/format/dasha_text.h"
#include "core/text/utf8.h"
#include "core/text/wording.h"

namespace {

using zorvane::Language;
using zorvane::Wording;

TEST(Wording, SayWithFillsThePlacesOfTheTranslatedSentence) {
    // A translation that puts the places in another order, as Hindi does.
    const Wording reordering{Language::Hindi, [](std::string_view english) {
                                 return english == "%1 came on %2" ? std::string("%2 को %1 आया") : std::string(english);
                             }};
    struct Case {
        const Wording& wording;
        std::string_view sentence;
        std::initializer_list<std::string_view> arguments;
        std::string_view expected;
    };
    const Wording english;
    for (const Case& c : {
             Case{english, "%1 came on %2", {"02:30", "2023-03-12"}, "02:30 came on 2023-03-12"},
             Case{reordering, "%1 came on %2", {"02:30", "2023-03-12"}, "2023-03-12 को 02:30 आया"},
             Case{english, "%1 and %1 again", {"x"}, "x and x again"},
             Case{english, "%1 of %2", {"%2", "y"}, "%2 of y"},  // an argument's % is not a place
             Case{english, "100% of %3", {"a"}, "100% of %3"},   // no such argument: left as written
         }) {
        EXPECT_EQ(c.wording.SayWith(c.sentence, c.arguments), c.expected) << c.sentence;
    }
}

TEST(TerminalColumns, CountsWhatATerminalDraws) {
    struct Case {
        std::string_view text;
        std::size_t columns;
    };
    // Nonspacing marks take none: vowel signs above and below, virama, nukta,
    // anusvara; the spacing vowel signs (ि, ी, ा) take one.
    for (const Case& c : {Case{"", 0}, Case{"Ketu", 4}, Case{"Jyeshtha", 8}, Case{"केतु", 2}, Case{"बृहस्पति", 6},
                          Case{"शुक्र", 3}, Case{"चंद्र", 3}, Case{"°′″", 3}, Case{"नाड़ी", 4}, Case{"पूर्वाषाढ़ा", 8},
                          Case{"कंठ", 2}}) {
        EXPECT_EQ(zorvane::TerminalColumns(c.text), c.columns) << c.text;
        EXPECT_EQ(zorvane::TerminalColumns(zorvane::PaddedToColumns(std::string(c.text), 8)), std::max<std::size_t>(8, c.columns));
    }
}

constexpr double kJ2000NoonJd = 2451545.0;  // 2000-01-01 12:00 UT

// The dates of the Hindi table stand in the same columns as the English.
TEST(DashaText, HindiTableLinesUpItsDates) {
    const zorvane::VimshottariDasha dasha = zorvane::ComputeVimshottariDasha(20.0 / 3.0, kJ2000NoonJd);
    const std::string table = zorvane::DashaTextTable(dasha, 5.5, Wording{Language::Hindi, {}});
    EXPECT_NE(table.find("केतु"), std::string::npos);
    constexpr std::size_t kDateColumn = 24;  // two name columns of 12
    int rows = 0;
    std::size_t start = table.find("Mahadasha");
    ASSERT_NE(start, std::string::npos);
    for (std::size_t end = table.find('\n', start); end != std::string::npos; end = table.find('\n', start)) {
        const std::string_view line(table.data() + start, end - start);
        const std::size_t date = line.find_first_of("0123456789");  // the heading has no digit
        if (date != std::string_view::npos) {
            EXPECT_EQ(zorvane::TerminalColumns(line.substr(0, date)), kDateColumn) << line;
            ++rows;
        }
        start = end + 1;
    }
    EXPECT_EQ(rows, 9 * 10);  // nine mahadashas, each with nine antardashas
}

}  // namespace
