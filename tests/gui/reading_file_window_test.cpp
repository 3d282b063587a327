// Saving a shown result and opening it again through the file dialogs.
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "main_window_fixture.h"

namespace {

// The file format written out by hand: each character's code raised by 61,
// each line ended by CR LF.
QByteArray ReadingFileBytes(const QByteArray& nakshatra, const QByteArray& yoga) {
    QByteArray bytes;
    for (const QByteArray& line : {nakshatra, yoga}) {
        for (const char c : line)
            bytes.append(static_cast<char>(static_cast<unsigned char>(c) + 61));
        bytes.append("\r\n");
    }
    return bytes;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class ReadingFileWindow : public MainWindowTest {
public:
    QTemporaryDir folder;
    QString PathOf(const QString& name) { return folder.filePath(name); }

    void SaveTo(const QString& path) {
        desktop.savePaths.push_back(path);
        Click("cmdSave");
    }
    void Open(const QString& path) {
        desktop.openPaths.push_back(path);
        Click("cmdOpen");
    }
    void CalculateDelhi() {
        Enter(DelhiMidnight1947());
        Click("cmdCalculate");
        ASSERT_EQ(LabelText("lblYogaName"), "Siddhi");
    }
};

TEST_F(ReadingFileWindow, SavesTheTwoNamesScrambledAndOpensThemInAFreshWindow) {
    CalculateDelhi();
    const QString path = PathOf("delhi.vrn");
    SaveTo(path);

    ASSERT_EQ(desktop.fileDialogs.size(), 1);
    const auto& request = desktop.fileDialogs[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.request.title, "Zorvane");
    EXPECT_EQ(request.request.filter, "Zorvane (*.vrn)");
    EXPECT_EQ(request.request.defaultSuffix, "vrn");
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(FileBytes(path), ReadingFileBytes("Pushya", "Siddhi"));
    EXPECT_TRUE(ShowsResult());

    OpenWindow();
    const auto typed = Snapshot();
    Open(path);
    const auto& open = desktop.fileDialogs.last();
    EXPECT_FALSE(open.save);
    EXPECT_EQ(open.request.title, "Select the source file");
    EXPECT_EQ(open.request.filter, "Zorvane (*.vrn)");
    EXPECT_EQ(open.request.defaultSuffix, "vrn");
    EXPECT_TRUE(ShowsResult());
    EXPECT_EQ(LabelText("lblNakshatraName"), "Pushya");
    EXPECT_EQ(LabelText("lblYogaName"), "Siddhi");
    EXPECT_TRUE(LabelText("lblYogaDesc").startsWith("The yoga is Siddhi which means 'Success'."));
    EXPECT_TRUE(LabelText("lblNakshatraDesc").startsWith("Pushya is the eighth Nakshatra"));

    // The inputs are untouched; after Back they are still the start-up ones.
    Click("cmdBack");
    auto now = Snapshot();
    for (const QString& field : typed.keys()) {
        if (!field.startsWith("lbl")) {
            EXPECT_EQ(now[field], typed[field]) << field.toStdString();
        }
    }
}

TEST_F(ReadingFileWindow, AnOpenedReadingIsWhatTheNextSaveWrites) {
    const QByteArray handMade = ReadingFileBytes("Ashwini", "Vishkambha");
    ASSERT_EQ(handMade.size(), 21);
    WriteFile(PathOf("first.vrn"), handMade);
    Open(PathOf("first.vrn"));
    EXPECT_EQ(LabelText("lblNakshatraName"), "Ashwini");
    EXPECT_EQ(LabelText("lblYogaName"), "Vishkambha");

    SaveTo(PathOf("copy.vrn"));
    EXPECT_EQ(FileBytes(PathOf("copy.vrn")), handMade);
}

TEST_F(ReadingFileWindow, SavingAgainToTheSamePathReplacesTheFile) {
    CalculateDelhi();
    const QString path = PathOf("same.vrn");
    SaveTo(path);
    Click("cmdBack");
    Enter(GreenwichNoon2000());
    Click("cmdCalculate");
    SaveTo(path);
    EXPECT_EQ(FileBytes(path), ReadingFileBytes("Swati", "Dhrithi"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"same.vrn"}));
}

TEST_F(ReadingFileWindow, AFailedSaveSaysSoAndLeavesNoFile) {
    CalculateDelhi();
    const QString missingFolder = PathOf("no such folder/reading.vrn");
    const QString folderItself = PathOf("a folder.vrn");
    ASSERT_TRUE(QDir(folder.path()).mkdir("a folder.vrn"));
    for (const QString& path : {missingFolder, folderItself}) {
        SCOPED_TRACE(path.toStdString());
        desktop.messages.clear();
        SaveTo(path);
        ASSERT_EQ(desktop.messages.size(), 1);
        EXPECT_EQ(desktop.messages[0].icon, FakeDesktop::Icon::Error);
        EXPECT_TRUE(desktop.messages[0].text.startsWith("The reading could not be saved"));
        EXPECT_TRUE(desktop.messages[0].text.contains(QDir::toNativeSeparators(path)));
        EXPECT_TRUE(ShowsResult());
    }
    EXPECT_FALSE(QFileInfo::exists(missingFolder));
    EXPECT_TRUE(QFileInfo(folderItself).isDir());
}

TEST_F(ReadingFileWindow, AFailedSaveIntoAReadOnlyFolderKeepsTheFileThatWasThere) {
    if (geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind the superuser";
    CalculateDelhi();
    const QString path = PathOf("kept.vrn");
    const QByteArray earlier = ReadingFileBytes("Ashwini", "Vishkambha");
    WriteFile(path, earlier);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    SaveTo(path);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].text.startsWith("The reading could not be saved"));
    EXPECT_EQ(FileBytes(path), earlier);
}

TEST_F(ReadingFileWindow, CancelledDialogsDoNothing) {
    CalculateDelhi();
    SaveTo({});
    Click("cmdBack");
    Open({});
    EXPECT_EQ(desktop.fileDialogs.size(), 2);
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_TRUE(ShowsInput());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

TEST_F(ReadingFileWindow, FilesThatAreNotReadingsAreRefusedAndChangeNothing) {
    CalculateDelhi();
    Click("cmdBack");
    const QByteArray good = ReadingFileBytes("Ashwini", "Vishkambha");
    QByteArray lfOnly = good;
    lfOnly.replace("\r\n", "\n");
    QByteArray longFirstLine(qsizetype{10} * 1024 * 1024, 'x');
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"reading.txt", good},  // not the ending
        {"READING.VRN", good},  // the ending is case-sensitive
        {"damaged.vrn", QByteArray("\x01\x02garbage\r\n\xff\xfe\r\n", 15)},
        {"empty.vrn", QByteArray()},
        {"lf-only.vrn", lfOnly},  // read as one line that matches nothing
        {"one-line.vrn", good.left(9)},
        {"huge.vrn", longFirstLine},  // 10 MB in one line
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        WriteFile(PathOf(file.name), file.bytes);
        const auto before = Snapshot();
        desktop.messages.clear();
        Open(PathOf(file.name));
        ASSERT_EQ(desktop.messages.size(), 1);
        EXPECT_EQ(desktop.messages[0].text, "Please Check The File.");
        EXPECT_EQ(desktop.messages[0].icon, FakeDesktop::Icon::Error);
        EXPECT_TRUE(ShowsInput());
        EXPECT_EQ(Snapshot(), before);
    }
    desktop.messages.clear();
    Open(PathOf("no such file.vrn"));
    EXPECT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(LabelText("lblYogaName"), "Siddhi");
}

TEST_F(ReadingFileWindow, AReadingFollowedByMegabytesOfOtherBytesStillOpens) {
    QByteArray bytes = ReadingFileBytes("Revati", "Vaidhruthi");
    bytes.append(QByteArray(qsizetype{10} * 1024 * 1024, '\x7f'));
    WriteFile(PathOf("tail.vrn"), bytes);
    Open(PathOf("tail.vrn"));
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(LabelText("lblNakshatraName"), "Revati");
    EXPECT_EQ(LabelText("lblYogaName"), "Vaidhruthi");
}

}  // namespace
