#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <memory>

namespace Ui {
class frmClockChoice;
}

// The clocks a birth time at an atlas place may have been read from: at a
// change of the clocks the offset before or after it, and in India and its
// neighbours before 1956 the old clock standards, each with its offset,
// years, places, what it changes in the reading and its source. The user
// picks one row; the main window applies it.
class frmClockChoice : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmClockChoice)

public:
    // One row as shown: clock, offset, years, where, what it changes, source.
    using Row = QStringList;

    frmClockChoice(const QString& question, const QList<Row>& rows, int currentRow, QWidget* parent = nullptr);
    ~frmClockChoice() override;

    // The row chosen with "Use this clock"; -1 when the dialog was cancelled.
    int chosenRow() const { return chosen_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cmdUseClock_Click();

    std::unique_ptr<Ui::frmClockChoice> ui;
    int chosen_ = -1;
};
