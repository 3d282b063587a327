#include "gui/windows/atlas_zone_link.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <optional>

#include "core/atlas/atlas_fill.h"
#include "core/reading/applied_zone_of_form.h"
#include "core/zones/atlas_zone.h"
#include "gui/widgets/utf8_text.h"
#include "gui/widgets/window_language.h"

namespace zorvane {

AtlasZoneLink::AtlasZoneLink(Controls controls, std::function<ReadingForm()> readForm,
                             std::function<BirthMoment()> moment, QObject* parent)
    : QObject(parent),
      controls_(controls),
      readForm_(std::move(readForm)),
      moment_(std::move(moment)) {
    for (QLineEdit* box : {&controls_.zoneHour, &controls_.zoneMinute}) {
        connect(box, &QLineEdit::textChanged, this, &AtlasZoneLink::BoxesWritten);
    }
    connect(&controls_.daylightSaving, &QCheckBox::toggled, this,
            &AtlasZoneLink::SummerTimeWritten);
}

void AtlasZoneLink::BoxesWritten() {
    if (!writing_) {
        End();
        source_ = ZoneSource::Typed;
    }
    ShowApplied();
}

void AtlasZoneLink::SummerTimeWritten() {
    // Ticking "DST" over a picked zone keeps the picker as the source, so
    // that the line says summer time comes on top of the picked row.
    if (!writing_) {
        End();
        if (source_ == ZoneSource::Atlas) source_ = ZoneSource::Typed;
    }
    ShowApplied();
}

void AtlasZoneLink::Link(const QByteArray& zoneId, bool placeEast, const ClockSelection& clock) {
    zoneId_ = zoneId;
    placeEast_ = placeEast;
    clock_.SetSelection(clock);
    Follow();
}

void AtlasZoneLink::Follow() {
    if (zoneId_.isEmpty()) {
        return;
    }
    applied_ = clock_.Follow(zoneId_, readForm_(), UserNumberFormat());
    const ZoneAtBirth& zone = applied_.zone;
    const AtlasClockBoxes written = AtlasClock::BoxesOf(applied_, placeEast_);
    const AtlasZoneBoxes& boxes = written.boxes;
    if (!boxes.writes) {
        // No real date: the boxes keep the last moment's zone until there is one.
        controls_.atlasZone.setText(QString::fromLatin1(zoneId_));
        return;
    }
    writing_ = true;
    controls_.zoneHour.setText(boxes.hour);
    controls_.zoneMinute.setText(boxes.minute);
    controls_.daylightSaving.setChecked(boxes.daylightSaving);
    zoneSecond_ = written.zoneSecond;
    writing_ = false;
    controls_.atlasZone.setText(AtlasClock::AtlasLine(zoneId_, applied_, WindowWording(ShownLanguage())));
    source_ = ZoneSource::Atlas;
    atlasZone_ = zone;
    ShowApplied();
}

void AtlasZoneLink::End() {
    if (writing_) {
        return;
    }
    zoneId_.clear();
    controls_.atlasZone.clear();
    clock_.SetSelection({});
    applied_ = {};
    zoneSecond_ = 0;
}

ClockSelection AtlasZoneLink::ClockChosen() const {
    return zoneId_.isEmpty() ? ClockSelection{} : clock_.selection();
}

std::string AtlasZoneLink::ClockNote() const {
    return zoneId_.isEmpty() ? std::string() : clock_.Note(WindowWording(ShownLanguage()));
}

bool AtlasZoneLink::StandardChosen() const {
    return applied_.standard.has_value();
}

void AtlasZoneLink::AskClock(QWidget* parent, const std::function<void(QDialog&)>& runModal) {
    if (zoneId_.isEmpty() || !clock_.OffersChoice()) return;
    if (clock_.Ask(parent, runModal, readForm_(), UserNumberFormat())) Follow();
}

void AtlasZoneLink::NoteSource(ZoneSource source) {
    source_ = source;
    ShowApplied();
}

std::string AtlasZoneLink::AppliedSentence() const {
    const Wording wording = WindowWording(ShownLanguage());
    std::optional<AppliedZone> zone = AppliedZoneOfForm(readForm_(), UserNumberFormat());
    if (!zone) return wording.Say("The zone or longitude boxes do not give an offset yet");
    const std::string atlasNote = ZoneNote(atlasZone_, wording).toStdString();
    const std::string zoneId = zoneId_.toStdString();
    zone->source = source_;
    if (source_ == ZoneSource::Atlas && applied_.standard) {
        zone->source = ZoneSource::ClockStandard;
        zone->sourceName = applied_.standard->name;
    } else if (source_ == ZoneSource::Atlas) {
        zone->sourceName = zoneId;
        zone->note = atlasNote;
    }
    return AppliedZoneSentence(*zone, wording);
}

void AtlasZoneLink::ShowApplied() {
    const QString text = FromUtf8(AppliedSentence());
    // A zone that follows the atlas may offer other clocks: the line opens them.
    const bool offers = !zoneId_.isEmpty() && clock_.OffersChoice();
    controls_.zoneAsApplied.setText(
        offers ? text + QCoreApplication::translate("AtlasZoneLink", ": click here to choose the clock") : text);
    controls_.zoneAsApplied.setToolTip(text);
    controls_.zoneAsApplied.setCursor(offers ? Qt::PointingHandCursor : Qt::ArrowCursor);
    // Reached with Tab too while it offers a choice; Space or Enter opens it.
    controls_.zoneAsApplied.setFocusPolicy(offers ? Qt::TabFocus : Qt::NoFocus);
}

}  // namespace zorvane
