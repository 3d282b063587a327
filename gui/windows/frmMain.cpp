#include "gui/windows/frmMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLayout>
#include <QButtonGroup>
#include <QMenu>
#include <QShortcutEvent>
#include <array>
#include <string>
#include <string_view>

#include "gui/desktop/desktop.h"
#include "gui/widgets/form_look.h"
#include "gui/windows/frmAbout.h"
#include "gui/windows/frmHelp.h"
#include "gui/desktop/links.h"
#include "gui/widgets/mnemonic_click.h"
#include "gui/windows/place_search.h"
#include "gui/desktop/recent_charts.h"
#include "core/format/reading_title.h"
#include "gui/windows/frmMatch.h"
#include "gui/windows/startup.h"
#include "core/reading/birth_record.h"
#include "core/reading/compute_reading.h"
#include "core/files/chart_file.h"
#include "core/format/display_tables.h"
#include "gui/widgets/utf8_text.h"
#include "gui/windows/atlas_zone_link.h"
#include "gui/windows/chart_file_actions.h"
#include "gui/windows/report_actions.h"
#include "core/files/file_store.h"
#include "gui/windows/frmDetails.h"
#include "gui/windows/frmPanchang.h"
#include "core/reading/offered_ranges.h"
#include "core/files/reading_file.h"
#include "gui/windows/frmTimeZone.h"
#include "gui/desktop/language.h"
#include "core/format/local_names.h"
#include "core/format/paragraphs_hi.h"
#include "ui_frmMain.h"

namespace {

const char* const kMessageCheckFile = QT_TRANSLATE_NOOP("frmMain", "Please Check The File.");
// Tips of the Details button, translated when shown.
const char* const kDetailsNotInReadingFile = QT_TRANSLATE_NOOP(
    "frmMain",
    "A saved reading holds only its two names, not the birth: enter the birth and press "
    "Find My Varnoy Yoga to see its details.");
const char* const kDetailsOfThisReading =
    QT_TRANSLATE_NOOP("frmMain", "Birth details and dasha of this reading");
const QString kReadingFileFilter = QStringLiteral("Zorvane (*.vrn)");
const QString kReadingFileSuffix = QStringLiteral("vrn");


using zorvane::FromUtf8;
using zorvane::Utf8;
using zorvane::UserNumberFormat;

void FillWithNumbers(QComboBox& list, zorvane::OfferedRange range) {
    for (int n = range.lowest; n <= range.highest; ++n) {
        list.addItem(QString::number(n));
    }
}

}  // namespace

frmMain::frmMain(Desktop& desktop, QWidget* parent)
    : QMainWindow(parent),
      desktop_(desktop),
      ui(std::make_unique<Ui::frmMain>()),
      applicationName_(zorvane::ApplicationName()),
      runModal_([](QDialog& dialog) { dialog.exec(); }),
      atlas_(zorvane::FindAtlasFile(QCoreApplication::applicationDirPath().toStdString())) {
    ui->setupUi(this);
    setWindowTitle(zorvane::WindowCaption());
    zorvane::RequestVerdana(*this);
    zorvane::PutCaptionsOnFrameLines(*this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    for (QLineEdit* box : {ui->txtZoneHour, ui->txtZoneMinute, ui->txtLatD, ui->txtLatM,
                           ui->txtLonD, ui->txtLonM}) {
        zorvane::TrimInnerMargins(*box);
    }

    // The option pairs keep the indexes the checks speak of: 0 is North or
    // East, 1 is South or West.
    ui->optLat->setId(ui->optLat_0, 0);
    ui->optLat->setId(ui->optLat_1, 1);
    ui->optLong->setId(ui->optLong_0, 0);
    ui->optLong->setId(ui->optLong_1, 1);

    // Designer leaves separators unnamed; these are the menus' names for them.
    // The one before Exit closes the File menu; the items added to the menu
    // stand above it.
    const QList<QAction*> fileItems = ui->mnuFile->actions();
    const QList<QAction*> helpItems = ui->mnuHelp->actions();
    const QList<QAction*> fileSeparators = [&fileItems] {
        QList<QAction*> found;
        for (QAction* item : fileItems) {
            if (item->isSeparator()) found.append(item);
        }
        return found;
    }();
    fileSeparators.at(0)->setObjectName(QStringLiteral("mnuChartSep"));
    fileSeparators.at(1)->setObjectName(QStringLiteral("mnuReportSep"));
    fileSeparators.at(2)->setObjectName(QStringLiteral("mnuFileSep"));
    helpItems.at(3)->setObjectName(QStringLiteral("mnuHelpSep1"));
    helpItems.at(5)->setObjectName(QStringLiteral("mnuHelpSep2"));

    zoneLink_ = new zorvane::AtlasZoneLink(
        {*ui->txtZoneHour, *ui->txtZoneMinute, *ui->chkDST, *ui->lblAppliedZone,
         *ui->lblZoneAsApplied},
        [this] { return ReadForm(); }, [this] { return ChosenBirthMoment(); }, this);
    chartFiles_ = new zorvane::ChartFileActions(
        desktop_, applicationName_, *ui->mnuRecentCharts, *this,
        {[this] { return ReadForm(); }, [this] { return zoneLink_->ClockChosen(); },
         [this](const zorvane::ChartFile& chart) { FillForm(chart); },
         [this] {
             BringToFront(*ui->picMain);
             cmdCalculate_Click();
         }});
    reports_ = new zorvane::ReportActions(
        desktop_, applicationName_, *this,
        {[this] { return record_ ? &*record_ : nullptr; }, [this] { return NamesOnShow(); }});

    ShowDesignTexts();
    ConnectHandlers();
    ShowPromotion(true);
    Form_Load();
    // The language of the settings or of the system, and the menu to change it.
    language_ = new zorvane::LanguageMenu(*ui->menubar, desktop_, applicationName_, QLocale::system());
    if (language_->language() != zorvane::Language::English) RetranslateTexts();
}

void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && language_ != nullptr) RetranslateTexts();
    QMainWindow::changeEvent(event);
}

void frmMain::RetranslateTexts() {
    // The form clears the labels it leaves empty; the atlas's zone name is
    // no words of any language and stays, whose reading shows names its month.
    const QString atlasZone = ui->lblAppliedZone->text();
    const QString whose = ui->lblWhoseReading->text();
    ui->retranslateUi(this);
    ui->lblAppliedZone->setText(atlasZone);
    ui->lblWhoseReading->setText(whose.isEmpty() || !record_
                                     ? whose
                                     : QString::fromStdString(zorvane::ReadingTitle(*record_, zorvane::WindowWording(zorvane::ShownLanguage()))));
    setWindowTitle(zorvane::WindowCaption());
    ShowDesignTexts();
    ShowResultTexts();
    ShowMonthNames();
    zoneLink_->ShowApplied();
    if (detailsTip_ != nullptr) ui->cmdDetails->setToolTip(tr(detailsTip_));
}

frmMain::~frmMain() = default;

void frmMain::ShowDesignTexts() {
    ui->Label1->setText(tr("Join our discussion forum on astrology at ") +
                        zorvane::HomePageName());
    // Until the first result the panel shows these sample paragraphs.
    constexpr int kSampleYogaRow = 5;
    constexpr int kSampleNakshatraRow = 21;
    ui->lblYogaDesc->setText(FromUtf8(zorvane::YogaParagraph(kSampleYogaRow, zorvane::ShownLanguage())));
    ui->lblNakshatraDesc->setText(
        FromUtf8(zorvane::NakshatraParagraph(kSampleNakshatraRow, zorvane::ShownLanguage())));
}

void frmMain::ConnectHandlers() {
    connect(ui->cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(ui->mnuCalculate, &QAction::triggered, this, &frmMain::mnuCalculate_Click);
    connect(ui->cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    connect(ui->cmdDetails, &QPushButton::clicked, this, &frmMain::cmdDetails_Click);
    connect(ui->mnuPanchang, &QAction::triggered, this, &frmMain::mnuPanchang_Click);
    connect(ui->mnuDetails, &QAction::triggered, this, &frmMain::mnuDetails_Click);
    connect(ui->mnuMatch, &QAction::triggered, this, &frmMain::mnuMatch_Click);
    connect(ui->cmdSave, &QPushButton::clicked, this, &frmMain::cmdSave_Click);
    connect(ui->cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(ui->lblTZHelp, &LinkLabel::clicked, this, &frmMain::lblTZHelp_Click);
    connect(ui->Label1, &LinkLabel::clicked, this, &frmMain::Label1_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(ui->mnuContents, &QAction::triggered, this, &frmMain::mnuContents_Click);
    connect(ui->mnuOnline, &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(ui->mnuVisit, &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(ui->mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(ui->mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(ui->mnuDonate, &QAction::triggered, this, &frmMain::mnuDonate_Click);
    connect(ui->mnuMakeMoney, &QAction::triggered, this, &frmMain::mnuMakeMoney_Click);
    // A zone the atlas wrote follows the birth date and clock time; the line
    // of the zone as applied follows every box it depends on.
    for (QComboBox* list : {ui->cboDate, ui->cboMonth, ui->cboYear, ui->cboHH, ui->cboMM}) {
        connect(list, &QComboBox::currentIndexChanged, zoneLink_, &zorvane::AtlasZoneLink::Follow);
    }
    for (QLineEdit* box : {ui->txtLonD, ui->txtLonM}) {
        connect(box, &QLineEdit::textChanged, zoneLink_, &zorvane::AtlasZoneLink::ShowApplied);
    }
    connect(ui->optLong_0, &QRadioButton::toggled, zoneLink_, &zorvane::AtlasZoneLink::ShowApplied);
    zoneLink_->ShowApplied();
    connect(ui->mnuSaveChart, &QAction::triggered, this, &frmMain::mnuSaveChart_Click);
    connect(ui->mnuOpenChart, &QAction::triggered, this, &frmMain::mnuOpenChart_Click);
    connect(ui->mnuCopy, &QAction::triggered, this, &frmMain::mnuCopy_Click);
    connect(ui->mnuPrint, &QAction::triggered, this, &frmMain::mnuPrint_Click);
    connect(ui->mnuExportPdf, &QAction::triggered, this, &frmMain::mnuExportPdf_Click);
    // The atlas is read while the user types the city, ready for the search.
    connect(
        ui->txtCity, &QLineEdit::textEdited, this,
        [this] { atlas_.Start(); }, Qt::SingleShotConnection);

    for (QPushButton* button :
         {ui->cmdOpen, ui->cmdCalculate, ui->cmdDetails, ui->cmdSave, ui->cmdBack}) {
        zorvane::ClickAtOnceOnMnemonic(*button);
    }
    // Alt+O is both "&Open Previously Saved Reading" and the bar's
    // "Make Money &Online"; while the input panel shows, the button wins.
    ui->menubar->installEventFilter(this);
    ui->lblZoneAsApplied->installEventFilter(this);
}

void frmMain::Form_Load() {
    FillWithNumbers(*ui->cboDate, zorvane::kOfferedDays);
    for (int month = zorvane::kOfferedMonths.lowest; month <= zorvane::kOfferedMonths.highest; ++month) {
        ui->cboMonth->addItem(FromUtf8(zorvane::CivilMonthText(month, zorvane::Language::English)));
    }
    FillWithNumbers(*ui->cboYear, zorvane::kOfferedYears);
    FillWithNumbers(*ui->cboHH, zorvane::kOfferedHours);
    FillWithNumbers(*ui->cboMM, zorvane::kOfferedMinutes);
    FillWithNumbers(*ui->cboSS, zorvane::kOfferedSeconds);
    for (QComboBox* list :
         {ui->cboDate, ui->cboMonth, ui->cboYear, ui->cboHH, ui->cboMM, ui->cboSS}) {
        list->setCurrentIndex(0);
    }
    BringToFront(*ui->picMain);
    chartFiles_->ShowRecent();
    // A reading starts with the name, so typing can start at once.
    ui->txtName->setFocus();
}

void frmMain::Form_Unload() {
    emit formUnloaded();
}

void frmMain::ShowPromotion(bool cobrandInFront) {
    QLabel* front = cobrandInFront ? ui->lblCobrand : ui->lblFullBrand;
    QLabel* back = cobrandInFront ? ui->lblFullBrand : ui->lblCobrand;
    back->hide();
    front->show();
    front->raise();
}

void frmMain::SetModalRunner(ModalRunner runner) {
    runModal_ = std::move(runner);
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        zorvane::CentreOnScreen(*this);
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->lblZoneAsApplied && zorvane::IsClickOrActivationKey(*event)) {
        lblZoneAsApplied_Click();
        return true;
    }
    if (watched == ui->menubar && event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->isAmbiguous() && ClickPanelButtonFor(shortcut->key())) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::ClickPanelButtonFor(const QKeySequence& mnemonic) {
    for (QPushButton* button : {ui->cmdOpen, ui->cmdCalculate, ui->cmdSave, ui->cmdBack}) {
        if (button->isVisible() && QKeySequence::mnemonic(button->text()) == mnemonic) {
            button->click();
            return true;
        }
    }
    return false;
}

// ---- Reading ---------------------------------------------------------------

zorvane::ReadingForm frmMain::ReadForm() const {
    zorvane::ReadingForm form;
    form.name = Utf8(ui->txtName->text());
    form.zoneHour = Utf8(ui->txtZoneHour->text());
    form.zoneMinute = Utf8(ui->txtZoneMinute->text());
    form.latDegrees = Utf8(ui->txtLatD->text());
    form.latMinutes = Utf8(ui->txtLatM->text());
    form.lonDegrees = Utf8(ui->txtLonD->text());
    form.lonMinutes = Utf8(ui->txtLonM->text());
    form.northSelected = ui->optLat_0->isChecked();
    form.southSelected = ui->optLat_1->isChecked();
    form.eastSelected = ui->optLong_0->isChecked();
    form.westSelected = ui->optLong_1->isChecked();
    form.daylightSaving = ui->chkDST->isChecked();
    form.monthIndex = ui->cboMonth->currentIndex();
    form.dayIndex = ui->cboDate->currentIndex();
    form.dayText = Utf8(ui->cboDate->currentText());
    form.yearText = Utf8(ui->cboYear->currentText());
    form.hourText = Utf8(ui->cboHH->currentText());
    form.minuteText = Utf8(ui->cboMM->currentText());
    form.secondText = Utf8(ui->cboSS->currentText());
    form.place.city = Utf8(ui->txtCity->text());
    form.place.state = Utf8(ui->txtState->text());
    form.place.country = Utf8(ui->txtCountry->text());
    if (!zoneLink_->zoneId().isEmpty()) form.place.atlasZoneId = zoneLink_->zoneId().toStdString();
    form.zoneSecond = zoneLink_->zoneSecond();
    return form;
}

void frmMain::ShowRefusal(const zorvane::Refusal& refusal) {
    desktop_.showMessage(this, FromUtf8(refusal.message),
                         refusal.icon == zorvane::MessageIcon::Error ? Desktop::Icon::Error
                                                                     : Desktop::Icon::Information);
    using zorvane::FormControl;
    switch (refusal.followUp) {
        case FormControl::None:
            break;
        case FormControl::txtName:
            ui->txtName->setFocus();
            break;
        case FormControl::txtZoneHour:
            ui->txtZoneHour->setFocus();
            break;
        case FormControl::txtZoneMinute:
            ui->txtZoneMinute->setFocus();
            break;
        case FormControl::txtLatD:
            ui->txtLatD->setFocus();
            break;
        case FormControl::txtLatM:
            ui->txtLatM->setFocus();
            break;
        case FormControl::txtLonD:
            ui->txtLonD->setFocus();
            break;
        case FormControl::txtLonM:
            ui->txtLonM->setFocus();
            break;
        case FormControl::optLatNorth:
            ui->optLat_0->setChecked(true);
            break;
        case FormControl::optLongEast:
            ui->optLong_0->setChecked(true);
            break;
        case FormControl::txtCity:
            ui->txtCity->setFocus();
            break;
        case FormControl::txtState:
            ui->txtState->setFocus();
            break;
        case FormControl::txtCountry:
            ui->txtCountry->setFocus();
            break;
    }
}

void frmMain::cmdCalculate_Click() {
    zoneLink_->Follow();
    const std::variant<zorvane::BirthInput, zorvane::Refusal> input =
        zorvane::ParseForm(ReadForm(), UserNumberFormat());
    if (const auto* refusal = std::get_if<zorvane::Refusal>(&input)) {
        ShowRefusal(*refusal);
        return;
    }
    record_ = zorvane::ComputeReading(std::get<zorvane::BirthInput>(input));
    shownNames_ = {std::string(zorvane::NakshatraNameOf(*record_)),
                   std::string(zorvane::YogaNameOf(*record_))};
    record_->zoneApplied = zoneLink_->AppliedSentence();
    record_->clockNote = zoneLink_->ClockNote();
    // A clock standard's birth keeps its later times on that clock too.
    if (zoneLink_->StandardChosen()) record_->place.atlasZoneId.reset();
    ShowDetailsAvailability(kDetailsOfThisReading);
    DisplayResult(record_->nakshatraIndex, record_->yogaIndex);
    ui->lblWhoseReading->setText(QString::fromStdString(zorvane::ReadingTitle(*record_, zorvane::WindowWording(zorvane::ShownLanguage()))));
    ui->lblWhoseReading->setToolTip(ui->lblWhoseReading->text());
}

void frmMain::mnuCalculate_Click() {
    cmdCalculate_Click();
}

void frmMain::DisplayResult(std::optional<int> nakshatraRow, std::optional<int> yogaRow) {
    // No row leaves that pair of labels as it was.
    if (nakshatraRow) shownNakshatraRow_ = nakshatraRow;
    if (yogaRow) shownYogaRow_ = yogaRow;
    ShowResultTexts();
    ui->lblWhoseReading->clear();  // a reading file holds no name, date or place
    BringToFront(*ui->picResult);
}

void frmMain::ShowMonthNames() {
    const zorvane::Language language = language_ != nullptr ? language_->language() : zorvane::Language::English;
    for (int i = 0; i < ui->cboMonth->count(); ++i) {
        ui->cboMonth->setItemText(i, FromUtf8(zorvane::CivilMonthText(i + zorvane::kOfferedMonths.lowest, language)));
    }
}

void frmMain::ShowResultTexts() {
    const zorvane::Language language = language_ != nullptr ? language_->language() : zorvane::Language::English;
    if (shownNakshatraRow_) {
        const zorvane::DisplayRow& row =
            zorvane::NakshatraTable[static_cast<std::size_t>(*shownNakshatraRow_)];
        ui->lblNakshatraName->setText(language == zorvane::Language::English
                                          ? FromUtf8(row.name)
                                          : FromUtf8(zorvane::NakshatraText(*shownNakshatraRow_, language)));
        ui->lblNakshatraDesc->setText(FromUtf8(zorvane::NakshatraParagraph(*shownNakshatraRow_, language)));
    }
    if (shownYogaRow_) {
        const zorvane::DisplayRow& row =
            zorvane::YogaTable[static_cast<std::size_t>(*shownYogaRow_)];
        ui->lblYogaName->setText(language == zorvane::Language::English
                                     ? FromUtf8(row.name)
                                     : FromUtf8(zorvane::YogaText(*shownYogaRow_, language)));
        ui->lblYogaDesc->setText(FromUtf8(zorvane::YogaParagraph(*shownYogaRow_, language)));
    }
}

void frmMain::ShowDetailsAvailability(const char* tip) {
    const bool available = record_ && record_->details && record_->dasha;
    ui->cmdDetails->setEnabled(available);
    detailsTip_ = tip;
    ui->cmdDetails->setToolTip(tr(tip));
    ui->mnuDetails->setEnabled(available);
    ui->mnuDetails->setToolTip(tip);
    for (QAction* item : {ui->mnuPrint, ui->mnuExportPdf}) {
        item->setEnabled(available);
        item->setToolTip(available ? QString() : tip);
    }
}

void frmMain::cmdDetails_Click() {
    if (!record_ || !record_->details || !record_->dasha) {
        return;
    }
    frmDetails details(desktop_, *record_, this);
    runModal_(details);
}

void frmMain::mnuDetails_Click() {
    cmdDetails_Click();
}

// The panchang window, beside the main one: on the reading's date and
// place when a reading shows, today and the last place used otherwise.
void frmMain::mnuPanchang_Click() {
    std::optional<PanchangWindowPlace> place;
    std::optional<QDate> date;
    if (record_ && record_->details) {
        place = PanchangPlaceOfReading(*record_);
        date = QDate(record_->birth.Year, record_->birth.Month, record_->birth.Day);
    }
    auto* panchang = new frmPanchang(desktop_, place, date, this);
    panchang->setAttribute(Qt::WA_DeleteOnClose);
    panchang->show();
}

void frmMain::cmdBack_Click() {
    BringToFront(*ui->picMain);
}

void frmMain::BringToFront(QWidget& panel) {
    QWidget& other = &panel == ui->picMain ? *ui->picResult : *ui->picMain;
    other.hide();
    panel.show();
    panel.raise();
    // Ctrl+C copies the reading only where a reading shows; on the input
    // panel it stays the boxes' own copy.
    ui->mnuCopy->setEnabled(&panel == ui->picResult);
}

// ---- Reading files -----------------------------------------------------------

void frmMain::cmdSave_Click() {
    const QString path = desktop_.askSaveFileName(
        this, {QStringLiteral("Zorvane"), kReadingFileFilter, kReadingFileSuffix});
    if (path.isEmpty()) {
        return;
    }
    // A failed save leaves any earlier file as it was.
    if (const std::optional<std::string> reason = zorvane::SaveFile(
            QFile::encodeName(path).toStdString(), zorvane::FormatReadingFile(shownNames_.nakshatraName, shownNames_.yogaName))) {
        desktop_.showMessage(this,
                             tr("The reading could not be saved to %1: %2.")
                                 .arg(QDir::toNativeSeparators(path), FromUtf8(*reason)),
                             Desktop::Icon::Error);
    }
}

void frmMain::cmdOpen_Click() {
    const QString path = desktop_.askOpenFileName(
        this, {tr("Select the source file"), kReadingFileFilter, kReadingFileSuffix});
    if (path.isEmpty()) {
        return;
    }
    if (!zorvane::HasReadingFileEnding(Utf8(path))) {
        desktop_.showMessage(this, tr(kMessageCheckFile), Desktop::Icon::Error);
        return;
    }
    // The bytes go to the core as they are: one byte per character. What is no
    // regular file, a named pipe above all, is refused without being opened.
    const zorvane::LoadedFile loaded =
        zorvane::LoadFile(QFile::encodeName(path).toStdString(), zorvane::kReadingFileReadLimit);
    if (!loaded.reason.empty()) {
        desktop_.showMessage(this,
                             tr("The reading could not be read from %1: %2.")
                                 .arg(QDir::toNativeSeparators(path), FromUtf8(loaded.reason)),
                             Desktop::Icon::Error);
        return;
    }
    const std::optional<zorvane::OpenedReading> opened =
        loaded.fault == zorvane::LoadFault::None ? zorvane::ParseReadingFile(loaded.bytes) : std::nullopt;
    if (!opened) {
        desktop_.showMessage(this, tr(kMessageCheckFile), Desktop::Icon::Error);
        return;
    }
    // An opened reading is two names only: no record of anyone's numbers.
    record_.reset();
    ShowDetailsAvailability(kDetailsNotInReadingFile);
    shownNames_ = *opened;
    DisplayResult(zorvane::FindNakshatraRow(opened->nakshatraName),
                  zorvane::FindYogaRow(opened->yogaName));
}

// ---- Picker, place search, menus and links -------------------------------------

void frmMain::lblTZHelp_Click() {
    const QString hourBefore = ui->txtZoneHour->text();
    const QString minuteBefore = ui->txtZoneMinute->text();
    frmTimeZone picker(*ui->txtZoneHour, *ui->txtZoneMinute, this);
    runModal_(picker);
    if (ui->txtZoneHour->text() != hourBefore || ui->txtZoneMinute->text() != minuteBefore) {
        zoneLink_->NoteSource(zorvane::ZoneSource::Picker);
    }
}

void frmMain::Command1_Click() {
    const QString city = ui->txtCity->text();
    const QString state = ui->txtState->text();
    const QString country = ui->txtCountry->text();
    // The atlas needs only the city; its web search checks the other two.
    const std::optional<zorvane::Refusal> refusal =
        zorvane::ValidatePlaceSearch(Utf8(city), Utf8(state), Utf8(country));
    if (refusal && refusal->followUp == zorvane::FormControl::txtCity) {
        ShowRefusal(*refusal);
        return;
    }
    const QString query = city + QLatin1Char(' ') + state + QLatin1Char(' ') + country +
                          QStringLiteral(" Latitude Longitude");
    zorvane::PlaceSearch search(desktop_, atlas_, runModal_, this);
    const std::optional<zorvane::PlaceBoxes> chosen =
        search.Find(query, zorvane::WebPageAddress(zorvane::WebPage::Home), {city, state, country},
                    ChosenBirthMoment());
    if (chosen) {
        WritePlace(*chosen);
    }
}

zorvane::BirthMoment frmMain::ChosenBirthMoment() const {
    // The core has no seconds, so neither has the moment the atlas looks at.
    return {QDate(ui->cboYear->currentText().toInt(), ui->cboMonth->currentIndex() + 1,
                  ui->cboDate->currentText().toInt()),
            QTime(ui->cboHH->currentText().toInt(), ui->cboMM->currentText().toInt())};
}

void frmMain::WritePlace(const zorvane::PlaceBoxes& place) {
    ui->txtLatD->setText(place.latDegrees);
    ui->txtLatM->setText(place.latMinutes);
    (place.north ? ui->optLat_0 : ui->optLat_1)->setChecked(true);
    ui->txtLonD->setText(place.lonDegrees);
    ui->txtLonM->setText(place.lonMinutes);
    (place.east ? ui->optLong_0 : ui->optLong_1)->setChecked(true);
    zoneLink_->End();
    if (place.writesZone) {
        zoneLink_->Link(place.zoneId, place.east);
    }
}

void frmMain::lblZoneAsApplied_Click() {
    zoneLink_->AskClock(this, runModal_);
}

void frmMain::Label1_Click() {
    zorvane::OpenHomePage(desktop_);
}

void frmMain::mnuMatch_Click() {
    frmMatch match(desktop_, record_ ? BirthOfReading(*record_, FromUtf8(record_->name)) : std::nullopt,
                   ReadRecentCharts(desktop_, applicationName_), this);
    runModal_(match);
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::mnuContents_Click() {
    if (!help_) {
        help_ = std::make_unique<frmHelp>(desktop_, this);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void frmMain::mnuOnline_Click() {
    zorvane::OpenHelpPage(desktop_);
}

void frmMain::mnuVisit_Click() {
    zorvane::OpenHomePage(desktop_);
}

void frmMain::mnuUpdate_Click() {
    zorvane::OpenDownloadPage(desktop_);
}

void frmMain::mnuAbout_Click() {
    frmAbout about(desktop_, this);
    runModal_(about);
}

void frmMain::mnuDonate_Click() {
    zorvane::OpenDonatePage(desktop_);
}

void frmMain::mnuMakeMoney_Click() {
    zorvane::OpenFullBrandPage(desktop_);
}

// ---- Chart files -------------------------------------------------------------

void frmMain::FillForm(const zorvane::ChartFile& chart) {
    const zorvane::ReadingForm form = zorvane::FormFromChart(chart);
    ui->txtName->setText(FromUtf8(form.name));
    ui->cboDate->setCurrentIndex(form.dayIndex);
    ui->cboMonth->setCurrentIndex(form.monthIndex);
    ui->cboYear->setCurrentIndex(ui->cboYear->findText(FromUtf8(form.yearText)));
    ui->cboHH->setCurrentIndex(ui->cboHH->findText(FromUtf8(form.hourText)));
    ui->cboMM->setCurrentIndex(ui->cboMM->findText(FromUtf8(form.minuteText)));
    ui->cboSS->setCurrentIndex(ui->cboSS->findText(FromUtf8(form.secondText)));
    ui->txtZoneHour->setText(FromUtf8(form.zoneHour));
    ui->txtZoneMinute->setText(FromUtf8(form.zoneMinute));
    ui->chkDST->setChecked(form.daylightSaving);
    ui->txtLatD->setText(FromUtf8(form.latDegrees));
    ui->txtLatM->setText(FromUtf8(form.latMinutes));
    ui->txtLonD->setText(FromUtf8(form.lonDegrees));
    ui->txtLonM->setText(FromUtf8(form.lonMinutes));
    // A chart may hold neither button of a pair, as a form can.
    for (QButtonGroup* group : {ui->optLat, ui->optLong}) {
        group->setExclusive(false);
        for (QAbstractButton* button : group->buttons()) button->setChecked(false);
        group->setExclusive(true);
    }
    if (form.northSelected || form.southSelected) {
        (form.northSelected ? ui->optLat_0 : ui->optLat_1)->setChecked(true);
    }
    if (form.eastSelected || form.westSelected) {
        (form.eastSelected ? ui->optLong_0 : ui->optLong_1)->setChecked(true);
    }
    ui->txtCity->setText(FromUtf8(form.place.city));
    ui->txtState->setText(FromUtf8(form.place.state));
    ui->txtCountry->setText(FromUtf8(form.place.country));
    // Writing the boxes ended any earlier link; a chart the atlas filled
    // links its zone to the date again, as "Use this place" did.
    zoneLink_->NoteSource(zorvane::ZoneSource::ChartFile);
    if (chart.atlasZoneId && !chart.atlasZoneId->empty()) {
        zoneLink_->Link(QByteArray::fromStdString(*chart.atlasZoneId), form.eastSelected, chart.clock);
    }
}

void frmMain::mnuSaveChart_Click() {
    chartFiles_->SaveAs();
}

void frmMain::mnuOpenChart_Click() {
    chartFiles_->AskAndOpen();
}

// ---- Copy, print and PDF -------------------------------------------------------

ReadingReport frmMain::NamesOnShow() const {
    return NamesOnlyReport(ui->lblNakshatraName->text(), ui->lblNakshatraDesc->text(),
                           ui->lblYogaName->text(), ui->lblYogaDesc->text());
}

void frmMain::mnuCopy_Click() {
    reports_->Copy();
}

void frmMain::mnuPrint_Click() {
    reports_->Print();
}

void frmMain::mnuExportPdf_Click() {
    reports_->ExportPdf();
}
