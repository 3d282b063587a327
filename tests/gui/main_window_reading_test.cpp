// Calculating from the main window: the checks, the result and "&Back".
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <optional>

#include "main_window_fixture.h"
#include "core/format/display_tables.h"

namespace {

QString YogaParagraph(std::string_view name) {
    const auto& text =
        zorvane::YogaTable[static_cast<std::size_t>(*zorvane::FindYogaRow(name))].description;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString NakshatraParagraph(std::string_view name) {
    const auto& text =
        zorvane::NakshatraTable[static_cast<std::size_t>(*zorvane::FindNakshatraRow(name))]
            .description;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One refused reading: how it differs from a complete one, and what the user
// is told and where the window takes them.
struct RefusalCase {
    const char* what;
    std::function<void(MainWindowTest&)> spoil;
    QString message;
    FakeDesktop::Icon icon;
    const char* focus;     // the box that receives the focus, if any
    const char* selected;  // the direction button selected for the user, if any
};

class MainWindowReading : public MainWindowTest {
protected:
    void ExpectResult(std::string_view nakshatra, std::string_view yoga) {
        EXPECT_TRUE(ShowsResult());
        EXPECT_EQ(LabelText("lblNakshatraName").toStdString(), nakshatra);
        EXPECT_EQ(LabelText("lblNakshatraDesc"), NakshatraParagraph(nakshatra));
        EXPECT_EQ(LabelText("lblYogaName").toStdString(), yoga);
        EXPECT_EQ(LabelText("lblYogaDesc"), YogaParagraph(yoga));
    }
};

TEST_F(MainWindowReading, EachRefusalShowsItsMessageMovesTheUserAndChangesNothingElse) {
    const auto box = [](const char* name) {
        return [name](MainWindowTest& t) { t.Box(name).clear(); };
    };
    const std::vector<RefusalCase> cases = {
        {"no name", box("txtName"), "Please Enter Your Name", FakeDesktop::Icon::Error, "txtName",
         nullptr},
        {"no zone hours", box("txtZoneHour"), "Please Enter Degree of Time Zone",
         FakeDesktop::Icon::Error, "txtZoneHour", nullptr},
        {"no zone minutes", box("txtZoneMinute"), "Please Enter Minute of Time Zone",
         FakeDesktop::Icon::Error, "txtZoneMinute", nullptr},
        {"no latitude degrees", box("txtLatD"), "Please Enter Degree of Latitude",
         FakeDesktop::Icon::Error, "txtLatD", nullptr},
        {"no latitude minutes", box("txtLatM"), "Please Enter Minutes of Latitude",
         FakeDesktop::Icon::Error, "txtLatM", nullptr},
        {"no longitude degrees", box("txtLonD"), "Please Enter Degree of Longitude",
         FakeDesktop::Icon::Error, "txtLonD", nullptr},
        {"no longitude minutes", box("txtLonM"), "Please Enter Minute of Longitude",
         FakeDesktop::Icon::Error, "txtLonM", nullptr},
        {"no latitude direction", [](MainWindowTest& t) { t.ClearDirection("optLat"); },
         "Please Select Direction For The Latitude", FakeDesktop::Icon::Error, nullptr, "optLat_0"},
        {"no longitude direction", [](MainWindowTest& t) { t.ClearDirection("optLong"); },
         "Please Select Direction For The Longitude", FakeDesktop::Icon::Error, nullptr,
         "optLong_0"},
        {"29 February 1901",
         [](MainWindowTest& t) {
             Choose(t.Get<QComboBox>("cboDate"), "29");
             Choose(t.Get<QComboBox>("cboMonth"), "February");
             Choose(t.Get<QComboBox>("cboYear"), "1901");
         },
         "Please Enter Correct Date Or Month!", FakeDesktop::Icon::Information, nullptr, nullptr},
        {"31 April 1990",
         [](MainWindowTest& t) {
             Choose(t.Get<QComboBox>("cboDate"), "31");
             Choose(t.Get<QComboBox>("cboMonth"), "April");
             Choose(t.Get<QComboBox>("cboYear"), "1990");
         },
         "Please Enter Correct Date Or Month !", FakeDesktop::Icon::Information, nullptr, nullptr},
        {"letters for longitude degrees",
         [](MainWindowTest& t) { TypeInto(t.Box("txtLonD"), "ab"); },
         "Please Enter Valid Degree of Longitude", FakeDesktop::Icon::Error, "txtLonD", nullptr},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.what);
        OpenWindow();
        Enter(GreenwichNoon2000());
        c.spoil(*this);
        const auto before = Snapshot();
        desktop.messages.clear();

        Click("cmdCalculate");  // which takes the focus, unless a box is to have it

        ASSERT_EQ(desktop.messages.size(), 1);
        EXPECT_EQ(desktop.messages[0].text, c.message);
        EXPECT_EQ(desktop.messages[0].icon, c.icon);
        EXPECT_EQ(desktop.messages[0].buttons, FakeDesktop::Buttons::Ok);
        EXPECT_TRUE(ShowsInput());
        EXPECT_EQ(window->focusWidget()->objectName(), c.focus != nullptr
                                                           ? QString::fromLatin1(c.focus)
                                                           : QStringLiteral("cmdCalculate"));
        auto after = Snapshot();
        if (c.selected != nullptr) {
            EXPECT_TRUE(after[QString::fromLatin1(c.selected)].toBool());
            after[QString::fromLatin1(c.selected)] = false;
        }
        EXPECT_EQ(after, before);
    }
}

TEST_F(MainWindowReading, AfterADirectionIsSelectedForTheUserTheNextPressPasses) {
    Enter(GreenwichNoon2000());
    ClearDirection("optLong");
    Click("cmdCalculate");
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(Get<QRadioButton>("optLong_0").isChecked());
    Click("cmdCalculate");
    EXPECT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(ShowsResult());
}

TEST_F(MainWindowReading, ARefusalKeepsThePreviousResult) {
    Enter(DelhiMidnight1947());
    Click("cmdCalculate");
    Click("cmdBack");
    Enter(GreenwichNoon2000());
    Box("txtName").clear();
    Click("cmdCalculate");
    EXPECT_TRUE(ShowsInput());
    EXPECT_EQ(LabelText("lblYogaName"), "Siddhi");
    EXPECT_EQ(LabelText("lblNakshatraName"), "Pushya");
}

TEST_F(MainWindowReading, ShowsTheYogaAndNakshatraOfWorkedExamples) {
    Enter(GreenwichNoon2000());
    Click("cmdCalculate");
    ExpectResult("Swati", "Dhrithi");
    EXPECT_TRUE(desktop.messages.isEmpty());

    Click("cmdBack");
    Enter(DelhiMidnight1947());
    Click("cmdCalculate");
    ExpectResult("Pushya", "Siddhi");
}

TEST_F(MainWindowReading, TheNameLatitudeAndSecondsDoNotChangeTheResult) {
    TypedReading other = DelhiMidnight1947();
    other.name = QStringLiteral("   ");
    other.latDegrees = QStringLiteral("abc");
    other.north = false;
    Enter(other);
    Choose(Get<QComboBox>("cboSS"), "59");
    Click("cmdCalculate");
    ExpectResult("Pushya", "Siddhi");
}

TEST_F(MainWindowReading, BackShowsTheInputsAsTheyWereAndTheSameReadingGivesTheSameResult) {
    Enter(DelhiMidnight1947());
    Choose(Get<QComboBox>("cboSS"), "42");
    TypeInto(Box("txtCity"), "Delhi");
    const auto typed = Snapshot();

    Click("cmdCalculate");
    const auto shown = Snapshot();
    Click("cmdBack");

    EXPECT_TRUE(ShowsInput());
    EXPECT_EQ(Snapshot(), shown);
    for (const QString& field : typed.keys()) {
        if (!field.startsWith("lbl")) {
            EXPECT_EQ(shown[field], typed[field]) << field.toStdString();
        }
    }
    Click("cmdCalculate");
    ExpectResult("Pushya", "Siddhi");
}

TEST_F(MainWindowReading, BoxesAreReadInTheUsersNumberFormat) {
    struct RestoreLocale {
        RestoreLocale() = default;
        RestoreLocale(const RestoreLocale&) = delete;
        RestoreLocale& operator=(const RestoreLocale&) = delete;
        RestoreLocale(RestoreLocale&&) = delete;
        RestoreLocale& operator=(RestoreLocale&&) = delete;
        ~RestoreLocale() { QLocale::setDefault(saved); }
        QLocale saved;
    } restore;
    const auto degreesRefused = [this](const QLocale& locale, const QString& degrees) {
        QLocale::setDefault(locale);
        OpenWindow();
        TypedReading reading = DelhiMidnight1947();
        reading.lonDegrees = degrees;
        Enter(reading);
        desktop.messages.clear();
        Click("cmdCalculate");
        return !desktop.messages.isEmpty() &&
               desktop.messages[0].text == "Please Enter Valid Degree of Longitude";
    };
    EXPECT_FALSE(degreesRefused(QLocale(QLocale::German, QLocale::Germany), "7,5"));
    EXPECT_TRUE(degreesRefused(QLocale(QLocale::German, QLocale::Germany), "7.5"));
    EXPECT_FALSE(degreesRefused(QLocale::c(), "7.5"));
    EXPECT_TRUE(degreesRefused(QLocale::c(), "7,5"));
}

TEST_F(MainWindowReading, TheFileMenuCalculatesExactlyAsTheButton) {
    PressAlt(Qt::Key_F);
    auto& fileMenu = Get<QMenu>("mnuFile");
    ASSERT_TRUE(fileMenu.isVisible());
    QTest::keyClick(&fileMenu, Qt::Key_Y);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].text, "Please Enter Your Name");
    EXPECT_EQ(window->focusWidget(), &Box("txtName"));

    Enter(GreenwichNoon2000());
    PressAlt(Qt::Key_F);
    QTest::keyClick(&fileMenu, Qt::Key_Y);
    ExpectResult("Swati", "Dhrithi");
}

TEST_F(MainWindowReading, EveryMnemonicReachesItsControl) {
    Enter(GreenwichNoon2000());
    PressAlt(Qt::Key_Y);
    ExpectResult("Swati", "Dhrithi");

    desktop.savePaths.push_back({});  // cancelled
    PressAlt(Qt::Key_S);
    ASSERT_EQ(desktop.fileDialogs.size(), 1);
    EXPECT_TRUE(desktop.fileDialogs[0].save);

    // On the result panel Alt+O belongs to the bar's "Make Money &Online".
    PressAlt(Qt::Key_O);
    EXPECT_EQ(desktop.openedUrls.size(), 1);

    PressAlt(Qt::Key_B);
    EXPECT_TRUE(ShowsInput());

    // On the input panel Alt+O opens a saved reading, every time.
    for (int press = 0; press < 2; ++press) {
        PressAlt(Qt::Key_O);
        ASSERT_EQ(desktop.fileDialogs.size(), 2 + press);
        EXPECT_FALSE(desktop.fileDialogs.last().save);
    }
    EXPECT_EQ(desktop.openedUrls.size(), 1);

    PressAlt(Qt::Key_H);
    EXPECT_TRUE(Get<QMenu>("mnuHelp").isVisible());
    QTest::keyClick(&Get<QMenu>("mnuHelp"), Qt::Key_Escape);
    PressAlt(Qt::Key_F);
    EXPECT_TRUE(Get<QMenu>("mnuFile").isVisible());
    QTest::keyClick(&Get<QMenu>("mnuFile"), Qt::Key_Escape);
}

TEST_F(MainWindowReading, ExitClosesTheWindowAndReportsTheUnload) {
    int unloads = 0;
    QObject::connect(window.get(), &frmMain::formUnloaded, [&unloads] { ++unloads; });
    PressAlt(Qt::Key_F);
    QTest::keyClick(&Get<QMenu>("mnuFile"), Qt::Key_E);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(unloads, 1);
    EXPECT_TRUE(desktop.messages.isEmpty());
}

}  // namespace
