// The panchang window in Hindi: every word its texts ask is in the catalogue
// and translated, the day table, the month grid and the copy read in Hindi
// with no English row name, and the time line keeps each name inside its span.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <set>
#include <string>

#include "core/calendar/day_report.h"
#include "core/calendar/year_calendar.h"
#include "fake_desktop.h"
#include "gui/desktop/language.h"
#include "gui/desktop/panchang_words.h"
#include "gui/desktop/reading_words.h"
#include "gui/report/panchang_print.h"
#include "gui/widgets/day_timeline.h"
#include "gui/widgets/window_language.h"
#include "gui/windows/frmPanchang.h"
#include "window_probe.h"

namespace {

using zorvane::Language;

const zorvane::GeoPlace kNewDelhi{28.6139, 77.2090};
int India(double) { return 330; }
constexpr double kLondonChangeJd = 2460029.5 + 1.0 / 24;  // 2023-03-26 01:00 UT, summer time begins
int London(double jd) { return jd < kLondonChangeJd ? 0 : 60; }

zorvane::DayReport Day(const zorvane::CivilDate& date, const zorvane::GeoPlace& place, const std::string& name,
                       int (*offset)(double)) {
    return *zorvane::ComputeDayReport(date, place, {name, "+05:30"}, offset).report;
}

PanchangWindowPlace NewDelhiReading() {
    PanchangWindowPlace place;
    place.latitudeDegrees = kNewDelhi.latitudeNorthDegrees;
    place.longitudeDegrees = kNewDelhi.longitudeEastDegrees;
    place.fixedOffsetMinutes = 330;
    return place;
}

bool HasLatinLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter() && c.unicode() < 0x0100; });
}

// Asks every panchang text with a recording wording: the day (with and
// without a place name, across a clock change), the month grid, its names,
// title and pages, and the time line's names.
std::set<std::string> WordsAsked() {
    std::set<std::string> asked;
    const zorvane::Wording recording{Language::Hindi, [&asked](std::string_view english) {
                                         asked.emplace(english);
                                         return std::string(english);
                                     }};
    for (const zorvane::DayReport& day : {Day({2023, 7, 20}, kNewDelhi, "New Delhi", India),
                                          Day({2023, 7, 16}, kNewDelhi, "", India),
                                          Day({2023, 3, 25}, {51.5074, -0.1278}, "London", London)}) {
        zorvane::DayReportText(day, recording);
        DayPanchangHtml(day, recording);
        DayTimeline timeline;
        timeline.SetWording(recording);
        timeline.SetDay(day);
        timeline.Labels();
    }
    const std::vector<zorvane::CalendarDayRow> rows = zorvane::ComputeCalendar(2023, 7, kNewDelhi, India);
    for (const zorvane::CalendarDayRow& row : rows) MonthCellText(row, recording);
    MonthCalendarHtml(rows, MonthPageTitle(2023, 7, QStringLiteral("New Delhi"), recording), recording);
    return asked;
}

TEST(PanchangWords, EveryWordAskedIsListedAndTranslated) {
    std::set<std::string> listed(zorvane::ReadingWords().begin(), zorvane::ReadingWords().end());
    listed.insert(zorvane::PanchangWords().begin(), zorvane::PanchangWords().end());
    const std::set<std::string> asked = WordsAsked();
    ASSERT_GT(asked.size(), 40U);
    for (const std::string& word : asked) EXPECT_TRUE(listed.contains(word)) << '"' << word << '"';

    zorvane::Translation translation;
    ASSERT_TRUE(translation.apply(Language::Hindi));
    const zorvane::Wording hindi = zorvane::WindowWording(Language::Hindi);
    for (const char* word : zorvane::PanchangWords()) {
        EXPECT_NE(hindi.Say(word), word) << "untranslated: \"" << word << '"';
    }
}

class PanchangInHindi : public ::testing::Test {
public:
    FakeDesktop desktop;
    zorvane::Translation translation;
    std::unique_ptr<frmPanchang> window;

    void SetUp() override {
        ASSERT_TRUE(translation.apply(Language::Hindi));
        window = std::make_unique<frmPanchang>(desktop, NewDelhiReading(), QDate(2023, 7, 20));
        ShowActive(*window);
    }
};

TEST_F(PanchangInHindi, TheDayAndTheMonthReadInHindi) {
    const QTableWidget& day = Control<QTableWidget>(*window, "tblDay");
    ASSERT_GT(day.rowCount(), 60);
    for (int row = 0; row < day.rowCount(); ++row) {
        EXPECT_FALSE(HasLatinLetter(day.item(row, 0)->text())) << day.item(row, 0)->text().toStdString();
        EXPECT_FALSE(HasLatinLetter(day.item(row, 1)->text())) << day.item(row, 1)->text().toStdString();
    }
    const struct {
        const char* what;
        const char* value;
    } rows[] = {
        {"वार", "गुरुवार"},
        {"तिथि", "शुक्ल तृतीया  04:31 - 21/07 06:58"},
        {"राहु काल", "14:10 - 15:53"},
        {"होरा 1", "गुरु  05:36 - 06:44"},
        {"मास (अमांत)", "श्रावण (अधिक)"},
        {"संवत्सर", "शोभकृत"},
    };
    for (const auto& expected : rows) {
        bool found = false;
        for (int row = 0; row < day.rowCount(); ++row) {
            if (day.item(row, 0)->text() != QString::fromUtf8(expected.what)) continue;
            found = true;
            EXPECT_EQ(day.item(row, 1)->text().toStdString(), expected.value) << expected.what;
            break;
        }
        EXPECT_TRUE(found) << expected.what;
    }
    EXPECT_EQ(day.horizontalHeaderItem(1)->text().toStdString(), "कब / मान (+05:30)");
    EXPECT_TRUE(Control<QLabel>(*window, "lblPlace").text().contains(QStringLiteral("28.6139 उ, 77.2090 पू; +05:30")))
        << Control<QLabel>(*window, "lblPlace").text().toStdString();

    EXPECT_EQ(Control<QLabel>(*window, "lblMonth").text().toStdString(), "जुलाई 2023");
    EXPECT_EQ(Control<QLabel>(*window, "lblMonthNames").text().toStdString(),
              "अमांत: आषाढ़, श्रावण (अधिक) / पूर्णिमांत: आषाढ़, श्रावण, श्रावण (अधिक)");
    const QTableWidget& month = Control<QTableWidget>(*window, "tblMonth");
    int cells = 0;
    for (int row = 0; row < month.rowCount(); ++row) {
        for (int column = 0; column < month.columnCount(); ++column) {
            const QTableWidgetItem* cell = month.item(row, column);
            if (cell == nullptr) continue;
            ++cells;
            EXPECT_FALSE(HasLatinLetter(cell->text())) << cell->text().toStdString();
        }
    }
    EXPECT_EQ(cells, 31);

    QTest::mouseClick(&Control<QPushButton>(*window, "cmdCopy"), Qt::LeftButton);
    EXPECT_TRUE(desktop.clipboard.startsWith(QStringLiteral("2023-07-20 का पंचांग")))
        << desktop.clipboard.toStdString();
    EXPECT_FALSE(desktop.clipboard.contains(QStringLiteral("Sunrise")));
}

// Narrowed, the time line shortens or leaves out the names that do not fit
// their span, and the tooltip over a span gives its name whole.
TEST_F(PanchangInHindi, TheTimeLineKeepsEachNameInsideItsSpan) {
    auto& timeline = Control<DayTimeline>(*window, "picTimeline");
    for (const int width : {900, 420}) {
        timeline.resize(width, timeline.height());
        const QFontMetrics metrics = timeline.fontMetrics();
        int shortened = 0;
        for (const DayTimeline::Label& label : timeline.Labels()) {
            EXPECT_LE(metrics.horizontalAdvance(label.shown), label.box.width()) << label.text.toStdString();
            EXPECT_GE(label.box.left(), 0);
            EXPECT_LE(label.box.right(), width) << label.text.toStdString();
            if (label.shown == label.text) continue;
            ++shortened;
            EXPECT_TRUE(timeline.ToolTipAt(label.box.center()).contains(label.text)) << label.text.toStdString();
        }
        // Of two spans of a row, the first one's name ends before the second begins.
        const std::vector<DayTimeline::Label> labels = timeline.Labels();
        for (const DayTimeline::Label& first : labels) {
            for (const DayTimeline::Label& second : labels) {
                const bool spans = first.tip.contains(u'-') && second.tip.contains(u'-');
                if (!spans || first.box.top() != second.box.top() || second.box.left() <= first.box.left()) continue;
                if (second.box.left() > first.box.right()) continue;
                EXPECT_LT(first.box.left() + metrics.horizontalAdvance(first.shown), second.box.left())
                    << first.text.toStdString() << " runs under " << second.text.toStdString();
            }
        }
        if (width < 500) {
            EXPECT_GT(shortened, 0);
        }
    }
}

// The printed day in Hindi: its PDF reads back with the Devanagari row names
// and names, and embeds the font that draws them.
TEST(PanchangPdf, TheHindiDayReadsBackFromThePdf) {
    zorvane::Translation translation;
    ASSERT_TRUE(translation.apply(Language::Hindi));
    const zorvane::Wording hindi = zorvane::WindowWording(Language::Hindi);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("day.pdf"));
    const zorvane::DayReport day = Day({2023, 7, 20}, kNewDelhi, "New Delhi", India);
    ASSERT_FALSE(WriteHtmlPdf(path, DayPanchangHtml(day, hindi), PageTurn::Portrait).has_value());

    const auto poppler = [](const char* tool, const QStringList& arguments) {
        QProcess process;
        process.start(QStandardPaths::findExecutable(QString::fromLatin1(tool)), arguments);
        process.waitForFinished(-1);
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    // Vowel signs written before their consonant read back as nothing (see
    // the report's own test), so the names checked have none.
    const QString text = poppler("pdftotext", {path, QStringLiteral("-")});
    for (const char* expected : {"मघा 1", "तृतीया", "होरा 24", "पद"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    }
    EXPECT_FALSE(text.contains(QStringLiteral("Rahu kalam")));
    const QString fonts = poppler("pdffonts", {path});
    EXPECT_TRUE(fonts.contains(QStringLiteral("Devanagari"))) << fonts.toStdString();
}

}  // namespace
