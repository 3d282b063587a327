#pragma once

#include <QByteArray>
#include <QObject>
#include <functional>
#include <string>

#include "core/reading/validate_input.h"
#include "core/zones/applied_zone.h"
#include "gui/windows/place_search.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace zorvane {

// The zone boxes and "DST" of the birth form, and who last wrote them. While
// they hold what the atlas wrote for a place, they follow the birth's date
// and clock time through that place's zone; the user writing them another
// way ends the link. Keeps the line of the zone as the calculation will
// apply it up to date for every source.
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

    // The atlas's zone for the place just written, east of Greenwich or not.
    void Link(const QByteArray& zoneId, bool placeEast);
    // Writes the boxes for the birth's moment while the link holds.
    void Follow();
    // The boxes are the user's from now on.
    void End();
    // The picker or a chart file wrote the boxes.
    void NoteSource(ZoneSource source);
    // The atlas zone the boxes follow; empty when none.
    const QByteArray& zoneId() const { return zoneId_; }

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
    std::string atlasNote_;
};

}  // namespace zorvane
