#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

#include "gui/desktop/reminder_date.h"

namespace {

using zorvane::ReadReminderDate;
using zorvane::ReminderDateText;

const QDate kToday(2026, 12, 8);

std::optional<QDate> Read(const char* text, const char* locale) {
    return ReadReminderDate(QString::fromUtf8(text), QLocale(QString::fromLatin1(locale)), kToday);
}

// en_US writes a two-digit year, which Qt alone reads back in the 1900s.
TEST(ReminderDate, TwoDigitYearReadsBackInTheCenturyNearestToday) {
    const QLocale us(QStringLiteral("en_US"));
    EXPECT_EQ(ReminderDateText(kToday, us), QStringLiteral("12/8/26"));
    EXPECT_EQ(Read("12/8/26", "en_US"), QDate(2026, 12, 8));
    EXPECT_EQ(Read("12/8/60", "en_US"), QDate(2060, 12, 8));  // 34 years ahead, not 66 back
    EXPECT_EQ(Read("12/8/95", "en_US"), QDate(1995, 12, 8));  // 31 years back, not 69 ahead
    // 29 February exists in 2000 but not in 1900, where Qt would look first.
    EXPECT_EQ(Read("2/29/00", "en_US"), QDate(2000, 2, 29));
}

TEST(ReminderDate, FourDigitYearReadsBackAsWritten) {
    const QLocale gb(QStringLiteral("en_GB"));
    EXPECT_EQ(ReminderDateText(kToday, gb), QStringLiteral("08/12/2026"));
    EXPECT_EQ(Read("08/12/2026", "en_GB"), QDate(2026, 12, 8));
    EXPECT_EQ(Read("8/12/1926", "en_GB"), QDate(1926, 12, 8));
}

TEST(ReminderDate, MonthWrittenAsANameReadsBack) {
    EXPECT_EQ(ReminderDateText(kToday, QLocale::c()), QStringLiteral("8 Dec 2026"));
    EXPECT_EQ(Read("8 Dec 2026", "C"), QDate(2026, 12, 8));
    EXPECT_EQ(Read("8 Foo 2026", "C"), std::nullopt);
}

// Digits of other scripts would not survive the single-byte settings value.
TEST(ReminderDate, DigitsAreWrittenAsAsciiInEveryScript) {
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    const QString text = ReminderDateText(kToday, arabic);
    EXPECT_TRUE(text.contains(QStringLiteral("2026"))) << text.toStdString();
    EXPECT_EQ(ReadReminderDate(text, arabic, kToday), kToday);
}

TEST(ReminderDate, TextThatIsNotADateYieldsNothing) {
    for (const char* text : {"", "hello", "12/8", "12/8/26/1", "13/8/26", "2/30/26", "0/8/26",
                             "12/8/2026" /* four digits where two belong */, "123/8/26"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Read(text, "en_US"), std::nullopt);
    }
    EXPECT_EQ(Read("31/02/2026", "en_GB"), std::nullopt);
}

// Every locale Qt knows, and dates from the edges of the fortnight to half a
// century away, where the two-digit century choice is closest to flipping.
TEST(ReminderDate, EveryLocaleReadsBackTheDateItWrote) {
    const QList<QDate> dates = {kToday,
                                kToday.addDays(-15),
                                kToday.addDays(20),
                                QDate(2000, 2, 29),
                                kToday.addYears(-49),
                                kToday.addYears(49),
                                QDate(2026, 1, 31)};
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_FALSE(locales.isEmpty());
    for (const QLocale& locale : locales) {
        for (const QDate& date : dates) {
            const QString text = ReminderDateText(date, locale);
            ASSERT_EQ(ReadReminderDate(text, locale, kToday), date)
                << locale.name().toStdString() << " wrote " << text.toStdString();
        }
    }
}

}  // namespace
