// The window's own inputs given what breaks programs: pasted text of any
// script and length, a folder where a reading file should be, a target no
// file can be written to, a stored setting that is not a date. Each gets
// its message or is ignored, and nothing that was there before changes.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "gui/windows/startup.h"
#include "main_window_fixture.h"

namespace {

constexpr int kVeryLong = 100'000;

QByteArray ReadingFileBytes(const QByteArray& nakshatra, const QByteArray& yoga, const QByteArray& lineEnd) {
    QByteArray bytes;
    for (const QByteArray& line : {nakshatra, yoga}) {
        for (const char c : line) bytes.append(static_cast<char>(static_cast<unsigned char>(c) + 61));
        bytes.append(lineEnd);
    }
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class BadInputWindow : public MainWindowTest {
public:
    QTemporaryDir folder;

    void CalculateDelhi() {
        Enter(DelhiMidnight1947());
        Click("cmdCalculate");
        ASSERT_EQ(LabelText("lblYogaName"), "Siddhi");
    }
    // What a paste does: the text goes in at once, cut to the box's length.
    void Paste(const char* boxName, const QString& text) {
        QLineEdit& box = Box(boxName);
        box.clear();
        box.insert(text);
    }
};

TEST_F(BadInputWindow, NameOfAnyScriptOrLengthStillGivesTheReading) {
    for (const QString& name : {QStringLiteral("आशा"), QStringLiteral("🙂"), QString(kVeryLong, u'क')}) {
        SCOPED_TRACE(name.left(10).toStdString());
        Enter(DelhiMidnight1947());
        Paste("txtName", name);
        desktop.messages.clear();
        Click("cmdCalculate");
        EXPECT_TRUE(desktop.messages.isEmpty());
        EXPECT_TRUE(ShowsResult());
        EXPECT_EQ(LabelText("lblNakshatraName"), "Pushya");
        EXPECT_EQ(LabelText("lblYogaName"), "Siddhi");
        Click("cmdBack");
        // Back brings back what the box took: a box holds at most maxLength.
        EXPECT_EQ(Box("txtName").text(), name.left(Box("txtName").maxLength()));
    }
}

TEST_F(BadInputWindow, NumberBoxesRefuseOtherScriptsAndKeepTheEarlierResult) {
    CalculateDelhi();
    Click("cmdBack");
    struct Row {
        const char* box;
        const char* message;
    };
    const Row rows[] = {
        {"txtZoneHour", "Please Enter Valid Hour of Time Zone"},
        {"txtZoneMinute", "Please Enter Valid Minute of Time Zone"},
        {"txtLonD", "Please Enter Valid Degree of Longitude"},
        {"txtLonM", "Please Enter Valid Minute of Longitude"},
    };
    for (const Row& row : rows) {
        for (const QString& text : {QStringLiteral("१२"), QStringLiteral("🙂"), QStringLiteral("1e9"),
                                    QStringLiteral("0x1"), QStringLiteral(" "), QStringLiteral("-"),
                                    QStringLiteral("999")}) {  // past every box's range
            SCOPED_TRACE(std::string(row.box) + " " + text.left(10).toStdString());
            const QString earlier = Box(row.box).text();
            Paste(row.box, text);
            const auto before = Snapshot();
            desktop.messages.clear();
            Click("cmdCalculate");
            ASSERT_EQ(desktop.messages.size(), 1);
            EXPECT_EQ(desktop.messages[0].text, row.message);
            EXPECT_EQ(desktop.messages[0].icon, FakeDesktop::Icon::Error);
            EXPECT_TRUE(ShowsInput());
            EXPECT_EQ(Snapshot(), before);
            Paste(row.box, earlier);
        }
    }
    Click("cmdCalculate");  // the earlier reading is still the one computed
    EXPECT_EQ(LabelText("lblYogaName"), "Siddhi");
}

TEST_F(BadInputWindow, APastedLongNumberIsCutToTheBoxLength) {
    for (const char* box : {"txtZoneHour", "txtZoneMinute", "txtLatD", "txtLatM", "txtLonD", "txtLonM"}) {
        Paste(box, QString(kVeryLong, u'9'));
        EXPECT_EQ(Box(box).text(), QStringLiteral("999")) << box;
    }
}

TEST_F(BadInputWindow, AFolderWhereTheReadingFileShouldBeIsRefused) {
    CalculateDelhi();
    Click("cmdBack");
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.vrn"));
    WriteFile(folder.filePath("nul.vrn"), QByteArray(64, '\0'));
    for (const char* name : {"folder.vrn", "nul.vrn"}) {
        SCOPED_TRACE(name);
        const auto before = Snapshot();
        desktop.messages.clear();
        desktop.openPaths.push_back(folder.filePath(QString::fromLatin1(name)));
        Click("cmdOpen");
        ASSERT_EQ(desktop.messages.size(), 1);
        EXPECT_EQ(desktop.messages[0].text, "Please Check The File.");
        EXPECT_TRUE(ShowsInput());
        EXPECT_EQ(Snapshot(), before);
    }
    EXPECT_TRUE(QFileInfo(folder.filePath("folder.vrn")).isDir());
}

// A pipe would hold the window until some other program wrote to it.
TEST_F(BadInputWindow, ANamedPipeIsRefusedWithoutOpeningIt) {
    const QString pipe = folder.filePath("pipe.vrn");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    desktop.openPaths.push_back(pipe);
    Click("cmdOpen");
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].text, "Please Check The File.");
}

TEST_F(BadInputWindow, AFileThatCannotBeReadSaysWhy) {
    const QString missing = folder.filePath("missing.vrn");
    desktop.openPaths.push_back(missing);
    Click("cmdOpen");
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].text,
              QStringLiteral("The reading could not be read from %1: No such file or directory.")
                  .arg(QDir::toNativeSeparators(missing)));
    EXPECT_TRUE(ShowsInput());
}

// A 16 KiB file system filled up, where only the superuser may mount one.
TEST_F(BadInputWindow, SavingOntoAFullDiskKeepsTheOldFileAndSaysWhy) {
    const QString disk = folder.filePath("disk");
    ASSERT_TRUE(QDir(folder.path()).mkdir("disk"));
    const QByteArray diskPath = QFile::encodeName(disk);
    if (geteuid() != 0 || ::mount("tmpfs", diskPath.constData(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "needs the superuser and a tmpfs mount";
    }
    const QByteArray earlier = ReadingFileBytes("Ashwini", "Vishkambha", "\r\n");
    WriteFile(disk + "/kept.vrn", earlier);
    QFile filler(disk + "/filler");
    if (filler.open(QIODevice::WriteOnly)) {
        filler.write(QByteArray(qsizetype{64} * 1024, 'x'));  // stops at the size limit
        filler.close();
    }
    CalculateDelhi();
    desktop.savePaths.push_back(disk + "/kept.vrn");
    Click("cmdSave");
    const QByteArray kept = FileBytes(disk + "/kept.vrn");
    ::umount2(diskPath.constData(), MNT_DETACH);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].text.endsWith(": No space left on device.")) << desktop.messages[0].text.toStdString();
    EXPECT_EQ(kept, earlier);
}

TEST_F(BadInputWindow, LinesEndedByCrAloneOpen) {
    WriteFile(folder.filePath("cr.vrn"), ReadingFileBytes("Revati", "Vaidhruthi", "\r"));
    desktop.openPaths.push_back(folder.filePath("cr.vrn"));
    Click("cmdOpen");
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(LabelText("lblNakshatraName"), "Revati");
    EXPECT_EQ(LabelText("lblYogaName"), "Vaidhruthi");
}

// /proc takes no new file from anyone, the superuser included, so this
// read-only target fails wherever the test runs.
TEST_F(BadInputWindow, SavingToAReadOnlyPlaceSaysSoAndChangesNothing) {
    CalculateDelhi();
    const QString target = QStringLiteral("/proc/zorvane-reading.vrn");
    const auto before = Snapshot();
    desktop.savePaths.push_back(target);
    Click("cmdSave");
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].text.startsWith("The reading could not be saved"));
    EXPECT_EQ(desktop.messages[0].icon, FakeDesktop::Icon::Error);
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_TRUE(ShowsResult());
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(BadInputWindow, SavingOverAReadOnlyFileKeepsIt) {
    // The file store refuses a file without write permission even for the
    // superuser, so this holds for every user.
    CalculateDelhi();
    const QString path = folder.filePath("kept.vrn");
    const QByteArray earlier = ReadingFileBytes("Ashwini", "Vishkambha", "\r\n");
    WriteFile(path, earlier);
    QFile::setPermissions(path, QFile::ReadOwner);
    desktop.savePaths.push_back(path);
    Click("cmdSave");
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].text.startsWith("The reading could not be saved"));
    EXPECT_EQ(FileBytes(path), earlier);
}

// ---- The stored date of the last update reminder ----------------------------

const QString kApplication = QStringLiteral("zorvane");
// "Settings" / "Duration" with every character code raised by 61.
const QString kSettingKey = kApplication + QStringLiteral("/Settings/") +
                            QString::fromLatin1("\x81\xb2\xaf\x9e\xb1\xa6\xac\xab");

QString Scrambled(const QString& text) {
    QString result;
    for (const QChar c : text) result.append(QChar(c.unicode() + 61));
    return result;
}

// A stored value that is not a date, or is today's, is left as it is and
// shows nothing; one that unscrambles to nothing at all is a first run,
// which stores today.
TEST(BadInputSetting, DamagedStoredDatesNeverRemindAndAreKept) {
    const QLocale us(QStringLiteral("en_US"));
    const QList<QString> keptQuietly = {
        Scrambled(QStringLiteral("   ")),
        Scrambled(QStringLiteral("abc")),
        Scrambled(QStringLiteral("-99")),
        Scrambled(QStringLiteral("999")),
        Scrambled(QStringLiteral("1e9")),
        Scrambled(QStringLiteral("0x1")),
        Scrambled(QStringLiteral("1,5")),
        Scrambled(QStringLiteral("99/99/99")),
        Scrambled(QStringLiteral("0/0/0")),
        Scrambled(QStringLiteral("12/8/26\r12/8/26")),
        Scrambled(QStringLiteral("आशा")),
        QStringLiteral("🙂"),
        QString(kVeryLong, u'n'),
        Scrambled(QStringLiteral("12/8/26").repeated(kVeryLong / 7)),
        // Codes below the scramble offset drop out, leaving today's date.
        QString(3, QChar(u'\0')) + Scrambled(QStringLiteral("12/8/26")) + QChar(u'\0'),
    };
    for (const QString& stored : keptQuietly) {
        SCOPED_TRACE(stored.left(10).toStdString());
        FakeDesktop desktop;
        desktop.settings.insert(kSettingKey, stored);
        zorvane::UpdateReminder(desktop, kApplication, us);
        EXPECT_TRUE(desktop.messages.isEmpty());
        EXPECT_TRUE(desktop.openedUrls.isEmpty());
        EXPECT_EQ(desktop.settingWrites, 0);
        EXPECT_EQ(desktop.settings.value(kSettingKey), stored);
    }
    // Codes below the scramble offset unscramble to nothing: a first run.
    for (const QString& stored : {QString(), QStringLiteral("   "), QString(5, QChar(u'\0')),
                                  QStringLiteral("\r\r")}) {
        FakeDesktop desktop;
        desktop.settings.insert(kSettingKey, stored);
        zorvane::UpdateReminder(desktop, kApplication, us);
        EXPECT_TRUE(desktop.messages.isEmpty());
        EXPECT_EQ(desktop.settingWrites, 1);
        EXPECT_EQ(desktop.settings.value(kSettingKey), Scrambled(QStringLiteral("12/8/26")));
    }
}

}  // namespace
