// Chart files, recent charts, copy, print and PDF from the File menu.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "main_window_fixture.h"
#include "core/files/chart_file.h"
#include "gui/windows/startup.h"

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The page count and the text of a PDF, by poppler-utils.
QString RunPoppler(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    EXPECT_FALSE(program.isEmpty()) << tool.toStdString() << " (poppler-utils) is missing";
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& path) {
    const QString info = RunPoppler(QStringLiteral("pdfinfo"), {path});
    for (const QString& line : info.split(u'\n')) {
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
    }
    return 0;
}

QString PdfText(const QString& path) {
    return RunPoppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
}

class ChartMenu : public MainWindowTest {
public:
    QTemporaryDir folder;
    QString PathOf(const QString& name) { return folder.filePath(name); }

    void Trigger(const char* item) { Get<QAction>(item).trigger(); }

    void CalculateDelhi() {
        Enter(DelhiMidnight1947());
        TypeInto(Box("txtCity"), QStringLiteral("New Delhi"));
        Click("cmdCalculate");
        ASSERT_EQ(LabelText("lblNakshatraName"), "Pushya");
    }
    void SaveChartTo(const QString& path) {
        desktop.savePaths.push_back(path);
        Trigger("mnuSaveChart");
    }
    void OpenChart(const QString& path) {
        desktop.openPaths.push_back(path);
        Trigger("mnuOpenChart");
    }
    // The paths of the entries, as their tooltips show them.
    QStringList RecentEntries() {
        QStringList entries;
        for (QAction* item : Get<QMenu>("mnuRecentCharts").actions()) entries << item->toolTip();
        return entries;
    }
    QStringList RecentTexts() {
        QStringList texts;
        for (QAction* item : Get<QMenu>("mnuRecentCharts").actions()) texts << item->text();
        return texts;
    }
};

TEST_F(ChartMenu, ASavedChartOpensIntoTheSameFormAndReading) {
    CalculateDelhi();
    Choose(Get<QComboBox>("cboSS"), QStringLiteral("42"));
    const QMap<QString, QVariant> saved = Snapshot();
    const QString path = PathOf("bharat.zchart");
    SaveChartTo(path);
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(desktop.fileDialogs.last().request.filter, "Zorvane chart (*.zchart)");

    // A different reading in between, then the chart again.
    Click("cmdBack");
    Enter(GreenwichNoon2000());
    TypeInto(Box("txtCity"), QStringLiteral("London"));
    Click("cmdCalculate");
    ASSERT_EQ(LabelText("lblNakshatraName"), "Swati");
    OpenChart(path);

    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_TRUE(ShowsResult());
    EXPECT_EQ(Snapshot(), saved);
    EXPECT_TRUE(Get<QAction>("mnuExportPdf").isEnabled());
    EXPECT_EQ(RecentEntries(), QStringList({QDir::toNativeSeparators(path)}));
    EXPECT_EQ(RecentTexts(), QStringList({"&1 Bharat, 15 August 1947"}));
}

// A chart the atlas filled keeps the place's zone: opened, the zone follows
// the chart's moment again, and saved, it keeps the zone id.
TEST_F(ChartMenu, AnAtlasZoneComesBackLinkedToTheDate) {
    zorvane::ChartFile chart;
    chart.name = "Asha";
    chart.year = 1941;
    chart.month = 6;
    chart.hour = 12;
    chart.zoneHour = "0";  // as written for another moment: the link rewrites it
    chart.zoneMinute = "0";
    chart.latDegrees = "51";
    chart.latMinutes = "30";
    chart.lonDegrees = "0";
    chart.lonMinutes = "8";
    chart.lonSide = zorvane::LongitudeSide::West;
    chart.city = "London";
    chart.atlasZoneId = "Europe/London";
    const QString path = PathOf("asha.zchart");
    WriteFile(path, QByteArray::fromStdString(zorvane::SerializeChartFile(chart)));

    OpenChart(path);
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(Box("txtZoneHour").text(), "+2");
    EXPECT_EQ(LabelText("lblAppliedZone"), "Europe/London +2:00, double summer time");
    EXPECT_EQ(LabelText("lblNakshatraName"), "Ashlesha");

    const QString again = PathOf("again.zchart");
    SaveChartTo(again);
    QFile saved(again);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const auto parsed = zorvane::ParseChartFile(saved.readAll().toStdString());
    ASSERT_TRUE(std::holds_alternative<zorvane::ChartFile>(parsed));
    EXPECT_EQ(std::get<zorvane::ChartFile>(parsed).atlasZoneId, "Europe/London");
}

TEST_F(ChartMenu, ARefusedFileChangesNothing) {
    CalculateDelhi();
    const QString good = PathOf("good.zchart");
    SaveChartTo(good);
    QByteArray chart;
    {
        QFile file(good);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        chart = file.readAll();
    }
    QByteArray newer = chart;
    newer.replace("\"version\": 2", "\"version\": 3");
    QByteArray huge = chart;
    huge.append(QByteArray(2 * 1024 * 1024, ' '));

    const struct {
        const char* file;
        QByteArray bytes;
        const char* saying;
    } cases[] = {
        {"foreign.zchart", "{\"format\": \"something-else\"}", "not a Zorvane chart"},
        {"cut.zchart", chart.left(chart.size() / 2), "damaged"},
        {"newer.zchart", newer, "newer version"},
        {"huge.zchart", huge, "larger than a chart"},
    };
    const QMap<QString, QVariant> before = Snapshot();
    const QStringList recentBefore = RecentEntries();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        WriteFile(PathOf(c.file), c.bytes);
        desktop.messages.clear();
        OpenChart(PathOf(c.file));
        ASSERT_EQ(desktop.messages.size(), 1);
        EXPECT_EQ(desktop.messages[0].icon, Desktop::Icon::Error);
        EXPECT_TRUE(desktop.messages[0].text.contains(QLatin1String(c.saying)))
            << desktop.messages[0].text.toStdString();
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(RecentEntries(), recentBefore);
    }
}

TEST_F(ChartMenu, AChartWithABoxTheChecksRefuseOpensIntoTheFormWithThatBoxInFocus) {
    CalculateDelhi();
    const QString path = PathOf("zone.zchart");
    SaveChartTo(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.contains("\"hours\": \"5\""));
    bytes.replace("\"hours\": \"5\"", "\"hours\": \"x\"");
    file.resize(0);
    file.write(bytes);
    file.close();

    OpenChart(path);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(ShowsInput());
    EXPECT_EQ(Box("txtZoneHour").text(), "x");
    EXPECT_EQ(window->focusWidget(), &Box("txtZoneHour"));
}

TEST_F(ChartMenu, RecentChartsKeepTheTenNewestAndDropOneThatHasGone) {
    CalculateDelhi();
    for (int n = 1; n <= 11; ++n) SaveChartTo(PathOf(QStringLiteral("c%1.zchart").arg(n)));
    QStringList entries = RecentEntries();
    ASSERT_EQ(entries.size(), 10);
    EXPECT_TRUE(entries.first().endsWith(QStringLiteral("c11.zchart")));
    EXPECT_TRUE(RecentTexts().last().startsWith(QStringLiteral("1&0 ")));
    EXPECT_TRUE(entries.last().endsWith(QStringLiteral("c2.zchart")));

    // The list lives in the settings: a new window shows it too.
    OpenWindow();
    EXPECT_EQ(RecentEntries(), entries);

    ASSERT_TRUE(QFile::remove(PathOf("c11.zchart")));
    Trigger("mnuRecentChart1");
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].text.contains(QStringLiteral("no longer there")));
    entries.removeFirst();
    EXPECT_EQ(RecentEntries().size(), 9);
    EXPECT_TRUE(RecentEntries().first().endsWith(QStringLiteral("c10.zchart")));
    EXPECT_TRUE(ShowsInput());
}

TEST_F(ChartMenu, CtrlCCopiesTheWholeReadingOnlyFromTheResultPanel) {
    CalculateDelhi();
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    const QString text = desktop.clipboard;
    for (const char* part : {"Bharat", "15 August 1947", "New Delhi", "Nakshatra: Pushya",
                             "Yoga: Siddhi", "Tithi:", "Karana:", "Dasha balance at birth: Saturn",
                             "Jupiter:"}) {
        EXPECT_TRUE(text.contains(QLatin1String(part))) << part;
    }
    EXPECT_TRUE(text.contains(LabelText("lblNakshatraDesc")));
    EXPECT_TRUE(text.contains(LabelText("lblYogaDesc")));
    // The birth chart comes last, with the settings' ayanamsa.
    EXPECT_TRUE(text.contains(QStringLiteral("\nBirth chart\nAyanamsa Lahiri"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\nLagna +3\\d\u00B0\\d\\d'\\d\\d\"  Vrishabha "))))
        << text.toStdString();
    desktop.settings.insert(zorvane::ApplicationName() + "/Chart/Ayanamsa", "raman");
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(desktop.clipboard.contains(QStringLiteral("Birth chart\nAyanamsa Raman")));

    desktop.clipboard.clear();
    Click("cmdBack");
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(desktop.clipboard.isEmpty());
}

// The reading on its first page, the birth chart on a second.
TEST_F(ChartMenu, PrintAndExportMakeTheReadingPageAndTheChartPage) {
    CalculateDelhi();
    desktop.printToFile = PathOf("printed.pdf");
    Trigger("mnuPrint");
    desktop.savePaths.push_back(PathOf("report.pdf"));
    Trigger("mnuExportPdf");
    EXPECT_EQ(desktop.printDialogs, 1);
    EXPECT_TRUE(desktop.messages.isEmpty());
    for (const QString& pdf : {desktop.printToFile, PathOf("report.pdf")}) {
        SCOPED_TRACE(pdf.toStdString());
        EXPECT_EQ(PdfPages(pdf), 2);
        const QString text = PdfText(pdf);
        EXPECT_TRUE(text.contains(QStringLiteral("Pushya")));
        EXPECT_TRUE(text.contains(QStringLiteral("Siddhi")));
        const QString chartPage = text.section(u'\f', 1);
        EXPECT_TRUE(chartPage.contains(QStringLiteral("Birth chart")));
        EXPECT_TRUE(chartPage.contains(QStringLiteral("Navamsa (D9)")));
        EXPECT_TRUE(chartPage.contains(QStringLiteral("Lagna")));
    }
}

TEST_F(ChartMenu, TheWindowProgramExportsAChartWithoutAWindow) {
    CalculateDelhi();
    const QString chart = PathOf("bharat.zchart");
    SaveChartTo(chart);
    WriteFile(PathOf("foreign.zchart"), "not a chart");

    const struct {
        QString chart;
        int status;
    } cases[] = {{chart, 0}, {PathOf("foreign.zchart"), 3}, {PathOf("none.zchart"), 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chart.toStdString());
        const QString pdf = PathOf("out.pdf");
        QFile::remove(pdf);
        QProcess program;
        program.start(QStringLiteral(ZORVANE_WINDOW_PATH),
                      {QStringLiteral("--chart"), c.chart, QStringLiteral("--export-pdf"), pdf});
        ASSERT_TRUE(program.waitForFinished(-1));
        EXPECT_EQ(program.exitCode(), c.status);
        if (c.status == 0) {
            EXPECT_EQ(PdfPages(pdf), 2);
            const QString text = PdfText(pdf);
            EXPECT_TRUE(text.contains(QStringLiteral("Pushya")) && text.contains(QStringLiteral("Siddhi")));
        } else {
            EXPECT_FALSE(QFile::exists(pdf));
            EXPECT_TRUE(program.readAllStandardError().contains(c.chart.toUtf8()));
        }
    }
}

}  // namespace
