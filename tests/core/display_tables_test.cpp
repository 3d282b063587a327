#include "core/format/display_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/panchang/nakshatra_names.h"
#include "core/panchang/yoga_names.h"

namespace zorvane {
namespace {

// The established opening of each paragraph, row by row. The yoga or star is
// often spelled differently here than in the name column; both stay as they are.
constexpr std::array<std::string_view, kYogaCount> kYogaOpenings = {
    "The Yoga is Vishkambha which means 'Supported'.",
    "The yoga is Priti which means 'Fondness'.",
    "The yoga is Ayushman which means 'Long lived'.",
    "The yoga is Saubhagya. As the name implies, it means 'Good fortune'.",
    "The yoga is Sobhana which implies 'Splendor'.",
    "The yoga is Atiganda which implies 'Danger or Obstacle'.",
    "The yoga is Sukarma which means 'Virtuous'.",
    "The yoga is Dhriti. As is obvious from the name, it means 'Determination'.",
    "The yoga is Soola which means 'Spear, Pain'.",
    "The yoga is Ganda, which means 'Danger or Obstacles'.",
    "The yoga is Vriddha. As the name implies, it means 'Growth'.",
    "The yoga is Dhruva which means 'Constant'.",
    "The yoga is Vyagatha which means 'Beating'.",
    "The yoga is Harshana which means 'Thrilling'.",
    "The yoga is Vajra which means 'Diamond, Thunderbolt'.",
    "The yoga is Siddhi which means 'Success'.",
    "The yoga is Vyatapata which means 'Calamity'.",
    "The yoga is Variyan which means 'Comfort'.",
    "The yoga is Parigha which means 'Obstruction'.",
    "The yoga is Siva which means 'Auspicious'.",
    "The yoga is Siddha which means 'Accomplished'.",
    "The yoga is Sadhya which means 'Amenable'.",
    "The yoga is Subha. As the name implies, the yoga means 'Auspicious'.",
    "The yoga is Sukla which means 'Bright White'.",
    "The yoga is Brahma which means 'Priest, God'.",
    "The yoga is Indira which means 'Chief'.",
    "The yoga is Vaidhriti which means 'Poor support'.",
};

constexpr std::array<std::string_view, kNakshatraCount> kNakshatraOpenings = {
    "Ashwini is the first Nakshatra of the zodiac.",
    "Bharani is the second Nakshatra of the zodiac.",
    "Krittika is the third Nakshatra of the zodiac ranging from 26°40′ to 10°.",
    "Rohini is the fourth Nakshatra of the zodiac ranging from 10° to 23°20′.",
    "Mrigasira is the fifth Nakshatra of the zodiac ranging from 23°20′ to 6°40′.",
    "Ardra is the sixth Nakshatra of the zodiac ranging from 6°40′ to 20°.",
    "Punarvasu is the seventh Nakshatra of the zodiac ranging from 20° to 3°20′.",
    "Pushya is the eighth Nakshatra of the zodiac ranging from 3°20′ to 16°40′.",
    "Aslesha is the ninth Nakshatra of the zodiac ranging from 16°40′ to 30°.",
    "Magha is the tenth Nakshatra of the zodiac ranging from 0° to 13°20′.",
    "Poorvaphalguni is the eleventh Nakshatra of the zodiac.",
    "Uttarphalguni is the twelfth Nakshatra of the zodiac ranging from 26°40′ to 10°.",
    "Hasta is the thirteenth Nakshatra of the zodiac ranging from 10° to 23°20′.",
    "Chitra is the fourteenth Nakshatra of the zodiac ranging from 23°20′ to 6°40′.",
    "Swati is the fifteenth Nakshatra of the zodiac ranging from 6°40′ to 20°.",
    "Vishakha is the sixteenth Nakshatra of the zodiac ranging from 20° to 3°20′.",
    "Anuradha is the seventeenth Nakshatra of the zodiac ranging from 3°20′ to 16°40′.",
    "Jyeshta is the eighteenth Nakshatra of the zodiac ranging from 16°40′ to 30°.",
    "Moola is the nineteenth Nakshatra of the zodiac ranging from 0° to 13°20′.",
    "Poorvashada is the twentieth Nakshatra of the zodiac ranging from 13°20′ to 26°40′.",
    "Uttarashada is the twenty first Nakshatra of the zodiac ranging from 26°40′ to 10°.",
    "Sravana is the twenty second Nakshatra of the zodiac ranging from 10° to 23°20′.",
    "Dhanishtha is the twenty third Nakshatra of the zodiac ranging from 23°20′ to 6°40′.",
    "Satabisha is the twenty-fourth Nakshatra of the zodiac ranging from 6°40′ to 20°.",
    "Poorvabhadra is the twenty-fifth Nakshatra of the zodiac ranging from 20° to 3°20′.",
    "Uttarabhadra is the twenty-sixth Nakshatra of the zodiac ranging from 3°20′ to 16°40′.",
    "Revati is the twenty-seventh Nakshatra of the zodiac ranging from 16°40′ to 30°.",
};

// Also the paragraph lblYogaDesc shows before the first calculation.
constexpr std::string_view kAtigandaParagraph =
    "The yoga is Atiganda which implies 'Danger or Obstacle'. With this combination of "
    "yoga, the native is bound to be very short tempered, angry and revengeful as well. "
    "This yoga makes life difficult with large number of hurdles and obstacles in the path "
    "of success. He/she may be accident prone as well.";

constexpr std::size_t kYogaMinLength = 118;
constexpr std::size_t kYogaMaxLength = 300;
constexpr std::size_t kNakshatraMinLength = 272;
constexpr std::size_t kNakshatraMaxLength = 471;  // bytes of UTF-8
constexpr int kAtigandaRow = 5;
constexpr int kShravanaRow = 21;

// --- Paragraphs: openings, lengths and form. ---

TEST(DisplayTableParagraphs, EachKeepsItsOpening) {
    for (int i = 0; i < kYogaCount; ++i) {
        EXPECT_TRUE(YogaTable[i].description.starts_with(kYogaOpenings[i]))
            << "yoga row " << i << ": " << YogaTable[i].description;
    }
    for (int i = 0; i < kNakshatraCount; ++i) {
        EXPECT_TRUE(NakshatraTable[i].description.starts_with(kNakshatraOpenings[i]))
            << "nakshatra row " << i << ": " << NakshatraTable[i].description;
    }
}

TEST(DisplayTableParagraphs, EachGoesOnPastItsOpening) {
    for (int i = 0; i < kYogaCount; ++i) {
        EXPECT_GT(YogaTable[i].description.size(), kYogaOpenings[i].size()) << "yoga row " << i;
    }
    for (int i = 0; i < kNakshatraCount; ++i) {
        EXPECT_GT(NakshatraTable[i].description.size(), kNakshatraOpenings[i].size())
            << "nakshatra row " << i;
    }
}

TEST(DisplayTableParagraphs, YogaLengthsWithinLimits) {
    for (int i = 0; i < kYogaCount; ++i) {
        const std::size_t length = YogaTable[i].description.size();
        EXPECT_GE(length, kYogaMinLength) << "yoga row " << i;
        EXPECT_LE(length, kYogaMaxLength) << "yoga row " << i;
    }
}

TEST(DisplayTableParagraphs, NakshatraLengthsWithinLimits) {
    for (int i = 0; i < kNakshatraCount; ++i) {
        const std::size_t length = NakshatraTable[i].description.size();
        EXPECT_GE(length, kNakshatraMinLength) << "nakshatra row " << i;
        EXPECT_LE(length, kNakshatraMaxLength) << "nakshatra row " << i;
    }
}

TEST(DisplayTableParagraphs, AtigandaParagraphIsWhole) {
    EXPECT_EQ(YogaTable[kAtigandaRow].description, kAtigandaParagraph);
}

TEST(DisplayTableParagraphs, ShravanaIsExactlyTheLongest) {
    EXPECT_EQ(NakshatraTable[kShravanaRow].description.size(), kNakshatraMaxLength);
    for (int i = 0; i < kNakshatraCount; ++i) {
        if (i != kShravanaRow) {
            EXPECT_LT(NakshatraTable[i].description.size(), kNakshatraMaxLength)
                << "nakshatra row " << i;
        }
    }
}

// Plain printable ASCII in one paragraph, but for the degree and minute signs
// of a span: no typographic quotes or dashes, no line breaks, and no
// sentences run together or doubled spaces where the source literals were
// joined.
void ExpectPlainParagraph(std::string_view text, std::string_view where) {
    ASSERT_FALSE(text.empty()) << where;
    constexpr std::array<std::string_view, 2> kSpanSigns = {"°", "′"};
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view rest = text.substr(at);
        const auto sign = std::ranges::find_if(
            kSpanSigns, [rest](std::string_view s) { return rest.starts_with(s); });
        if (sign != kSpanSigns.end()) {
            at += sign->size();
            continue;
        }
        EXPECT_TRUE(text[at] >= 0x20 && text[at] <= 0x7E) << where << " at " << at << ": " << text;
        ++at;
    }
    EXPECT_NE(text.front(), ' ') << where;
    EXPECT_EQ(text.back(), '.') << where;
    EXPECT_EQ(text.find("  "), std::string_view::npos) << where;
    for (std::size_t dot = text.find('.'); dot + 1 < text.size(); dot = text.find('.', dot + 1)) {
        EXPECT_EQ(text[dot + 1], ' ') << where << " at " << dot;
    }
}

TEST(DisplayTableParagraphs, AllTextIsPlainAscii) {
    for (int i = 0; i < kYogaCount; ++i) {
        ExpectPlainParagraph(YogaTable[i].description, "yoga row " + std::to_string(i));
    }
    for (int i = 0; i < kNakshatraCount; ++i) {
        ExpectPlainParagraph(NakshatraTable[i].description,
                             "nakshatra row " + std::to_string(i));
    }
}

// The span a paragraph states is the row's own twenty-seventh of the circle,
// 13°20' long, within its sign: a slip in one figure shows here.
TEST(DisplayTableParagraphs, StatedSpansAreTheNakshatrasOwn) {
    constexpr int kSpanArcminutes = 800;   // 13°20'
    constexpr int kSignArcminutes = 1800;  // 30°
    const auto arcminutes = [](std::string_view angle) {
        const std::size_t degreeSign = angle.find("°");
        int total = std::stoi(std::string(angle.substr(0, degreeSign))) * 60;
        const std::string_view rest = angle.substr(degreeSign + std::string_view("°").size());
        if (!rest.empty()) total += std::stoi(std::string(rest));
        return total;
    };
    int spansSeen = 0;
    for (int i = 0; i < kNakshatraCount; ++i) {
        const std::string_view text = NakshatraTable[i].description;
        const std::size_t from = text.find("ranging from ");
        if (from == std::string_view::npos) continue;
        const std::size_t start = from + std::string_view("ranging from ").size();
        const std::size_t to = text.find(" to ", start);
        const std::size_t end = text.find('.', to);
        const int startArcminutes = (i * kSpanArcminutes) % kSignArcminutes;
        const int endInSign = ((i + 1) * kSpanArcminutes) % kSignArcminutes;
        EXPECT_EQ(arcminutes(text.substr(start, to - start)), startArcminutes) << "row " << i;
        EXPECT_EQ(arcminutes(text.substr(to + 4, end - to - 4)),
                  endInSign == 0 ? kSignArcminutes : endInSign)
            << "row " << i;
        ++spansSeen;
    }
    EXPECT_EQ(spansSeen, 24);  // Ashwini, Bharani and Poorvaphalguni name their sign instead
}

// --- Lookups. ---

TEST(DisplayTableLookup, EveryNameFindsItsOwnRow) {
    for (int i = 0; i < kYogaCount; ++i) {
        EXPECT_EQ(FindYogaRow(YogaNames[i]), i);
    }
    for (int i = 0; i < kNakshatraCount; ++i) {
        EXPECT_EQ(FindNakshatraRow(NakshatraNames[i]), i);
    }
}

TEST(DisplayTableLookup, MatchIsExactAndCaseSensitive) {
    EXPECT_EQ(FindYogaRow("Prithi"), 1);
    EXPECT_EQ(FindYogaRow("prithi"), std::nullopt);
    EXPECT_EQ(FindYogaRow("PRITHI"), std::nullopt);
    EXPECT_EQ(FindYogaRow("Prithi "), std::nullopt);
    EXPECT_EQ(FindYogaRow("Prith"), std::nullopt);
    // The paragraph's own spelling is not a name.
    EXPECT_EQ(FindYogaRow("Priti"), std::nullopt);
    EXPECT_EQ(FindNakshatraRow("Ashlesha"), 8);
    EXPECT_EQ(FindNakshatraRow("Aslesha"), std::nullopt);
    EXPECT_EQ(FindNakshatraRow("Poorva  Phalguni"), std::nullopt);
}

TEST(DisplayTableLookup, EmptyNameFindsNothing) {
    EXPECT_EQ(FindYogaRow(""), std::nullopt);
    EXPECT_EQ(FindNakshatraRow(""), std::nullopt);
    // The spare nakshatra slot holds an empty name; it must not show a row.
    EXPECT_EQ(FindNakshatraRow(NakshatraNames[kNakshatraCount]), std::nullopt);
}

TEST(DisplayTableLookup, EachNameIsLookedUpInItsOwnTableExactly) {
    struct Case {
        const char* name;
        std::optional<int> nakshatraRow;
        std::optional<int> yogaRow;
    };
    const Case cases[] = {
        {"Shravana", kShravanaRow, std::nullopt}, {"Prithi", std::nullopt, 1},
        {"Revati", 26, std::nullopt},             {"Vaidhruthi", std::nullopt, 26},
        {"Ashwini", 0, std::nullopt},             {"prithi", std::nullopt, std::nullopt},
        {"Sravana", std::nullopt, std::nullopt},  {"", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindNakshatraRow(c.name), c.nakshatraRow) << c.name;
        EXPECT_EQ(FindYogaRow(c.name), c.yogaRow) << c.name;
    }
}

}  // namespace
}  // namespace zorvane
