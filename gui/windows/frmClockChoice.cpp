#include "gui/windows/frmClockChoice.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidgetItem>
#include <algorithm>

#include "gui/widgets/form_look.h"
#include "gui/widgets/mnemonic_click.h"
#include "ui_frmClockChoice.h"

frmClockChoice::frmClockChoice(const QString& question, const QList<Row>& rows, int currentRow, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::frmClockChoice>()) {
    ui->setupUi(this);
    setWindowTitle(zorvane::WindowCaption());
    zorvane::RequestVerdana(*this);
    setModal(true);
    ui->lblClockQuestion->setText(question);

    QTableWidget& table = *ui->tblClockChoices;
    table.setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table.rowCount(); ++row) {
        const Row& texts = rows[row];
        for (int column = 0; column < table.columnCount() && column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setToolTip(texts[column]);
            table.setItem(row, column, item);
        }
    }
    table.resizeColumnsToContents();
    table.resizeRowsToContents();
    // The whole table in sight where the screen allows: every column at its
    // contents' width, every row without scrolling.
    constexpr int kWidestTablePixels = 1180;  // within a 1280-pixel screen
    int width = 2 * table.frameWidth();
    for (int column = 0; column < table.columnCount(); ++column) width += table.columnWidth(column);
    int height = 2 * table.frameWidth() + table.horizontalHeader()->sizeHint().height();
    for (int row = 0; row < table.rowCount(); ++row) height += table.rowHeight(row);
    if (width > kWidestTablePixels) height += table.horizontalScrollBar()->sizeHint().height();
    table.setMinimumWidth(std::min(width, kWidestTablePixels));
    table.setFixedHeight(height);
    adjustSize();
    if (currentRow >= 0 && currentRow < table.rowCount()) table.selectRow(currentRow);

    connect(ui->cmdUseClock, &QPushButton::clicked, this, &frmClockChoice::cmdUseClock_Click);
    connect(ui->cmdCancelClock, &QPushButton::clicked, this, &QDialog::reject);
    connect(&table, &QTableWidget::cellDoubleClicked, this, &frmClockChoice::cmdUseClock_Click);
    zorvane::ClickAtOnceOnMnemonic(*ui->cmdUseClock);
}

frmClockChoice::~frmClockChoice() = default;

void frmClockChoice::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    zorvane::CentreOnScreen(*this);
}

void frmClockChoice::cmdUseClock_Click() {
    const QList<QTableWidgetSelectionRange> ranges = ui->tblClockChoices->selectedRanges();
    if (ranges.isEmpty()) return;
    chosen_ = ranges.constFirst().topRow();
    accept();
}
