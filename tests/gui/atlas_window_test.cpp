// The offline atlas opened from the main window's "Click here to find
// Latitude & Longitude": finding places, what "Use this place" writes, and
// the universal time the calculation then gets.
#include <QHeaderView>
#include <QTreeWidget>

#include "gui/windows/frmAtlas.h"
#include "gui/windows/place_search.h"
#include "main_window_fixture.h"
#include "core/reading/calculation_driver.h"

namespace {

// The universal time comes from whole hours and minutes divided by 60; only
// the last bit of a double can differ from the exact value.
constexpr double kHourTolerance = 1e-9;

enum Column { Place, State, Country, Latitude, Longitude, Zone, Offset, Note };

struct BirthDay {
    QString day;
    QString month;
    QString year;
    QString hour = QStringLiteral("12");
    QString minute = QStringLiteral("0");
};

class AtlasWindow : public MainWindowTest {
public:
    // Types the place and the birth moment, presses the search button and
    // hands the atlas to `use`.
    void Search(const QString& city, const QString& state, const QString& country,
                const BirthDay& birth, const std::function<void(frmAtlas&, QTreeWidget&)>& use) {
        Choose(Get<QComboBox>("cboDate"), birth.day);
        Choose(Get<QComboBox>("cboMonth"), birth.month);
        Choose(Get<QComboBox>("cboYear"), birth.year);
        Choose(Get<QComboBox>("cboHH"), birth.hour);
        Choose(Get<QComboBox>("cboMM"), birth.minute);
        TypeInto(Box("txtCity"), city);
        TypeInto(Box("txtState"), state);
        TypeInto(Box("txtCountry"), country);
        bool opened = false;
        onModal = [&](QDialog& dialog) {
            auto* atlas = qobject_cast<frmAtlas*>(&dialog);
            ASSERT_NE(atlas, nullptr);
            opened = true;
            use(*atlas, Control<QTreeWidget>(*atlas, "lstPlaces"));
        };
        Click("Command1");
        onModal = nullptr;  // it refers to this call's locals
        EXPECT_TRUE(opened);
    }

    // Searches and uses the first place listed.
    void UseFirstPlace(const QString& city, const QString& state, const QString& country,
                       const BirthDay& birth) {
        Search(city, state, country, birth, [](frmAtlas& atlas, QTreeWidget&) {
            QTest::mouseClick(&Control<QPushButton>(atlas, "cmdUse"), Qt::LeftButton);
            EXPECT_FALSE(atlas.isVisible());
        });
    }

    struct ZoneTexts {
        QString hour, minute;
        bool daylightSaving;
        bool operator==(const ZoneTexts&) const = default;
    };
    ZoneTexts ZoneBoxes() {
        return {Box("txtZoneHour").text(), Box("txtZoneMinute").text(),
                Get<QCheckBox>("chkDST").isChecked()};
    }

    // The time base the calculation gets from what the window now shows.
    zorvane::ChartState ChartFromBoxes() {
        zorvane::ReadingForm form;
        form.name = "Asha";
        form.zoneHour = Box("txtZoneHour").text().toStdString();
        form.zoneMinute = Box("txtZoneMinute").text().toStdString();
        form.latDegrees = Box("txtLatD").text().toStdString();
        form.latMinutes = Box("txtLatM").text().toStdString();
        form.lonDegrees = Box("txtLonD").text().toStdString();
        form.lonMinutes = Box("txtLonM").text().toStdString();
        form.northSelected = Get<QRadioButton>("optLat_0").isChecked();
        form.southSelected = Get<QRadioButton>("optLat_1").isChecked();
        form.eastSelected = Get<QRadioButton>("optLong_0").isChecked();
        form.westSelected = Get<QRadioButton>("optLong_1").isChecked();
        form.daylightSaving = Get<QCheckBox>("chkDST").isChecked();
        form.monthIndex = Get<QComboBox>("cboMonth").currentIndex();
        form.dayIndex = Get<QComboBox>("cboDate").currentIndex();
        form.dayText = Get<QComboBox>("cboDate").currentText().toStdString();
        form.yearText = Get<QComboBox>("cboYear").currentText().toStdString();
        form.hourText = Get<QComboBox>("cboHH").currentText().toStdString();
        form.minuteText = Get<QComboBox>("cboMM").currentText().toStdString();
        zorvane::BirthData birth;
        zorvane::ChartState chart;
        EXPECT_FALSE(zorvane::RunCalculation(form, {}, birth, chart).has_value());
        return chart;
    }

    // Everything the user sees or sets but the three place boxes, which the
    // search types into.
    QMap<QString, QVariant> SnapshotBesidesPlaceBoxes() {
        QMap<QString, QVariant> values = Snapshot();
        for (const char* typedBox : {"txtCity", "txtState", "txtCountry"}) values.remove(typedBox);
        return values;
    }

    static void ExpectSameValues(const QMap<QString, QVariant>& now,
                                 const QMap<QString, QVariant>& before) {
        EXPECT_EQ(now.keys(), before.keys());
        for (auto it = before.begin(); it != before.end(); ++it) {
            EXPECT_EQ(now.value(it.key()), it.value())
                << it.key().toStdString() << " now "
                << now.value(it.key()).toString().toStdString();
        }
    }

    // The window itself accepts the filled reading and shows a result.
    void CalculateInWindow() {
        TypeInto(Box("txtName"), "Asha");
        desktop.messages.clear();
        Click("cmdCalculate");
        EXPECT_TRUE(desktop.messages.isEmpty());
        EXPECT_TRUE(ShowsResult());
    }
};

TEST_F(AtlasWindow, MadridInSummer1990FillsPlaceZoneAndDstForTenOClockUniversalTime) {
    Search("Madrid", "Madrid", "Spain", {"1", "July", "1990"},
           [](frmAtlas& atlas, QTreeWidget& list) {
               ASSERT_GE(list.topLevelItemCount(), 1);
               const QTreeWidgetItem& first = *list.topLevelItem(0);
               EXPECT_EQ(first.text(Place), "Madrid");
               EXPECT_EQ(first.text(Country), "Spain");
               EXPECT_EQ(first.text(Latitude), "40 N 25");
               EXPECT_EQ(first.text(Longitude), "3 W 42");
               EXPECT_EQ(first.text(Zone), "Europe/Madrid");
               EXPECT_EQ(first.text(Offset), "+2:00");
               EXPECT_EQ(first.text(Note), "summer time");
               EXPECT_TRUE(first.isSelected());
               EXPECT_TRUE(
                   Control<QLabel>(atlas, "lblHeading").text().contains("1 July 1990 at 12:00"));
               QTest::mouseClick(&Control<QPushButton>(atlas, "cmdUse"), Qt::LeftButton);
           });
    EXPECT_EQ(Box("txtLatD").text(), "40");
    EXPECT_EQ(Box("txtLatM").text(), "25");
    EXPECT_TRUE(Get<QRadioButton>("optLat_0").isChecked());
    EXPECT_EQ(Box("txtLonD").text(), "3");
    EXPECT_EQ(Box("txtLonM").text(), "42");
    EXPECT_TRUE(Get<QRadioButton>("optLong_1").isChecked());
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"+1", "0", true}));

    const zorvane::ChartState chart = ChartFromBoxes();
    EXPECT_NEAR(chart.UniversalHours, 10.0, kHourTolerance);
    EXPECT_TRUE(chart.ZoneEast);
    CalculateInWindow();
}

TEST_F(AtlasWindow, NewYorkHasDstTickedInJulyAndNotInJanuary) {
    UseFirstPlace("New York", "New York", "USA", {"1", "July", "1990"});
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"5", "0", true}));
    EXPECT_TRUE(Get<QRadioButton>("optLong_1").isChecked());
    EXPECT_NEAR(ChartFromBoxes().UniversalHours, 16.0, kHourTolerance);

    UseFirstPlace("New York", "New York", "USA", {"15", "January", "1990"});
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"5", "0", false}));
    EXPECT_NEAR(ChartFromBoxes().UniversalHours, 17.0, kHourTolerance);
    CalculateInWindow();
}

TEST_F(AtlasWindow, KolkataIn1943IsSixAndAHalfHoursAhead) {
    Search("Kolkata", "West Bengal", "India", {"1", "June", "1943"},
           [](frmAtlas& atlas, QTreeWidget& list) {
               ASSERT_GE(list.topLevelItemCount(), 1);
               EXPECT_EQ(list.topLevelItem(0)->text(Offset), "+6:30");
               EXPECT_EQ(list.topLevelItem(0)->text(Note), "summer time");
               QTest::mouseClick(&Control<QPushButton>(atlas, "cmdUse"), Qt::LeftButton);
           });
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"+5", "30", true}));
    EXPECT_TRUE(Get<QRadioButton>("optLong_0").isChecked());
    EXPECT_NEAR(ChartFromBoxes().UniversalHours, 5.5, kHourTolerance);
}

TEST_F(AtlasWindow, LondonIn1941TakesDoubleSummerTimeWholeWithoutDst) {
    Search("London", "England", "UK", {"1", "June", "1941"},
           [](frmAtlas& atlas, QTreeWidget& list) {
               ASSERT_GE(list.topLevelItemCount(), 1);
               EXPECT_EQ(list.topLevelItem(0)->text(State), "England");
               EXPECT_EQ(list.topLevelItem(0)->text(Offset), "+2:00");
               EXPECT_EQ(list.topLevelItem(0)->text(Note), "double summer time");
               QTest::mouseClick(&Control<QPushButton>(atlas, "cmdUse"), Qt::LeftButton);
           });
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"+2", "0", false}));
    EXPECT_EQ(Box("txtLonD").text(), "0");
    EXPECT_EQ(Box("txtLonM").text(), "8");
    EXPECT_TRUE(Get<QRadioButton>("optLong_1").isChecked());
    EXPECT_NEAR(ChartFromBoxes().UniversalHours, 10.0, kHourTolerance);
    CalculateInWindow();
}

TEST_F(AtlasWindow, AFormerNameFindsThePlaceByItsNameOfToday) {
    Search("Bombay", "Maharashtra", "India", {"1", "January", "1960"},
           [](frmAtlas& atlas, QTreeWidget& list) {
               ASSERT_GE(list.topLevelItemCount(), 1);
               EXPECT_EQ(list.topLevelItem(0)->text(Place), "Mumbai");
               EXPECT_TRUE(Control<QLabel>(atlas, "lblHeading")
                               .text()
                               .startsWith("\u201cBombay\u201d is another name of Mumbai."));
               QTest::mouseClick(&Control<QPushButton>(atlas, "cmdUse"), Qt::LeftButton);
           });
    EXPECT_EQ(Box("txtLatD").text(), "19");
    EXPECT_EQ(Box("txtLonD").text(), "72");
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"+5", "30", false}));
}

TEST_F(AtlasWindow, ACityThatMatchesNothingOffersTheWebSearch) {
    const QMap<QString, QVariant> before = SnapshotBesidesPlaceBoxes();
    Search("Xyzzyqua", "Nowhere", "Atlantis", {"1", "January", "1901", "0", "0"},
           [this](frmAtlas& atlas, QTreeWidget& list) {
               EXPECT_EQ(list.topLevelItemCount(), 0);
               EXPECT_TRUE(Control<QLabel>(atlas, "lblHeading")
                               .text()
                               .startsWith(QString::fromUtf8(
                                   "No place called \u201cXyzzyqua\u201d is in the atlas.")));
               EXPECT_FALSE(Control<QPushButton>(atlas, "cmdUse").isEnabled());
               EXPECT_TRUE(Control<QPushButton>(atlas, "cmdWeb").isDefault());
               EXPECT_TRUE(desktop.openedUrls.isEmpty());
               QTest::mouseClick(&Control<QPushButton>(atlas, "cmdWeb"), Qt::LeftButton);
               EXPECT_FALSE(atlas.isVisible());
           });
    ASSERT_EQ(desktop.openedUrls.size(), 1);
    EXPECT_EQ(desktop.openedUrls[0],
              zorvane::PlaceSearch::SearchAddress("Xyzzyqua Nowhere Atlantis Latitude Longitude"));
    EXPECT_TRUE(desktop.openedUrls[0].toEncoded().endsWith(
        "=Xyzzyqua%20Nowhere%20Atlantis%20Latitude%20Longitude"));
    ExpectSameValues(SnapshotBesidesPlaceBoxes(), before);
}

TEST_F(AtlasWindow, SearchTheWebKeepsTheWholeTypedQueryPercentEncoded) {
    const QString city = QStringLiteral("Pune");
    const QString state = QStringLiteral("A&b=c#d+e%41");
    Search(city, state, "India", {"1", "January", "1990"}, [](frmAtlas& atlas, QTreeWidget& list) {
        EXPECT_GE(list.topLevelItemCount(), 1);
        QTest::mouseClick(&Control<QPushButton>(atlas, "cmdWeb"), Qt::LeftButton);
    });
    ASSERT_EQ(desktop.openedUrls.size(), 1);
    const QUrl url = desktop.openedUrls[0];
    EXPECT_FALSE(url.hasFragment());
    EXPECT_TRUE(
        url.toEncoded().endsWith("=Pune%20A%26b%3Dc%23d%2Be%2541%20India%20Latitude%20Longitude"));
    EXPECT_TRUE(Box("txtLatD").text().isEmpty());
}

TEST_F(AtlasWindow, CloseChangesNothing) {
    Enter(DelhiMidnight1947());
    const QMap<QString, QVariant> before = SnapshotBesidesPlaceBoxes();
    Search("Madrid", "-", "-", {"15", "August", "1947", "0", "0"},
           [](frmAtlas& atlas, QTreeWidget& list) {
               EXPECT_GE(list.topLevelItemCount(), 1);
               QTest::mouseClick(&Control<QPushButton>(atlas, "cmdClose"), Qt::LeftButton);
               EXPECT_FALSE(atlas.isVisible());
               EXPECT_FALSE(atlas.ChosenPlace().has_value());
           });
    ExpectSameValues(SnapshotBesidesPlaceBoxes(), before);
    EXPECT_TRUE(desktop.openedUrls.isEmpty());
}

TEST_F(AtlasWindow, ADoubleClickUsesThatRow) {
    Search("London", "-", "-", {"1", "July", "1990"}, [](frmAtlas& atlas, QTreeWidget& list) {
        ASSERT_GE(list.topLevelItemCount(), 2);
        QTreeWidgetItem* second = list.topLevelItem(1);
        EXPECT_EQ(second->text(State), "Ontario");
        const QPoint centre = list.visualItemRect(second).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
        EXPECT_FALSE(atlas.isVisible());
    });
    EXPECT_EQ(Box("txtLatD").text(), "42");
    EXPECT_EQ(Box("txtLatM").text(), "59");
    EXPECT_EQ(Box("txtLonD").text(), "81");
    EXPECT_EQ(Box("txtLonM").text(), "14");
    EXPECT_TRUE(Get<QRadioButton>("optLong_1").isChecked());
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"5", "0", true}));
}

TEST_F(AtlasWindow, EnterInTheListUsesTheSelectedRow) {
    Search("Pune", "MH", "India", {"1", "January", "1990"}, [](frmAtlas& atlas, QTreeWidget& list) {
        ASSERT_GE(list.topLevelItemCount(), 1);
        EXPECT_EQ(QApplication::focusWidget(), &list);
        QTest::keyClick(&list, Qt::Key_Return);
        EXPECT_FALSE(atlas.isVisible());
    });
    EXPECT_EQ(Box("txtLatD").text(), "18");
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"+5", "30", false}));
}

TEST_F(AtlasWindow, AnImpossibleBirthDateWritesOnlyTheCoordinates) {
    TypeInto(Box("txtZoneHour"), "7");
    TypeInto(Box("txtZoneMinute"), "15");
    Search("Madrid", "-", "Spain", {"31", "February", "1990"},
           [](frmAtlas& atlas, QTreeWidget& list) {
               ASSERT_GE(list.topLevelItemCount(), 1);
               EXPECT_EQ(list.topLevelItem(0)->text(Offset), QString::fromUtf8("\u2014"));
               EXPECT_TRUE(Control<QLabel>(atlas, "lblHeading").text().contains("not a real date"));
               QTest::mouseClick(&Control<QPushButton>(atlas, "cmdUse"), Qt::LeftButton);
           });
    EXPECT_EQ(Box("txtLatD").text(), "40");
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"7", "15", false}));
}

TEST_F(AtlasWindow, AClockTimeTheChangeSkippedOrRepeatedIsMarkedInItsRow) {
    Search("New York", "-", "USA", {"1", "April", "1990", "2", "30"},
           [](frmAtlas&, QTreeWidget& list) {
               ASSERT_GE(list.topLevelItemCount(), 1);
               EXPECT_EQ(list.topLevelItem(0)->text(Note), "clock time skipped");
               EXPECT_TRUE(list.topLevelItem(0)->toolTip(Offset).contains("jumped over"));
           });
    Search("New York", "-", "USA", {"28", "October", "1990", "1", "30"},
           [](frmAtlas&, QTreeWidget& list) {
               ASSERT_GE(list.topLevelItemCount(), 1);
               EXPECT_EQ(list.topLevelItem(0)->text(Note), "summer time; clock time repeated");
               EXPECT_TRUE(list.topLevelItem(0)->toolTip(Offset).contains("came twice"));
           });
}

TEST_F(AtlasWindow, ListsAtMostFiftyPlacesAndSaysHowManyMatched) {
    Search("San", "-", "-", {"1", "January", "1990"}, [](frmAtlas& atlas, QTreeWidget& list) {
        EXPECT_EQ(list.topLevelItemCount(), zorvane::kAtlasListLimit);
        EXPECT_TRUE(Control<QLabel>(atlas, "lblHeading").text().contains("The 50 likeliest of"));
    });
}

TEST_F(AtlasWindow, LooksLikeTheProgramsOtherWindows) {
    Search("Madrid", "-", "-", {"1", "January", "1990"}, [](frmAtlas& atlas, QTreeWidget& list) {
        EXPECT_EQ(atlas.windowTitle(), "Zorvane v1.95");
        EXPECT_TRUE(atlas.isModal());
        EXPECT_EQ(atlas.minimumSize(), atlas.maximumSize());
        EXPECT_EQ(atlas.font().family(), "Verdana");
        EXPECT_DOUBLE_EQ(atlas.font().pointSizeF(), 8.25);
        EXPECT_EQ(atlas.palette().color(QPalette::Window), QColor(255, 180, 4));
        EXPECT_EQ(list.palette().color(QPalette::Text), QColor(0, 0, 255));
        EXPECT_EQ(Control<QPushButton>(atlas, "cmdUse").text(), "&Use this place");
        EXPECT_EQ(Control<QPushButton>(atlas, "cmdWeb").text(), "Search the &web");
        EXPECT_EQ(Control<QPushButton>(atlas, "cmdClose").text(), "&Close");
        // Every column fits inside the window.
        EXPECT_LE(list.header()->length(), list.viewport()->width());
    });
}

TEST_F(AtlasWindow, TheAtlasNeedsOnlyTheCityAndTheWebSearchAllThree) {
    TypeInto(Box("txtCity"), "");
    Click("Command1");
    EXPECT_EQ(modalCount, 0);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].text, "Please Enter Name Of City");
    desktop.messages.clear();

    Search("Puttaparthi", "", "", {"23", "November", "1926"},
           [this](frmAtlas& atlas, QTreeWidget& list) {
               ASSERT_GE(list.topLevelItemCount(), 1);
               EXPECT_EQ(list.topLevelItem(0)->text(Place), "Puttaparthi");
               EXPECT_EQ(list.topLevelItem(0)->text(State), "Andhra Pradesh");
               EXPECT_EQ(list.topLevelItem(0)->text(Zone), "Asia/Kolkata");
               QTest::mouseClick(&Control<QPushButton>(atlas, "cmdWeb"), Qt::LeftButton);
               ASSERT_EQ(desktop.messages.size(), 1);
               EXPECT_EQ(desktop.messages[0].text, "Please Enter Name Of State");
               EXPECT_TRUE(desktop.openedUrls.isEmpty());
               QTest::mouseClick(&Control<QPushButton>(atlas, "cmdUse"), Qt::LeftButton);
           });
    EXPECT_EQ(Box("txtLatD").text(), "14");
    EXPECT_EQ(Box("txtLonD").text(), "77");
}

TEST_F(AtlasWindow, TheZoneBoxesSayHowTheZonesDirectionIsDecided) {
    for (const char* name : {"txtZoneHour", "txtZoneMinute"}) {
        SCOPED_TRACE(name);
        const QString tip = Box(name).toolTip();
        EXPECT_TRUE(tip.contains("typed with +"));
        EXPECT_TRUE(tip.contains("East/West"));
    }
}

// The form opens at 1 January 1901, when Delhi kept Madras time (+5:21); a
// birth date chosen after the search must not keep that offset.
TEST_F(AtlasWindow, TheAtlasZoneFollowsTheDateAndClockTime) {
    UseFirstPlace("Delhi", "Delhi", "India", {"1", "January", "1901", "0", "0"});
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"+5", "21", false}));
    EXPECT_EQ(LabelText("lblAppliedZone"), "Asia/Kolkata +5:21");
    Choose(Get<QComboBox>("cboDate"), "15");
    Choose(Get<QComboBox>("cboMonth"), "August");
    Choose(Get<QComboBox>("cboYear"), "1990");
    Choose(Get<QComboBox>("cboHH"), "12");
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"+5", "30", false}));
    EXPECT_EQ(LabelText("lblAppliedZone"), "Asia/Kolkata +5:30");
    EXPECT_NEAR(ChartFromBoxes().UniversalHours, 6.5, kHourTolerance);
    CalculateInWindow();

    Click("cmdBack");
    UseFirstPlace("London", "England", "UK", {"1", "January", "1901"});
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"0", "0", false}));
    EXPECT_EQ(LabelText("lblAppliedZone"), "Europe/London 0:00");
    Choose(Get<QComboBox>("cboMonth"), "June");
    Choose(Get<QComboBox>("cboYear"), "1941");
    EXPECT_EQ(LabelText("lblAppliedZone"), "Europe/London +2:00, double summer time");
    EXPECT_EQ(LabelText("lblZoneAsApplied"),
              "+2:00 from UT = zone +2:00, no DST (from the atlas Europe/London; double summer time)");
    CalculateInWindow();
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"+2", "0", false}));
}

// Before a calculation the zone is worked out again for the moment in the
// form, whatever brought the lists there.
TEST_F(AtlasWindow, TheAtlasZoneIsWorkedOutAgainBeforeACalculation) {
    UseFirstPlace("London", "England", "UK", {"1", "January", "1901"});
    for (const char* list : {"cboMonth", "cboYear"}) {
        Get<QComboBox>(list).blockSignals(true);
    }
    Choose(Get<QComboBox>("cboMonth"), "June");
    Choose(Get<QComboBox>("cboYear"), "1941");
    for (const char* list : {"cboMonth", "cboYear"}) {
        Get<QComboBox>(list).blockSignals(false);
    }
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"0", "0", false}));
    CalculateInWindow();
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"+2", "0", false}));
    EXPECT_EQ(LabelText("lblAppliedZone"), "Europe/London +2:00, double summer time");
}

TEST_F(AtlasWindow, SettingTheZoneAnotherWayEndsTheLinkAndTheTypedValuesStand) {
    const struct {
        const char* how;
        std::function<void()> set;
    } ways[] = {
        {"hour box", [this] { TypeInto(Box("txtZoneHour"), "+1"); }},
        {"minute box", [this] { TypeInto(Box("txtZoneMinute"), "0"); }},
        {"DST", [this] { Click("chkDST"); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        UseFirstPlace("London", "England", "UK", {"1", "January", "1901"});
        ASSERT_FALSE(LabelText("lblAppliedZone").isEmpty());
        way.set();
        const ZoneTexts typed = ZoneBoxes();
        EXPECT_TRUE(LabelText("lblAppliedZone").isEmpty());
        Choose(Get<QComboBox>("cboMonth"), "June");
        Choose(Get<QComboBox>("cboYear"), "1941");
        CalculateInWindow();
        EXPECT_EQ(ZoneBoxes(), typed);
        Click("cmdBack");
    }
}

TEST_F(AtlasWindow, TheUserCanStillEditEveryFilledBox) {
    UseFirstPlace("Madrid", "Madrid", "Spain", {"1", "July", "1990"});
    TypeInto(Box("txtZoneHour"), "1");
    Click("chkDST");
    TypeInto(Box("txtLonM"), "41");
    EXPECT_EQ(ZoneBoxes(), (ZoneTexts{"1", "0", false}));
    EXPECT_EQ(Box("txtLonM").text(), "41");
}

}  // namespace
