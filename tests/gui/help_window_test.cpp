// The offline help: how it opens, and that its pages hang together.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <functional>

#include "gui/windows/frmHelp.h"
#include "main_window_fixture.h"

namespace {

class HelpWindowTest : public MainWindowTest {
public:
    // The help window is the main window's only child window of its kind.
    frmHelp* OpenHelp() { return window->findChild<frmHelp*>(QStringLiteral("frmHelp")); }
    QTextBrowser& Browser() { return Control<QTextBrowser>(*OpenHelp(), "txtHelp"); }
};

TEST_F(HelpWindowTest, F1AndTheContentsItemOpenTheContentsPage) {
    const struct {
        const char* way;
        std::function<void(HelpWindowTest&)> open;
    } ways[] = {
        {"F1", [](HelpWindowTest& t) { QTest::keyClick(t.window.get(), Qt::Key_F1); }},
        {"Help menu",
         [](HelpWindowTest& t) {
             t.PressAlt(Qt::Key_H);
             QTest::keyClick(&t.Get<QMenu>("mnuHelp"), Qt::Key_C);
         }},
    };
    for (const auto& way : ways) {
        OpenWindow();
        ASSERT_EQ(OpenHelp(), nullptr) << way.way;
        way.open(*this);
        ASSERT_NE(OpenHelp(), nullptr) << way.way;
        EXPECT_TRUE(OpenHelp()->isVisible()) << way.way;
        EXPECT_EQ(Browser().source(), frmHelp::ContentsPage()) << way.way;
        EXPECT_EQ(Browser().documentTitle(), "Zorvane Help") << way.way;
        EXPECT_EQ(modalCount, 0) << "the help must not block the main window";
        EXPECT_TRUE(desktop.openedUrls.isEmpty()) << "the offline help must not go online";
    }
}

TEST_F(HelpWindowTest, AFollowedLinkShowsItsPageAndContentsComesBack) {
    QTest::keyClick(window.get(), Qt::Key_F1);
    emit Browser().anchorClicked(QUrl(QStringLiteral("zones.html")));
    EXPECT_EQ(Browser().source(), QUrl(QStringLiteral("qrc:/help/zones.html")));
    EXPECT_TRUE(Browser().toPlainText().contains("+")) << "the zone rules page";

    QTest::mouseClick(&Control<QWidget>(*OpenHelp(), "cmdHelpBack"), Qt::LeftButton);
    EXPECT_EQ(Browser().source(), frmHelp::ContentsPage());
    EXPECT_TRUE(desktop.openedUrls.isEmpty());
}

// A page dropped from the resources must also leave the contents, and a new
// page must be listed there: every page reachable, every link landing.
TEST(HelpPages, EveryPageIsListedAndEveryLinkLands) {
    FakeDesktop desktop;
    frmHelp help(desktop);  // registers the compiled pages
    const QRegularExpression link(QStringLiteral(R"(href="([^"#]*))"));
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({"*.html"}, QDir::Files);
    ASSERT_TRUE(pages.contains("index.html"));

    QStringList linkedFromIndex;
    for (const QString& page : pages) {
        QFile file(QStringLiteral(":/help/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        QTextDocument document;
        document.setHtml(html);
        EXPECT_FALSE(document.metaInformation(QTextDocument::DocumentTitle).isEmpty())
            << page.toStdString() << " has no title";
        for (const QRegularExpressionMatch& m : link.globalMatch(html)) {
            const QString target = m.captured(1);
            EXPECT_TRUE(pages.contains(target))
                << page.toStdString() << " links to missing " << target.toStdString();
            if (page == "index.html") linkedFromIndex << target;
        }
    }
    for (const QString& page : pages) {
        if (page != "index.html") {
            EXPECT_TRUE(linkedFromIndex.contains(page)) << page.toStdString() << " is not listed";
        }
    }
}

}  // namespace
