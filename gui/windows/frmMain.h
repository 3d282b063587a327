#pragma once

#include "core/zones/applied_zone.h"
#include <QByteArray>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "gui/report/reading_report.h"
#include "core/atlas/atlas_loader.h"
#include "core/files/reading_file.h"
#include "core/reading/birth_record.h"
#include "core/reading/validate_input.h"

class Desktop;
class QDialog;
class frmHelp;
namespace Ui {
class frmMain;
}
namespace zorvane {
struct ChartFile;
struct PlaceBoxes;
struct BirthMoment;
class LanguageMenu;
}  // namespace zorvane

// The main window: the input panel and the result panel in one place, the
// menus and the links. It only carries values between its controls and the
// core (checks, calculation, tables, file format) and shows what comes back.
class frmMain : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    explicit frmMain(Desktop& desktop, QWidget* parent = nullptr);
    ~frmMain() override;

    // Which of the two promotional texts of the banner is in front.
    void ShowPromotion(bool cobrandInFront);

    // Runs the picker, the atlas and the About box. By default exec(); a
    // test installs its own runner to drive the dialog without a nested
    // event loop.
    using ModalRunner = std::function<void(QDialog&)>;
    void SetModalRunner(ModalRunner runner);

signals:
    // The window is closing; the program ends with it.
    void formUnloaded();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A change of language: every text again, in the new language.
    void changeEvent(QEvent* event) override;

private:
    void ShowDesignTexts();
    void ConnectHandlers();
    void Form_Load();
    void Form_Unload();

    void cmdCalculate_Click();
    void mnuCalculate_Click();
    void cmdBack_Click();
    void cmdDetails_Click();
    void mnuDetails_Click();
    void mnuPanchang_Click();
    void mnuMatch_Click();
    void cmdSave_Click();
    void cmdOpen_Click();
    void lblTZHelp_Click();
    void Command1_Click();
    void Label1_Click();
    void mnuExit_Click();
    void mnuContents_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();
    void mnuSaveChart_Click();
    void mnuOpenChart_Click();
    void mnuCopy_Click();
    void mnuPrint_Click();
    void mnuExportPdf_Click();

    // Chart files: the form as a chart, a chart into the form, the list of
    // recent ones in the settings.
    zorvane::ChartFile FormAsChart() const;
    void FillForm(const zorvane::ChartFile& chart);
    void OpenChart(const QString& path, bool fromRecentList);
    void RememberChart(const QString& path);
    void ShowRecentCharts();
    // The reading on show as the report, the printout and the clipboard show it.
    ReadingReport ReportOnShow() const;

    void DisplayResult(std::optional<int> nakshatraRow, std::optional<int> yogaRow);

    zorvane::ReadingForm ReadForm() const;
    zorvane::BirthMoment ChosenBirthMoment() const;
    void WritePlace(const zorvane::PlaceBoxes& place);
    void FollowAtlasZone();
    void EndAtlasZoneLink();
    // The line of the zone as the calculation will apply it, for every
    // source of the zone boxes.
    void ShowZoneAsApplied();
    std::string ZoneAsAppliedText() const;
    void ShowRefusal(const zorvane::Refusal& refusal);
    void BringToFront(QWidget& panel);
    bool ClickPanelButtonFor(const QKeySequence& mnemonic);
    // Enables Details, Print and Export PDF when the record on show has its
    // details; tip says why not.
    void ShowDetailsAvailability(const char* tip);
    void RetranslateTexts();
    // The names and paragraphs of the rows on show, in the language in use.
    void ShowResultTexts();

    Desktop& desktop_;
    std::unique_ptr<Ui::frmMain> ui;
    // The two names on show, as "Save" writes them: those of the last
    // calculation, or of the reading file opened since.
    zorvane::OpenedReading shownNames_;
    // The reading on show when it was calculated here; none before the first
    // calculation and after opening a file, which holds two names only.
    std::optional<zorvane::BirthRecord> record_;
    // The settings store's name for this program.
    QString applicationName_;
    ModalRunner runModal_;
    // Made on first use and kept, so the help reopens where the user left it.
    std::unique_ptr<frmHelp> help_;
    bool centred_ = false;
    // The atlas place's zone while the zone boxes and "DST" hold what the
    // atlas wrote; empty once the user sets the zone another way.
    QByteArray atlasZoneId_;
    bool atlasPlaceEast_ = true;
    bool writingAtlasZone_ = false;
    // Who last wrote the zone boxes, and what the atlas said beside them.
    zorvane::ZoneSource zoneSource_ = zorvane::ZoneSource::Typed;
    std::string atlasNote_;
    // The window's atlas, read on a worker thread while the city is typed.
    zorvane::AtlasLoader atlas_;
    // The rows on show in the result panel; none before the first result.
    std::optional<int> shownNakshatraRow_;
    std::optional<int> shownYogaRow_;
    // The Details button's tip as written, translated when shown.
    const char* detailsTip_ = nullptr;
    // Owned by the menu bar.
    zorvane::LanguageMenu* language_ = nullptr;
};
