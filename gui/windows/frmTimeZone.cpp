#include "gui/windows/frmTimeZone.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "gui/widgets/form_look.h"
#include "gui/widgets/mnemonic_click.h"
#include "core/zones/zone_filter.h"
#include "core/zones/zone_table.h"
#include "ui_frmTimeZone.h"

frmTimeZone::frmTimeZone(QLineEdit& zoneHourBox, QLineEdit& zoneMinuteBox, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::frmTimeZone>()),
      zoneHourBox_(zoneHourBox),
      zoneMinuteBox_(zoneMinuteBox) {
    ui->setupUi(this);
    setWindowTitle(zorvane::WindowCaption());
    zorvane::RequestVerdana(*this);
    setFixedSize(size());
    setModal(true);

    // Any double-click in the list applies the selected row, as the user sees
    // it, rather than the row under the pointer.
    ui->lstTimeZone->viewport()->installEventFilter(this);
    ui->txtZoneFilter->installEventFilter(this);
    connect(ui->txtZoneFilter, &QLineEdit::textChanged, this, &frmTimeZone::txtZoneFilter_Change);
    connect(ui->cmdQuit, &QPushButton::clicked, this, &frmTimeZone::cmdQuit_Click);
    zorvane::ClickAtOnceOnMnemonic(*ui->cmdQuit);

    Form_Load();
}

frmTimeZone::~frmTimeZone() = default;

void frmTimeZone::Form_Load() {
    for (const zorvane::TimeZoneRow& row : zorvane::TimeZoneTable) {
        ui->lstTimeZone->addItem(
            QString::fromUtf8(row.listText.data(), static_cast<qsizetype>(row.listText.size())));
    }
    ui->lstTimeZone->clearSelection();
    ui->lstTimeZone->setCurrentRow(-1);
}

void frmTimeZone::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    zorvane::CentreOnScreen(*this);
    ui->txtZoneFilter->setFocus(Qt::OtherFocusReason);
}

bool frmTimeZone::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->lstTimeZone->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        lstTimeZone_DblClick();
        return true;
    }
    if (watched == ui->txtZoneFilter && event->type() == QEvent::KeyPress &&
        FilterKey(static_cast<QKeyEvent*>(event)->key())) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

int frmTimeZone::SelectedRow() const {
    const QList<QListWidgetItem*> selected = ui->lstTimeZone->selectedItems();
    if (selected.isEmpty() || selected.constFirst()->isHidden()) return -1;
    return ui->lstTimeZone->row(selected.constFirst());
}

// Rows keep their places (and so their zones); the unmatched are hidden.
void frmTimeZone::txtZoneFilter_Change() {
    const std::string typed = ui->txtZoneFilter->text().toStdString();
    for (int row = 0; row < zorvane::kTimeZoneRowCount; ++row) {
        const bool match = zorvane::ZoneRowMatches(zorvane::TimeZoneTable[static_cast<std::size_t>(row)], typed);
        ui->lstTimeZone->item(row)->setHidden(!match);
    }
    if (SelectedRow() < 0) ui->lstTimeZone->clearSelection();
}

// Down (or Page Down) in the filter selects the first row shown and moves
// into the list; Enter picks the selected row, or the only row left.
bool frmTimeZone::FilterKey(int key) {
    QList<int> shown;
    for (int row = 0; row < ui->lstTimeZone->count(); ++row) {
        if (!ui->lstTimeZone->item(row)->isHidden()) shown << row;
    }
    if (key == Qt::Key_Down || key == Qt::Key_PageDown) {
        if (shown.isEmpty()) return true;
        ui->lstTimeZone->setCurrentRow(SelectedRow() >= 0 ? SelectedRow() : shown.constFirst());
        ui->lstTimeZone->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (SelectedRow() < 0 && shown.size() == 1) ui->lstTimeZone->setCurrentRow(shown.constFirst());
        if (SelectedRow() >= 0) lstTimeZone_DblClick();
        return true;
    }
    return false;
}

void frmTimeZone::lstTimeZone_DblClick() {
    const int row = SelectedRow();
    if (row >= 0 && row < zorvane::kTimeZoneRowCount) {
        const zorvane::TimeZoneRow& zone = zorvane::TimeZoneTable[static_cast<std::size_t>(row)];
        const zorvane::ZoneBoxTexts texts = zorvane::BoxTextsFor(zone);
        zoneHourBox_.setText(QString::fromStdString(texts.hour));
        zoneMinuteBox_.setText(QString::fromStdString(texts.minute));
    }
    close();
}

void frmTimeZone::cmdQuit_Click() {
    close();
}
