#include "gui/windows/frmPanchang.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPrinter>
#include <QVBoxLayout>
#include <cmath>

#include "core/atlas/atlas_search.h"
#include "core/calendar/calendar_ics.h"
#include "core/time/zone_clock.h"
#include "core/zones/atlas_zone.h"
#include "gui/desktop/desktop.h"
#include "gui/windows/startup.h"
#include "gui/report/panchang_print.h"
#include "gui/widgets/day_timeline.h"
#include "gui/widgets/form_look.h"
#include "gui/widgets/window_language.h"
#include "ui_frmPanchang.h"

namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kGridWeeks = 6;
constexpr int kMonthRowHeight = 92;
constexpr int kRowPadding = 6;
constexpr double kMinutesPerDegree = 60.0;
constexpr double kMinutesPerHour = 60.0;
const QString kDefaultPlace = QStringLiteral("New Delhi");
const QString kSettingsSection = QStringLiteral("Panchang");
const QString kPlaceKey = QStringLiteral("Place");
const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");
const QString kIcsFilter = QStringLiteral("iCalendar (*.ics)");

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString Say(const zorvane::Wording& wording, const char* english) { return Text(wording.Say(english)); }

zorvane::CivilDate CivilOf(QDate date) { return {date.year(), date.month(), date.day()}; }

QString SunNoteText(zorvane::SunNote note) {
    switch (note) {
        case zorvane::SunNote::PolarNight: return QCoreApplication::translate("frmPanchang", "The Sun does not rise here on this day (polar night).");
        case zorvane::SunNote::PolarDay: return QCoreApplication::translate("frmPanchang", "The Sun does not set here on this day (polar day).");
        default: return QCoreApplication::translate("frmPanchang", "The Sun does not both rise and set here on this day.");
    }
}

}  // namespace

std::optional<PanchangWindowPlace> PanchangPlaceOfReading(const zorvane::BirthRecord& record) {
    if (!record.latitudeDegrees || !record.details) return std::nullopt;
    const zorvane::BirthData& birth = record.birth;
    double longitude = std::abs(birth.LonDegrees) + std::abs(birth.LonMinutes) / kMinutesPerDegree;
    if (!birth.LonEast) longitude = -longitude;
    PanchangWindowPlace place;
    place.latitudeDegrees = *record.latitudeDegrees;
    place.longitudeDegrees = longitude;
    place.fixedOffsetMinutes = static_cast<int>(std::lround(record.details->clockLeadHours * kMinutesPerHour));
    return place;
}

frmPanchang::frmPanchang(Desktop& desktop, std::optional<PanchangWindowPlace> readingPlace,
                         std::optional<QDate> date, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowMinimizeButtonHint),
      ui(std::make_unique<Ui::frmPanchang>()),
      desktop_(desktop),
      readingPlace_(std::move(readingPlace)),
      wording_(zorvane::WindowWording(zorvane::ShownLanguage())) {
    ui->setupUi(this);
    valueHeading_ = ui->tblDay->horizontalHeaderItem(1)->text();
    zorvane::RequestVerdana(*this);
    setSizeGripEnabled(true);

    timeline_ = new DayTimeline(ui->wdgTimelineHost);
    auto* host = new QVBoxLayout(ui->wdgTimelineHost);
    host->setContentsMargins(0, 0, 0, 0);
    host->addWidget(timeline_);
    timeline_->setObjectName(QStringLiteral("picTimeline"));
    timeline_->SetWording(wording_);
    ui->tblDay->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ui->tblDay->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
    ui->tblMonth->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->tblMonth->setRowCount(kGridWeeks);
    for (int week = 0; week < kGridWeeks; ++week) ui->tblMonth->setRowHeight(week, kMonthRowHeight);
    ui->cmdReadingPlace->setEnabled(readingPlace_.has_value());

    const QDate shown = date && date->isValid() ? *date : desktop_.today();
    ui->dtpDate->setDate(shown);
    monthShown_ = QDate(shown.year(), shown.month(), 1);

    if (readingPlace_) {
        SetPlace(*readingPlace_);
    } else {
        const QString remembered = desktop_.readSetting(zorvane::ApplicationName(), kSettingsSection, kPlaceKey);
        ui->txtPlace->setText(remembered.isEmpty() ? kDefaultPlace : remembered);
        if (!FindPlace(ui->txtPlace->text(), true)) FindPlace(kDefaultPlace, true);
    }

    connect(ui->cmdPrevDay, &QPushButton::clicked, this, &frmPanchang::cmdPrevDay_Click);
    connect(ui->cmdNextDay, &QPushButton::clicked, this, &frmPanchang::cmdNextDay_Click);
    connect(ui->cmdToday, &QPushButton::clicked, this, &frmPanchang::cmdToday_Click);
    connect(ui->dtpDate, &QDateEdit::dateChanged, this, [this](QDate) { ShowDay(); });
    connect(ui->cmdFindPlace, &QPushButton::clicked, this, &frmPanchang::cmdFindPlace_Click);
    connect(ui->txtPlace, &QLineEdit::returnPressed, this, &frmPanchang::cmdFindPlace_Click);
    connect(ui->cmdReadingPlace, &QPushButton::clicked, this, &frmPanchang::cmdReadingPlace_Click);
    connect(ui->cmdPrevMonth, &QPushButton::clicked, this, &frmPanchang::cmdPrevMonth_Click);
    connect(ui->cmdNextMonth, &QPushButton::clicked, this, &frmPanchang::cmdNextMonth_Click);
    connect(ui->tblMonth, &QTableWidget::cellDoubleClicked, this, &frmPanchang::tblMonth_DoubleClick);
    connect(ui->cmdCopy, &QPushButton::clicked, this, &frmPanchang::cmdCopy_Click);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmPanchang::cmdPrint_Click);
    connect(ui->cmdExportPdf, &QPushButton::clicked, this, &frmPanchang::cmdExportPdf_Click);
    connect(ui->cmdExportIcs, &QPushButton::clicked, this, &frmPanchang::cmdExportIcs_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

frmPanchang::~frmPanchang() = default;

zorvane::ZoneOffsetAt frmPanchang::OffsetFunction() const {
    if (!place_->zoneId.isEmpty()) return zorvane::ZoneOffsetFunction(place_->zoneId);
    const int fixed = place_->fixedOffsetMinutes;
    return [fixed](double) { return fixed; };
}

void frmPanchang::SetPlace(const PanchangWindowPlace& place) {
    place_ = place;
    const QString zone = place.zoneId.isEmpty() ? Text(zorvane::OffsetIsoText(place.fixedOffsetMinutes))
                                                : QString::fromLatin1(place.zoneId);
    ui->lblPlace->setText(QStringLiteral("%1 (%2 %3, %4 %5; %6)")
                              .arg(place.name.isEmpty() ? tr("The reading's place") : place.name)
                              .arg(std::abs(place.latitudeDegrees), 0, 'f', 4)
                              .arg(Say(wording_, place.latitudeDegrees < 0 ? "S" : "N"))
                              .arg(std::abs(place.longitudeDegrees), 0, 'f', 4)
                              .arg(Say(wording_, place.longitudeDegrees < 0 ? "W" : "E"))
                              .arg(zone));
    ShowDay();
    ShowMonth();
}

bool frmPanchang::FindPlace(const QString& text, bool quiet) {
    if (!atlas_) {
        atlas_ = std::make_unique<zorvane::AtlasLoader>(
            zorvane::FindAtlasFile(QCoreApplication::applicationDirPath().toStdString()));
    }
    const zorvane::AtlasOrError& atlas = atlas_->Get();
    const auto* read = std::get_if<zorvane::Atlas>(&atlas);
    const std::string typed = text.trimmed().toStdString();
    const zorvane::AtlasMatches matches =
        read != nullptr ? zorvane::FindPlaces(*read, zorvane::SplitPlaceText(typed), 1) : zorvane::AtlasMatches{};
    if (matches.places.empty()) {
        if (!quiet) {
            desktop_.showMessage(this,
                                 read == nullptr ? tr("The atlas could not be read.")
                                                 : tr("No place called \"%1\" is in the atlas.").arg(text),
                                 Desktop::Icon::Information);
        }
        return false;
    }
    const zorvane::AtlasPlace& found = matches.places.front().place;
    PanchangWindowPlace place;
    place.name = QString::fromUtf8(found.name.data(), static_cast<qsizetype>(found.name.size()));
    if (!found.country.empty()) {
        place.name += QStringLiteral(", ") +
                      QString::fromUtf8(found.country.data(), static_cast<qsizetype>(found.country.size()));
    }
    place.latitudeDegrees = found.latitude;
    place.longitudeDegrees = found.longitude;
    place.zoneId = QByteArray(found.zoneId.data(), static_cast<qsizetype>(found.zoneId.size()));
    desktop_.writeSetting(zorvane::ApplicationName(), kSettingsSection, kPlaceKey, text.trimmed());
    SetPlace(place);
    return true;
}

void frmPanchang::ShowDay() {
    if (!place_) return;
    const QDate date = ui->dtpDate->date();
    const zorvane::ReportPlace shown{place_->name.toStdString(),
                                     place_->zoneId.isEmpty()
                                         ? zorvane::OffsetIsoText(place_->fixedOffsetMinutes)
                                         : place_->zoneId.toStdString()};
    const zorvane::DayReportResult result = zorvane::ComputeDayReport(
        CivilOf(date), {place_->latitudeDegrees, place_->longitudeDegrees}, shown, OffsetFunction());
    day_ = result.report;
    ui->lblNote->setText(day_ ? QString() : SunNoteText(result.sunNote));
    ui->tblDay->setRowCount(0);
    if (day_) {
        ui->tblDay->horizontalHeaderItem(1)->setText(
            QStringLiteral("%1 (%2)").arg(valueHeading_, Text(zorvane::DayReportZone(*day_))));
        const std::vector<zorvane::ReportLine> lines = zorvane::DayReportLines(*day_, wording_);
        ui->tblDay->setRowCount(static_cast<int>(lines.size()));
        for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
            const zorvane::ReportLine& line = lines[static_cast<std::size_t>(row)];
            ui->tblDay->setItem(row, 0, new QTableWidgetItem(Text(line.what)));
            ui->tblDay->setItem(row, 1, new QTableWidgetItem(Text(line.value)));
        }
    }
    timeline_->SetDay(day_);
    const QDate first(date.year(), date.month(), 1);
    if (first != monthShown_) {
        monthShown_ = first;
        ShowMonth();
    }
}

QString frmPanchang::MonthTitle() const {
    return MonthPageTitle(monthShown_.year(), monthShown_.month(), place_ ? place_->name : QString(), wording_);
}

void frmPanchang::ShowMonth() {
    if (!place_) return;
    monthRows_ = zorvane::ComputeCalendar(monthShown_.year(), monthShown_.month(),
                                          {place_->latitudeDegrees, place_->longitudeDegrees}, OffsetFunction());
    ui->lblMonth->setText(MonthTitle());
    ui->lblMonthNames->setText(MonthNamesText(monthRows_, wording_));
    ui->tblMonth->clearContents();
    int cell = monthRows_.empty() ? 0 : monthRows_.front().weekday;
    for (const zorvane::CalendarDayRow& row : monthRows_) {
        auto* item = new QTableWidgetItem(MonthCellText(row, wording_));
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (!row.events.empty()) item->setBackground(QColor(255, 243, 205));
        if (!row.sunriseJd) item->setForeground(QColor(128, 128, 128));
        ui->tblMonth->setItem(cell / kDaysPerWeek, cell % kDaysPerWeek, item);
        ++cell;
    }
}

bool frmPanchang::MonthInFront() const { return ui->tabPages->currentWidget() == ui->tabMonth; }

QString frmPanchang::PageHtml() const {
    if (MonthInFront()) return MonthCalendarHtml(monthRows_, MonthTitle(), wording_);
    return day_ ? DayPanchangHtml(*day_, wording_) : QString();
}

void frmPanchang::cmdPrevDay_Click() { ui->dtpDate->setDate(ui->dtpDate->date().addDays(-1)); }
void frmPanchang::cmdNextDay_Click() { ui->dtpDate->setDate(ui->dtpDate->date().addDays(1)); }
void frmPanchang::cmdToday_Click() { ui->dtpDate->setDate(desktop_.today()); }
void frmPanchang::cmdFindPlace_Click() { FindPlace(ui->txtPlace->text(), false); }

void frmPanchang::cmdReadingPlace_Click() {
    if (readingPlace_) SetPlace(*readingPlace_);
}

void frmPanchang::cmdPrevMonth_Click() {
    monthShown_ = monthShown_.addMonths(-1);
    ShowMonth();
}

void frmPanchang::cmdNextMonth_Click() {
    monthShown_ = monthShown_.addMonths(1);
    ShowMonth();
}

void frmPanchang::tblMonth_DoubleClick(int row, int column) {
    const int first = monthRows_.empty() ? 0 : monthRows_.front().weekday;
    const int index = row * kDaysPerWeek + column - first;
    if (index < 0 || index >= static_cast<int>(monthRows_.size())) return;
    const zorvane::CivilDate& date = monthRows_[static_cast<std::size_t>(index)].date;
    ui->dtpDate->setDate(QDate(date.year, date.month, date.day));
    ui->tabPages->setCurrentWidget(ui->tabDay);
}

void frmPanchang::cmdCopy_Click() {
    if (MonthInFront()) {
        QString text = MonthTitle() + u'\n' + MonthNamesText(monthRows_, wording_) + u'\n';
        for (const zorvane::CalendarDayRow& row : monthRows_) {
            text += Text(zorvane::IsoDateText(row.date)) + u'\t' +
                    MonthCellText(row, wording_).section(u'\n', 1).replace(u'\n', u'\t') + u'\n';
        }
        desktop_.setClipboardText(text);
    } else if (day_) {
        desktop_.setClipboardText(Text(zorvane::DayReportText(*day_, wording_)));
    }
}

void frmPanchang::cmdPrint_Click() {
    const QString html = PageHtml();
    if (html.isEmpty()) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!desktop_.askPrint(this, printer)) return;
    PrintHtml(printer, html, MonthInFront() ? PageTurn::Landscape : PageTurn::Portrait);
}

void frmPanchang::cmdExportPdf_Click() {
    const QString html = PageHtml();
    if (html.isEmpty()) return;
    const QString path =
        desktop_.askSaveFileName(this, {tr("Export PDF"), kPdfFilter, QStringLiteral("pdf")});
    if (path.isEmpty()) return;
    if (const std::optional<QString> reason = WriteHtmlPdf(path, html, MonthInFront() ? PageTurn::Landscape : PageTurn::Portrait)) {
        desktop_.showMessage(this,
                             tr("The PDF could not be written to %1: %2.")
                                 .arg(QDir::toNativeSeparators(path), *reason),
                             Desktop::Icon::Error);
    }
}

void frmPanchang::cmdExportIcs_Click() {
    if (!place_) return;
    const QString path = desktop_.askSaveFileName(
        this, {tr("Export the year's events"), kIcsFilter, QStringLiteral("ics")});
    if (path.isEmpty()) return;
    const int year = ui->dtpDate->date().year();
    const std::vector<zorvane::CalendarDayRow> rows = zorvane::ComputeCalendar(
        year, 0, {place_->latitudeDegrees, place_->longitudeDegrees}, OffsetFunction());
    const QDate today = desktop_.today();
    const std::string name = place_->name.isEmpty() ? std::string("the reading's place") : place_->name.toStdString();
    const std::string ics = zorvane::CalendarEventsIcs(rows, name, {today.year(), today.month(), today.day(), 0, 0, 0});
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(ics.data(), static_cast<qint64>(ics.size())) != static_cast<qint64>(ics.size()) ||
        !file.flush()) {
        desktop_.showMessage(this,
                             tr("The calendar could not be written to %1: %2.")
                                 .arg(QDir::toNativeSeparators(path), file.errorString()),
                             Desktop::Icon::Error);
    }
}
