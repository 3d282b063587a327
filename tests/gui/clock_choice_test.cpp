// The clock of an atlas place as the user chooses it from the zone line: a
// clock time skipped or repeated by a change, India's old clock standards;
// the choice in the zone line, the calculation, the report and chart files.
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "gui/windows/frmAtlas.h"
#include "gui/windows/frmClockChoice.h"
#include "main_window_fixture.h"

namespace {

enum ChoiceColumn { ClockName, Offset, Years, Where, Changes, Source };

class ClockChoiceWindow : public MainWindowTest {
public:
    QTemporaryDir folder;

    // Types the moment and the place, and uses the atlas's first place.
    void UseAtlasPlace(const QString& city, const QString& country, const QString& day, const QString& month,
                       const QString& year, const QString& hour, const QString& minute) {
        TypeInto(Box("txtName"), QStringLiteral("Asha"));
        Choose(Get<QComboBox>("cboDate"), day);
        Choose(Get<QComboBox>("cboMonth"), month);
        Choose(Get<QComboBox>("cboYear"), year);
        Choose(Get<QComboBox>("cboHH"), hour);
        Choose(Get<QComboBox>("cboMM"), minute);
        TypeInto(Box("txtCity"), city);
        TypeInto(Box("txtCountry"), country);
        onModal = [](QDialog& dialog) {
            ASSERT_NE(qobject_cast<frmAtlas*>(&dialog), nullptr);
            QTest::mouseClick(&Control<QPushButton>(dialog, "cmdUse"), Qt::LeftButton);
        };
        Click("Command1");
    }

    // Opens the choice from the zone line, hands its table to `look`, and
    // uses the row whose clock is `clock` (none: cancels).
    void ChooseClock(const QString& clock, const std::function<void(QTableWidget&)>& look = {}) {
        bool opened = false;
        onModal = [&](QDialog& dialog) {
            ASSERT_NE(qobject_cast<frmClockChoice*>(&dialog), nullptr);
            opened = true;
            auto& table = Control<QTableWidget>(dialog, "tblClockChoices");
            if (look) look(table);
            const QList<QTableWidgetItem*> found = table.findItems(clock, Qt::MatchExactly);
            if (found.isEmpty()) {
                QTest::mouseClick(&Control<QPushButton>(dialog, "cmdCancelClock"), Qt::LeftButton);
                return;
            }
            table.selectRow(found.constFirst()->row());
            QTest::mouseClick(&Control<QPushButton>(dialog, "cmdUseClock"), Qt::LeftButton);
        };
        Click("lblZoneAsApplied");
        onModal = nullptr;
        EXPECT_TRUE(opened);
    }

    QString ChangesOf(QTableWidget& table, const QString& clock) {
        const QList<QTableWidgetItem*> found = table.findItems(clock, Qt::MatchExactly);
        return found.isEmpty() ? QString() : table.item(found.constFirst()->row(), Changes)->text();
    }

    QString CopiedReading() {
        Click("cmdCalculate");
        EXPECT_TRUE(desktop.messages.isEmpty());
        Get<QAction>("mnuCopy").trigger();
        return desktop.clipboard;
    }
};

TEST_F(ClockChoiceWindow, MumbaiIn1950OnBombayTimeIsReadAtFourFiftyOneWithKaranaBava) {
    UseAtlasPlace("Mumbai", "India", "10", "March", "1950", "10", "0");
    EXPECT_TRUE(LabelText("lblZoneAsApplied").endsWith("click here to choose the clock"));
    // The tz database's +5:30 by default: karana Vishti.
    EXPECT_TRUE(CopiedReading().contains("Karana: Vishti"));
    Click("cmdBack");

    ChooseClock("Bombay Time", [this](QTableWidget& table) {
        EXPECT_EQ(table.item(0, ClockName)->text(), "tz database");
        const QString bombay = ChangesOf(table, "Bombay Time");
        EXPECT_TRUE(bombay.contains("karana Vishti -> Bava")) << bombay.toStdString();
        EXPECT_TRUE(bombay.contains("dasha balance")) << bombay.toStdString();
        // Calcutta Time is no clock of Mumbai's.
        EXPECT_TRUE(table.findItems("Calcutta Time", Qt::MatchExactly).isEmpty());
    });
    EXPECT_TRUE(LabelText("lblZoneAsApplied").startsWith("+4:51 from UT = zone +4:51, no DST (Bombay Time)"));
    EXPECT_EQ(Box("txtZoneHour").text(), "+4");
    EXPECT_EQ(Box("txtZoneMinute").text(), "51");
    EXPECT_EQ(LabelText("lblAppliedZone"), "Asia/Kolkata, Bombay Time +4:51");

    const QString reading = CopiedReading();
    EXPECT_TRUE(reading.contains("Karana: Bava")) << reading.toStdString();
    EXPECT_TRUE(reading.contains("Zone: +4:51 from UT")) << reading.toStdString();
    EXPECT_TRUE(reading.contains("Clock: read on Bombay Time (+4:51")) << reading.toStdString();
}

// The same choice in Hindi: the rows, the zone line and the note read in
// Hindi, names included; the sources stay as they are written.
TEST_F(ClockChoiceWindow, InHindiTheChoiceAndItsNoteReadInHindi) {
    Get<QAction>("mnuLanguageHindi").trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    UseAtlasPlace("Mumbai", "India", "10", "मार्च", "1950", "10", "0");
    ChooseClock("बंबई समय", [this](QTableWidget& table) {
        EXPECT_EQ(table.item(0, ClockName)->text(), "tz डेटाबेस");
        const QString bombay = ChangesOf(table, "बंबई समय");
        EXPECT_TRUE(bombay.contains("करण विष्टि -> बव")) << bombay.toStdString();
        EXPECT_TRUE(table.item(1, Years)->text().endsWith("तक")) << table.item(1, Years)->text().toStdString();
        EXPECT_TRUE(table.item(1, Source)->text().contains("secondary sources"));
    });
    EXPECT_TRUE(LabelText("lblZoneAsApplied").startsWith("UT से +4:51 = समय क्षेत्र +4:51, DST नहीं (बंबई समय)"))
        << LabelText("lblZoneAsApplied").toStdString();
    const QString reading = CopiedReading();
    EXPECT_TRUE(reading.contains("tz डेटाबेस के +5:30 के स्थान पर बंबई समय")) << reading.toStdString();
}

TEST_F(ClockChoiceWindow, TheChosenStandardComesBackWithTheChartFile) {
    UseAtlasPlace("Mumbai", "India", "10", "March", "1950", "10", "0");
    ChooseClock("Bombay Time");
    const QString applied = LabelText("lblZoneAsApplied");
    const QString path = folder.filePath("mumbai.zchart");
    desktop.savePaths.push_back(path);
    Get<QAction>("mnuSaveChart").trigger();

    OpenWindow();
    desktop.openPaths.push_back(path);
    Get<QAction>("mnuOpenChart").trigger();
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(LabelText("lblZoneAsApplied"), applied);
    EXPECT_EQ(Box("txtZoneHour").text(), "+4");
    EXPECT_EQ(Box("txtZoneMinute").text(), "51");

    // Typing the zone makes it the user's own, and the choice goes with the link.
    TypeInto(Box("txtZoneMinute"), QStringLiteral("30"));
    EXPECT_FALSE(LabelText("lblZoneAsApplied").contains("Bombay"));
}

TEST_F(ClockChoiceWindow, ASkippedOrRepeatedClockTimeTakesTheOffsetChosen) {
    const struct {
        const char* day;
        const char* month;
        const char* hour;
        const char* minute;
        const char* row;          // the row chosen
        const char* appliedLine;  // how the zone line starts then
        const char* sunriseMark;  // the sunrise after the change is on the new clock
    } cases[] = {
        {"12", "March", "2", "30", "Offset before the change", "-5:00 from UT = zone -5:00, no DST", " (-4:00)"},
        {"12", "March", "2", "30", "Offset after the change", "-4:00 from UT = zone -5:00 and DST +1:00", ""},
        {"5", "November", "1", "30", "Earlier (first) time", "-4:00 from UT = zone -5:00 and DST +1:00", " (-5:00)"},
        {"5", "November", "1", "30", "Later (second) time", "-5:00 from UT = zone -5:00, no DST", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.day) + " " + c.month + " " + c.row);
        OpenWindow();
        UseAtlasPlace("New York", "USA", c.day, c.month, "2023", c.hour, c.minute);
        ChooseClock(c.row);
        const QString line = LabelText("lblZoneAsApplied");
        EXPECT_TRUE(line.startsWith(c.appliedLine)) << line.toStdString();
        const QString reading = CopiedReading();
        EXPECT_TRUE(reading.contains("Clock: " + QString::fromLatin1(c.hour).rightJustified(2, u'0') + ":" +
                                     QString::fromLatin1(c.minute)))
            << reading.toStdString();
        const qsizetype sunrise = reading.indexOf(QStringLiteral("Sunrise: "));
        ASSERT_GE(sunrise, 0);
        const QString sunriseLine = reading.mid(sunrise, reading.indexOf(u'\n', sunrise) - sunrise);
        EXPECT_EQ(sunriseLine.endsWith(QLatin1String(c.sunriseMark)), true) << sunriseLine.toStdString();
        EXPECT_EQ(sunriseLine.contains(u'('), *c.sunriseMark != '\0') << sunriseLine.toStdString();
    }
}

TEST_F(ClockChoiceWindow, TheKeyboardReachesTheChoiceToo) {
    UseAtlasPlace("Mumbai", "India", "10", "March", "1950", "10", "0");
    QLabel& line = Get<QLabel>("lblZoneAsApplied");
    EXPECT_EQ(line.focusPolicy(), Qt::TabFocus);
    line.setFocus();
    int opened = 0;
    onModal = [&opened](QDialog& dialog) { opened += qobject_cast<frmClockChoice*>(&dialog) != nullptr ? 1 : 0; };
    QTest::keyClick(&line, Qt::Key_Space);
    onModal = nullptr;
    EXPECT_EQ(opened, 1);
}

TEST_F(ClockChoiceWindow, AnOrdinaryTimeOrATypedZoneOffersNoChoice) {
    UseAtlasPlace("New York", "USA", "12", "March", "2023", "15", "0");
    EXPECT_FALSE(LabelText("lblZoneAsApplied").contains("choose the clock"));
    EXPECT_EQ(Get<QLabel>("lblZoneAsApplied").focusPolicy(), Qt::NoFocus);
    Click("lblZoneAsApplied");
    EXPECT_EQ(modalCount, 1);  // the atlas only
    EXPECT_FALSE(CopiedReading().contains("Clock:"));
}

}  // namespace

namespace {

// The details window names the clock in a row of its own, whole at the
// default size, and reads the afternoon's sunrise on the new clock.
TEST_F(ClockChoiceWindow, DetailsNameTheClockAndReadLaterTimesOnThePlacesClock) {
    UseAtlasPlace("New York", "USA", "12", "March", "2023", "2", "30");
    Click("cmdCalculate");
    bool shown = false;
    onModal = [&shown](QDialog& details) {
        shown = true;
        const QLabel& note = Control<QLabel>(details, "lblClockNote");
        EXPECT_TRUE(note.isVisible());
        EXPECT_TRUE(note.text().startsWith("02:30 did not exist on 2023-03-12")) << note.text().toStdString();
        EXPECT_LE(note.heightForWidth(note.width()), note.height());
        EXPECT_TRUE(Control<QLabel>(details, "lblSunrise").text().endsWith(" (-4:00)"));
    };
    Click("cmdDetails");
    onModal = nullptr;
    EXPECT_TRUE(shown);
}

}  // namespace
