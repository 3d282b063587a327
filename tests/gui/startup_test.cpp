#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "gui/desktop/single_instance.h"
#include "gui/windows/startup.h"
#include "fake_desktop.h"
#include "gui/windows/frmMain.h"

namespace {

using zorvane::SingleInstanceLock;
using zorvane::StartUp;

const QString kApplication = QStringLiteral("zorvane");

// The label that shows in the middle of the banner, whichever way the window
// puts one text in front of the other.
QWidget* BannerFront(frmMain& window) {
    auto* fullBrand = window.findChild<QLabel*>(QStringLiteral("lblFullBrand"));
    if (fullBrand == nullptr) return nullptr;
    return fullBrand->parentWidget()->childAt(fullBrand->geometry().center());
}

class StartUpTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString lockPath = folder.filePath(QStringLiteral("zorvane.lock"));
    FakeDesktop desktop;
    // Ending the event loop here would end every later loop of the test run,
    // so the tests count the calls; the real ending is run by the process test.
    int exits = 0;
    std::function<void()> countExit = [this] { ++exits; };
};

TEST_F(StartUpTest, FirstStartShowsTheMainWindowWithoutAMessage) {
    SingleInstanceLock lock(lockPath);
    const std::unique_ptr<frmMain> window = StartUp(desktop, lock, kApplication, countExit);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(desktop.settingWrites, 1);  // the first reminder date
    EXPECT_EQ(exits, 0);
}

TEST_F(StartUpTest, PromotionalTextFollowsTheDraw) {
    for (int draw = 1; draw <= 6; ++draw) {
        SCOPED_TRACE(draw);
        desktop.draws = {draw};
        SingleInstanceLock lock(lockPath);
        const std::unique_ptr<frmMain> window = StartUp(desktop, lock, kApplication, countExit);
        ASSERT_NE(window, nullptr);
        const QWidget* front = BannerFront(*window);
        ASSERT_NE(front, nullptr);
        EXPECT_EQ(front->objectName(),
                  draw % 2 == 1 ? QStringLiteral("lblCobrand") : QStringLiteral("lblFullBrand"));
        EXPECT_TRUE(desktop.draws.empty()) << "one draw per start";
    }
}

TEST_F(StartUpTest, ClosingTheMainWindowEndsTheProgram) {
    SingleInstanceLock lock(lockPath);
    std::unique_ptr<frmMain> window = StartUp(desktop, lock, kApplication, countExit);
    ASSERT_NE(window, nullptr);
    window->close();
    EXPECT_EQ(exits, 1) << "close box";

    window = StartUp(desktop, lock, kApplication, countExit);
    ASSERT_NE(window, nullptr);
    auto* exitItem = window->findChild<QAction*>(QStringLiteral("mnuExit"));
    ASSERT_NE(exitItem, nullptr);
    exitItem->trigger();
    EXPECT_EQ(exits, 2) << "File, Exit";
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(desktop.messages.isEmpty()) << "nothing is asked";
}

// A real first copy holds the lock in another process.
TEST_F(StartUpTest, SecondCopyIsRefusedAndStartsOnceTheFirstWasKilled) {
    QProcess firstCopy;
    firstCopy.start(QStringLiteral(ZORVANE_LOCK_HOLDER_PATH), {lockPath});
    ASSERT_TRUE(firstCopy.waitForReadyRead());
    ASSERT_EQ(firstCopy.readAllStandardOutput().trimmed(), "locked");

    {
        SingleInstanceLock lock(lockPath);
        const std::unique_ptr<frmMain> window = StartUp(desktop, lock, kApplication, countExit);
        EXPECT_EQ(window, nullptr);
        ASSERT_EQ(desktop.messages.size(), 1);
        EXPECT_EQ(desktop.messages[0].text, QStringLiteral("Application is already running"));
        EXPECT_EQ(desktop.messages[0].icon, Desktop::Icon::Information);
        EXPECT_EQ(desktop.messages[0].buttons, Desktop::Buttons::Ok);
        EXPECT_EQ(exits, 1);
        EXPECT_EQ(desktop.settingWrites, 0) << "no reminder in a refused copy";
        EXPECT_EQ(firstCopy.state(), QProcess::Running) << "the first copy is left alone";
    }

    firstCopy.kill();
    ASSERT_TRUE(firstCopy.waitForFinished());
    desktop.messages.clear();
    SingleInstanceLock lock(lockPath);
    const std::unique_ptr<frmMain> window = StartUp(desktop, lock, kApplication, countExit);
    ASSERT_NE(window, nullptr) << "the killed copy's lock must not block a new start";
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

// The refusal comes before the window loads its language, yet speaks the
// one the user chose; the window after it starts in that language too.
TEST_F(StartUpTest, TheRefusalSpeaksTheChosenLanguage) {
    desktop.settings.insert(kApplication + QStringLiteral("/Settings/Language"), QStringLiteral("hi"));
    SingleInstanceLock first(lockPath);
    ASSERT_TRUE(first.acquire());
    SingleInstanceLock second(lockPath);
    EXPECT_EQ(StartUp(desktop, second, kApplication, countExit), nullptr);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("प्रोग्राम पहले से चल रहा है"));
    EXPECT_EQ(QCoreApplication::translate("StartUp", "Application is already running"),
              QStringLiteral("Application is already running"))
        << "the catalogue used for the refusal is removed again";
}

// The real ending, in a process of its own: the program's start-up with one
// more window open, then the main window is closed.
TEST(ExitProgram, ClosingTheMainWindowClosesEveryWindowAndEndsTheProcessWithStatusZero) {
    QTemporaryDir folder;
    QProcess program;
    program.start(QStringLiteral(ZORVANE_MAIN_WINDOW_CLOSER_PATH),
                  {folder.filePath(QStringLiteral("zorvane.lock"))});
    ASSERT_TRUE(program.waitForFinished()) << "the program did not end";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardOutput().trimmed(), "all windows closed");
}

}  // namespace
