#include "gui/windows/frmTimeZone.h"

#include <QEvent>
#include <QLineEdit>

#include "gui/widgets/form_look.h"
#include "gui/widgets/mnemonic_click.h"
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
}

bool frmTimeZone::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->lstTimeZone->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        lstTimeZone_DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

int frmTimeZone::SelectedRow() const {
    const QList<QListWidgetItem*> selected = ui->lstTimeZone->selectedItems();
    return selected.isEmpty() ? -1 : ui->lstTimeZone->row(selected.constFirst());
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
