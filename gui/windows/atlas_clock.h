#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <string>

#include "core/atlas/atlas_fill.h"
#include "core/reading/number_text.h"
#include "core/reading/validate_input.h"
#include "core/zones/clock_offer.h"

class QDialog;
class QEvent;
class QWidget;

namespace zorvane {

// What the zone boxes get for an atlas-followed zone: the boxes as the atlas
// writes them, and the zone's seconds no box holds (+5:53:20).
struct AtlasClockBoxes {
    AtlasZoneBoxes boxes;
    int zoneSecond = 0;
};

// The clock of a zone that follows the atlas, for the main window: what the
// zone offers at the form's date, clock time and place, the user's choice
// among it, and the dialog that asks for it.
class AtlasClock {
public:
    // The offer of zoneId for the form and the clock the kept selection
    // applies there; a selection the offer no longer holds applies the
    // default, and is kept for a later moment that holds it again.
    AppliedClock Follow(const QByteArray& zoneId, const ReadingForm& form, const NumberFormat& format);
    static AtlasClockBoxes BoxesOf(const AppliedClock& applied, bool eastLongitude);
    // The atlas line beside the zone: "Europe/London +2:00, double summer
    // time", or "Asia/Kolkata, Bombay Time +4:51" for a clock standard.
    static QString AtlasLine(const QByteArray& zoneId, const AppliedClock& applied, const Wording& wording = {});

    // What a reader must be told about the clock applied, worded anew.
    std::string Note(const Wording& wording) const;
    bool OffersChoice() const;
    const ClockSelection& selection() const { return selection_; }
    void SetSelection(const ClockSelection& selection) { selection_ = selection; }

    // Shows the choices over parent through runModal; true when the user
    // took another clock. The form computes what each choice changes.
    bool Ask(QWidget* parent, const std::function<void(QDialog&)>& runModal, const ReadingForm& form,
             const NumberFormat& format);

private:
    ClockOffer offer_;
    ClockSelection selection_;
    AppliedClock applied_;
    std::string clockText_;  // "02:30", as the note names it
    std::string dateText_;   // "2023-03-12"
};

// A mouse button released over a control, or Space, Enter or Return pressed
// on it: what opens the clock choice from the zone line.
bool IsClickOrActivationKey(const QEvent& event);

}  // namespace zorvane
