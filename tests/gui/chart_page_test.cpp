// The details window's Chart page: the choices kept in the settings, the
// position table, the Moon's sentence and the saved pictures.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "core/dasha/vimshottari_dasha.h"
#include "core/reading/birth_record.h"
#include "fake_desktop.h"
#include "gui/desktop/chart_choices.h"
#include "gui/desktop/language.h"
#include "gui/report/square_chart.h"
#include "gui/windows/startup.h"
#include "gui/windows/frmDetails.h"
#include "window_probe.h"

namespace {

// 15 August 1947 00:00 +5:30 at New Delhi (77°13'E 28°36'N): the chart's
// Moon at 93°59' Lahiri, Pushya pada 1.
constexpr double kDelhiJd = 2432412.2708333335;
constexpr double kDelhiMoonDegrees = 93.98;
constexpr double kNextPadaDegrees = 97.0;  // Pushya pada 2
constexpr int kNavamsaIndex = 5;            // D9 in the list of vargas

class ChartPageTest : public ::testing::Test {
public:
    FakeDesktop desktop;

    std::unique_ptr<frmDetails> Open(std::optional<double> latitude = 28.6,
                                     double moonDegrees = kDelhiMoonDegrees) {
        zorvane::BirthRecord record;
        record.birth.LonDegrees = 77;
        record.birth.LonMinutes = 13;
        record.birth.LonEast = true;
        record.latitudeDegrees = latitude;
        record.moonSidereal = moonDegrees;
        record.details.emplace().universalJd = kDelhiJd;
        record.dasha = zorvane::ComputeVimshottariDasha(moonDegrees, kDelhiJd);
        auto window = std::make_unique<frmDetails>(desktop, record);
        ShowActive(*window);
        return window;
    }

    QString Setting(const char* key) {
        return desktop.settings.value(zorvane::ApplicationName() + "/Chart/" + key);
    }
};

QString Cell(const QWidget& window, int row, int column) {
    const QTableWidgetItem* item = Control<QTableWidget>(window, "tblPositions").item(row, column);
    return item == nullptr ? QString() : item->text();
}

TEST_F(ChartPageTest, ShowsTheLagnaAndNineGrahasWithTheDefaultChoices) {
    const auto window = Open();
    EXPECT_EQ(Control<QComboBox>(*window, "cboStyle").currentText(), "North Indian");
    EXPECT_EQ(Control<QComboBox>(*window, "cboAyanamsa").currentText(), "Lahiri");
    EXPECT_EQ(Control<QComboBox>(*window, "cboNode").currentText(), "Mean node");
    const QTableWidget& table = Control<QTableWidget>(*window, "tblPositions");
    ASSERT_EQ(table.rowCount(), 10);
    EXPECT_EQ(Cell(*window, 0, 0), "Lagna");
    EXPECT_EQ(Cell(*window, 0, 2), "Vrishabha");
    EXPECT_EQ(Cell(*window, 2, 0), "Moon");
    EXPECT_EQ(Cell(*window, 2, 4), "Pushya");
    EXPECT_EQ(Cell(*window, 8, 8), "R");  // Rahu
    EXPECT_TRUE(Control<QLabel>(*window, "lblChartSource").text().contains("data files"));
    EXPECT_TRUE(Control<QLabel>(*window, "lblMoonNote").isHidden());
}

// In Hindi every name of the table, the choices and the panels' titles are
// Devanagari; the page's keys and numbers stay as they are.
TEST_F(ChartPageTest, InHindiTheTableAndChoicesNameInDevanagari) {
    zorvane::Translation translation;
    ASSERT_TRUE(translation.apply(zorvane::Language::Hindi));
    const auto window = Open();
    struct Expected {
        int row;
        int column;
        const char* text;
    };
    for (const Expected& cell : {Expected{0, 0, "लग्न"}, Expected{0, 2, "वृषभ"}, Expected{2, 0, "चंद्र"},
                                 Expected{2, 4, "पुष्य"}, Expected{2, 6, "शनि"}, Expected{8, 8, "व"}}) {
        EXPECT_EQ(Cell(*window, cell.row, cell.column), QString::fromUtf8(cell.text)) << cell.row << "," << cell.column;
    }
    EXPECT_EQ(Control<QComboBox>(*window, "cboStyle").currentText(), QStringLiteral("उत्तर भारतीय"));
    EXPECT_EQ(Control<QComboBox>(*window, "cboAyanamsa").currentText(), QStringLiteral("लाहिड़ी"));
    EXPECT_EQ(Control<QComboBox>(*window, "cboStyle").currentData().toString(), "north");
    EXPECT_EQ(ChartPanelTitle({zorvane::BirthChart{}, kNavamsaIndex}), QStringLiteral("नवांश (D9)"));
}

TEST_F(ChartPageTest, ChoicesAreKeptInTheSettingsAndComeBack) {
    {
        const auto window = Open();
        const QString lahiriSun = Cell(*window, 1, 1);
        Control<QComboBox>(*window, "cboAyanamsa").setCurrentIndex(3);  // Raman
        EXPECT_NE(Cell(*window, 1, 1), lahiriSun) << "the table follows the ayanamsa";
        Control<QComboBox>(*window, "cboStyle").setCurrentIndex(1);  // South Indian
        Control<QComboBox>(*window, "cboNode").setCurrentIndex(1);
        Control<QCheckBox>(*window, "chkDegrees").setChecked(true);
    }
    EXPECT_EQ(Setting("Ayanamsa"), "raman");
    EXPECT_EQ(Setting("Style"), "south");
    EXPECT_EQ(Setting("Node"), "true");
    EXPECT_EQ(Setting("Degrees"), "1");
    const auto reopened = Open();
    EXPECT_EQ(Control<QComboBox>(*reopened, "cboAyanamsa").currentText(), "Raman");
    EXPECT_EQ(Control<QComboBox>(*reopened, "cboStyle").currentText(), "South Indian");
    EXPECT_TRUE(Control<QCheckBox>(*reopened, "chkDegrees").isChecked());

    desktop.settings.insert(zorvane::ApplicationName() + "/Chart/Style", "no-such-style");
    EXPECT_EQ(Control<QComboBox>(*Open(), "cboStyle").currentText(), "North Indian");
}

TEST_F(ChartPageTest, SaysWhenTheChartsMoonAndTheReadingsDisagree) {
    const auto window = Open(28.6, kNextPadaDegrees);
    const QLabel& note = Control<QLabel>(*window, "lblMoonNote");
    EXPECT_FALSE(note.isHidden());
    EXPECT_TRUE(note.text().contains("Pushya pada 1")) << note.text().toStdString();
    EXPECT_TRUE(note.text().contains("97\u00B000'00\"")) << note.text().toStdString();
    // The Birth Details page names both Moons too, where the nakshatra is read.
    EXPECT_TRUE(Control<QLabel>(*window, "lblNearBounds").text().endsWith(note.text()));
    // Where they agree, neither page says anything of it.
    const auto agreeing = Open();
    EXPECT_TRUE(Control<QLabel>(*agreeing, "lblMoonNote").isHidden());
    EXPECT_FALSE(Control<QLabel>(*agreeing, "lblNearBounds").text().contains("The chart's Moon"));
}

TEST_F(ChartPageTest, WithoutALatitudeThereIsNoLagnaRow) {
    const auto window = Open(std::nullopt);
    EXPECT_EQ(Control<QTableWidget>(*window, "tblPositions").rowCount(), 9);
    EXPECT_TRUE(Control<QLabel>(*window, "lblChartSource").text().contains("need the birth's latitude"));
}

TEST_F(ChartPageTest, SavesThePictureAsPngOrSvgOrSaysWhyNot) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto window = Open();
    const QString png = folder.filePath("chart.png");
    const QString svg = folder.filePath("chart.svg");
    const QString nowhere = folder.filePath("missing/chart.png");
    for (const QString& path : {png, svg, nowhere}) {
        desktop.savePaths.push_back(path);
        QTest::mouseClick(&Control<QPushButton>(*window, "cmdSaveChartPicture"), Qt::LeftButton);
    }
    const QImage image(png);
    EXPECT_EQ(image.width(), 2000);
    EXPECT_EQ(image.height(), 1000);
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("<svg")) << bytes.left(200).toStdString();
    EXPECT_TRUE(bytes.contains("Navamsa (D9)"));
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages.front().text.contains("could not be saved"));
}

// A chart saved from the window takes the page's choices; an opened one
// puts its own back for the page; what the settings do not know is the default.
TEST(ChartChoices, FilesTakeAndGiveBackTheChoices) {
    FakeDesktop desktop;
    const QString app = QStringLiteral("Zorvane");
    desktop.settings.insert("Zorvane/Chart/Style", "east");
    desktop.settings.insert("Zorvane/Chart/Ayanamsa", "true-chitra");
    desktop.settings.insert("Zorvane/Chart/Node", "osculating");
    zorvane::ChartFile chart;
    PutChartChoicesInFile(desktop, app, chart);
    EXPECT_EQ(chart.style, zorvane::ChartStyle::EastIndian);
    EXPECT_EQ(chart.ayanamsa, zorvane::Ayanamsa::TrueChitra);
    EXPECT_EQ(chart.node, zorvane::NodeKind::Mean);

    chart.style = zorvane::ChartStyle::SouthIndian;
    chart.ayanamsa = zorvane::Ayanamsa::FaganBradley;
    chart.node = zorvane::NodeKind::True;
    KeepChartChoicesOfFile(desktop, app, chart);
    EXPECT_EQ(desktop.settings.value("Zorvane/Chart/Style"), "south");
    EXPECT_EQ(desktop.settings.value("Zorvane/Chart/Ayanamsa"), "fagan-bradley");
    EXPECT_EQ(desktop.settings.value("Zorvane/Chart/Node"), "true");
}

}  // namespace
