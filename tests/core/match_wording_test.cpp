// The matching texts in another language: every English word of them goes
// through the wording, the names come from the Devanagari tables, and the
// pieces they are built with (templates, columns) hold for any script.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/utf8.h"
#include "core/matching/ashtakoota.h"
#include "core/matching/match_text.h"
#include "core/matching/porutham.h"
#include "core/matching/star_day.h"
#include "core/matching/worded_text.h"

namespace zorvane {
namespace {

constexpr int kPadas = 108;
constexpr double kIstLeadHours = 5.5;
constexpr int kPadasPerSign = 9;

Star StarOfPada(int padaIndex) { return {padaIndex / 4, padaIndex % 4 + 1}; }

// A wording that answers every word with a Devanagari letter and keeps its
// %n marks, so an English letter left in a text is one that missed it.
Wording Unlettered() {
    return Wording{Language::Hindi, [](std::string_view english) {
                       std::string out = "क";
                       for (std::size_t i = 0; i + 1 < english.size(); ++i) {
                           if (english[i] == '%' && std::isdigit(static_cast<unsigned char>(english[i + 1]))) {
                               out += english.substr(i, 2);
                               out += "क";
                           }
                       }
                       return out;
                   }};
}

std::string LatinLetters(std::string_view text) {
    std::string letters;
    std::copy_if(text.begin(), text.end(), std::back_inserter(letters),
                 [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
    return letters;
}

TEST(MatchWording, EveryEnglishWordOfEveryPairAndDayGoesThroughTheWording) {
    const Wording wording = Unlettered();
    // Every pair of padas reaches every reason, dosha and note.
    for (int b = 0; b < kPadas; ++b) {
        for (int g = 0; g < kPadas; ++g) {
            const Star bride = StarOfPada(b);
            const Star groom = StarOfPada(g);
            const std::string text = FormatMatchText(bride, groom, MatchAshtakoota(bride, groom, wording),
                                                     MatchPorutham(bride, groom, wording), wording);
            ASSERT_EQ(LatinLetters(text), "") << b << " x " << g << "\n" << text;
        }
    }
    // A birth star in each sign: one of them has the day's chandrashtama.
    const auto [start, end] = CivilDayBounds(2024, 3, 15, kIstLeadHours);
    bool chandrashtama = false;
    for (int sign = 0; sign < 12; ++sign) {
        const Star birth = StarOfPada(sign * kPadasPerSign);
        const StarDay day = ComputeStarDay(birth, start, end);
        chandrashtama = chandrashtama || day.chandrashtama;
        const std::string text = FormatStarDayText(birth, day, kIstLeadHours, wording);
        EXPECT_EQ(LatinLetters(text), "") << text;
    }
    EXPECT_TRUE(chandrashtama);
}

// Without a catalogue the words stay English but the names are Hindi.
TEST(MatchWording, NamesComeInDevanagariAndEnglishStaysAsItWas) {
    const Wording hindi{Language::Hindi, {}};
    struct Case {
        Star bride;
        Star groom;
        Language language;
        std::vector<std::string> lordsAndSigns;  // graha maitri's values, then bhakoot's
        std::string brideLine;
    };
    const auto cases = std::to_array<Case>({
        {{3, 3}, {0, 1}, Language::Hindi, {"शुक्र", "मंगल", "वृषभ", "मेष"}, "Bride: रोहिणी pada 3, वृषभ\n"},
        {{3, 3}, {0, 1}, Language::English, {"Venus", "Mars", "Vrishabha", "Mesha"}, "Bride: Rohini pada 3, Vrishabha\n"},
        {{26, 4}, {8, 4}, Language::Hindi, {"गुरु", "चंद्र", "मीन", "कर्क"}, "Bride: रेवती pada 4, मीन\n"},
    });
    for (const Case& c : cases) {
        const Wording wording{c.language, {}};
        const Ashtakoota ashtakoota = MatchAshtakoota(c.bride, c.groom, wording);
        EXPECT_EQ(ashtakoota.kootas[4].values[0], c.lordsAndSigns[0]);
        EXPECT_EQ(ashtakoota.kootas[4].values[1], c.lordsAndSigns[1]);
        EXPECT_EQ(ashtakoota.kootas[6].values[0], c.lordsAndSigns[2]);
        EXPECT_EQ(ashtakoota.kootas[6].values[1], c.lordsAndSigns[3]);
        const std::string text =
            FormatMatchText(c.bride, c.groom, ashtakoota, MatchPorutham(c.bride, c.groom, wording), wording);
        EXPECT_EQ(text.rfind(c.brideLine, 0), 0U) << text;
        // The machine names stay English whatever the language.
        EXPECT_EQ(ashtakoota.kootas[4].name, "Graha Maitri");
    }
    // The default wording is English, exactly as the words are written.
    EXPECT_EQ(FormatMatchText({3, 3}, {0, 1}, MatchAshtakoota({3, 3}, {0, 1}), MatchPorutham({3, 3}, {0, 1})),
              FormatMatchText({3, 3}, {0, 1}, MatchAshtakoota({3, 3}, {0, 1}, Wording{}),
                              MatchPorutham({3, 3}, {0, 1}, Wording{}), Wording{}));
    EXPECT_NE(DescribeStar({3, 3}, hindi).find("रोहिणी"), std::string::npos);
}

TEST(WordedText, Ordinals) {
    for (const auto& [n, want] : std::to_array<std::pair<int, std::string_view>>(
             {{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {11, "11th"}, {12, "12th"}, {13, "13th"}, {21, "21st"},
              {22, "22nd"}, {23, "23rd"}, {25, "25th"}})) {
        EXPECT_EQ(Ordinal(n, Wording{}), want);
    }
}

}  // namespace
}  // namespace zorvane
