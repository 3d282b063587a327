#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <QTemporaryDir>

#include "gui/windows/startup.h"
#include "gui/desktop/system_desktop.h"
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
    bool writeSetting(const QString& application, const QString& section, const QString& key,
                      const QString& value) override {
        ++settingWrites;
        return store.writeSetting(application, section, key, value);
    }

    // The real store, whose own messages are counted instead of shown.
    class Store : public SystemDesktop {
    public:
        using SystemDesktop::SystemDesktop;
        Answer showMessage(QWidget*, const QString& text, Icon, Buttons) override {
            told << text;
            return Answer::Ok;
        }
        QStringList told;
    };

    QTemporaryDir configFolder;
    Store store{configFolder.path()};
};

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The scrambled key and value hold characters that INI files must escape.
TEST(SettingsStore, ReminderDateSurvivesTheUsersIniFileAndIsWrittenOnlyWhenDue) {
    DesktopWithRealSettings desktop;
    const QString file = desktop.configFolder.filePath(kApplication + QStringLiteral(".ini"));
    const QLocale us(QStringLiteral("en_US"));

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
    SystemDesktop desktop(configFolder.path());
    EXPECT_TRUE(desktop.readSetting(kApplication, QStringLiteral("Settings"), QStringLiteral("x"))
                    .isEmpty());
    EXPECT_FALSE(QFile::exists(configFolder.filePath(kApplication + QStringLiteral(".ini"))));
}

// A pipe would hold the start until something wrote to it; a huge file would
// take seconds and much memory to read. Both are left as they are.
TEST(SettingsStore, ASettingsFileThatIsNoRegularFileOrIsHugeGivesTheDefaults) {
    const QLocale us(QStringLiteral("en_US"));
    for (const bool pipe : {true, false}) {
        SCOPED_TRACE(pipe ? "pipe" : "huge file");
        DesktopWithRealSettings desktop;
        const QString file = desktop.configFolder.filePath(kApplication + QStringLiteral(".ini"));
        const QByteArray huge = "[Settings]\n" + QByteArray(qsizetype{1024} * 1024, 'k') + "=1\n";
        if (pipe) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        } else {
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(huge);
        }
        zorvane::UpdateReminder(desktop, kApplication, us);
        zorvane::UpdateReminder(desktop, kApplication, us);
        EXPECT_TRUE(desktop.messages.isEmpty());
        // Said once, naming the file, however often the settings are asked.
        ASSERT_EQ(desktop.store.told.size(), 1);
        EXPECT_TRUE(desktop.store.told[0].contains(file));
        EXPECT_EQ(QFileInfo(file).isFile(), !pipe);
        if (!pipe) {
            EXPECT_EQ(Contents(file), huge);
        }
    }
}

}  // namespace
