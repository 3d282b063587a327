// The names in Devanagari stand at the rows of their English names, and the
// shared formatting gives them, with its other words translated, when asked.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <string_view>

#include "core/calendar/calendar_names.h"
#include "core/calendar/day_names.h"
#include "core/format/dasha_text.h"
#include "core/format/display_tables.h"
#include "core/format/local_names.h"
#include "core/format/paragraphs_hi.h"
#include "core/format/reading_lines.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/panchang/yoga_names.h"
#include "core/reading/compute_reading.h"
#include "sample_readings.h"

namespace zorvane {
namespace {

// The index of an English name in its table; -1 when missing.
template <typename Table>
int IndexOf(const Table& table, std::string_view name) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] == name) return static_cast<int>(i);
    }
    return -1;
}

// A stand-in translation that shows which words went through it.
std::string Bracketed(std::string_view english) {
    std::string out(1, '<');
    out.append(english);
    out.push_back('>');
    return out;
}

// Pairs taken from printed Hindi panchangs, spread over each table so that a
// row slipped up or down anywhere shows.
TEST(HindiNames, EachStandsAtTheRowOfItsEnglishName) {
    struct Pair {
        const char* table;
        std::string english;
        std::string hindi;
    };
    const auto hindiOf = [](std::string_view table, std::string_view english) -> std::string {
        if (table == "yoga") return YogaText(IndexOf(YogaNames, english), Language::Hindi);
        if (table == "nakshatra") return NakshatraText(IndexOf(NakshatraNames, english), Language::Hindi);
        if (table == "sign") return SignText(IndexOf(kSignNames, english), Language::Hindi);
        if (table == "vara") return VaraText(IndexOf(kWeekdayNames, english), Language::Hindi);
        if (table == "lord") return LordText(IndexOf(kNakshatraLords, english), Language::Hindi);
        if (table == "month") return day_names::LunarMonth(IndexOf(kLunarMonthNames, english), Language::Hindi);
        return "unknown table";
    };
    for (const Pair& p : {
             Pair{"yoga", "Vishkambha", "विष्कम्भ"},
             Pair{"yoga", "Atiganda", "अतिगण्ड"},
             Pair{"yoga", "Siddhi", "सिद्धि"},
             Pair{"yoga", "Sukla", "शुक्ल"},
             Pair{"yoga", "Vaidhruthi", "वैधृति"},
             Pair{"nakshatra", "Ashwini", "अश्विनी"},
             Pair{"nakshatra", "Uttara Phalguni", "उत्तरा फाल्गुनी"},
             Pair{"nakshatra", "Moola", "मूल"},
             Pair{"nakshatra", "Shravana", "श्रवण"},
             Pair{"nakshatra", "Revati", "रेवती"},
             Pair{"sign", "Mesha", "मेष"},
             Pair{"sign", "Vrishchika", "वृश्चिक"},
             Pair{"sign", "Meena", "मीन"},
             Pair{"vara", "Ravivara", "रविवार"},
             Pair{"vara", "Shanivara", "शनिवार"},
             Pair{"lord", "Ketu", "केतु"},
             Pair{"lord", "Jupiter", "गुरु"},
             Pair{"lord", "Mercury", "बुध"},
             Pair{"month", "Chaitra", "चैत्र"},
             Pair{"month", "Phalguna", "फाल्गुन"},
         }) {
        EXPECT_EQ(hindiOf(p.table, p.english), p.hindi) << p.table << " " << p.english;
    }
}

// Each Hindi yoga reading opens as the English one does, "योग <name> है",
// with the name of its own row, so a paragraph slipped to another row shows.
TEST(HindiNames, EachYogaReadingOpensWithTheYogaOfItsRow) {
    for (int row = 0; row < kYogaCount; ++row) {
        const std::string opening = "योग " + YogaText(row, Language::Hindi) + " है";
        EXPECT_TRUE(YogaParagraph(row, Language::Hindi).starts_with(opening)) << row;
        EXPECT_EQ(YogaParagraph(row, Language::English), YogaTable[static_cast<std::size_t>(row)].description);
    }
}

// Each Hindi nakshatra reading opens with the nakshatra of its row, as the
// English one does.
TEST(HindiNames, EachNakshatraReadingOpensWithTheNakshatraOfItsRow) {
    for (int row = 0; row < kNakshatraCount; ++row) {
        const std::string opening = NakshatraText(row, Language::Hindi) + " राशिचक्र का ";
        EXPECT_TRUE(NakshatraParagraph(row, Language::Hindi).starts_with(opening)) << row;
        EXPECT_EQ(NakshatraParagraph(row, Language::English), NakshatraTable[static_cast<std::size_t>(row)].description);
    }
}

// Tithi, karana and month go through their own arithmetic (pakshas, the
// fixed karanas, months from 1), so their edges are pinned one by one.
TEST(HindiNames, TithisKaranasAndMonthsAtTheirEdges) {
    const auto both = [](auto name, int index) {
        return std::pair{name(index, Language::English), name(index, Language::Hindi)};
    };
    for (const auto& [pair, english, hindi] : {
             std::tuple{both(TithiText, 0), "Shukla Pratipada", "शुक्ल प्रतिपदा"},
             std::tuple{both(TithiText, 14), "Shukla Purnima", "शुक्ल पूर्णिमा"},
             std::tuple{both(TithiText, 15), "Krishna Pratipada", "कृष्ण प्रतिपदा"},
             std::tuple{both(TithiText, 29), "Krishna Amavasya", "कृष्ण अमावस्या"},
             std::tuple{both(KaranaText, 1), "Kimstughna", "किंस्तुघ्न"},
             std::tuple{both(KaranaText, 2), "Bava", "बव"},
             std::tuple{both(KaranaText, 57), "Vishti", "विष्टि"},
             std::tuple{both(KaranaText, 58), "Shakuni", "शकुनि"},
             std::tuple{both(KaranaText, 60), "Naga", "नाग"},
             std::tuple{both(CivilMonthText, 1), "January", "जनवरी"},
             std::tuple{both(CivilMonthText, 12), "December", "दिसंबर"},
         }) {
        EXPECT_EQ(pair.first, english);
        EXPECT_EQ(pair.second, hindi) << english;
    }
}

// The details of 15 August 1947 in Hindi: the names from the Hindi tables,
// every label through the translation, the numbers and clock times as in
// English.
TEST(HindiNames, TheDetailsTakeTheirNamesAndWordsFromTheWording) {
    const auto input = ParseForm(testing_readings::Independence1947(), NumberFormat{});
    ASSERT_TRUE(std::holds_alternative<BirthInput>(input));
    const BirthRecord record = ComputeReading(std::get<BirthInput>(input));
    ASSERT_TRUE(record.details && record.dasha);
    const Wording hindi{Language::Hindi, Bracketed};

    const std::vector<LimbLine> english = LimbLines(*record.details);
    const std::vector<LimbLine> translated = LimbLines(*record.details, hindi);
    ASSERT_EQ(english.size(), translated.size());
    EXPECT_EQ(translated[3].name, "सिद्धि");  // the yoga of this birth is Siddhi
    for (std::size_t i = 0; i < english.size(); ++i) {
        EXPECT_EQ(translated[i].limb, Bracketed(english[i].limb));
        EXPECT_NE(translated[i].name, english[i].name) << english[i].limb;
        EXPECT_EQ(translated[i].starts, english[i].starts);
        EXPECT_EQ(translated[i].ends, english[i].ends);
    }
    for (const TextLine& line : BirthLines(record, hindi)) {
        EXPECT_EQ(line.label.front(), '<') << line.label;
    }
    EXPECT_EQ(BirthLines(record, hindi).front().value, "15 अगस्त 1947");
    const std::vector<TextLine> sky = SkyLines(*record.details, hindi);
    EXPECT_EQ(sky[1].value.substr(0, std::string_view("कर्क").size()), "कर्क");  // the Sun late in Karka
    const std::vector<PeriodLine> periods = MahadashaLines(*record.dasha, record.details->clockLeadHours, 0.0, hindi);
    EXPECT_EQ(DashaBalanceLine(*record.dasha), DashaBalanceText(*record.dasha));
    // Saturn's period, 18 years 0 months 25 days of it left at this birth.
    EXPECT_EQ(DashaBalanceLine(*record.dasha, hindi), "शनि 18 <years> 0 <months> 25 <days>");
    for (const PeriodLine& period : periods) {
        EXPECT_GE(static_cast<unsigned char>(period.lord.front()), 0x80U) << period.lord;  // Devanagari, not Latin
    }
}

}  // namespace
}  // namespace zorvane
