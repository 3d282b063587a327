#include "gui/windows/atlas_clock.h"

#include <QCoreApplication>
#include <QDate>
#include <QKeyEvent>
#include <QTime>
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "core/format/reading_at_offset.h"
#include "core/reading/birth_input.h"
#include "core/zones/standard_changes.h"
#include "core/zones/zone_offset_text.h"
#include "gui/widgets/window_language.h"
#include "gui/windows/frmClockChoice.h"

namespace zorvane {

namespace {

constexpr int kSecondsPerMinute = 60;
constexpr double kArcminutesPerDegree = 60.0;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int WholeOr(const std::string& text, const NumberFormat& format) {
    return TextToWholeNumber(text, format, true).value_or(0);
}

// The place of the form's boxes in degrees, east and north positive; what
// does not convert counts as 0 (only Bombay and Calcutta Time look at it).
std::pair<double, double> PlaceOfForm(const ReadingForm& form, const NumberFormat& format) {
    const double latitude = LatitudeFromForm(form, format).value_or(0.0);
    const double longitude = std::abs(WholeOr(form.lonDegrees, format)) +
                             std::abs(WholeOr(form.lonMinutes, format)) / kArcminutesPerDegree;
    return {latitude, form.eastSelected ? longitude : -longitude};
}

QDate DateOfForm(const ReadingForm& form) {
    return QDate(std::atoi(form.yearText.c_str()), form.monthIndex + 1, std::atoi(form.dayText.c_str()));
}

QTime ClockOfForm(const ReadingForm& form) {
    return QTime(std::atoi(form.hourText.c_str()), std::atoi(form.minuteText.c_str()));
}

}  // namespace

AppliedClock AtlasClock::Follow(const QByteArray& zoneId, const ReadingForm& form, const NumberFormat& format) {
    const auto [latitude, longitude] = PlaceOfForm(form, format);
    const QDate date = DateOfForm(form);
    const QTime clock = ClockOfForm(form);
    offer_ = ClockOfferAt(zoneId, date, clock, latitude, longitude);
    clockText_ = clock.toString(QStringLiteral("HH:mm")).toStdString();
    dateText_ = date.toString(Qt::ISODate).toStdString();
    applied_ = ApplyClockSelection(offer_, selection_, clockText_, dateText_);
    return applied_;
}

std::string AtlasClock::Note(const Wording& wording) const {
    return ApplyClockSelection(offer_, selection_, clockText_, dateText_, wording).note;
}

AtlasClockBoxes AtlasClock::BoxesOf(const AppliedClock& applied, bool eastLongitude) {
    AtlasClockBoxes result;
    if (!applied.standard) {
        result.boxes = ZoneBoxesFor(applied.zone, eastLongitude);
        return result;
    }
    // A clock standard goes in whole, with its sign and its seconds.
    const ZoneHourMinuteTexts texts = SignedZoneTexts(applied.offsetSeconds);
    result.boxes.writes = true;
    result.boxes.hour = FromUtf8(texts.hour);
    result.boxes.minute = FromUtf8(texts.minute);
    result.zoneSecond = std::abs(applied.offsetSeconds) % kSecondsPerMinute;
    return result;
}

QString AtlasClock::AtlasLine(const QByteArray& zoneId, const AppliedClock& applied, const Wording& wording) {
    if (!applied.standard) return AppliedZoneText(zoneId, applied.zone);
    return QString::fromLatin1(zoneId) + QStringLiteral(", ") + FromUtf8(wording.Say(applied.standard->name)) + u' ' +
           FromUtf8(SignedOffsetText(applied.offsetSeconds));
}

bool IsClickOrActivationKey(const QEvent& event) {
    if (event.type() == QEvent::MouseButtonRelease) return true;
    if (event.type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent&>(event).key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool AtlasClock::OffersChoice() const { return !ClockChoiceRows(offer_).empty(); }

bool AtlasClock::Ask(QWidget* parent, const std::function<void(QDialog&)>& runModal, const ReadingForm& form,
                     const NumberFormat& format) {
    const std::vector<ClockChoiceRow> rows = ClockChoiceRows(offer_);
    if (rows.empty()) return false;
    std::vector<ClockStandardOption> options;
    for (const ClockChoiceRow& row : rows) options.push_back(row.option);
    const Wording wording = WindowWording(ShownLanguage());
    const std::vector<StandardChange> changes = ChangesOfStandards(
        options, applied_.offsetSeconds,
        [&form, &format, &wording](int offset) {
            return ReadingNamesAtOffset(form, format, offset, wording.language);
        },
        wording);

    QList<frmClockChoice::Row> texts;
    int current = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ClockStandardOption& option = rows[i].option;
        // The sources stay as they are written.
        texts.append({FromUtf8(wording.Say(option.name)), FromUtf8(SignedOffsetText(option.offsetSeconds)),
                      FromUtf8(WordedYears(option.years, wording)), FromUtf8(wording.Say(option.where)),
                      FromUtf8(ChangesText(changes[i], wording)), FromUtf8(option.source)});
        if (rows[i].selection == selection_) current = static_cast<int>(i);
    }
    QString question = FromUtf8(Note(wording));
    if (!question.isEmpty()) {
        // A sentence of its own: capitalised where the script has capitals.
        if (wording.language == Language::English) question[0] = question[0].toUpper();
        question += QCoreApplication::translate("AtlasClock", ".", "the end of a sentence") + u'\n';
    }
    question += QCoreApplication::translate(
        "AtlasClock",
        "Choose the clock the birth time was read from. \u201cWhat it changes\u201d compares each with the "
        "clock applied now.");
    if (!offer_.standards.empty()) {
        question += QCoreApplication::translate(
            "AtlasClock",
            " Before 1956 many towns kept a clock of their own: the tz database's value is the default; "
            "Bombay and Calcutta Time and their years rest on secondary sources, and war time on one "
            "source the tz database calls dubious.");
    }
    frmClockChoice dialog(question, texts, current, parent);
    runModal(dialog);
    const int chosen = dialog.chosenRow();
    if (chosen < 0 || rows[static_cast<std::size_t>(chosen)].selection == selection_) return false;
    selection_ = rows[static_cast<std::size_t>(chosen)].selection;
    return true;
}

}  // namespace zorvane
