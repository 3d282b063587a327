#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <optional>

#include "core/dasha/vimshottari_dasha.h"
#include "core/text/wording.h"
#include "core/panchang/birth_details.h"
#include "core/reading/birth_record.h"

class Desktop;
namespace Ui {
class frmDetails;
}

// The birth details of one calculated reading: the birth as the computation
// applied it, the sidereal places, the five limbs with their bounds, sunrise
// and sunset, the Vimshottari dasha with the period running today, and the
// wheel, which can be saved as a picture. It only formats what the core
// computed; nothing here computes.
class frmDetails : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmDetails)

public:
    // The record must hold its details and dasha (AddDetailsAndDasha).
    frmDetails(Desktop& desktop, const zorvane::BirthRecord& record, QWidget* parent = nullptr);
    ~frmDetails() override;

private:
    void ShowBirth(const zorvane::BirthRecord& record);
    void ShowPlaces(const zorvane::BirthDetails& details);
    void ShowLimbs(const zorvane::BirthDetails& details);
    void ShowSun(const zorvane::BirthDetails& details);
    void ShowDasha(const zorvane::VimshottariDasha& dasha, double clockLeadHours);
    void cmdSavePicture_Click();
    void cmdClose_Click();
    void cmdPanchang_Click();
    // The near-bound sentences, and the chart's Moon where it disagrees, so
    // that both Moons are named where the nakshatra is read.
    void ShowBoundsAndMoonNote(const QString& moonNote);

    std::unique_ptr<Ui::frmDetails> ui;
    Desktop& desktop_;
    zorvane::BirthRecord record_;  // the birth's day and place for the panchang window
    QString nearBounds_;
    // The language of the catalogue in use when the window opened; a change
    // of language shows here at the next opening.
    zorvane::Wording wording_;
};
