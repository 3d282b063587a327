#pragma once

#include <QByteArray>
#include <QObject>
#include <functional>
#include <string>

#include "core/reading/validate_input.h"
#include "core/zones/applied_zone.h"
#include "core/zones/clock_offer.h"
#include "gui/windows/atlas_clock.h"
#include "gui/windows/place_search.h"

class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;

namespace zorvane {

// The zone boxes and "DST" of the birth form, and who last wrote them. While
// they hold what the atlas wrote for a place, they follow the birth's date
// and clock time through that place's zone; the user writing them another
// way ends the link. Such a zone may offer other clocks (a skipped or
// repeated clock time, India's old clock standards): the user's choice among
// them is kept while the link holds. Keeps the line of the zone as the
// calculation will apply it up to date for every source.
class AtlasZoneLink : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AtlasZoneLink)

public:
    struct Controls {
        QLineEdit& zoneHour;
        QLineEdit& zoneMinute;
        QCheckBox& daylightSaving;
        QLabel& atlasZone;     // the atlas's own words on the zone it wrote
        QLabel& zoneAsApplied; // the offset the calculation will use, and how
    };
    // readForm gives the whole form as typed; moment the birth's date and
    // clock time as the lists hold them.
    AtlasZoneLink(Controls controls, std::function<ReadingForm()> readForm,
                  std::function<BirthMoment()> moment, QObject* parent);

    // The atlas's zone for the place just written, east of Greenwich or not,
    // with the clock chosen for it (a chart file keeps one).
    void Link(const QByteArray& zoneId, bool placeEast, const ClockSelection& clock = {});
    // Writes the boxes for the birth's moment while the link holds.
    void Follow();
    // The boxes are the user's from now on.
    void End();
    // The picker or a chart file wrote the boxes.
    void NoteSource(ZoneSource source);
    // The atlas zone the boxes follow; empty when none.
    const QByteArray& zoneId() const { return zoneId_; }
    // The zone's seconds, which no box holds (+5:53:20).
    int zoneSecond() const { return zoneSecond_; }
    // The clock chosen, the sentence a reader must be told of it, and whether
    // it is one of the old clock standards; defaults while no link holds.
    ClockSelection ClockChosen() const;
    std::string ClockNote() const;
    bool StandardChosen() const;
    // Asks for another clock where the linked zone offers one; a choice
    // writes the boxes anew.
    void AskClock(QWidget* parent, const std::function<void(QDialog&)>& runModal);

    std::string AppliedSentence() const;
    void ShowApplied();

private:
    void BoxesWritten();
    void SummerTimeWritten();

    Controls controls_;
    std::function<ReadingForm()> readForm_;
    std::function<BirthMoment()> moment_;
    QByteArray zoneId_;
    bool placeEast_ = true;
    // True while the link itself writes the boxes, so that writing is not
    // taken for the user's.
    bool writing_ = false;
    ZoneSource source_ = ZoneSource::Typed;
    ZoneAtBirth atlasZone_;  // the atlas zone at the birth, for its note
    AtlasClock clock_;
    AppliedClock applied_;
    int zoneSecond_ = 0;
};

}  // namespace zorvane
