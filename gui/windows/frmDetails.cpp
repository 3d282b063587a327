#include "gui/windows/frmDetails.h"

#include "gui/widgets/utf8_text.h"
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

#include "gui/widgets/star_day_page.h"
#include "gui/report/chart_wheel.h"
#include "gui/desktop/desktop.h"
#include "gui/windows/frmPanchang.h"
#include "gui/windows/startup.h"
#include "gui/widgets/form_look.h"
#include "core/format/dasha_text.h"
#include "core/time/zone_date.h"
#include "core/time/angles.h"
#include "core/panchang/nakshatra_names.h"
#include "core/format/details_text.h"
#include "core/format/place_clock.h"
#include "core/format/reading_lines.h"
#include "core/format/reading_title.h"
#include "core/panchang/limb_names.h"
#include "core/panchang/yoga_names.h"
#include "core/format/local_names.h"
#include "gui/desktop/language.h"
#include "ui_frmDetails.h"

namespace {


// Rows of the limb table, in panchang order, and its columns.
enum LimbRow { TithiRow, VaraRow, NakshatraRow, YogaRow, KaranaRow };
enum LimbColumn { LimbNameColumn = 1, StartsColumn, EndsColumn };
enum DashaColumn { LordColumn, DashaStartsColumn, DashaEndsColumn, NoteColumn };

const char* const kRunningToday = QT_TRANSLATE_NOOP("frmDetails", "running today");
const char* const kBeforeBirth = QT_TRANSLATE_NOOP("frmDetails", "before birth");

// A saved wheel is this many pixels square: sharp when printed a hand wide.
constexpr int kSavedWheelPixels = 1200;

using zorvane::FromUtf8;

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
      desktop_(desktop),
      record_(record),
      wording_(zorvane::WindowWording(zorvane::ShownLanguage())) {
    ui->setupUi(this);
    zorvane::RequestVerdana(*this);
    zorvane::PutCaptionsOnFrameLines(*this);
    setSizeGripEnabled(true);

    setWindowTitle(windowTitle() + QStringLiteral(" - ") + QString::fromStdString(zorvane::ReadingTitle(record, wording_)));
    const zorvane::BirthDetails& details = record.details.value();
    ShowBirth(record);
    ShowPlaces(details);
    ShowLimbs(details);
    ShowSun(details);
    ShowDasha(record.dasha.value(), details.clockLeadHours);
    ui->picWheel->setPicture(WheelPictureForBirth(details.moonSiderealDegrees,
                                                   details.sunSiderealDegrees,
                                                   details.nakshatra.index));
    if (StarDayPage* page = MakeStarDayPage(record, desktop_.today(), ui->tabPages)) {
        ui->tabPages->addTab(page, tr("Day for the &Star"));
    }
    connect(ui->pagChart, &ChartPage::moonNoteChanged, this, &frmDetails::ShowBoundsAndMoonNote);
    ui->pagChart->setBirth(desktop_, zorvane::ApplicationName(), record);

    connect(ui->cmdSavePicture, &QPushButton::clicked, this, &frmDetails::cmdSavePicture_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmDetails::cmdClose_Click);
    connect(ui->cmdPanchang, &QPushButton::clicked, this, &frmDetails::cmdPanchang_Click);
}

// The panchang of the birth's date at the birth's place (without a latitude,
// the last place used), opened beside the details.
void frmDetails::cmdPanchang_Click() {
    const zorvane::BirthData& birth = record_.birth;
    auto* panchang = new frmPanchang(desktop_, PanchangPlaceOfReading(record_),
                                     QDate(birth.Year, birth.Month, birth.Day), this);
    panchang->setAttribute(Qt::WA_DeleteOnClose);
    panchang->show();
}

frmDetails::~frmDetails() = default;

void frmDetails::ShowBirth(const zorvane::BirthRecord& record) {
    // The birth lines in their fixed order; Place appears only when named.
    // The English lines name the label; the shown ones fill it, line for line.
    const std::vector<zorvane::TextLine> english = zorvane::BirthLines(record);
    const std::vector<zorvane::TextLine> shown = zorvane::BirthLines(record, wording_);
    for (std::size_t i = 0; i < english.size() && i < shown.size(); ++i) {
        const std::string& name = english[i].label;
        QLabel* label = name == "Date"             ? ui->lblDate
                        : name == "Clock time"     ? ui->lblClockTime
                        : name == "Zone"           ? ui->lblZone
                        : name == "Longitude"      ? ui->lblLongitude
                        : name == "Latitude"       ? ui->lblLatitude
                        : name == "Universal time" ? ui->lblUniversalTime
                        : name == "Clock"          ? ui->lblClockNote
                                                   : nullptr;
        if (label) label->setText(FromUtf8(shown[i].value));
    }
    // The clock's row shows only when the birth's clock was a choice.
    ui->lblClockNoteCaption->setVisible(!record.clockNote.empty());
    ui->lblClockNote->setVisible(!record.clockNote.empty());
}

void frmDetails::ShowPlaces(const zorvane::BirthDetails& details) {
    ui->lblAyanamsa->setText(FromUtf8(zorvane::FormatDegreesMinutesSeconds(details.ayanamsaDegrees)));
    // What the numbers are, where they are read.
    for (QLabel* label : {ui->lblAyanamsa, ui->lblPanchangAyanamsa, ui->lblSunrise, ui->lblSunset}) {
        label->setToolTip(FromUtf8(zorvane::kConventionsSentence));
    }
    ui->lblPanchangAyanamsa->setText(
        FromUtf8(zorvane::FormatDegreesMinutesSeconds(details.panchangAyanamsaDegrees)));
    ui->lblMoon->setText(FromUtf8(zorvane::SignPositionLine(details.moonSiderealDegrees, wording_)));
    ui->lblNakshatra->setText(FromUtf8(zorvane::NakshatraPadaLine(details, wording_)));
    ui->lblSun->setText(FromUtf8(zorvane::SignPositionLine(details.sunSiderealDegrees, wording_)));
}

void frmDetails::ShowLimbs(const zorvane::BirthDetails& details) {
    QTableWidget& table = *ui->tblLimbs;
    const std::vector<zorvane::LimbLine> limbs = zorvane::LimbLines(details, zorvane::PlaceClockOf(record_), wording_);
    for (int row = 0; row < table.rowCount() && row < static_cast<int>(limbs.size()); ++row) {
        const zorvane::LimbLine& limb = limbs[static_cast<std::size_t>(row)];
        table.setItem(row, 0, new QTableWidgetItem(table.verticalHeaderItem(row)->text()));
        table.setItem(row, LimbNameColumn, new QTableWidgetItem(FromUtf8(limb.name)));
        table.setItem(row, StartsColumn, new QTableWidgetItem(FromUtf8(limb.starts)));
        table.setItem(row, EndsColumn, new QTableWidgetItem(FromUtf8(limb.ends)));
    }

    QHeaderView& header = *ui->tblLimbs->horizontalHeader();
    header.setSectionsMovable(false);
    ui->tblLimbs->resizeColumnsToContents();
    ui->tblLimbs->setFixedHeight(header.height() + 2 * ui->tblLimbs->frameWidth() +
                                 ui->tblLimbs->verticalHeader()->length());

    const std::vector<std::string> near = zorvane::NearBoundSentences(details, wording_);
    QStringList sentences;
    for (const std::string& sentence : near) {
        sentences.append(FromUtf8(sentence));
    }
    nearBounds_ = sentences.isEmpty()
                      ? tr("No limb begins or ends within %1 minutes of the birth.").arg(zorvane::kNearBoundMinutes)
                      : sentences.join(u'\n');
    ShowBoundsAndMoonNote(QString());
}

void frmDetails::ShowBoundsAndMoonNote(const QString& moonNote) {
    ui->lblNearBounds->setText(moonNote.isEmpty() ? nearBounds_ : nearBounds_ + u'\n' + moonNote);
}

void frmDetails::ShowSun(const zorvane::BirthDetails& details) {
    const zorvane::PlaceClock clock = zorvane::PlaceClockOf(record_);
    ui->lblSunrise->setText(FromUtf8(zorvane::PlaceClockLine(details.sunriseJd, clock)));
    ui->lblSunset->setText(FromUtf8(zorvane::PlaceClockLine(details.sunsetJd, clock)));
    ui->lblSunNote->setText(FromUtf8(wording_.Say(zorvane::SunNoteText(details.sunNote))));
    ui->lblSunNote->setVisible(details.sunNote != zorvane::SunNote::None);
}

void frmDetails::ShowDasha(const zorvane::VimshottariDasha& dasha, double clockLeadHours) {
    ui->lblBalance->setText(FromUtf8(zorvane::DashaBalanceLine(dasha, wording_)));

    // Today is a date in the birth's zone; its noon there stands for it.
    const double todayNoonJd =
        static_cast<double>(desktop_.today().toJulianDay()) - clockLeadHours / zorvane::kHoursPerDay;
    const std::optional<zorvane::RunningDasha> running =
        zorvane::FindRunningDasha(dasha, todayNoonJd);

    QTreeWidget& tree = *ui->treDasha;
    tree.clear();
    const zorvane::PlaceClock clock = zorvane::PlaceClockOf(record_);
    for (std::size_t m = 0; m < dasha.mahadashas.size(); ++m) {
        const zorvane::Mahadasha& period = dasha.mahadashas[m];
        auto* item = new QTreeWidgetItem(
            &tree, {FromUtf8(zorvane::LordText(period.lord, wording_.language)),
                    FromUtf8(zorvane::PlaceDateLine(period.startJd, clock)), FromUtf8(zorvane::PlaceDateLine(period.endJd, clock))});
        for (std::size_t a = 0; a < period.antardashas.size(); ++a) {
            const zorvane::Antardasha& sub = period.antardashas[a];
            auto* child = new QTreeWidgetItem(
                item, {FromUtf8(zorvane::LordText(sub.lord, wording_.language)),
                       FromUtf8(zorvane::PlaceDateLine(sub.startJd, clock)), FromUtf8(zorvane::PlaceDateLine(sub.endJd, clock)),
                       sub.beforeBirth ? tr(kBeforeBirth) : QString()});
            if (sub.beforeBirth) {
                child->setForeground(NoteColumn, palette().color(QPalette::Disabled, QPalette::Text));
            }
            if (running && static_cast<std::size_t>(running->mahadasha) == m &&
                static_cast<std::size_t>(running->antardasha) == a) {
                MarkRow(*child, tr(kRunningToday));
                tree.setCurrentItem(child);
            }
        }
        if (running && static_cast<std::size_t>(running->mahadasha) == m) {
            MarkRow(*item, tr(kRunningToday));
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
        this, {tr("Save Picture"), tr("PNG image (*.png)"),
               QStringLiteral("png")});
    if (path.isEmpty()) {
        return;
    }
    // The saved picture says whose wheel it is beneath its caption.
    WheelPicture picture = ui->picWheel->picture();
    for (const std::string& part : zorvane::ReadingTitleParts(record_, wording_)) picture.caption << QString::fromStdString(part);
    if (!RenderChartWheel(picture, kSavedWheelPixels).save(path, "PNG")) {
        desktop_.showMessage(this,
                             tr("The picture could not be saved to %1.")
                                 .arg(QDir::toNativeSeparators(path)),
                             Desktop::Icon::Error);
    }
}

void frmDetails::cmdClose_Click() {
    accept();
}
