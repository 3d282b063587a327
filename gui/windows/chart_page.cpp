#include "gui/windows/chart_page.h"

#include "gui/widgets/utf8_text.h"
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QTableWidget>
#include <QTableWidgetItem>
#include <array>
#include <string>
#include <string_view>

#include "core/dasha/dasha_lords.h"
#include "core/format/chart_text.h"
#include "core/format/local_names.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/nakshatra_names.h"
#include "core/reading/record_chart.h"
#include "gui/desktop/chart_choices.h"
#include "gui/desktop/desktop.h"
#include "gui/report/square_chart.h"
#include "ui_chart_page.h"

namespace {

// Settings of the chart, one key each, holding the command line's keys.
using chart_choices::kAyanamsaKey;
using chart_choices::kDegreesKey;
using chart_choices::kNodeKey;
using chart_choices::kSection;
using chart_choices::kStyleKey;

// A saved picture is this wide and half as high: sharp printed a page wide.
constexpr int kSavedPictureWidthPixels = 2000;
constexpr int kNavamsaIndex = 5;  // D9 in kVargas
constexpr int kTableRows = 10;     // the lagna and the nine grahas
constexpr int kRowPaddingPixels = 4;

enum PositionColumn { PointColumn, LongitudeColumn, SignColumn, InSignColumn, NakshatraColumn, PadaColumn,
                      LordColumn, HouseColumn, RetrogradeColumn, SpeedColumn };

using zorvane::FromUtf8;

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

// The titles of the styles and ayanamsas, for the catalogue: the core names
// them in English, the page shows them in the language on show.
constexpr auto kChoiceTitles = std::to_array<const char*>({
    QT_TRANSLATE_NOOP("ChartPage", "North Indian"),
    QT_TRANSLATE_NOOP("ChartPage", "South Indian"),
    QT_TRANSLATE_NOOP("ChartPage", "East Indian"),
    QT_TRANSLATE_NOOP("ChartPage", "Wheel"),
    QT_TRANSLATE_NOOP("ChartPage", "Lahiri"),
    QT_TRANSLATE_NOOP("ChartPage", "Lahiri ICRC"),
    QT_TRANSLATE_NOOP("ChartPage", "Krishnamurti"),
    QT_TRANSLATE_NOOP("ChartPage", "Raman"),
    QT_TRANSLATE_NOOP("ChartPage", "True Chitra"),
    QT_TRANSLATE_NOOP("ChartPage", "Yukteshwar"),
    QT_TRANSLATE_NOOP("ChartPage", "Fagan-Bradley"),
});
static_assert(kChoiceTitles.size() == zorvane::kChartStyleCount + zorvane::kAyanamsaCount);

QString ChoiceTitle(std::string_view english) {
    return QCoreApplication::translate("ChartPage", std::string(english).c_str());
}

}  // namespace

ChartPage::ChartPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::ChartPage>()) {
    ui->setupUi(this);
    for (int i = 0; i < zorvane::kChartStyleCount; ++i) {
        const auto style = static_cast<zorvane::ChartStyle>(i);
        ui->cboStyle->addItem(ChoiceTitle(zorvane::ChartStyleTitle(style)), FromUtf8(zorvane::ChartStyleKey(style)));
    }
    for (int i = 0; i < zorvane::kAyanamsaCount; ++i) {
        const auto ayanamsa = static_cast<zorvane::Ayanamsa>(i);
        ui->cboAyanamsa->addItem(ChoiceTitle(zorvane::AyanamsaTitle(ayanamsa)),
                                 FromUtf8(zorvane::AyanamsaKey(ayanamsa)));
    }
    ui->cboNode->addItem(tr("Mean node"), QStringLiteral("mean"));
    ui->cboNode->addItem(tr("True node"), QStringLiteral("true"));
    // Compact rows, all ten in view under the charts.
    QTableWidget& table = *ui->tblPositions;
    table.verticalHeader()->setVisible(false);
    const int rowHeight = fontMetrics().height() + kRowPaddingPixels;
    table.verticalHeader()->setDefaultSectionSize(rowHeight);
    table.setMinimumHeight(table.horizontalHeader()->sizeHint().height() + kTableRows * rowHeight +
                           2 * table.frameWidth());
}

ChartPage::~ChartPage() = default;

void ChartPage::setBirth(Desktop& desktop, const QString& application, const zorvane::BirthRecord& record) {
    desktop_ = &desktop;
    application_ = application;
    record_ = record;
    const auto choose = [&](QComboBox& box, QLatin1String key) {
        const int at = box.findData(desktop.readSetting(application, kSection, key));
        box.setCurrentIndex(at >= 0 ? at : 0);
    };
    choose(*ui->cboStyle, kStyleKey);
    choose(*ui->cboAyanamsa, kAyanamsaKey);
    choose(*ui->cboNode, kNodeKey);
    ui->chkDegrees->setChecked(desktop.readSetting(application, kSection, kDegreesKey) == QStringLiteral("1"));
    Recompute();
    connect(ui->cboStyle, &QComboBox::currentIndexChanged, this, [this] { SaveChoices(); Redraw(); });
    connect(ui->chkDegrees, &QCheckBox::toggled, this, [this] { SaveChoices(); Redraw(); });
    connect(ui->cboAyanamsa, &QComboBox::currentIndexChanged, this, [this] { SaveChoices(); Recompute(); });
    connect(ui->cboNode, &QComboBox::currentIndexChanged, this, [this] { SaveChoices(); Recompute(); });
    connect(ui->cmdSaveChartPicture, &QPushButton::clicked, this, &ChartPage::cmdSaveChartPicture_Click);
}

void ChartPage::SaveChoices() {
    if (desktop_ == nullptr) return;
    desktop_->writeSetting(application_, kSection, kStyleKey, ui->cboStyle->currentData().toString());
    desktop_->writeSetting(application_, kSection, kAyanamsaKey, ui->cboAyanamsa->currentData().toString());
    desktop_->writeSetting(application_, kSection, kNodeKey, ui->cboNode->currentData().toString());
    desktop_->writeSetting(application_, kSection, kDegreesKey,
                           ui->chkDegrees->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void ChartPage::Recompute() {
    zorvane::ChartOptions options;
    options.ayanamsa = zorvane::AyanamsaFromKey(ui->cboAyanamsa->currentData().toString().toStdString())
                           .value_or(zorvane::Ayanamsa::Lahiri);
    options.node = zorvane::NodeFromKey(ui->cboNode->currentData().toString().toStdString())
                       .value_or(zorvane::NodeKind::Mean);
    chart_ = zorvane::ChartOfRecord(record_, options);
    Redraw();
    ShowTable();
}

void ChartPage::Redraw() {
    if (!chart_) return;
    const zorvane::ChartStyle style = zorvane::ChartStyleFromKey(ui->cboStyle->currentData().toString().toStdString())
                                          .value_or(zorvane::ChartStyle::NorthIndian);
    ui->picRasi->setPanel({*chart_, 0, style, ui->chkDegrees->isChecked()});
    ui->picNavamsa->setPanel({*chart_, kNavamsaIndex, style, false});
}

void ChartPage::ShowTable() {
    if (!chart_) return;
    const zorvane::BirthChart& chart = *chart_;
    const zorvane::Language language = zorvane::ShownLanguage();
    QString source = tr("Ayanamsa %1 %2; ephemeris: %3.")
                         .arg(ChoiceTitle(zorvane::AyanamsaTitle(chart.sky.ayanamsa)),
                              FromStd(zorvane::DegreesMinutesSeconds(chart.sky.ayanamsaDegrees)),
                              chart.sky.source == zorvane::EphemerisSource::Files
                                  ? tr("Swiss Ephemeris data files")
                                  : tr("the Swiss Ephemeris' built-in analytic theory (its data files "
                                       "were not found)"));
    if (!chart.lagna) source += tr(" The lagna and the houses need the birth's latitude.");
    ui->lblChartSource->setText(source);
    const std::optional<std::string> note =
        zorvane::MoonDisagreement(record_.moonSidereal, chart, zorvane::WindowWording(language));
    ui->lblMoonNote->setText(note ? FromStd(*note) : QString());
    ui->lblMoonNote->setVisible(note.has_value());
    emit moonNoteChanged(ui->lblMoonNote->text());

    QTableWidget& table = *ui->tblPositions;
    table.setRowCount(0);
    const auto addRow = [&table, language](const zorvane::ChartPoint& point, const std::string& name) {
        const int row = table.rowCount();
        table.insertRow(row);
        const auto set = [&](int column, const QString& text) { table.setItem(row, column, new QTableWidgetItem(text)); };
        set(PointColumn, FromStd(name));
        set(LongitudeColumn, FromStd(zorvane::DegreesMinutesSeconds(point.longitudeDegrees)));
        set(SignColumn, FromStd(zorvane::SignText(point.sign, language)));
        set(InSignColumn, FromStd(zorvane::DegreesMinutesSeconds(point.degreeInSign)));
        set(NakshatraColumn, FromStd(zorvane::NakshatraText(point.nakshatra, language)));
        set(PadaColumn, QString::number(point.pada));
        set(LordColumn, FromStd(zorvane::LordText(point.nakshatra % zorvane::kDashaLordCount, language)));
        set(HouseColumn, point.house ? QString::number(*point.house) : QStringLiteral("-"));
        set(RetrogradeColumn, point.retrograde ? FromStd(zorvane::RetrogradeText(language)) : QString());
        set(SpeedColumn, point.name == "Lagna" ? QString() : QString::number(point.speedDegreesPerDay, 'f', 4));
    };
    if (chart.lagna) addRow(*chart.lagna, zorvane::LagnaText(language));
    for (std::size_t graha = 0; graha < chart.grahas.size(); ++graha) {
        addRow(chart.grahas[graha], zorvane::GrahaText(static_cast<int>(graha), language));
    }
    table.resizeColumnsToContents();
}

void ChartPage::cmdSaveChartPicture_Click() {
    if (desktop_ == nullptr || !chart_) return;
    const QString path = desktop_->askSaveFileName(
        this, {tr("Save Chart Picture"), tr("PNG image (*.png);;SVG image (*.svg)"),
               QStringLiteral("png")});
    if (path.isEmpty()) return;
    const zorvane::ChartStyle style = ui->picRasi->panel().style;
    const bool withDegrees = ui->chkDegrees->isChecked();
    const bool saved = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)
                           ? SaveRasiAndNavamsaSvg(path, *chart_, style, withDegrees)
                           : RenderRasiAndNavamsa(*chart_, style, withDegrees, kSavedPictureWidthPixels)
                                 .save(path, "PNG");
    if (!saved) {
        desktop_->showMessage(
            this, tr("The picture could not be saved to %1.").arg(QDir::toNativeSeparators(path)),
            Desktop::Icon::Error);
    }
}
