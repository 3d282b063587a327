// The main window as the user first sees it.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <cmath>
#include <string_view>
#include <tuple>

#include "main_window_fixture.h"
#include "core/format/display_tables.h"

namespace {

// Positions in the window's design are in twips, 15 to a pixel.
QRect FromTwips(int left, int top, int width, int height) {
    const auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    return {px(left), px(top), px(width), px(height)};
}

const QColor kOrange(255, 180, 4);
const QColor kBlue(0, 0, 255);

using MainWindowStart = MainWindowTest;

TEST_F(MainWindowStart, IsAFixedCentredWindowWithItsCaptionFontAndColours) {
    EXPECT_EQ(window->windowTitle(), "Zorvane v1.95");
    EXPECT_EQ(window->centralWidget()->size(), QSize(480, 443));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_LE((window->frameGeometry().center() - screen.center()).manhattanLength(), 2);

    for (const char* name : {"txtName", "cboMonth", "lblCaption", "cmdCalculate", "txtLatD"}) {
        const QFont font = Get<QWidget>(name).font();
        EXPECT_EQ(font.family(), "Verdana") << name;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25) << name;
    }
    const QFont nameFont = Get<QWidget>("lblYogaName").font();
    EXPECT_EQ(nameFont.pointSize(), 12);
    EXPECT_TRUE(nameFont.bold());

    const QWidget& background = *window->centralWidget();
    EXPECT_TRUE(background.autoFillBackground());
    EXPECT_EQ(background.palette().color(QPalette::Window), kOrange);
    EXPECT_EQ(Get<QWidget>("Label1").palette().color(QPalette::Window), QColor(Qt::white));
    for (const char* box : {"txtName", "txtZoneHour", "txtLonM", "txtCountry"}) {
        EXPECT_EQ(Get<QWidget>(box).palette().color(QPalette::Text), kBlue) << box;
    }
    for (const char* list : {"cboMonth", "cboDate", "cboYear", "cboHH", "cboMM", "cboSS"}) {
        EXPECT_EQ(Get<QWidget>(list).palette().color(QPalette::ButtonText), kBlue) << list;
    }
}

TEST_F(MainWindowStart, PlacesTheControlsWhereTheDesignPutsThem) {
    EXPECT_EQ(Get<QWidget>("Label1").geometry(), FromTwips(1073, 0, 5055, 435));
    EXPECT_EQ(Get<QWidget>("picMain").geometry(), FromTwips(175, 1440, 6850, 4250));
    EXPECT_EQ(Get<QWidget>("picResult").geometry(), FromTwips(175, 1440, 6850, 4250));
    EXPECT_EQ(Get<QWidget>("Frame1").geometry(), FromTwips(53, 5760, 7095, 850));
    EXPECT_EQ(Get<QWidget>("cmdCalculate").geometry(), FromTwips(60, 3720, 6645, 400));
    EXPECT_EQ(Get<QWidget>("cboYear").geometry(), FromTwips(3300, 1110, 885, 315));
    EXPECT_EQ(Get<QWidget>("txtZoneMinute").geometry(), FromTwips(680, 270, 495, 285));
    EXPECT_EQ(Get<QWidget>("Command1").geometry(), FromTwips(5640, 2085, 1095, 1250));
    EXPECT_EQ(Get<QWidget>("lblNakshatraDesc").geometry(), FromTwips(120, 550, 6495, 1400));
    EXPECT_EQ(Get<QWidget>("cmdBack").geometry(), FromTwips(5685, 3800, 1095, 350));
}

TEST_F(MainWindowStart, ShowsTheInputPanelWithEmptyBoxesAndTheFirstEntries) {
    EXPECT_TRUE(ShowsInput());
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
    }
    EXPECT_TRUE(Get<QRadioButton>("optLat_0").isChecked());
    EXPECT_FALSE(Get<QRadioButton>("optLat_1").isChecked());
    EXPECT_TRUE(Get<QRadioButton>("optLong_0").isChecked());
    EXPECT_FALSE(Get<QRadioButton>("optLong_1").isChecked());
    EXPECT_EQ(Get<QRadioButton>("optLat_0").text(), "North");
    EXPECT_EQ(Get<QRadioButton>("optLong_1").text(), "West");
    EXPECT_EQ(Get<QButtonGroup>("optLat").id(&Get<QRadioButton>("optLat_1")), 1);
    EXPECT_FALSE(Get<QCheckBox>("chkDST").isChecked());

    const auto entries = [this](const char* name) {
        QStringList texts;
        const auto& list = Get<QComboBox>(name);
        for (int i = 0; i < list.count(); ++i) texts << list.itemText(i);
        EXPECT_EQ(list.currentIndex(), 0) << name;
        return texts;
    };
    const auto numbers = [](int first, int last) {
        QStringList texts;
        for (int n = first; n <= last; ++n) texts << QString::number(n);
        return texts;
    };
    EXPECT_EQ(entries("cboDate"), numbers(1, 31));
    EXPECT_EQ(entries("cboMonth"),
              QStringList({"January", "February", "March", "April", "May", "June", "July", "August",
                           "September", "October", "November", "December"}));
    EXPECT_EQ(entries("cboYear"), numbers(1901, 2050));
    EXPECT_EQ(entries("cboHH"), numbers(0, 23));
    EXPECT_EQ(entries("cboMM"), numbers(0, 59));
    EXPECT_EQ(entries("cboSS"), numbers(0, 59));
    for (const char* name : {"cboDate", "cboMonth", "cboYear", "cboHH", "cboMM", "cboSS"}) {
        EXPECT_FALSE(Get<QComboBox>(name).isEditable()) << name;
    }
}

TEST_F(MainWindowStart, NumericBoxesTakeThreeCharactersAndTheNameAnyNumber) {
    for (const char* name :
         {"txtZoneHour", "txtZoneMinute", "txtLatD", "txtLatM", "txtLonD", "txtLonM"}) {
        TypeInto(Box(name), "1234");
        EXPECT_EQ(Box(name).text(), "123") << name;
    }
    const QString longName(300, QLatin1Char('n'));
    for (const char* name : {"txtName", "txtCity", "txtState", "txtCountry"}) {
        TypeInto(Box(name), longName);
        EXPECT_EQ(Box(name).text(), longName) << name;
    }
}

// Three characters show whole: with the cursor after the last one the box
// has not scrolled, so the first stands where it stood.
TEST_F(MainWindowStart, NumericBoxesShowThreeCharactersWhole) {
    const auto cursorAt = [](QLineEdit& box, int position) {
        box.setCursorPosition(position);
        box.grab();  // the box works out its scrolling as it paints
        return box.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    };
    for (const char* name :
         {"txtZoneHour", "txtZoneMinute", "txtLatD", "txtLatM", "txtLonD", "txtLonM"}) {
        for (const QString& text : {QStringLiteral("-30"), QStringLiteral("180"), QStringLiteral("+12")}) {
            QLineEdit& box = Box(name);
            box.setText(text);
            const QRect start = cursorAt(box, 0);
            const QRect end = cursorAt(box, 3);
            EXPECT_EQ(end.x() - start.x(), box.fontMetrics().horizontalAdvance(text))
                << name << " " << text.toStdString();
            EXPECT_LE(end.right(), box.width()) << name << " " << text.toStdString();
        }
    }
}

TEST_F(MainWindowStart, ShowsTheDesignTexts) {
    EXPECT_EQ(LabelText("lblYogaName"), "Yoga Name");
    EXPECT_EQ(LabelText("lblNakshatraName"), "Nakshatra Name");
    EXPECT_TRUE(LabelText("lblYogaDesc").startsWith("The yoga is Atiganda which implies"));
    EXPECT_EQ(LabelText("lblYogaDesc"),
              QString::fromUtf8(zorvane::YogaTable[5].description.data(),
                                static_cast<qsizetype>(zorvane::YogaTable[5].description.size())));
    EXPECT_TRUE(LabelText("lblNakshatraDesc").startsWith("Sravana is the twenty second Nakshatra"));
    EXPECT_EQ(LabelText("lblNakshatraDesc"),
              QString::fromUtf8(zorvane::NakshatraTable[21].description.data(),
                                static_cast<qsizetype>(zorvane::NakshatraTable[21].description.size())));
    EXPECT_EQ(LabelText("lblCaption"),
              QString::fromUtf8(
                  "Zorvane calculates your birth yoga or varnoy yoga. \u201cYoga\" means an "
                  "\"union\" or \"relationship\" or angle between the longitudes of the "
                  "sun and the moon. They are also known as Yoga Taras of Nakshatras "
                  "(Birth Star). Yogas help in finding out the auspiciousness of the day."));
    EXPECT_EQ(LabelText("lblFullBrand"),
              "Home Business Opportunity. Start your own Internet business and make money online. "
              "Get this software fully branded for your website. Click here for more details.");
    EXPECT_EQ(Get<QPushButton>("cmdOpen").text(), "&Open Previously Saved Reading");
    EXPECT_EQ(Get<QPushButton>("cmdCalculate").text(), "Find My Varnoy &Yoga");
    EXPECT_EQ(Get<QPushButton>("Command1").text().replace('\n', ' '),
              "Click here to find Latitude && Longitude");
    EXPECT_EQ(Get<QPushButton>("cmdSave").text(), "&Save");
    EXPECT_EQ(Get<QPushButton>("cmdBack").text(), "&Back");
    EXPECT_EQ(LabelText("lblTZHelp"), "TZ Help");
}

// Measured with the font the system really uses for Verdana, so a clipped
// name or paragraph shows up here before a user sees it.
TEST_F(MainWindowStart, EveryResultNameAndParagraphFitsItsLabel) {
    const auto fits = [](QLabel& label, std::string_view text) {
        label.setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        return label.wordWrap() ? label.heightForWidth(label.width()) <= label.height()
                                : label.sizeHint().width() <= label.width();
    };
    for (const auto& [table, nameLabel, paragraphLabel] :
         {std::tuple{&zorvane::YogaTable, "lblYogaName", "lblYogaDesc"},
          std::tuple{&zorvane::NakshatraTable, "lblNakshatraName", "lblNakshatraDesc"}}) {
        for (const zorvane::DisplayRow& row : *table) {
            EXPECT_TRUE(fits(Get<QLabel>(nameLabel), row.name)) << row.name;
            EXPECT_TRUE(fits(Get<QLabel>(paragraphLabel), row.description)) << row.name;
        }
    }
    for (const char* banner : {"lblCaption", "lblCobrand", "lblFullBrand"}) {
        auto& label = Get<QLabel>(banner);
        EXPECT_LE(label.heightForWidth(label.width()), label.height()) << banner;
    }
}

TEST_F(MainWindowStart, ShowsOnePromotionAtATime) {
    auto& cobrand = Get<QLabel>("lblCobrand");
    auto& fullBrand = Get<QLabel>("lblFullBrand");
    EXPECT_TRUE(cobrand.isVisible());
    EXPECT_FALSE(fullBrand.isVisible());
    window->ShowPromotion(false);
    EXPECT_TRUE(fullBrand.isVisible());
    EXPECT_FALSE(cobrand.isVisible());
    window->ShowPromotion(true);
    EXPECT_TRUE(cobrand.isVisible());
    EXPECT_FALSE(fullBrand.isVisible());
    EXPECT_EQ(cobrand.geometry(), fullBrand.geometry());
}

TEST_F(MainWindowStart, HasTheMenuBarOfTheDesign) {
    const auto texts = [](const QList<QAction*>& actions) {
        QStringList result;
        for (const QAction* action : actions) {
            EXPECT_TRUE(action->isVisible()) << action->objectName().toStdString();
            // Details, copy, print and PDF wait for a reading; Recent Charts
            // for a first chart.
            const bool waits =
                QStringList({"mnuDetails", "mnuCopy", "mnuPrint", "mnuExportPdf"})
                    .contains(action->objectName()) ||
                (action->menu() != nullptr && action->menu()->objectName() == "mnuRecentCharts");
            EXPECT_EQ(action->isEnabled(), !waits) << action->objectName().toStdString();
            result << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return result;
    };
    const QList<QAction*> bar = window->menuBar()->actions();
    // The design's bar, then the Language menu added after it.
    EXPECT_EQ(texts(bar), QStringList({"&File", "&Help", "Donate", "Make Money &Online", "&Language"}));
    EXPECT_EQ(bar.at(2), &Get<QAction>("mnuDonate"));
    EXPECT_EQ(bar.at(2)->menu(), nullptr);
    EXPECT_EQ(bar.at(3), &Get<QAction>("mnuMakeMoney"));
    EXPECT_EQ(bar.at(3)->menu(), nullptr);

    const QList<QAction*> file = Get<QMenu>("mnuFile").actions();
    EXPECT_EQ(texts(file),
              QStringList({"Find My &Yoga", "&Details", "&Panchang…", "&Match…", "-", "Save Chart &As…",
                           "Open &Chart…", "&Recent Charts", "-", "Copy Reading", "&Print…",
                           "E&xport PDF…", "-", "&Exit"}));
    QStringList fileNames;
    for (const QAction* action : file) fileNames << action->objectName();
    EXPECT_EQ(fileNames,
              QStringList({"mnuCalculate", "mnuDetails", "mnuPanchang", "mnuMatch", "mnuChartSep",
                           "mnuSaveChart", "mnuOpenChart", "", "mnuReportSep", "mnuCopy",
                           "mnuPrint", "mnuExportPdf", "mnuFileSep", "mnuExit"}));
    EXPECT_EQ(file.at(7)->menu(), &Get<QMenu>("mnuRecentCharts"));
    EXPECT_EQ(file.last(), &Get<QAction>("mnuExit")) << "Exit closes the File menu";

    const QList<QAction*> help = Get<QMenu>("mnuHelp").actions();
    EXPECT_EQ(texts(help),
              QStringList({"&Contents", "&Online Help", "&Visit Us Online", "-",
                           "Check for Software &Update", "-", "&About Software"}));
    QStringList names;
    for (const QAction* action : help) names << action->objectName();
    EXPECT_EQ(names, QStringList({"mnuContents", "mnuOnline", "mnuVisit", "mnuHelpSep1",
                                  "mnuUpdate", "mnuHelpSep2", "mnuAbout"}));
    EXPECT_EQ(help.at(0)->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(MainWindowStart, OpensWithTheKeyboardInTheNameBox) {
    EXPECT_EQ(QApplication::focusWidget(), &Box("txtName"));
}

TEST_F(MainWindowStart, TabFollowsTheInputPanelFromTopToBottom) {
    Get<QWidget>("cmdOpen").setFocus();
    QStringList visited;
    for (int step = 0; step < 30; ++step) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        if (!visited.isEmpty() && focus->objectName() == visited.constFirst()) break;
        visited << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(visited,
              QStringList({"cmdOpen",  "txtName",     "cboMonth", "cboDate",     "cboYear",
                           "cboHH",    "cboMM",       "cboSS",    "txtZoneHour", "txtZoneMinute",
                           "chkDST",   "txtLatD",     "txtLatM",  "optLat_0",    "txtLonD",
                           "txtLonM",  "optLong_0",   "txtCity",  "txtState",    "txtCountry",
                           "Command1", "cmdCalculate"}));
}

}  // namespace
