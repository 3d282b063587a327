#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "core/atlas/atlas_loader.h"
#include "core/files/reading_file.h"
#include "core/reading/birth_record.h"
#include "core/reading/validate_input.h"
#include "gui/report/reading_report.h"

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
class AtlasZoneLink;
class ChartFileActions;
class ReportActions;
class LanguageMenu;
}  // namespace zorvane

// The main window: the input panel and the result panel in one place, the
// menus and the links. It only carries values between its controls and the
// core (checks, calculation, tables, file format) and shows what comes back.
// The zone boxes' link to the atlas, the chart files and the report actions
// are collaborators of their own; the window's handlers hand over to them.
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

    // A chart into the form, as typed when it was saved.
    void FillForm(const zorvane::ChartFile& chart);
    // The result panel's two names and paragraphs, for a report without a record.
    ReadingReport NamesOnShow() const;

    void DisplayResult(std::optional<int> nakshatraRow, std::optional<int> yogaRow);

    zorvane::ReadingForm ReadForm() const;
    zorvane::BirthMoment ChosenBirthMoment() const;
    void WritePlace(const zorvane::PlaceBoxes& place);
    // The clock choices of an atlas-followed zone (a skipped or repeated
    // clock time, India's old clock standards), asked from the zone line.
    void lblZoneAsApplied_Click();
    void ShowRefusal(const zorvane::Refusal& refusal);
    void BringToFront(QWidget& panel);
    bool ClickPanelButtonFor(const QKeySequence& mnemonic);
    // Enables Details, Print and Export PDF when the record on show has its
    // details; tip says why not.
    void ShowDetailsAvailability(const char* tip);
    void RetranslateTexts();
    // The names and paragraphs of the rows on show, in the language in use.
    void ShowResultTexts();
    // The month list in the language shown; the index stays.
    void ShowMonthNames();

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
    // The window's atlas, read on a worker thread while the city is typed.
    zorvane::AtlasLoader atlas_;
    // Owned by the window as their Qt parent.
    zorvane::AtlasZoneLink* zoneLink_ = nullptr;
    zorvane::ChartFileActions* chartFiles_ = nullptr;
    zorvane::ReportActions* reports_ = nullptr;
    // The rows on show in the result panel; none before the first result.
    std::optional<int> shownNakshatraRow_;
    std::optional<int> shownYogaRow_;
    // The Details button's tip as written, translated when shown.
    const char* detailsTip_ = nullptr;
    // Owned by the menu bar.
    zorvane::LanguageMenu* language_ = nullptr;
};
