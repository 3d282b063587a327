#include "gui/windows/frmMatch.h"

#include "gui/widgets/utf8_text.h"
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QPrinter>
#include <QTableWidgetItem>
#include <variant>

#include "core/matching/ashtakoota.h"
#include "core/matching/match_text.h"
#include "core/matching/porutham.h"
#include "core/format/local_names.h"
#include "core/panchang/birth_details.h"
#include "core/panchang/nakshatra_names.h"
#include "core/reading/compute_reading.h"
#include "gui/desktop/chart_files.h"
#include "gui/desktop/desktop.h"
#include "gui/report/match_report.h"
#include "gui/widgets/window_language.h"
#include "ui_frmMatch.h"

namespace {

constexpr int kPadaCount = 4;

QString Text(const std::string& text) { return QString::fromStdString(text); }

void FillTable(QTableWidget& table, const QStringList& headings, int rows) {
    table.setColumnCount(static_cast<int>(headings.size()));
    table.setHorizontalHeaderLabels(headings);
    table.setRowCount(rows);
    table.verticalHeader()->setVisible(false);
    table.horizontalHeader()->setSectionResizeMode(static_cast<int>(headings.size()) - 1, QHeaderView::Stretch);
    table.setWordWrap(true);
    // The rows keep the height their wrapped texts need as the last column
    // takes the window's width.
    QObject::connect(table.horizontalHeader(), &QHeaderView::sectionResized, &table,
                     [&table] { table.resizeRowsToContents(); });
}

// The columns as wide as their texts but the last, which takes the rest and
// wraps.
void FitColumns(QTableWidget& table) {
    for (int column = 0; column + 1 < table.columnCount(); ++column) table.resizeColumnToContents(column);
    table.resizeRowsToContents();
}

void Put(QTableWidget& table, int row, int column, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(text);
    table.setItem(row, column, item);
}

// The chart's reading as the calculation makes it, without the name and the
// latitude a star does not need; or the refusal of its inputs.
std::variant<zorvane::BirthRecord, QString> ComputeStarOfChart(const zorvane::ChartFile& chart) {
    const zorvane::NumberFormat format = zorvane::UserNumberFormat();
    return ComputeChart(chart, format, zorvane::ValidationScope::WithoutNameAndLatitude);
}

}  // namespace

std::optional<MatchBirth> BirthOfReading(const zorvane::BirthRecord& record, const QString& name) {
    if (!record.nakshatraIndex || !record.details) return std::nullopt;
    const QString who =
        name.isEmpty() ? frmMatch::tr("the current reading") : frmMatch::tr("%1, the current reading").arg(name);
    return MatchBirth{{*record.nakshatraIndex, record.details->pada}, who};
}

frmMatch::frmMatch(Desktop& desktop, std::optional<MatchBirth> current, const QStringList& recentCharts,
                   QWidget* parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::frmMatch>()),
      desktop_(desktop),
      wording_(zorvane::WindowWording(zorvane::ShownLanguage())),
      current_(std::move(current)) {
    ui->setupUi(this);
    sides_[Bride] = {ui->cboBrideNakshatra, ui->cboBridePada, ui->cboBrideRecent, ui->lblBrideSource};
    sides_[Groom] = {ui->cboGroomNakshatra, ui->cboGroomPada, ui->cboGroomRecent, ui->lblGroomSource};
    for (const Side side : {Bride, Groom}) {
        SideControls& controls = sides_[side];
        for (int i = 0; i < zorvane::kNakshatraCount; ++i) {
            controls.nakshatra->addItem(Text(zorvane::NakshatraText(i, wording_.language)));
        }
        for (int pada = 1; pada <= kPadaCount; ++pada) controls.pada->addItem(QString::number(pada));
        controls.recent->addItem(tr("Recent Charts"));
        for (const QString& path : recentCharts) controls.recent->addItem(QFileInfo(path).fileName(), path);
        controls.recent->setEnabled(!recentCharts.isEmpty());
        connect(controls.nakshatra, &QComboBox::currentIndexChanged, this, [this, side] { Typed(side); });
        connect(controls.pada, &QComboBox::currentIndexChanged, this, [this, side] { Typed(side); });
        connect(controls.recent, &QComboBox::activated, this, [this, side](int index) { cboRecent_Activated(side, index); });
    }
    connect(ui->cmdBrideOpenChart, &QPushButton::clicked, this, [this] { cmdOpenChart_Click(Bride); });
    connect(ui->cmdGroomOpenChart, &QPushButton::clicked, this, [this] { cmdOpenChart_Click(Groom); });
    for (QPushButton* button : {ui->cmdBrideCurrent, ui->cmdGroomCurrent}) {
        button->setEnabled(current_.has_value());
        button->setToolTip(current_ ? current_->source : tr("No reading has been calculated"));
    }
    connect(ui->cmdBrideCurrent, &QPushButton::clicked, this, [this] { SetBirth(Bride, *current_); });
    connect(ui->cmdGroomCurrent, &QPushButton::clicked, this, [this] { SetBirth(Groom, *current_); });
    connect(ui->cmdCopy, &QPushButton::clicked, this, &frmMatch::cmdCopy_Click);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmMatch::cmdPrint_Click);
    connect(ui->cmdExportPdf, &QPushButton::clicked, this, &frmMatch::cmdExportPdf_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    FillTable(*ui->tblAshtakoota, {tr("Koota"), tr("Points"), tr("Bride"),
                                   tr("Groom"), tr("Meaning")},
              zorvane::kKootaCount);
    FillTable(*ui->tblPorutham, {tr("Porutham"), tr("Agrees"), tr("Reason")},
              zorvane::kPoruthamCount);
    // The reading on show is the bride's until another is chosen.
    if (current_) SetBirth(Bride, *current_);
    ShowMatch();
}

frmMatch::~frmMatch() = default;

void frmMatch::SetBirth(Side side, const MatchBirth& birth) {
    settingBirth_ = true;
    sides_[side].nakshatra->setCurrentIndex(birth.star.nakshatra);
    sides_[side].pada->setCurrentIndex(birth.star.pada - 1);
    settingBirth_ = false;
    sides_[side].source->setText(birth.source);
    ShowMatch();
}

void frmMatch::OpenChart(Side side, const QString& path) {
    const std::variant<zorvane::ChartFile, QString> opened = OpenChartFile(path);
    if (const QString* refusal = std::get_if<QString>(&opened)) {
        desktop_.showMessage(this, *refusal, Desktop::Icon::Error);
        return;
    }
    const zorvane::ChartFile& chart = std::get<zorvane::ChartFile>(opened);
    const std::variant<zorvane::BirthRecord, QString> computed = ComputeStarOfChart(chart);
    if (const QString* refusal = std::get_if<QString>(&computed)) {
        desktop_.showMessage(this, tr("%1 holds a reading that is refused: %2").arg(QFileInfo(path).fileName(), *refusal),
                             Desktop::Icon::Error);
        return;
    }
    const QString name = QString::fromStdString(chart.name);
    const QString file = QFileInfo(path).fileName();
    const std::optional<MatchBirth> birth =
        BirthOfReading(std::get<zorvane::BirthRecord>(computed), QString());
    if (!birth) {
        desktop_.showMessage(this, tr("%1 has no birth nakshatra.").arg(file), Desktop::Icon::Error);
        return;
    }
    SetBirth(side, {birth->star, name.isEmpty() ? tr("from %1").arg(file) : tr("%1, from %2").arg(name, file)});
}

void frmMatch::cmdOpenChart_Click(Side side) {
    const QString path =
        desktop_.askOpenFileName(this, {tr("Open Chart"), kChartFileFilter, kChartFileSuffix});
    if (!path.isEmpty()) OpenChart(side, path);
}

void frmMatch::cboRecent_Activated(Side side, int index) {
    const QString path = sides_[side].recent->itemData(index).toString();
    sides_[side].recent->setCurrentIndex(0);
    if (!path.isEmpty()) OpenChart(side, path);
}

void frmMatch::Typed(Side side) {
    if (settingBirth_) return;
    sides_[side].source->setText(tr("Typed"));
    ShowMatch();
}

zorvane::Star frmMatch::StarOf(Side side) const {
    return {sides_[side].nakshatra->currentIndex(), sides_[side].pada->currentIndex() + 1};
}

void frmMatch::ShowMatch() {
    const zorvane::Star bride = StarOf(Bride);
    const zorvane::Star groom = StarOf(Groom);
    const zorvane::Ashtakoota ashtakoota = zorvane::MatchAshtakoota(bride, groom, wording_);
    for (int row = 0; row < zorvane::kKootaCount; ++row) {
        const zorvane::Koota& koota = ashtakoota.kootas[static_cast<std::size_t>(row)];
        Put(*ui->tblAshtakoota, row, 0, Text(wording_.Say(koota.name)));
        Put(*ui->tblAshtakoota, row, 1,
            tr("%1 of %2").arg(Text(zorvane::FormatPoints(koota.points)), Text(zorvane::FormatPoints(koota.max))));
        Put(*ui->tblAshtakoota, row, 2, Text(koota.values[0]));
        Put(*ui->tblAshtakoota, row, 3, Text(koota.values[1]));
        Put(*ui->tblAshtakoota, row, 4, Text(wording_.Say(koota.meaning)));
    }
    FitColumns(*ui->tblAshtakoota);
    ui->lblTotal->setText(QStringLiteral("<b>%1</b>").arg(
        tr("Total: %1 of %2")
            .arg(Text(zorvane::FormatPoints(ashtakoota.total)), Text(zorvane::FormatPoints(zorvane::kAshtakootaMaxPoints)))
            .toHtmlEscaped()));
    QString doshas;
    for (const zorvane::Dosha& dosha : ashtakoota.doshas) {
        doshas += QStringLiteral("<b>%1</b>: %2<br>").arg(Text(wording_.Say(dosha.name)).toHtmlEscaped(), Text(dosha.reason).toHtmlEscaped());
        for (const std::string& note : dosha.notes) doshas += QStringLiteral("&nbsp;&nbsp;– ") + Text(note).toHtmlEscaped() + QStringLiteral("<br>");
    }
    ui->lblDoshas->setText(doshas.isEmpty() ? tr("No nadi, bhakoot or gana dosha.") : doshas);

    const auto porutham = zorvane::MatchPorutham(bride, groom, wording_);
    int agreeing = 0;
    for (int row = 0; row < zorvane::kPoruthamCount; ++row) {
        const zorvane::Porutham& p = porutham[static_cast<std::size_t>(row)];
        agreeing += p.agrees ? 1 : 0;
        Put(*ui->tblPorutham, row, 0, Text(wording_.Say(p.name)));
        Put(*ui->tblPorutham, row, 1, p.agrees ? tr("Yes") : tr("No"));
        Put(*ui->tblPorutham, row, 2, Text(p.reason));
    }
    FitColumns(*ui->tblPorutham);
    ui->lblAgreeing->setText(
        QStringLiteral("<b>%1</b>").arg(tr("%1 of %2 agree").arg(agreeing).arg(zorvane::kPoruthamCount).toHtmlEscaped()));
}

QString frmMatch::MatchText() const {
    const zorvane::Star bride = StarOf(Bride);
    const zorvane::Star groom = StarOf(Groom);
    return tr("Bride's birth: %1\nGroom's birth: %2\n\n")
               .arg(sides_[Bride].source->text(), sides_[Groom].source->text()) +
           Text(zorvane::FormatMatchText(bride, groom, zorvane::MatchAshtakoota(bride, groom, wording_),
                                         zorvane::MatchPorutham(bride, groom, wording_), wording_));
}

void frmMatch::cmdCopy_Click() { desktop_.setClipboardText(MatchText()); }

void frmMatch::cmdPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    if (!desktop_.askPrint(this, printer)) return;
    if (!PrintMatch(printer, tr("Zorvane match"), MatchText())) {
        desktop_.showMessage(this, tr("The match could not be printed."), Desktop::Icon::Error);
    }
}

void frmMatch::cmdExportPdf_Click() {
    const QString path =
        desktop_.askSaveFileName(this, {tr("Export Match as PDF"), tr("PDF (*.pdf)"),
                                        QStringLiteral("pdf")});
    if (path.isEmpty()) return;
    if (const std::optional<QString> reason = WriteMatchPdf(path, tr("Zorvane match"), MatchText())) {
        desktop_.showMessage(this, tr("The match could not be written to ") + path + tr(": ") + *reason,
                             Desktop::Icon::Error);
    }
}
