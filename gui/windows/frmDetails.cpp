#include "gui/windows/frmDetails.h"

#include <QDate>
#include <QDir>
#include <QImage>
#include <QHeaderView>
#include <QLocale>
#include <QTableWidgetItem>
#include <QTreeWidgetItem>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "gui/report/birth_texts.h"
#include "gui/report/chart_wheel.h"
#include "gui/desktop/desktop.h"
#include "gui/desktop/startup.h"
#include "gui/widgets/form_look.h"
#include "core/format/dasha_text.h"
#include "core/time/zone_date.h"
#include "core/time/angles.h"
#include "core/panchang/nakshatra_names.h"
#include "core/format/details_text.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/yoga_names.h"
#include "ui_frmDetails.h"

namespace {

using zorvane::BirthLatitudeText;
using zorvane::ClockText;
using zorvane::DateText;
using zorvane::DegreesMinutesText;

// Rows of the limb table, in panchang order, and its columns.
enum LimbRow { TithiRow, VaraRow, NakshatraRow, YogaRow, KaranaRow };
enum LimbColumn { LimbNameColumn = 1, StartsColumn, EndsColumn };
enum DashaColumn { LordColumn, DashaStartsColumn, DashaEndsColumn, NoteColumn };

const QString kRunningToday = QStringLiteral("running today");
const QString kBeforeBirth = QStringLiteral("before birth");

// A saved wheel is this many pixels square: sharp when printed a hand wide.
constexpr int kSavedWheelPixels = 1200;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString NumberedName(std::string_view name, int number) {
    return QStringLiteral("%1 (%2)").arg(FromUtf8(name)).arg(number);
}

void MarkRow(QTreeWidgetItem& item, const QString& note) {
    item.setText(NoteColumn, note);
    QFont font = item.font(LordColumn);
    font.setBold(true);
    for (int column = LordColumn; column <= NoteColumn; ++column) {
        item.setFont(column, font);
    }
}

}  // namespace

frmDetails::frmDetails(Desktop& desktop, const zorvane::BirthRecord& record, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMaximizeButtonHint),
      ui(std::make_unique<Ui::frmDetails>()),
      desktop_(desktop) {
    ui->setupUi(this);
    zorvane::RequestVerdana(*this);
    zorvane::PutCaptionsOnFrameLines(*this);
    setSizeGripEnabled(true);

    const zorvane::BirthDetails& details = record.details.value();
    ShowBirth(record.birth, record.latitudeDegrees, details);
    ShowPlaces(details);
    ShowLimbs(details);
    ShowSun(details);
    ShowDasha(record.dasha.value(), details.clockLeadHours);
    ui->picWheel->setPicture(WheelPictureForBirth(details.moonSiderealDegrees,
                                                   details.sunSiderealDegrees,
                                                   details.nakshatra.index));
    ui->pagChart->setBirth(desktop_, zorvane::ApplicationName(), record);

    connect(ui->cmdSavePicture, &QPushButton::clicked, this, &frmDetails::cmdSavePicture_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmDetails::cmdClose_Click);
}

frmDetails::~frmDetails() = default;

void frmDetails::ShowBirth(const zorvane::BirthData& birth, std::optional<double> latitudeDegrees,
                           const zorvane::BirthDetails& details) {
    const QDate date(birth.Year, birth.Month, birth.Day);
    ui->lblDate->setText(QLocale(QLocale::English).toString(date, QStringLiteral("d MMMM yyyy")));
    ui->lblClockTime->setText(QStringLiteral("%1:%2")
                                  .arg(birth.Hour, 2, 10, QLatin1Char('0'))
                                  .arg(birth.Minute, 2, 10, QLatin1Char('0')));
    ui->lblZone->setText(FromUtf8(zorvane::FormatClockLead(details.clockLeadHours)) +
                         (birth.DaylightSaving
                              ? QStringLiteral(" from universal time, summer time included")
                              : QStringLiteral(" from universal time, no summer time")));
    ui->lblLongitude->setText(
        DegreesMinutesText(birth.LonDegrees, birth.LonMinutes, birth.LonEast ? u'E' : u'W'));
    ui->lblLatitude->setText(BirthLatitudeText(latitudeDegrees));
    ui->lblUniversalTime->setText(ClockText(details.universalJd, 0.0) + QStringLiteral(" UT"));
}

void frmDetails::ShowPlaces(const zorvane::BirthDetails& details) {
    ui->lblAyanamsa->setText(FromUtf8(zorvane::FormatDegreesMinutesSeconds(details.ayanamsaDegrees)));
    ui->lblPanchangAyanamsa->setText(
        FromUtf8(zorvane::FormatDegreesMinutesSeconds(details.panchangAyanamsaDegrees)));
    ui->lblMoon->setText(FromUtf8(zorvane::FormatSignPosition(details.moonSiderealDegrees)));
    ui->lblNakshatra->setText(
        QStringLiteral("%1, pada %2, lord %3")
            .arg(FromUtf8(zorvane::NakshatraNames[static_cast<std::size_t>(details.nakshatra.index)]))
            .arg(details.pada)
            .arg(FromUtf8(zorvane::NakshatraLord(details.nakshatra.index))));
    ui->lblSun->setText(FromUtf8(zorvane::FormatSignPosition(details.sunSiderealDegrees)));
}

void frmDetails::ShowLimbs(const zorvane::BirthDetails& details) {
    const double lead = details.clockLeadHours;
    const auto setRow = [this](int row, const QString& name, const QString& starts,
                               const QString& ends) {
        QTableWidget& table = *ui->tblLimbs;
        table.setItem(row, 0, new QTableWidgetItem(table.verticalHeaderItem(row)->text()));
        table.setItem(row, LimbNameColumn, new QTableWidgetItem(name));
        table.setItem(row, StartsColumn, new QTableWidgetItem(starts));
        table.setItem(row, EndsColumn, new QTableWidgetItem(ends));
    };
    const auto setSpan = [&](int row, const QString& name, const zorvane::LimbSpan& span) {
        setRow(row, name, ClockText(span.startJd, lead), ClockText(span.endJd, lead));
    };

    setSpan(TithiRow,
            QStringLiteral("%1 (%2)")
                .arg(FromUtf8(zorvane::TithiWithPaksha(details.tithi.index)))
                .arg(details.tithi.index + 1),
            details.tithi);
    const QString vara =
        details.weekday
            ? FromUtf8(zorvane::kWeekdayNames[static_cast<std::size_t>(*details.weekday)])
            : FromUtf8(zorvane::SunNoteText(details.sunNote));
    setRow(VaraRow, vara, ClockText(details.varaStartJd, lead), ClockText(details.varaEndJd, lead));
    setSpan(NakshatraRow,
            FromUtf8(zorvane::NakshatraNames[static_cast<std::size_t>(details.nakshatra.index)]),
            details.nakshatra);
    setSpan(YogaRow, FromUtf8(zorvane::YogaNames[static_cast<std::size_t>(details.yoga.index)]),
            details.yoga);
    setSpan(KaranaRow, NumberedName(zorvane::KaranaName(details.karana.index + 1),
                                    details.karana.index + 1),
            details.karana);

    QHeaderView& header = *ui->tblLimbs->horizontalHeader();
    header.setSectionsMovable(false);
    ui->tblLimbs->resizeColumnsToContents();
    ui->tblLimbs->setFixedHeight(header.height() + 2 * ui->tblLimbs->frameWidth() +
                                 ui->tblLimbs->verticalHeader()->length());

    const std::vector<std::string> near = zorvane::NearBoundSentences(details);
    QStringList sentences;
    for (const std::string& sentence : near) {
        sentences.append(FromUtf8(sentence));
    }
    ui->lblNearBounds->setText(
        sentences.isEmpty()
            ? QStringLiteral("No limb begins or ends within %1 minutes of the birth.")
                  .arg(zorvane::kNearBoundMinutes)
            : sentences.join(u'\n'));
}

void frmDetails::ShowSun(const zorvane::BirthDetails& details) {
    ui->lblSunrise->setText(ClockText(details.sunriseJd, details.clockLeadHours));
    ui->lblSunset->setText(ClockText(details.sunsetJd, details.clockLeadHours));
    ui->lblSunNote->setText(FromUtf8(zorvane::SunNoteText(details.sunNote)));
    ui->lblSunNote->setVisible(details.sunNote != zorvane::SunNote::None);
}

void frmDetails::ShowDasha(const zorvane::VimshottariDasha& dasha, double clockLeadHours) {
    ui->lblBalance->setText(FromUtf8(zorvane::DashaBalanceText(dasha)));

    // Today is a date in the birth's zone; its noon there stands for it.
    const double todayNoonJd =
        static_cast<double>(desktop_.today().toJulianDay()) - clockLeadHours / zorvane::kHoursPerDay;
    const std::optional<zorvane::RunningDasha> running =
        zorvane::FindRunningDasha(dasha, todayNoonJd);

    QTreeWidget& tree = *ui->treDasha;
    tree.clear();
    for (std::size_t m = 0; m < dasha.mahadashas.size(); ++m) {
        const zorvane::Mahadasha& period = dasha.mahadashas[m];
        auto* item = new QTreeWidgetItem(
            &tree, {FromUtf8(zorvane::DashaLordName(period.lord)),
                    DateText(period.startJd, clockLeadHours), DateText(period.endJd, clockLeadHours)});
        for (std::size_t a = 0; a < period.antardashas.size(); ++a) {
            const zorvane::Antardasha& sub = period.antardashas[a];
            auto* child = new QTreeWidgetItem(
                item, {FromUtf8(zorvane::DashaLordName(sub.lord)),
                       DateText(sub.startJd, clockLeadHours), DateText(sub.endJd, clockLeadHours),
                       sub.beforeBirth ? kBeforeBirth : QString()});
            if (sub.beforeBirth) {
                child->setForeground(NoteColumn, palette().color(QPalette::Disabled, QPalette::Text));
            }
            if (running && static_cast<std::size_t>(running->mahadasha) == m &&
                static_cast<std::size_t>(running->antardasha) == a) {
                MarkRow(*child, kRunningToday);
                tree.setCurrentItem(child);
            }
        }
        if (running && static_cast<std::size_t>(running->mahadasha) == m) {
            MarkRow(*item, kRunningToday);
            item->setExpanded(true);
        }
    }
    tree.header()->setSectionsMovable(false);
    for (int column = LordColumn; column < NoteColumn; ++column) {
        tree.resizeColumnToContents(column);
    }
}

void frmDetails::cmdSavePicture_Click() {
    const QString path = desktop_.askSaveFileName(
        this, {QStringLiteral("Save Picture"), QStringLiteral("PNG image (*.png)"),
               QStringLiteral("png")});
    if (path.isEmpty()) {
        return;
    }
    if (!RenderChartWheel(ui->picWheel->picture(), kSavedWheelPixels).save(path, "PNG")) {
        desktop_.showMessage(this,
                             QStringLiteral("The picture could not be saved to %1.")
                                 .arg(QDir::toNativeSeparators(path)),
                             Desktop::Icon::Error);
    }
}

void frmDetails::cmdClose_Click() {
    accept();
}
