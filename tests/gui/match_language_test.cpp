// Matching in Hindi: every word the matching texts ask is in the catalogue,
// and the Match window and the day-of-the-star page show Devanagari where
// the English window shows the koota and porutham names.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <algorithm>
#include <set>
#include <string>

#include "core/dasha/vimshottari_dasha.h"
#include "core/matching/ashtakoota.h"
#include "core/matching/match_text.h"
#include "core/matching/porutham.h"
#include "core/matching/star_day.h"
#include "fake_desktop.h"
#include "gui/desktop/language.h"
#include "gui/desktop/match_words.h"
#include "gui/desktop/reading_words.h"
#include "gui/windows/frmDetails.h"
#include "gui/windows/frmMatch.h"
#include "window_probe.h"

namespace {

using zorvane::Language;

constexpr int kPadas = 108;
constexpr int kPadasPerSign = 9;
constexpr double kIstLeadHours = 5.5;

zorvane::Star StarOfPada(int padaIndex) { return {padaIndex / 4, padaIndex % 4 + 1}; }

// The names the English texts give the kootas and poruthams.
const auto kEnglishNames = std::to_array<const char*>({"Varna", "Vashya", "Tara", "Yoni", "Graha Maitri", "Bhakoot",
                                                      "Nadi", "Dina", "Mahendra", "Stree Deergha", "Rasi",
                                                      "Rasyadhipati", "Vasya", "Rajju", "Vedha", "Gana"});

bool HasDevanagari(const QString& text) {
    constexpr char16_t kFirst = 0x0900;  // the Unicode block of Devanagari
    constexpr char16_t kLast = 0x097F;
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= kFirst && c.unicode() <= kLast; });
}

QString EnglishNameIn(const QString& text) {
    for (const char* name : kEnglishNames) {
        if (text.contains(QLatin1String(name))) return QLatin1String(name);
    }
    return {};
}

TEST(MatchWords, EveryWordAskedIsListedAndTranslated) {
    std::set<std::string> asked;
    const zorvane::Wording recording{Language::Hindi, [&asked](std::string_view english) {
                                         asked.emplace(english);
                                         return std::string(english);
                                     }};
    for (int b = 0; b < kPadas; ++b) {
        for (int g = 0; g < kPadas; ++g) {
            const zorvane::Star bride = StarOfPada(b);
            const zorvane::Star groom = StarOfPada(g);
            zorvane::FormatMatchText(bride, groom, zorvane::MatchAshtakoota(bride, groom, recording),
                                     zorvane::MatchPorutham(bride, groom, recording), recording);
        }
    }
    const auto [start, end] = zorvane::CivilDayBounds(2024, 3, 15, kIstLeadHours);
    for (int sign = 0; sign < 12; ++sign) {
        const zorvane::Star birth = StarOfPada(sign * kPadasPerSign);
        zorvane::FormatStarDayText(birth, zorvane::ComputeStarDay(birth, start, end), kIstLeadHours, recording);
    }
    std::set<std::string> listed(zorvane::MatchWords().begin(), zorvane::MatchWords().end());
    listed.insert(zorvane::ReadingWords().begin(), zorvane::ReadingWords().end());
    for (const std::string& word : asked) EXPECT_TRUE(listed.contains(word)) << '"' << word << '"';

    zorvane::Translation translation;
    ASSERT_TRUE(translation.apply(Language::Hindi));
    const zorvane::Wording hindi = zorvane::WindowWording(Language::Hindi);
    for (const char* word : zorvane::MatchWords()) {
        EXPECT_NE(hindi.Say(word), word) << "untranslated: \"" << word << '"';
    }
}

TEST(MatchWindowInHindi, TablesTotalsAndTextInDevanagari) {
    zorvane::Translation translation;
    ASSERT_TRUE(translation.apply(Language::Hindi));
    FakeDesktop desktop;
    frmMatch window(desktop, MatchBirth{{3, 3}, QStringLiteral("Asha")}, {});
    ShowActive(window);
    EXPECT_EQ(Control<QComboBox>(window, "cboBrideNakshatra").currentText(), QStringLiteral("रोहिणी"));
    Control<QComboBox>(window, "cboGroomNakshatra").setCurrentIndex(0);

    struct Column {
        const char* table;
        int column;
    };
    for (const Column& c : std::to_array<Column>({{"tblAshtakoota", 0}, {"tblAshtakoota", 1}, {"tblAshtakoota", 2},
                                                   {"tblAshtakoota", 4}, {"tblPorutham", 0}, {"tblPorutham", 1},
                                                   {"tblPorutham", 2}})) {
        const auto& table = Control<QTableWidget>(window, c.table);
        for (int row = 0; row < table.rowCount(); ++row) {
            const QString text = table.item(row, c.column)->text();
            EXPECT_TRUE(HasDevanagari(text)) << c.table << " " << row << "," << c.column << ": " << text.toStdString();
            EXPECT_EQ(EnglishNameIn(text), QString()) << c.table << " " << row << ": " << text.toStdString();
        }
    }
    for (const char* label : {"lblTotal", "lblAgreeing", "lblDoshas", "lblGroomSource"}) {
        EXPECT_TRUE(HasDevanagari(Control<QLabel>(window, label).text())) << label;
    }
    EXPECT_TRUE(Control<QLabel>(window, "lblTotal").text().contains(QStringLiteral("कुल: 36 में से 24.5")));

    const QString text = window.MatchText();
    EXPECT_EQ(EnglishNameIn(text), QString()) << text.toStdString();

    // The PDF of the Hindi text: one page, its title in Hindi.
    QTemporaryDir dir;
    desktop.savePaths.push_back(dir.filePath(QStringLiteral("match.pdf")));
    QTest::mouseClick(&Control<QPushButton>(window, "cmdExportPdf"), Qt::LeftButton);
    EXPECT_TRUE(desktop.messages.isEmpty());
    QFile pdf(dir.filePath(QStringLiteral("match.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    for (const char* expected : {"वधू: रोहिणी पद 3, वृषभ", "वर: अश्विनी पद 1, मेष", "ग्रह मैत्री", "राश्यधिपति"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    }
}

TEST(StarDayPageInHindi, TarasSignsAndSentencesInDevanagari) {
    zorvane::Translation translation;
    ASSERT_TRUE(translation.apply(Language::Hindi));
    zorvane::BirthRecord record;
    auto& details = record.details.emplace();
    details.universalJd = 2451545.0;
    details.clockLeadHours = kIstLeadHours;
    details.pada = 2;
    record.dasha = zorvane::ComputeVimshottariDasha(400.0 / 60.0, details.universalJd);  // mid Ashwini
    record.nakshatraIndex = 0;
    FakeDesktop desktop;
    frmDetails window(desktop, record);
    const QString text = Control<QPlainTextEdit>(window, "txtStarDay").toPlainText();
    for (const char* expected : {"जन्म नक्षत्र: अश्विनी पद 2, मेष", "ताराबल", "चंद्रबल", "चंद्राष्टम: "}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    }
    for (const char* english : {"Tarabala", "Chandrabala", "favourable", "from birth", "Birth star"}) {
        EXPECT_FALSE(text.contains(QLatin1String(english))) << english << "\n" << text.toStdString();
    }
}

}  // namespace
