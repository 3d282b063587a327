// Whose reading is shown: the result panel and the details window's title
// carry the name, the birth date and clock time and the place; a reading
// file, which holds none of them, shows none.
#include <QTemporaryDir>

#include "gui/windows/frmDetails.h"
#include "main_window_fixture.h"

namespace {

class WhoseReading : public MainWindowTest {};

TEST_F(WhoseReading, TheResultPanelAndTheDetailsTitleNameTheReadingShown) {
    const struct {
        const char* name;
        const char* city;
        const char* country;
        const char* shown;
    } cases[] = {
        {"Bharat", "New Delhi", "India", "Bharat, 15 August 1947 00:00, New Delhi, India"},
        {"Asha & Ravi", "", "", "Asha & Ravi, 15 August 1947 00:00"},
        {"Ravi", "  Pune ", "", "Ravi, 15 August 1947 00:00, Pune"},  // blanks trimmed
    };
    for (const auto& c : cases) {
        TypedReading reading = DelhiMidnight1947();
        reading.name = QString::fromUtf8(c.name);
        Enter(reading);
        TypeInto(Box("txtCity"), QString::fromUtf8(c.city));
        TypeInto(Box("txtCountry"), QString::fromUtf8(c.country));
        Click("cmdCalculate");
        ASSERT_TRUE(ShowsResult()) << c.shown;
        EXPECT_EQ(LabelText("lblWhoseReading"), QString::fromUtf8(c.shown));

        QString title;
        onModal = [&title](QDialog& dialog) {
            title = dialog.windowTitle();
            dialog.close();
        };
        Click("cmdDetails");
        EXPECT_TRUE(title.endsWith(QStringLiteral(" - ") + QString::fromUtf8(c.shown))) << title.toStdString();
        Click("cmdBack");
    }
}

TEST_F(WhoseReading, AReadingFileShowsNoName) {
    Enter(DelhiMidnight1947());
    Click("cmdCalculate");
    ASSERT_FALSE(LabelText("lblWhoseReading").isEmpty());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("delhi.vrn"));
    desktop.savePaths.push_back(path);
    Click("cmdSave");
    Click("cmdBack");
    desktop.openPaths.push_back(path);
    Click("cmdOpen");
    ASSERT_TRUE(ShowsResult());
    EXPECT_EQ(LabelText("lblWhoseReading"), "");
}

}  // namespace
