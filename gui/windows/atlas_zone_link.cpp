#include "gui/windows/atlas_zone_link.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <optional>

#include "core/atlas/atlas_fill.h"
#include "core/reading/applied_zone_of_form.h"
#include "core/zones/atlas_zone.h"
#include "gui/widgets/utf8_text.h"

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

void AtlasZoneLink::Link(const QByteArray& zoneId, bool placeEast) {
    zoneId_ = zoneId;
    placeEast_ = placeEast;
    Follow();
}

void AtlasZoneLink::Follow() {
    if (zoneId_.isEmpty()) {
        return;
    }
    const BirthMoment moment = moment_();
    const ZoneAtBirth zone = ZoneAt(zoneId_, moment.date, moment.clockTime);
    const AtlasZoneBoxes boxes = ZoneBoxesFor(zone, placeEast_);
    if (!boxes.writes) {
        // No real date: the boxes keep the last moment's zone until there is one.
        controls_.atlasZone.setText(QString::fromLatin1(zoneId_));
        return;
    }
    writing_ = true;
    controls_.zoneHour.setText(boxes.hour);
    controls_.zoneMinute.setText(boxes.minute);
    controls_.daylightSaving.setChecked(boxes.daylightSaving);
    writing_ = false;
    controls_.atlasZone.setText(AppliedZoneText(zoneId_, zone));
    source_ = ZoneSource::Atlas;
    atlasNote_ = ZoneNote(zone).toStdString();
    ShowApplied();
}

void AtlasZoneLink::End() {
    if (writing_) {
        return;
    }
    zoneId_.clear();
    controls_.atlasZone.clear();
}

void AtlasZoneLink::NoteSource(ZoneSource source) {
    source_ = source;
    ShowApplied();
}

std::string AtlasZoneLink::AppliedSentence() const {
    std::optional<AppliedZone> zone = AppliedZoneOfForm(readForm_(), UserNumberFormat());
    if (!zone) return "The zone or longitude boxes do not give an offset yet";
    const std::string zoneId = zoneId_.toStdString();
    zone->source = source_;
    if (source_ == ZoneSource::Atlas) {
        zone->sourceName = zoneId;
        zone->note = atlasNote_;
    }
    return AppliedZoneSentence(*zone);
}

void AtlasZoneLink::ShowApplied() {
    const QString text = FromUtf8(AppliedSentence());
    controls_.zoneAsApplied.setText(text);
    controls_.zoneAsApplied.setToolTip(text);
}

}  // namespace zorvane
