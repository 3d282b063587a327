#include "gui/windows/frmAtlas.h"

#include "gui/widgets/utf8_text.h"
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QTreeWidgetItem>

#include "gui/desktop/desktop.h"
#include "gui/widgets/form_look.h"
#include "gui/desktop/links.h"
#include "gui/widgets/mnemonic_click.h"
#include "core/format/reading_lines.h"
#include "core/reading/validate_input.h"
#include "gui/widgets/window_language.h"
#include "ui_frmAtlas.h"

namespace {

enum Column {
    PlaceColumn,
    StateColumn,
    CountryColumn,
    LatitudeColumn,
    LongitudeColumn,
    ZoneColumn,
    OffsetColumn,
    NoteColumn
};

// Pixels; the note takes what is left.
constexpr int kColumnWidths[] = {128, 118, 112, 62, 66, 124, 52};
static_assert(std::size(kColumnWidths) == NoteColumn);

using zorvane::FromUtf8;

QString Quoted(const QString& text) {
    return QStringLiteral("\u201c") + text + QStringLiteral("\u201d");
}

// What "Use this place" writes, as the user will find it in the boxes.
QString WhatUseWrites(const zorvane::AtlasPlace& place, const zorvane::PlaceBoxes& boxes) {
    QString text =
        QCoreApplication::translate("frmAtlas", "Use this place writes %1 and %2")
            .arg(zorvane::LatitudeText(place.latitude), zorvane::LongitudeText(place.longitude));
    if (boxes.writesZone) {
        text += QCoreApplication::translate("frmAtlas", ", the zone %1 h %2 min").arg(boxes.zoneHour, boxes.zoneMinute);
        text += boxes.daylightSaving ? QCoreApplication::translate("frmAtlas", " and ticks DST")
                                     : QCoreApplication::translate("frmAtlas", " and leaves DST unticked");
    }
    return text + u'.';
}

QString ClockTimeExplanation(zorvane::ClockTimeAtChange clockTime) {
    switch (clockTime) {
        case zorvane::ClockTimeAtChange::Skipped:
            return QStringLiteral(
                "\nThe clocks jumped over this clock time on that date; it is read with "
                "the offset in force before the jump.");
        case zorvane::ClockTimeAtChange::Repeated:
            return QStringLiteral(
                "\nThis clock time came twice on that date; the first time, before the "
                "clocks went back, is used.");
        case zorvane::ClockTimeAtChange::Ordinary:
            break;
    }
    return {};
}

// The note column: summer time and clock changes, and a zone that no box
// text can give.
QString NoteFor(const zorvane::ZoneAtBirth& zone, const zorvane::PlaceBoxes& boxes) {
    QStringList parts;
    if (zone.known && !zorvane::ZoneNote(zone).isEmpty()) {
        parts << zorvane::ZoneNote(zone);
    }
    if (boxes.zoneBehindAtEasternLongitude) {
        parts << QStringLiteral(
            "behind universal time at an eastern longitude; the zone hour is written with \"-\"");
    }
    return parts.join(QStringLiteral("; "));
}

}  // namespace

frmAtlas::frmAtlas(Desktop& desktop, const zorvane::AtlasOrError& atlas,
                   const zorvane::TypedPlace& typed, QDate birthDate, QTime clockTime,
                   QUrl webSearch, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::frmAtlas>()),
      desktop_(desktop),
      typed_(typed),
      birthDate_(birthDate),
      clockTime_(clockTime),
      webSearch_(std::move(webSearch)) {
    ui->setupUi(this);
    setWindowTitle(zorvane::WindowCaption());
    zorvane::RequestVerdana(*this);
    setFixedSize(size());
    setModal(true);

    QHeaderView& header = *ui->lstPlaces->header();
    header.setStretchLastSection(true);
    header.setSectionsMovable(false);
    for (int column = 0; column < NoteColumn; ++column) {
        header.resizeSection(column, kColumnWidths[column]);
    }

    // A double-click anywhere in the list uses the selected row, as the user
    // sees it, rather than the row under the pointer.
    ui->lstPlaces->viewport()->installEventFilter(this);
    connect(ui->cmdUse, &QPushButton::clicked, this, &frmAtlas::cmdUse_Click);
    connect(ui->cmdWeb, &QPushButton::clicked, this, &frmAtlas::cmdWeb_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmAtlas::cmdClose_Click);
    for (QPushButton* button : {ui->cmdUse, ui->cmdWeb, ui->cmdClose}) {
        zorvane::ClickAtOnceOnMnemonic(*button);
    }

    Form_Load(atlas);
}

frmAtlas::~frmAtlas() = default;

void frmAtlas::Form_Load(const zorvane::AtlasOrError& atlas) {
    zorvane::AtlasMatches matches;
    if (const auto* places = std::get_if<zorvane::Atlas>(&atlas)) {
        const std::string city = typed_.city.toStdString();
        const std::string state = typed_.state.toStdString();
        const std::string country = typed_.country.toStdString();
        matches = zorvane::FindPlaces(*places, {city, state, country});
    }
    QList<QTreeWidgetItem*> items;
    rowBoxes_.reserve(matches.places.size());
    for (const zorvane::AtlasMatch& match : matches.places) {
        const zorvane::AtlasPlace& place = match.place;
        const QByteArray zoneId(place.zoneId.data(), static_cast<qsizetype>(place.zoneId.size()));
        const zorvane::ZoneAtBirth zone = zorvane::ZoneAt(zoneId, birthDate_, clockTime_);
        const zorvane::PlaceBoxes boxes = zorvane::BoxesFor(place, zone);
        QStringList texts = {
            FromUtf8(place.name),
            FromUtf8(place.state),
            FromUtf8(place.country),
            zorvane::LatitudeText(place.latitude),
            zorvane::LongitudeText(place.longitude),
            QString::fromLatin1(zoneId),
            zone.known ? zorvane::OffsetText(zone.offsetMinutes) : QStringLiteral("\u2014"),
            NoteFor(zone, boxes)};
        auto* item = new QTreeWidgetItem(texts);
        const QString tip = WhatUseWrites(place, boxes) + ClockTimeExplanation(zone.clockTime);
        for (int column = 0; column < texts.size(); ++column) {
            item->setToolTip(column, texts.at(column) + QStringLiteral("\n") + tip);
        }
        items.append(item);
        rowBoxes_.push_back(boxes);
    }
    ui->lstPlaces->addTopLevelItems(items);
    if (const auto* reason = std::get_if<std::string>(&atlas)) {
        ui->lblHeading->setText(
            tr("The atlas could not be read (%1). Press \u201cSearch the web\u201d "
                           "to look the place up on the web.")
                .arg(QString::fromStdString(*reason)));
    } else {
        ShowHeading(matches);
    }

    const bool found = !rowBoxes_.empty();
    ui->cmdUse->setEnabled(found);
    if (found) {
        ui->lstPlaces->setCurrentItem(ui->lstPlaces->topLevelItem(0));
        ui->cmdUse->setDefault(true);
        ui->lstPlaces->setFocus();
    } else {
        ui->cmdWeb->setDefault(true);
        ui->cmdWeb->setFocus();
    }
}

void frmAtlas::ShowHeading(const zorvane::AtlasMatches& matches) {
    const zorvane::TypedPlace& typed = typed_;
    if (matches.places.empty()) {
        ui->lblHeading->setText(
            tr("No place called %1 is in the atlas. Check the spelling, or press "
                           "\u201cSearch the web\u201d to look it up on the web.")
                .arg(Quoted(typed.city)));
        return;
    }
    QString text;
    const zorvane::AtlasMatch& first = matches.places.front();
    if (first.byAlternateName && first.quality == zorvane::MatchQuality::Whole) {
        text = tr("%1 is another name of %2. ")
                   .arg(Quoted(typed.city.trimmed()), FromUtf8(first.place.name));
    }
    if (birthDate_.isValid()) {
        text += tr("Places found for %1, with their offsets from universal time on "
                   "%2 at %3. ")
                    .arg(Quoted(typed.city.trimmed()),
                         QString::fromStdString(zorvane::LongDateLine(
                             birthDate_.year(), birthDate_.month(), birthDate_.day(),
                             zorvane::WindowWording(zorvane::ShownLanguage()))),
                         clockTime_.toString(QStringLiteral("H:mm")));
    } else {
        text += tr("Places found for %1. The birth date chosen is not a real date, "
                   "so no offset is shown and the zone is left as it is. ")
                    .arg(Quoted(typed.city.trimmed()));
    }
    if (matches.total > static_cast<int>(matches.places.size())) {
        text += tr("The %1 likeliest of %2 places are listed. ")
                    .arg(matches.places.size())
                    .arg(matches.total);
    }
    text += tr("Choose a place and press \u201cUse this place\u201d.");
    ui->lblHeading->setText(text);
}

void frmAtlas::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    zorvane::CentreOnScreen(*this);
}

bool frmAtlas::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->lstPlaces->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        lstPlaces_DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

int frmAtlas::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = ui->lstPlaces->selectedItems();
    return selected.isEmpty() ? -1 : ui->lstPlaces->indexOfTopLevelItem(selected.constFirst());
}

void frmAtlas::lstPlaces_DblClick() {
    cmdUse_Click();
}

void frmAtlas::cmdUse_Click() {
    const int row = SelectedRow();
    if (row < 0 || row >= static_cast<int>(rowBoxes_.size())) {
        return;
    }
    chosen_ = rowBoxes_[static_cast<std::size_t>(row)];
    accept();
}

void frmAtlas::cmdWeb_Click() {
    // The web search is for the whole place, so it needs all three boxes.
    if (const std::optional<zorvane::Refusal> refusal = zorvane::ValidatePlaceSearch(
            typed_.city.toStdString(), typed_.state.toStdString(), typed_.country.toStdString())) {
        desktop_.showMessage(this, FromUtf8(refusal->message), Desktop::Icon::Error);
        return;
    }
    // Closed first, so that a box saying no browser opened stands alone.
    reject();
    zorvane::OpenAddress(desktop_, webSearch_, parentWidget());
}

void frmAtlas::cmdClose_Click() {
    reject();
}
