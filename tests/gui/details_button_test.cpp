// Details from the main window: offered only for a calculated reading, and
// showing that reading's values.
#include <QCoreApplication>
#include <QLabel>
#include <QAction>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include "main_window_fixture.h"
#include "gui/windows/frmDetails.h"

namespace {

class DetailsFromMainWindow : public MainWindowTest {
public:
    bool DetailsOffered() {
        const bool button = Get<QPushButton>("cmdDetails").isEnabled();
        EXPECT_EQ(Get<QAction>("mnuDetails").isEnabled(), button);
        return button;
    }
    // Runs `look` on the details window that the Details button opens.
    void WithDetails(const std::function<void(frmDetails&)>& look) {
        onModal = [&look](QDialog& dialog) {
            auto* details = qobject_cast<frmDetails*>(&dialog);
            ASSERT_NE(details, nullptr);
            look(*details);
        };
        const int before = modalCount;
        Click("cmdDetails");
        EXPECT_EQ(modalCount, before + 1);
    }
};

TEST_F(DetailsFromMainWindow, OfferedAfterACalculationAndNotForAReadingFile) {
    EXPECT_FALSE(DetailsOffered());
    EXPECT_FALSE(Get<QPushButton>("cmdDetails").toolTip().isEmpty());

    Enter(DelhiMidnight1947());
    Click("cmdCalculate");
    ASSERT_TRUE(ShowsResult());
    EXPECT_TRUE(DetailsOffered());

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("delhi.vrn"));
    desktop.savePaths.push_back(path);
    Click("cmdSave");
    Click("cmdBack");
    desktop.openPaths.push_back(path);
    Click("cmdOpen");
    ASSERT_TRUE(ShowsResult());
    EXPECT_FALSE(DetailsOffered());
    EXPECT_TRUE(Get<QPushButton>("cmdDetails").toolTip().contains(QStringLiteral("two names")));
}

struct LatitudeCase {
    const char* degrees;
    const char* vara;     // the vara cell of the limb table
    bool sunriseShown;
};

class DetailsOfDelhi1947 : public DetailsFromMainWindow,
                           public ::testing::WithParamInterface<LatitudeCase> {};

// Midnight of 15 August 1947 (a Friday) in Delhi: before sunrise, so the vara
// is still Thursday's; without a valid latitude there is no sunrise to tell.
TEST_P(DetailsOfDelhi1947, ShowsTheRecordAsApplied) {
    TypedReading reading = DelhiMidnight1947();
    reading.latDegrees = QString::fromLatin1(GetParam().degrees);
    Enter(reading);
    Click("cmdCalculate");
    WithDetails([this](frmDetails& details) {
        const auto text = [&details](const char* name) {
            return Control<QLabel>(details, name).text();
        };
        EXPECT_EQ(text("lblDate"), "15 August 1947");
        EXPECT_TRUE(text("lblZone").startsWith("+5:30 "));
        EXPECT_EQ(text("lblLongitude"), "77\u00b013\u2032 E");
        EXPECT_EQ(text("lblUniversalTime"), "1947-08-14 18:30:00 UT");
        EXPECT_TRUE(text("lblNakshatra").startsWith("Pushya pada "));
        EXPECT_TRUE(text("lblBalance").startsWith("Saturn "));

        const QTableWidget& limbs = Control<QTableWidget>(details, "tblLimbs");
        ASSERT_EQ(limbs.rowCount(), 5);
        EXPECT_EQ(limbs.item(1, 0)->text(), "Vara");
        EXPECT_EQ(limbs.item(1, 1)->text(), GetParam().vara);
        EXPECT_EQ(limbs.item(2, 1)->text(), "Pushya");
        EXPECT_EQ(limbs.item(3, 1)->text(), "Siddhi");
        EXPECT_EQ(text("lblSunrise") != "\u2014", GetParam().sunriseShown);
    });
}

INSTANTIATE_TEST_SUITE_P(Latitudes, DetailsOfDelhi1947,
                         ::testing::Values(LatitudeCase{"28", "Guruvara", true},
                                           LatitudeCase{"95", "Sunrise needs a valid latitude",
                                                        false}));

}  // namespace

namespace {

// London, 1 June 1941, noon: the atlas's "double summer time" typed as +2.
// At the default size every label shows whole on every tab: a one-line
// label is as wide as its text, a wrapped one as tall as its lines.
TEST_F(DetailsFromMainWindow, EveryLabelShowsWholeAtTheDefaultSize) {
    TypedReading london;
    london.month = QStringLiteral("June");
    london.year = QStringLiteral("1941");
    london.zoneHour = QStringLiteral("+2");
    london.lonMinutes = QStringLiteral("8");
    Enter(london);
    Click("cmdCalculate");
    WithDetails([](frmDetails& details) {
        details.show();
        QTabWidget* tabs = details.findChild<QTabWidget*>();
        const int tabCount = tabs != nullptr ? tabs->count() : 1;
        int checked = 0;
        for (int tab = 0; tab < tabCount; ++tab) {
            if (tabs != nullptr) tabs->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            for (const QLabel* label : details.findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty() || !label->pixmap().isNull()) continue;
                ++checked;
                if (label->wordWrap()) {
                    EXPECT_LE(label->heightForWidth(label->width()), label->height())
                        << label->objectName().toStdString() << ": " << label->text().toStdString();
                } else {
                    EXPECT_LE(label->sizeHint().width(), label->width())
                        << label->objectName().toStdString() << ": " << label->text().toStdString();
                }
            }
        }
        EXPECT_GT(checked, 10);
        EXPECT_EQ(Control<QLabel>(details, "lblZone").text(),
                  "+2:00 from UT = zone +2:00, no DST (typed)");
    });
}

}  // namespace
