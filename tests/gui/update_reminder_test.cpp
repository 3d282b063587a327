#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <QString>

#include "gui/desktop/links.h"
#include "gui/windows/startup.h"
#include "fake_desktop.h"

namespace {

using zorvane::UpdateReminder;

const QString kApplication = QStringLiteral("zorvane");
const QString kSection = QStringLiteral("Settings");
// "Duration" with every character code raised by 61.
const QString kKey = QString::fromLatin1("\x81\xb2\xaf\x9e\xb1\xa6\xac\xab");
const QString kReminderText = QStringLiteral(
    "There maybe an update to this software available\nDo you want to check for an update?");

const QLocale kUs(QStringLiteral("en_US"));
const QLocale kGb(QStringLiteral("en_GB"));

// The stored value: the short-date text with every character code raised by 61.
QString Scrambled(const QString& text) {
    QString result;
    for (const QChar c : text) result.append(QChar(c.unicode() + 61));
    return result;
}

// Remembers what the settings held when the download page was opened.
class RecordingDesktop : public FakeDesktop {
public:
    QString storedWhenPageOpened;
    bool openUrl(const QUrl& url) override {
        storedWhenPageOpened = settings.value(kApplication + '/' + kSection + '/' + kKey);
        return FakeDesktop::openUrl(url);
    }
};

class UpdateReminderTest : public ::testing::Test {
protected:
    RecordingDesktop desktop;

    void Store(const QString& dateText) {
        desktop.settings.insert(kApplication + '/' + kSection + '/' + kKey, Scrambled(dateText));
    }
    QString Stored() const { return desktop.settings.value(kApplication + '/' + kSection + '/' + kKey); }
    void ExpectReminderShown() const {
        ASSERT_EQ(desktop.messages.size(), 1);
        EXPECT_EQ(desktop.messages[0].text, kReminderText);
        EXPECT_EQ(desktop.messages[0].icon, Desktop::Icon::Information);
        EXPECT_EQ(desktop.messages[0].buttons, Desktop::Buttons::YesNo);
    }
};

TEST_F(UpdateReminderTest, FirstRunStoresTodayAndShowsNothing) {
    UpdateReminder(desktop, kApplication, kUs);  // today is 2026-12-08
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_TRUE(desktop.openedUrls.isEmpty());
    EXPECT_EQ(desktop.settingWrites, 1);
    EXPECT_EQ(Stored(), QStringLiteral("nolulos"));  // "12/8/26" scrambled
}

TEST_F(UpdateReminderTest, WithinAFortnightEitherWayNothingHappens) {
    for (const char* text : {"11/24/26" /* 14 days back */, "12/22/26" /* 14 ahead */,
                             "12/8/26"}) {
        SCOPED_TRACE(text);
        Store(QString::fromLatin1(text));
        UpdateReminder(desktop, kApplication, kUs);
        EXPECT_TRUE(desktop.messages.isEmpty());
        EXPECT_EQ(desktop.settingWrites, 0);
        EXPECT_EQ(Stored(), Scrambled(QString::fromLatin1(text)));
    }
}

TEST_F(UpdateReminderTest, FifteenDaysBackAnsweredYesStoresTodayThenOpensTheDownloadPage) {
    Store(QStringLiteral("11/23/26"));
    desktop.answers = {Desktop::Answer::Yes};
    UpdateReminder(desktop, kApplication, kUs);
    ExpectReminderShown();
    EXPECT_EQ(Stored(), Scrambled(QStringLiteral("12/8/26")));
    ASSERT_EQ(desktop.openedUrls.size(), 1);
    EXPECT_EQ(desktop.openedUrls[0], zorvane::WebPageAddress(zorvane::WebPage::Download));
    EXPECT_EQ(desktop.storedWhenPageOpened, Scrambled(QStringLiteral("12/8/26")));
}

TEST_F(UpdateReminderTest, AnsweredNoOnlyStoresToday) {
    Store(QStringLiteral("11/23/26"));
    desktop.answers = {Desktop::Answer::No};
    UpdateReminder(desktop, kApplication, kUs);
    ExpectReminderShown();
    EXPECT_EQ(desktop.settingWrites, 1);
    EXPECT_EQ(Stored(), Scrambled(QStringLiteral("12/8/26")));
    EXPECT_TRUE(desktop.openedUrls.isEmpty());
}

// A read-only settings file: asking would repeat at every start.
TEST_F(UpdateReminderTest, NothingIsAskedWhenTodayCannotBeKept) {
    Store(QStringLiteral("11/23/26"));
    desktop.settingsKept = false;
    UpdateReminder(desktop, kApplication, kUs);
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(Stored(), Scrambled(QStringLiteral("11/23/26")));
}

// As after the clock was set back.
TEST_F(UpdateReminderTest, TwentyDaysAheadShowsTheReminder) {
    Store(QStringLiteral("12/28/26"));
    UpdateReminder(desktop, kApplication, kUs);
    ExpectReminderShown();
    EXPECT_EQ(Stored(), Scrambled(QStringLiteral("12/8/26")));
}

TEST_F(UpdateReminderTest, DamagedValueEndsQuietlyAndIsLeftAlone) {
    for (const QString& damaged :
         {Scrambled(QStringLiteral("not a date")), Scrambled(QStringLiteral("13/45/26")),
          Scrambled(QStringLiteral("08/12/2026")) /* written under another format */,
          QStringLiteral("\xff\xfe")}) {
        SCOPED_TRACE(damaged.toStdString());
        desktop.settings.insert(kApplication + '/' + kSection + '/' + kKey, damaged);
        UpdateReminder(desktop, kApplication, kUs);
        EXPECT_TRUE(desktop.messages.isEmpty());
        EXPECT_EQ(desktop.settingWrites, 0);
        EXPECT_EQ(Stored(), damaged);
    }
}

// Runs the reminder on three start-ups in one locale: the first stores the
// date, 14 days later nothing happens, 15 days later the reminder shows.
void ExpectFortnightlyReminder(const QLocale& locale, const QDate& firstRun) {
    FakeDesktop desktop;
    desktop.todayValue = firstRun;
    UpdateReminder(desktop, kApplication, locale);
    const QString stored = desktop.settings.value(kApplication + '/' + kSection + '/' + kKey);
    ASSERT_FALSE(stored.isEmpty());

    desktop.todayValue = firstRun.addDays(14);
    UpdateReminder(desktop, kApplication, locale);
    ASSERT_TRUE(desktop.messages.isEmpty()) << "a reminder at every start";
    ASSERT_EQ(desktop.settings.value(kApplication + '/' + kSection + '/' + kKey), stored);

    desktop.todayValue = firstRun.addDays(15);
    UpdateReminder(desktop, kApplication, locale);
    ASSERT_EQ(desktop.messages.size(), 1) << "no reminder after 15 days";
}

TEST(UpdateReminderLocales, AtMostOnceAFortnightWithTwoAndFourDigitYears) {
    ExpectFortnightlyReminder(kUs, QDate(2026, 12, 8));
    ExpectFortnightlyReminder(kGb, QDate(2026, 12, 8));
}

// Through the scramble and the single-byte value, in every locale Qt knows.
TEST(UpdateReminderLocales, AtMostOnceAFortnightInEveryLocale) {
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        SCOPED_TRACE(locale.name().toStdString());
        ExpectFortnightlyReminder(locale, QDate(2026, 12, 8));
        if (::testing::Test::HasFatalFailure()) return;
    }
}

}  // namespace
