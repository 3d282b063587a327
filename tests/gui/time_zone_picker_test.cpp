// The time-zone picker, opened from the main window's "TZ Help" label.
#include <QListWidget>
#include <QMouseEvent>

#include "main_window_fixture.h"
#include "gui/windows/frmTimeZone.h"

namespace {

// Noon of 1 June 1941 in London, 0°08' W, under double summer time.
TypedReading London1941() {
    TypedReading r;
    r.month = QStringLiteral("June");
    r.year = QStringLiteral("1941");
    r.latDegrees = QStringLiteral("51");
    r.latMinutes = QStringLiteral("30");
    r.lonMinutes = QStringLiteral("8");
    r.east = false;
    return r;
}

void DoubleClickRow(QListWidget& list, int row) {
    QListWidgetItem* item = list.item(row);
    ASSERT_NE(item, nullptr);
    list.scrollToItem(item);
    const QPoint centre = list.visualItemRect(item).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
}

class TimeZonePicker : public MainWindowTest {
public:
    // Opens the picker from the main window and hands it to `use`.
    void WithPicker(const std::function<void(frmTimeZone&, QListWidget&)>& use) {
        onModal = [&use](QDialog& dialog) {
            auto* picker = qobject_cast<frmTimeZone*>(&dialog);
            ASSERT_NE(picker, nullptr);
            use(*picker, Control<QListWidget>(*picker, "lstTimeZone"));
        };
        Click("lblTZHelp");
    }

    // Double-clicks a row and returns what the two zone boxes show then.
    std::pair<QString, QString> Pick(int row) {
        TypeInto(Box("txtZoneHour"), "99");
        TypeInto(Box("txtZoneMinute"), "99");
        bool closed = false;
        WithPicker([&](frmTimeZone& picker, QListWidget& list) {
            DoubleClickRow(list, row);
            closed = !picker.isVisible();
        });
        EXPECT_TRUE(closed) << row;
        return {Box("txtZoneHour").text(), Box("txtZoneMinute").text()};
    }
};

TEST_F(TimeZonePicker, ListsTheSeventyOneZonesInOrderWithNothingSelectedEachTime) {
    for (int opening = 0; opening < 2; ++opening) {
        WithPicker([](frmTimeZone& picker, QListWidget& list) {
            EXPECT_EQ(picker.windowTitle(), "Zorvane v1.95");
            EXPECT_EQ(picker.size(), QSize(329, 232));
            EXPECT_EQ(picker.minimumSize(), picker.maximumSize());
            EXPECT_TRUE(picker.isModal());
            EXPECT_TRUE(list.font().bold());
            EXPECT_TRUE(Control<QWidget>(picker, "cmdQuit").font().bold());
            ASSERT_EQ(list.count(), 71);
            EXPECT_EQ(list.item(0)->text(), "Alaska/Hawaii Daylight Time,AHDT,-9.0");
            EXPECT_EQ(list.item(34)->text(), "Indian Time, IST, +5.3");
            EXPECT_EQ(list.item(70)->text(), "Yukon War Time,YWT,-8.0");
            EXPECT_TRUE(list.selectedItems().isEmpty());
            picker.close();
        });
    }
    EXPECT_EQ(modalCount, 2);
}

// A zone ahead of universal time is written with "+", so that it stays ahead
// for a place west of Greenwich (London in 1941); a zone behind with "-", so
// that it stays behind east of it; universal time itself without a sign.
TEST_F(TimeZonePicker, ADoubleClickWritesTheSignItsListShows) {
    const struct {
        int row;
        const char* hour;
        const char* minute;
    } rows[] = {
        {27, "-5", "0"},     // EST, -5.0
        {34, "+5", "30"},   // IST, "+5.3"
        {37, "+3", "30"},   // Iran, +3.5
        {20, "+1", "0"},    // CET
        {15, "+2", "0"},    // BDST
        {50, "-3", "30"},    // Newfoundland, -3.5
        {29, "0", "0"},     // GMT
        {61, "0", "0"},     // UT
        {46, "+13", "0"},   // NZST, the largest magnitude
        {36, "-12", "0"},    // IDLW
        {70, "-8", "0"},     // last row
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Pick(r.row), std::make_pair(QString(r.hour), QString(r.minute))) << r.row;
    }
}

// BDST picked for London (0°08' W) on 1 June 1941 reads as two hours ahead,
// exactly as typing "+2" does: Ashlesha, not the Magha of four hours off.
TEST_F(TimeZonePicker, APickedZoneAheadHoldsWestOfGreenwich) {
    QString picked;
    QString typed;
    for (QString* result : {&picked, &typed}) {
        Enter(London1941());
        if (result == &picked) {
            Pick(15);
        } else {
            TypeInto(Box("txtZoneHour"), "+2");
            TypeInto(Box("txtZoneMinute"), "0");
        }
        Click("cmdCalculate");
        *result = Control<QLabel>(*window, "lblNakshatraName").text();
        Click("cmdBack");
    }
    EXPECT_EQ(picked, "Ashlesha");
    EXPECT_EQ(typed, picked);
}

TEST_F(TimeZonePicker, WritesTheHourBoxFirstAndNothingElse) {
    Enter(DelhiMidnight1947());
    Click("chkDST");
    const auto before = Snapshot();
    QStringList writes;
    QObject::connect(&Box("txtZoneHour"), &QLineEdit::textChanged,
                     [&writes](const QString& text) { writes << "hour " + text; });
    QObject::connect(&Box("txtZoneMinute"), &QLineEdit::textChanged,
                     [&writes](const QString& text) { writes << "minute " + text; });
    WithPicker([](frmTimeZone&, QListWidget& list) { DoubleClickRow(list, 24); });  // EDT

    EXPECT_EQ(writes, QStringList({"hour -4", "minute 0"}));
    auto after = Snapshot();
    after["txtZoneHour"] = before["txtZoneHour"];
    after["txtZoneMinute"] = before["txtZoneMinute"];
    EXPECT_EQ(after, before);  // the daylight-saving box included
}

TEST_F(TimeZonePicker, QuitCloseBoxAndEnterWriteNothing) {
    TypeInto(Box("txtZoneHour"), "-7");
    TypeInto(Box("txtZoneMinute"), "15");
    const auto unchanged = [this] {
        EXPECT_EQ(Box("txtZoneHour").text(), "-7");
        EXPECT_EQ(Box("txtZoneMinute").text(), "15");
    };
    WithPicker([](frmTimeZone& picker, QListWidget& list) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(3)).center());
        ASSERT_EQ(list.selectedItems().size(), 1);
        QTest::keyClick(&list, Qt::Key_Return);
        QTest::keyClick(&list, Qt::Key_Enter);
        EXPECT_TRUE(picker.isVisible());
        QTest::mouseClick(&Control<QWidget>(picker, "cmdQuit"), Qt::LeftButton);
        EXPECT_FALSE(picker.isVisible());
    });
    unchanged();

    WithPicker([](frmTimeZone& picker, QListWidget& list) {
        list.setCurrentRow(5);
        QTest::keyClick(&list, Qt::Key_Q, Qt::AltModifier);
        EXPECT_FALSE(picker.isVisible());
    });
    unchanged();

    WithPicker([](frmTimeZone& picker, QListWidget& list) {
        list.setCurrentRow(5);
        picker.close();  // the title bar's close box
    });
    unchanged();
}

TEST_F(TimeZonePicker, ADoubleClickWithNoRowSelectedOnlyCloses) {
    TypeInto(Box("txtZoneHour"), "1");
    TypeInto(Box("txtZoneMinute"), "2");
    WithPicker([](frmTimeZone& picker, QListWidget& list) {
        // The press of a real double-click selects a row first; this one
        // comes alone, as it would where the list has no row under it.
        const QPoint where = list.viewport()->rect().center();
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, where,
                                list.viewport()->mapToGlobal(where), Qt::LeftButton, Qt::LeftButton,
                                Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &doubleClick);
        EXPECT_FALSE(picker.isVisible());
    });
    EXPECT_EQ(Box("txtZoneHour").text(), "1");
    EXPECT_EQ(Box("txtZoneMinute").text(), "2");
}

// The line of the zone as applied names every source and says plainly when
// DST is added on top of a picked row (Tromsø in June, then "IST" picked).
TEST_F(TimeZonePicker, TheZoneAsAppliedNamesItsSourceAndDstOnTopOfAPick) {
    Enter(DelhiMidnight1947());
    EXPECT_EQ(LabelText("lblZoneAsApplied"), "+5:30 from UT = zone +5:30, no DST (typed)");
    TypeInto(Box("txtZoneHour"), "-5");
    EXPECT_EQ(LabelText("lblZoneAsApplied"), "-5:30 from UT = zone -5:30, no DST (typed)");
    Click("chkDST");
    Pick(34);  // IST, "+5.3"
    EXPECT_EQ(LabelText("lblZoneAsApplied"),
              "+6:30 from UT = zone +5:30 and DST +1:00 (from the time-zone list). DST adds summer time on top of "
              "the picked zone, whose row already holds its full offset");
    Click("chkDST");
    EXPECT_EQ(LabelText("lblZoneAsApplied"), "+5:30 from UT = zone +5:30, no DST (from the time-zone list)");
    TypeInto(Box("txtLonD"), "");
    EXPECT_EQ(LabelText("lblZoneAsApplied"), "+5:30 from UT = zone +5:30, no DST (from the time-zone list)")
        << "a signed zone needs no longitude";
    TypeInto(Box("txtZoneHour"), "5");
    EXPECT_EQ(LabelText("lblZoneAsApplied"), "The zone or longitude boxes do not give an offset yet");
}

}  // namespace

namespace {

std::vector<int> ShownRows(const QListWidget& list) {
    std::vector<int> rows;
    for (int row = 0; row < list.count(); ++row) {
        if (!list.item(row)->isHidden()) rows.push_back(row);
    }
    return rows;
}

// The filter has the focus on opening; what it keeps stays in the list's
// order, and a row keeps its zone however the list is narrowed.
TEST_F(TimeZonePicker, TheFilterNarrowsTheListAndARowStillWritesItsZone) {
    TypeInto(Box("txtZoneHour"), "99");
    WithPicker([](frmTimeZone& picker, QListWidget& list) {
        auto& filter = Control<QLineEdit>(picker, "txtZoneFilter");
        EXPECT_EQ(picker.focusWidget(), &filter);
        QTest::keyClicks(&filter, "south");
        EXPECT_EQ(ShownRows(list), (std::vector<int>{56, 57, 58, 59, 60}));
        filter.clear();
        QTest::keyClicks(&filter, "-3");
        EXPECT_EQ(ShownRows(list), (std::vector<int>{4, 14, 50}));
        DoubleClickRow(list, 50);
        EXPECT_FALSE(picker.isVisible());
    });
    EXPECT_EQ(Box("txtZoneHour").text(), "-3");
    EXPECT_EQ(Box("txtZoneMinute").text(), "30");
}

// Down moves from the filter into the list on the first row kept; Enter in
// the filter picks the selected row, or the only one left, and with several
// rows and none selected it waits.
TEST_F(TimeZonePicker, DownAndEnterFromTheFilter) {
    const struct {
        const char* typed;
        bool down;
        const char* hour;  // nullptr: the picker stays open
        const char* minute;
    } cases[] = {
        {"java", false, "+7", "30"},
        {"british", true, "+2", "0"},   // BDST, the first of three
        {"british", false, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        TypeInto(Box("txtZoneHour"), "1");
        TypeInto(Box("txtZoneMinute"), "2");
        WithPicker([&c](frmTimeZone& picker, QListWidget& list) {
            auto& filter = Control<QLineEdit>(picker, "txtZoneFilter");
            QTest::keyClicks(&filter, c.typed);
            if (c.down) {
                QTest::keyClick(&filter, Qt::Key_Down);
                EXPECT_EQ(picker.focusWidget(), &list) << c.typed;
                filter.setFocus();
            }
            QTest::keyClick(&filter, Qt::Key_Return);
            EXPECT_EQ(picker.isVisible(), c.hour == nullptr) << c.typed;
            picker.close();
        });
        EXPECT_EQ(Box("txtZoneHour").text(), c.hour ? c.hour : "1") << c.typed;
        EXPECT_EQ(Box("txtZoneMinute").text(), c.minute ? c.minute : "2") << c.typed;
    }
}

}  // namespace
