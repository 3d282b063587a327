#include "reading/frmMain.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLayout>
#include <QLocale>
#include <QShortcutEvent>
#include <array>
#include <string>
#include <string_view>

#include "app/desktop.h"
#include "app/form_look.h"
#include "app/frmAbout.h"
#include "app/frmHelp.h"
#include "app/links.h"
#include "app/mnemonic_click.h"
#include "app/place_search.h"
#include "reading/birth_record.h"
#include "reading/calculation_driver.h"
#include "reading/display_tables.h"
#include "reading/file_store.h"
#include "reading/offered_ranges.h"
#include "reading/reading_file.h"
#include "timezone/frmTimeZone.h"
#include "ui_frmMain.h"

namespace {

const QString kMessageCheckFile = QStringLiteral("Please Check The File.");
const QString kReadingFileFilter = QStringLiteral("Zorvane (*.vrn)");
const QString kReadingFileSuffix = QStringLiteral("vrn");

constexpr std::array<const char*, 12> kMonthNames = std::to_array<const char*>({
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
});
static_assert(kMonthNames.size() == zorvane::kOfferedMonths.highest);

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

zorvane::NumberFormat UserNumberFormat() {
    zorvane::NumberFormat format;
    format.decimalPoint = Utf8(QLocale().decimalPoint());
    return format;
}

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
      runModal_([](QDialog& dialog) { dialog.exec(); }) {
    ui->setupUi(this);
    zorvane::RequestVerdana(*this);
    zorvane::PutCaptionsOnFrameLines(*this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The option pairs keep the indexes the checks speak of: 0 is North or
    // East, 1 is South or West.
    ui->optLat->setId(ui->optLat_0, 0);
    ui->optLat->setId(ui->optLat_1, 1);
    ui->optLong->setId(ui->optLong_0, 0);
    ui->optLong->setId(ui->optLong_1, 1);

    // Designer leaves separators unnamed; these are the menus' names for them.
    const QList<QAction*> fileItems = ui->mnuFile->actions();
    const QList<QAction*> helpItems = ui->mnuHelp->actions();
    fileItems.at(1)->setObjectName(QStringLiteral("mnuFileSep"));
    helpItems.at(3)->setObjectName(QStringLiteral("mnuHelpSep1"));
    helpItems.at(5)->setObjectName(QStringLiteral("mnuHelpSep2"));

    ShowDesignTexts();
    ConnectHandlers();
    ShowPromotion(true);
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::ShowDesignTexts() {
    ui->Label1->setText(QStringLiteral("Join our discussion forum on astrology at ") +
                        zorvane::HomePageName());
    // Until the first result the panel shows these sample paragraphs.
    constexpr int kSampleYogaRow = 5;
    constexpr int kSampleNakshatraRow = 21;
    ui->lblYogaDesc->setText(FromUtf8(zorvane::YogaTable[kSampleYogaRow].description));
    ui->lblNakshatraDesc->setText(
        FromUtf8(zorvane::NakshatraTable[kSampleNakshatraRow].description));
}

void frmMain::ConnectHandlers() {
    connect(ui->cmdCalculate, &QPushButton::clicked, this, &frmMain::cmdCalculate_Click);
    connect(ui->mnuCalculate, &QAction::triggered, this, &frmMain::mnuCalculate_Click);
    connect(ui->cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
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
    // The atlas is read while the user types the city, ready for the search.
    connect(
        ui->txtCity, &QLineEdit::textEdited, this,
        [] { zorvane::Atlas::PrepareSystemInBackground(); }, Qt::SingleShotConnection);

    for (QPushButton* button : {ui->cmdOpen, ui->cmdCalculate, ui->cmdSave, ui->cmdBack}) {
        zorvane::ClickAtOnceOnMnemonic(*button);
    }
    // Alt+O is both "&Open Previously Saved Reading" and the bar's
    // "Make Money &Online"; while the input panel shows, the button wins.
    ui->menubar->installEventFilter(this);
}

void frmMain::Form_Load() {
    FillWithNumbers(*ui->cboDate, zorvane::kOfferedDays);
    for (const char* month : kMonthNames) {
        ui->cboMonth->addItem(QString::fromLatin1(month));
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
    const zorvane::ReadingForm form = ReadForm();
    const zorvane::NumberFormat format = UserNumberFormat();
    if (const std::optional<zorvane::Refusal> refusal =
            zorvane::RunCalculation(form, format, birthData_, chartState_)) {
        ShowRefusal(*refusal);
        return;
    }
    record_ = zorvane::MakeBirthRecord(form, format, birthData_, chartState_);
    DisplayResult(record_->nakshatraIndex, record_->yogaIndex);
}

void frmMain::mnuCalculate_Click() {
    cmdCalculate_Click();
}

void frmMain::DisplayResult(std::optional<int> nakshatraRow, std::optional<int> yogaRow) {
    // No row leaves that pair of labels as it was.
    if (nakshatraRow) {
        const zorvane::DisplayRow& row =
            zorvane::NakshatraTable[static_cast<std::size_t>(*nakshatraRow)];
        ui->lblNakshatraName->setText(FromUtf8(row.name));
        ui->lblNakshatraDesc->setText(FromUtf8(row.description));
    }
    if (yogaRow) {
        const zorvane::DisplayRow& row =
            zorvane::YogaTable[static_cast<std::size_t>(*yogaRow)];
        ui->lblYogaName->setText(FromUtf8(row.name));
        ui->lblYogaDesc->setText(FromUtf8(row.description));
    }
    BringToFront(*ui->picResult);
}

void frmMain::cmdBack_Click() {
    BringToFront(*ui->picMain);
}

void frmMain::BringToFront(QWidget& panel) {
    QWidget& other = &panel == ui->picMain ? *ui->picResult : *ui->picMain;
    other.hide();
    panel.show();
    panel.raise();
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
            QFile::encodeName(path).toStdString(), zorvane::FormatReadingFile(chartState_))) {
        desktop_.showMessage(this,
                             QStringLiteral("The reading could not be saved to %1: %2.")
                                 .arg(QDir::toNativeSeparators(path), FromUtf8(*reason)),
                             Desktop::Icon::Error);
    }
}

void frmMain::cmdOpen_Click() {
    const QString path = desktop_.askOpenFileName(
        this, {QStringLiteral("Select the source file"), kReadingFileFilter, kReadingFileSuffix});
    if (path.isEmpty()) {
        return;
    }
    if (!zorvane::HasReadingFileEnding(Utf8(path))) {
        desktop_.showMessage(this, kMessageCheckFile, Desktop::Icon::Error);
        return;
    }
    // The bytes go to the core as they are: one byte per character. What is no
    // regular file, a named pipe above all, is refused without being opened.
    const zorvane::LoadedFile loaded =
        zorvane::LoadFile(QFile::encodeName(path).toStdString(), zorvane::kReadingFileReadLimit);
    if (!loaded.reason.empty()) {
        desktop_.showMessage(this,
                             QStringLiteral("The reading could not be read from %1: %2.")
                                 .arg(QDir::toNativeSeparators(path), FromUtf8(loaded.reason)),
                             Desktop::Icon::Error);
        return;
    }
    const std::optional<zorvane::OpenedReading> opened =
        loaded.fault == zorvane::LoadFault::None ? zorvane::ParseReadingFile(loaded.bytes) : std::nullopt;
    if (!opened) {
        desktop_.showMessage(this, kMessageCheckFile, Desktop::Icon::Error);
        return;
    }
    // An opened reading is two names only: no record of anyone's numbers.
    record_.reset();
    chartState_.NakshatraName = opened->nakshatraName;
    chartState_.YogaName = opened->yogaName;
    DisplayResult(zorvane::FindNakshatraRow(opened->nakshatraName),
                  zorvane::FindYogaRow(opened->yogaName));
}

// ---- Picker, place search, menus and links -------------------------------------

void frmMain::lblTZHelp_Click() {
    frmTimeZone picker(*ui->txtZoneHour, *ui->txtZoneMinute, this);
    runModal_(picker);
}

void frmMain::Command1_Click() {
    const QString city = ui->txtCity->text();
    const QString state = ui->txtState->text();
    const QString country = ui->txtCountry->text();
    if (const std::optional<zorvane::Refusal> refusal =
            zorvane::ValidatePlaceSearch(Utf8(city), Utf8(state), Utf8(country))) {
        ShowRefusal(*refusal);
        return;
    }
    const QString query = city + QLatin1Char(' ') + state + QLatin1Char(' ') + country +
                          QStringLiteral(" Latitude Longitude");
    zorvane::PlaceSearch search(desktop_, runModal_, this);
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
    if (place.writesZone) {
        ui->txtZoneHour->setText(place.zoneHour);
        ui->txtZoneMinute->setText(place.zoneMinute);
        ui->chkDST->setChecked(place.daylightSaving);
    }
}

void frmMain::Label1_Click() {
    zorvane::OpenHomePage(desktop_);
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
