// The language: chosen at start from the settings or the locale, changed
// from the menu at once, kept, and English again exactly as it was.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <set>
#include <string>

#include "core/format/dasha_text.h"
#include "core/format/details_text.h"
#include "core/format/reading_lines.h"
#include "core/reading/compute_reading.h"
#include "core/zones/applied_zone.h"
#include "core/zones/clock_change.h"
#include "core/zones/clock_offer.h"
#include "core/zones/clock_standards.h"
#include "core/zones/standard_changes.h"
#include "gui/desktop/language.h"
#include "gui/desktop/reading_words.h"
#include "gui/report/chart_wheel.h"
#include "gui/report/pdf_report.h"
#include "gui/report/reading_report.h"
#include "gui/windows/frmHelp.h"
#include "gui/windows/startup.h"
#include "main_window_fixture.h"

namespace {

using zorvane::Language;

// Every text a user reads on the window, by the control's objectName.
QMap<QString, QString> TextsOf(QWidget& window) {
    QMap<QString, QString> texts;
    texts.insert(QStringLiteral("window title"), window.windowTitle());
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty()) continue;
        if (const auto* label = qobject_cast<const QLabel*>(w)) texts.insert(name, label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) texts.insert(name, button->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(w)) texts.insert(name, group->title());
        if (const auto* menu = qobject_cast<const QMenu*>(w)) texts.insert(name, menu->title());
        if (const auto* list = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i) texts.insert(name + QString::number(i), list->itemText(i));
        }
        if (!w->toolTip().isEmpty()) texts.insert(name + QStringLiteral(" tip"), w->toolTip());
    }
    for (const QAction* a : window.findChildren<QAction*>()) {
        if (!a->objectName().isEmpty()) texts.insert(a->objectName(), a->text());
    }
    return texts;
}

bool HasDevanagari(const QString& text) {
    constexpr char16_t kFirst = 0x0900;  // the Unicode block of Devanagari
    constexpr char16_t kLast = 0x097F;
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= kFirst && c.unicode() <= kLast; });
}

class LanguageTest : public MainWindowTest {
public:
    QString Stored() { return desktop.settings.value(zorvane::ApplicationName() + "/Settings/Language"); }
    void Choose(const char* item) {
        Get<QAction>(item).trigger();
        // The change reaches the windows as posted events; no timer is involved.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
};

TEST_F(LanguageTest, HindiFromTheMenuAndBackToEnglishExactly) {
    Enter(DelhiMidnight1947());
    Click("cmdCalculate");
    const QMap<QString, QString> english = TextsOf(*window);
    ASSERT_EQ(english.value("lblYogaName"), "Siddhi");

    Choose("mnuLanguageHindi");
    EXPECT_EQ(Stored(), "hi");
    const QMap<QString, QString> hindi = TextsOf(*window);
    EXPECT_EQ(hindi.value("lblYogaName"), "सिद्धि");
    EXPECT_EQ(hindi.value("lblNakshatraName"), "पुष्य");
    EXPECT_EQ(hindi.value("cboMonth7"), "अगस्त");
    EXPECT_EQ(Get<QComboBox>("cboMonth").currentIndex(), 7);  // the birth's August stays chosen
    for (const char* name : {"cmdCalculate", "cmdDetails", "cmdSave", "cmdBack", "Label2", "fraZone", "mnuFile",
                             "mnuHelp", "mnuExit", "mnuLanguage", "cmdDetails tip", "Label1", "lblZoneAsApplied", "lblWhoseReading"}) {
        EXPECT_TRUE(HasDevanagari(hindi.value(name))) << name << ": " << hindi.value(name).toStdString();
    }
    EXPECT_TRUE(Get<QAction>("mnuLanguageHindi").isChecked());

    Choose("mnuLanguageEnglish");
    EXPECT_EQ(Stored(), "en");
    EXPECT_TRUE(Get<QAction>("mnuLanguageEnglish").isChecked());
    const QMap<QString, QString> again = TextsOf(*window);
    for (auto it = english.begin(); it != english.end(); ++it) {
        EXPECT_EQ(again.value(it.key()), it.value()) << it.key().toStdString();
    }
    EXPECT_EQ(again.size(), english.size());
}

TEST_F(LanguageTest, AStoredChoiceOpensTheNextWindowInIt) {
    Choose("mnuLanguageHindi");
    window.reset();
    OpenWindow();
    EXPECT_TRUE(Get<QAction>("mnuLanguageHindi").isChecked());
    EXPECT_TRUE(HasDevanagari(Get<QPushButton>("cmdCalculate").text()));
    Choose("mnuLanguageEnglish");
}

// What a poppler-utils tool prints for a file.
QString Poppler(const char* tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    EXPECT_FALSE(program.isEmpty()) << tool << " (poppler-utils) is missing";
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    return QString::fromUtf8(process.readAllStandardOutput());
}

zorvane::BirthRecord Delhi1947(const char* latDegrees = "28") {
    const zorvane::ReadingForm form{.name = "Bharat", .zoneHour = "5", .zoneMinute = "30",
                                    .latDegrees = latDegrees, .latMinutes = "36", .lonDegrees = "77",
                                    .lonMinutes = "13", .monthIndex = 7, .dayIndex = 14, .dayText = "15",
                                    .yearText = "1947"};
    const auto input = zorvane::ParseForm(form, zorvane::NumberFormat{});
    EXPECT_TRUE(std::holds_alternative<zorvane::BirthInput>(input));
    return zorvane::ComputeReading(std::get<zorvane::BirthInput>(input));
}

// The report in Hindi embeds a font that draws Devanagari, so its names read
// back from the PDF as the text they are, on a machine without that font too.
TEST(HindiReport, ThePdfCarriesTheDevanagariNamesAndItsFont) {
    zorvane::Translation translation;
    ASSERT_TRUE(translation.apply(Language::Hindi));
    const ReadingReport report = MakeReadingReport(Delhi1947(), QDate(2024, 1, 1));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("hindi.pdf"));
    ASSERT_FALSE(WriteReportPdf(path, report).has_value());

    // Qt's PDF maps a conjunct or a vowel sign written before its consonant
    // to no text, so pdftotext reads back only the names and titles without
    // them (the page itself shows every one; see docs/report-hi.png).
    const QString text = Poppler("pdftotext", {path, QStringLiteral("-")});
    EXPECT_FALSE(text.contains(QStringLiteral("Mahadashas")));
    for (const char* expected : {"महादशाएँ", "केतु", "बुध"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    }
    const QString fonts = Poppler("pdffonts", {path});
    const QStringList devanagari = fonts.split(u'\n').filter(QStringLiteral("Devanagari"));
    ASSERT_FALSE(devanagari.isEmpty()) << fonts.toStdString();
    for (const QString& line : devanagari) {
        EXPECT_TRUE(line.contains(QStringLiteral(" yes "))) << "not embedded: " << line.toStdString();
    }
}

// The sentences of a limb that changes near the birth read in the language of
// the window, its names included; English stays as it was.
TEST(HindiNearBounds, TheSentencesAndTheirNamesFollowTheLanguage) {
    const zorvane::BirthRecord delhi = Delhi1947();
    const std::vector<std::string> english = zorvane::NearBoundSentences(*delhi.details);
    ASSERT_FALSE(english.empty());
    EXPECT_EQ(english.front(),
              "The tithi ends less than a minute after the birth; a birth 1 minute later gives Krishna Chaturdashi.");
    zorvane::Translation translation;
    ASSERT_TRUE(translation.apply(Language::Hindi));
    const std::vector<std::string> hindi =
        zorvane::NearBoundSentences(*delhi.details, zorvane::WindowWording(Language::Hindi));
    ASSERT_EQ(hindi.size(), english.size());
    EXPECT_EQ(hindi.front(), "तिथि का अंत जन्म से एक मिनट से कम बाद होता है; 1 मिनट बाद का जन्म कृष्ण चतुर्दशी देता है।");
}

// In Hindi the help opens on its Hindi contents; every English page has its
// Hindi page, each written in Devanagari, and every link of a Hindi page leads
// to a page the program holds.
TEST(HindiHelp, OpensInHindiAndEveryLinkArrives) {
    EXPECT_EQ(frmHelp::ContentsPage(), QUrl(QStringLiteral("qrc:/help/index.html")));
    zorvane::Translation translation;
    ASSERT_TRUE(translation.apply(Language::Hindi));
    const QUrl contents = frmHelp::ContentsPage();
    ASSERT_EQ(contents, QUrl(QStringLiteral("qrc:/help/hi/index.html")));
    const QStringList html = {QStringLiteral("*.html")};
    const QStringList hindiPages = QDir(QStringLiteral(":/help/hi")).entryList(html, QDir::Files);
    for (const QString& page : QDir(QStringLiteral(":/help")).entryList(html, QDir::Files)) {
        EXPECT_TRUE(hindiPages.contains(page)) << "no Hindi page for " << page.toStdString();
    }
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (const QString& page : hindiPages) {
        QFile file(QStringLiteral(":/help/hi/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString text = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(HasDevanagari(text)) << page.toStdString();
        const QUrl here = contents.resolved(QUrl(page));
        for (auto it = link.globalMatch(text); it.hasNext();) {
            const QUrl target = here.resolved(QUrl(it.next().captured(1)));
            EXPECT_TRUE(QFile::exists(QLatin1Char(':') + target.path())) << page.toStdString() << " -> "
                                                                          << target.toString().toStdString();
            EXPECT_TRUE(target.path().startsWith(QStringLiteral("/help/hi/")))  // no detour into English
                << page.toStdString() << " -> " << target.toString().toStdString();
        }
    }
}

TEST(StartLanguage, TheStoredChoiceElseTheLocale) {
    struct Case {
        const char* stored;
        const char* locale;
        Language expected;
    };
    for (const Case& c : {
             Case{"", "hi_IN", Language::Hindi},
             Case{"", "en_US", Language::English},
             Case{"", "de_DE", Language::English},
             Case{"en", "hi_IN", Language::English},
             Case{"hi", "en_GB", Language::Hindi},
             Case{"klingon", "hi_IN", Language::Hindi},  // a damaged value counts as none
         }) {
        FakeDesktop desktop;
        if (*c.stored != '\0') desktop.settings.insert("app/Settings/Language", c.stored);
        EXPECT_EQ(zorvane::StartLanguage(desktop, "app", QLocale(QString::fromLatin1(c.locale))), c.expected)
            << c.stored << " " << c.locale;
    }
}

// The words the formatting asks to translate are those the catalogue holds,
// and the Hindi catalogue translates every one.
// The wheel names its signs, nakshatras and bodies in the language shown,
// and draws them: the Hindi rings differ from the English ones.
TEST(HindiWheel, NamesAndRingsFollowTheLanguage) {
    const zorvane::BirthRecord record = Delhi1947();
    const auto picture = [&record] {
        return WheelPictureForBirth(record.details->moonSiderealDegrees, record.details->sunSiderealDegrees,
                                    *record.nakshatraIndex);
    };
    constexpr int kSide = 480;  // pixels
    const WheelPicture english = picture();
    EXPECT_EQ(english.caption, QStringList({"Pushya", QStringLiteral("Moon  Karka 3°59′"),
                                            QStringLiteral("Sun  Karka 27°59′")}));
    {
        zorvane::Translation translation;
        ASSERT_TRUE(translation.apply(Language::Hindi));
        const WheelPicture hindi = picture();
        ASSERT_EQ(hindi.caption.size(), 3);
        EXPECT_EQ(hindi.caption[0], QStringLiteral("पुष्य"));
        EXPECT_TRUE(hindi.caption[1].endsWith(QStringLiteral("कर्क 3°59′"))) << hindi.caption[1].toStdString();
        EXPECT_FALSE(hindi.caption[1].contains(QStringLiteral("Moon")));
        EXPECT_NE(RenderChartWheel(hindi, kSide), RenderChartWheel(english, kSide));
    }
    EXPECT_EQ(picture().caption, english.caption) << "English again once the catalogue is removed";
}

// Every sentence the zone line and the clock note can say.
void AskEveryZoneWord(const zorvane::Wording& wording) {
    using zorvane::ClockTimeAtChange;
    using zorvane::ZoneSource;
    for (const ZoneSource source : {ZoneSource::Typed, ZoneSource::Picker, ZoneSource::Atlas, ZoneSource::ChartFile,
                                    ZoneSource::ClockStandard}) {
        // The atlas names its zone, a clock standard itself.
        const std::string_view named = source == ZoneSource::ClockStandard ? "Bombay Time" : "Asia/Kolkata";
        for (const std::string_view name : {std::string_view(), named}) {
            for (const bool summer : {false, true}) {
                zorvane::AppliedZone zone;
                zone.zoneSeconds = 19800;
                zone.daylightSaving = summer;
                zone.source = source;
                zone.sourceName = name;
                zorvane::AppliedZoneSentence(zone, wording);
            }
        }
    }
    constexpr int kIst = 330;  // minutes
    for (const int summer : {0, 30, 60, 120}) {
        for (const ClockTimeAtChange at :
             {ClockTimeAtChange::Ordinary, ClockTimeAtChange::Skipped, ClockTimeAtChange::Repeated}) {
            zorvane::ZoneNote({.known = true, .offsetMinutes = kIst + summer, .standardOffsetMinutes = kIst,
                               .clockTime = at},
                              wording);
            for (const zorvane::RepeatedChoice choice : {zorvane::RepeatedChoice::Earlier, zorvane::RepeatedChoice::Later}) {
                zorvane::ClockNote({at, -18000, -14400}, choice, "02:30", "2023-03-12", wording);
            }
        }
    }
    zorvane::ClockStandardOption bombay;
    bombay.name = "Bombay Time";
    bombay.offsetSeconds = 17470;
    bombay.years = "until 1955";
    bombay.where = "Bombay and its suburbs";
    zorvane::StandardClockNote(bombay, 19800, wording);
    zorvane::TzDatabaseClockNote(19800, wording);

    // Every row the clock choice can list, computed and not.
    std::vector<zorvane::ClockStandardOption> options;
    for (const zorvane::ClockStandardRow& row : zorvane::kClockStandards) {
        zorvane::ClockStandardOption option;
        option.name = row.name;
        option.where = row.where;
        option.years = row.standard == zorvane::ClockStandard::War ? "1941-1945" : "until 1955";
        options.push_back(option);
    }
    for (const ClockTimeAtChange at : {ClockTimeAtChange::Skipped, ClockTimeAtChange::Repeated}) {
        zorvane::ClockOffer offer;
        offer.zone.known = true;
        offer.change = {at, -18000, -14400};
        for (const zorvane::ClockChoiceRow& row : zorvane::ClockChoiceRows(offer)) options.push_back(row.option);
    }
    for (const zorvane::ClockStandardOption& option : options) {
        for (const bool computed : {false, true}) {
            zorvane::StandardChangeText({option, computed, {}, 0.5}, wording);
        }
    }
    // Each reading in another pada than the one before, so that a change is told.
    const auto names = [call = 0](int) mutable -> std::optional<zorvane::ReadingNames> {
        return zorvane::ReadingNames{"Pushya", 1 + call++ % 2, "Shukla Pratipada", "Siddhi", "Bava", 1.0};
    };
    zorvane::ChangesOfStandards(options, 19800, names, wording);
}

TEST(ReadingWords, EveryWordAskedIsListedAndTranslated) {
    std::set<std::string> asked;
    const zorvane::Wording recording{Language::Hindi, [&asked](std::string_view english) {
                                         asked.emplace(english);
                                         return std::string(english);
                                     }};
    for (const char* latitude : {"28", "95"}) {  // with and without sunrise
        const zorvane::BirthRecord record = Delhi1947(latitude);
        zorvane::BirthLines(record, recording);
        zorvane::DetailsPlainText(*record.details, recording);
        zorvane::DashaTextTable(*record.dasha, record.details->clockLeadHours, recording);
    }
    AskEveryZoneWord(recording);
    const std::set<std::string> listed(zorvane::ReadingWords().begin(), zorvane::ReadingWords().end());
    for (const std::string& word : asked) EXPECT_TRUE(listed.contains(word)) << '"' << word << '"';

    zorvane::Translation translation;
    ASSERT_TRUE(translation.apply(Language::Hindi));
    const zorvane::Wording hindi = zorvane::WindowWording(Language::Hindi);
    for (const char* word : zorvane::ReadingWords()) {
        EXPECT_NE(hindi.Say(word), word) << "untranslated: \"" << word << '"';
    }
}

}  // namespace
