// The panchang's day and month texts in Hindi: the names from the Devanagari
// tables, the English ones untouched, and the zone shown beside a time when
// the clock changes during the day.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/calendar/day_names.h"
#include "core/calendar/day_report.h"
#include "core/calendar/year_calendar.h"

namespace zorvane {
namespace {

const GeoPlace kNewDelhi{28.6139, 77.2090};
const GeoPlace kLondon{51.5074, -0.1278};
int India(double) { return 330; }
// Europe/London's spring change of 2023: 01:00 UT on 26 March.
constexpr double kLondonChangeJd = 2460029.5 + 1.0 / 24;
int London(double jd) { return jd < kLondonChangeJd ? 0 : 60; }

const Wording kHindi{Language::Hindi, {}};

DayReport Report(const CivilDate& date, const GeoPlace& place, const ReportPlace& shown, int (*offset)(double)) {
    DayReportResult result = ComputeDayReport(date, place, shown, offset);
    EXPECT_TRUE(result.report.has_value());
    return *result.report;
}

std::string ValueOf(const std::vector<ReportLine>& lines, const std::string& what) {
    for (const ReportLine& line : lines) {
        if (line.what == what) return line.value;
    }
    return std::string("(no line ").append(what).append(")");
}

// 2023-07-20 at New Delhi, checked against the English lines of the same
// day: each name in Devanagari where the English one stands.
TEST(PanchangWording, HindiNamesStandWhereTheEnglishOnesDo) {
    const DayReport report = Report({2023, 7, 20}, kNewDelhi, {"New Delhi", "Asia/Kolkata"}, India);
    const std::vector<ReportLine> english = DayReportLines(report);
    const std::vector<ReportLine> hindi = DayReportLines(report, kHindi);
    ASSERT_EQ(hindi.size(), english.size());
    struct Row {
        const char* what;
        const char* english;
        const char* hindi;
    };
    const Row rows[] = {
        {"Vara", "Guruvara", "गुरुवार"},
        {"Tithi", "Shukla Tritiya  ", "शुक्ल तृतीया  "},
        {"Yoga", "Siddhi  ", "सिद्धि  "},
        {"Karana", "Taitila  ", "तैतिल  "},
        {"Choghadiya (day)", "Shubh  ", "शुभ  "},
        {"Hora 1", "Jupiter  ", "गुरु  "},
        {"Sun's sign", "Karka", "कर्क"},
        {"Month (amanta)", "Shravana (adhika)", "श्रावण (adhika)"},
        {"Ritu", "Varsha", "वर्षा"},
        {"Ayana", "Dakshinayana", "दक्षिणायन"},
        {"Samvatsara", "Shobhakrit", "शोभकृत"},
    };
    for (const Row& row : rows) {
        std::size_t line = 0;
        while (line < english.size() && english[line].what != row.what) ++line;
        ASSERT_LT(line, english.size()) << row.what;
        EXPECT_TRUE(english[line].value.starts_with(row.english)) << row.what << ": " << english[line].value;
        EXPECT_TRUE(hindi[line].value.starts_with(row.hindi)) << row.what << ": " << hindi[line].value;
        // Without a catalogue the row names stay as written.
        EXPECT_EQ(hindi[line].what, english[line].what);
    }
}

// The wording's translation reaches every row name and the heading, so a
// catalogue that translates every word leaves no English word behind.
TEST(PanchangWording, EveryRowNameGoesThroughTheWording) {
    const DayReport report = Report({2023, 7, 20}, kNewDelhi, {"New Delhi", "Asia/Kolkata"}, India);
    const Wording marked{Language::Hindi, [](std::string_view english) {
                                  return std::string("<").append(english).append(">");
                              }};
    for (const ReportLine& line : DayReportLines(report, marked)) {
        EXPECT_TRUE(line.what.starts_with("<")) << line.what;
        EXPECT_EQ(line.value.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos)
            << line.what << ": " << line.value;
    }
    const std::string text = DayReportText(report, marked);
    EXPECT_TRUE(text.starts_with("<Panchang of 2023-07-20 at New Delhi (")) << text;
}

// The month grid's marks in Hindi, by the event's own numbers.
TEST(PanchangWording, MonthMarksInHindi) {
    const Wording hindi{Language::Hindi, [](std::string_view english) {
                            if (english == "%1 begins") return std::string("%1 आरंभ");
                            if (english == "adhika") return std::string("अधिक");
                            if (english == "Sankranti") return std::string("संक्रांति");
                            return std::string(english);
                        }};
    const std::vector<CalendarDayRow> rows = ComputeCalendar(2023, 7, kNewDelhi, India);
    struct Mark {
        int day;
        const char* english;
        const char* hindi;
    };
    const Mark marks[] = {
        {3, "Purnima", "पूर्णिमा"},
        {13, "Krishna Ekadashi", "कृष्ण एकादशी"},
        {16, "Karka Sankranti", "कर्क संक्रांति"},
        {17, "Amavasya", "अमावस्या"},
        {18, "Shravana begins (adhika)", "श्रावण आरंभ (अधिक)"},
        {29, "Shukla Ekadashi", "शुक्ल एकादशी"},
    };
    for (const Mark& mark : marks) {
        const CalendarDayRow& row = rows.at(static_cast<std::size_t>(mark.day - 1));
        bool found = false;
        for (const CalendarEvent& event : row.events) {
            if (event.title != mark.english) continue;
            found = true;
            EXPECT_EQ(day_names::EventTitle(event, hindi), mark.hindi);
            EXPECT_EQ(day_names::EventTitle(event, {}), mark.english);
        }
        EXPECT_TRUE(found) << mark.day << " " << mark.english;
    }
}

// London on 25 March 2023: sunrise on GMT, the next on BST. The times after
// the change carry their offset; the heading's zone gives both.
TEST(PanchangWording, TimesAfterAClockChangeCarryTheirOffset) {
    const DayReport report = Report({2023, 3, 25}, kLondon, {"London", "Europe/London"}, London);
    EXPECT_EQ(DayReportZone(report), "Europe/London, +00:00/+01:00");
    const std::vector<ReportLine> lines = DayReportLines(report);
    EXPECT_EQ(ValueOf(lines, "Sunrise").find('+'), std::string::npos) << ValueOf(lines, "Sunrise");
    EXPECT_EQ(ValueOf(lines, "Sunset").find('+'), std::string::npos) << ValueOf(lines, "Sunset");
    EXPECT_NE(ValueOf(lines, "Hora 24").find("+01:00"), std::string::npos) << ValueOf(lines, "Hora 24");

    const DayReport india = Report({2023, 7, 20}, kNewDelhi, {"New Delhi", "Asia/Kolkata"}, India);
    EXPECT_EQ(DayReportZone(india), "Asia/Kolkata, +05:30");
    for (const ReportLine& line : DayReportLines(india)) EXPECT_EQ(line.value.find('+'), std::string::npos);
}

}  // namespace
}  // namespace zorvane
