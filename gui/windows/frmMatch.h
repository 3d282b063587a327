#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

#include "core/matching/star.h"
#include "core/reading/birth_record.h"
#include "core/text/wording.h"

class Desktop;
class QComboBox;
class QLabel;
namespace Ui {
class frmMatch;
}

// A birth star to match and where it came from ("Asha, from asha.zchart").
struct MatchBirth {
    zorvane::Star star;
    QString source;
};

// The birth star of a calculated reading, named by who it is of; nothing
// when the reading has no nakshatra or details.
std::optional<MatchBirth> BirthOfReading(const zorvane::BirthRecord& record, const QString& name);

// Matching two births: each side from a chart file, Recent Charts, the
// reading on show in the main window, or a nakshatra and pada chosen in the
// lists; the ashtakoota and the ten poruthams side by side, and the text of
// both to copy, print or export as a one-page PDF. Only the core computes.
// Everything is worded in the language the windows show.
class frmMatch : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMatch)

public:
    frmMatch(Desktop& desktop, std::optional<MatchBirth> current, const QStringList& recentCharts,
             QWidget* parent = nullptr);
    ~frmMatch() override;

    // Both schemes as text, with where each birth came from.
    QString MatchText() const;

private:
    enum Side { Bride = 0, Groom = 1 };
    struct SideControls {
        QComboBox* nakshatra;
        QComboBox* pada;
        QComboBox* recent;
        QLabel* source;
    };

    void SetBirth(Side side, const MatchBirth& birth);
    void OpenChart(Side side, const QString& path);
    void cmdOpenChart_Click(Side side);
    void cboRecent_Activated(Side side, int index);
    void Typed(Side side);
    zorvane::Star StarOf(Side side) const;
    void ShowMatch();
    void cmdCopy_Click();
    void cmdPrint_Click();
    void cmdExportPdf_Click();

    std::unique_ptr<Ui::frmMatch> ui;
    Desktop& desktop_;
    zorvane::Wording wording_;
    std::optional<MatchBirth> current_;
    std::array<SideControls, 2> sides_{};
    bool settingBirth_ = false;
};
