#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "app/startup.h"
#include "app/system_desktop.h"
#include "fake_desktop.h"

namespace {

const QString kApplication = QStringLiteral("zorvane");

// Scripted clock and answers, but the program's real per-user INI store.
class DesktopWithRealSettings : public FakeDesktop {
public:
    QString readSetting(const QString& application, const QString& section,
                        const QString& key) override {
        return store.readSetting(application, section, key);
    }
    void writeSetting(const QString& application, const QString& section, const QString& key,
                      const QString& value) override {
        ++settingWrites;
        store.writeSetting(application, section, key, value);
    }

private:
    SystemDesktop store;
};

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The scrambled key and value hold characters that INI files must escape.
TEST(SettingsStore, ReminderDateSurvivesTheUsersIniFileAndIsWrittenOnlyWhenDue) {
    QTemporaryDir configFolder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configFolder.path());
    const QString file = configFolder.filePath(kApplication + QStringLiteral(".ini"));
    const QLocale us(QStringLiteral("en_US"));

    DesktopWithRealSettings desktop;
    desktop.todayValue = QDate(2026, 12, 8);
    zorvane::UpdateReminder(desktop, kApplication, us);
    ASSERT_TRUE(QFile::exists(file)) << "first run stores the date";
    const QByteArray firstRun = Contents(file);
    EXPECT_TRUE(firstRun.contains("[Settings]")) << firstRun.toStdString();

    desktop.todayValue = QDate(2026, 12, 22);
    zorvane::UpdateReminder(desktop, kApplication, us);
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(Contents(file), firstRun) << "a quiet start writes nothing";

    desktop.todayValue = QDate(2026, 12, 23);
    zorvane::UpdateReminder(desktop, kApplication, us);
    EXPECT_EQ(desktop.messages.size(), 1) << "the stored date read back from the file";
    EXPECT_NE(Contents(file), firstRun);
}

TEST(SettingsStore, ReadingAKeyNeverWrittenGivesEmptyTextAndMakesNoFile) {
    QTemporaryDir configFolder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configFolder.path());
    SystemDesktop desktop;
    EXPECT_TRUE(desktop.readSetting(kApplication, QStringLiteral("Settings"), QStringLiteral("x"))
                    .isEmpty());
    EXPECT_FALSE(QFile::exists(configFolder.filePath(kApplication + QStringLiteral(".ini"))));
}

}  // namespace
