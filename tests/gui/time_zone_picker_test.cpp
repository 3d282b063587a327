// The time-zone picker, opened from the main window's "TZ Help" label.
#include <QListWidget>
#include <QMouseEvent>

#include "main_window_fixture.h"
#include "timezone/frmTimeZone.h"

namespace {

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

TEST_F(TimeZonePicker, ADoubleClickWritesTheRowsHoursAndMinutes) {
    EXPECT_EQ(Pick(27), std::make_pair(QString("5"), QString("0")));     // EST
    EXPECT_EQ(Pick(34), std::make_pair(QString("-5"), QString("-30")));  // IST, "+5.3"
    EXPECT_EQ(Pick(37), std::make_pair(QString("-3"), QString("-30")));  // Iran
    EXPECT_EQ(Pick(50), std::make_pair(QString("3"), QString("30")));    // Newfoundland
    EXPECT_EQ(Pick(29), std::make_pair(QString("0"), QString("0")));     // GMT
    EXPECT_EQ(Pick(61), std::make_pair(QString("0"), QString("0")));     // UT
    EXPECT_EQ(Pick(46), std::make_pair(QString("-13"), QString("0")));   // NZST
    EXPECT_EQ(Pick(36), std::make_pair(QString("12"), QString("0")));    // IDLW
    EXPECT_EQ(Pick(70), std::make_pair(QString("8"), QString("0")));     // last row
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

    EXPECT_EQ(writes, QStringList({"hour 4", "minute 0"}));
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

}  // namespace
