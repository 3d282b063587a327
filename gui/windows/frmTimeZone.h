#pragma once

#include <QDialog>
#include <memory>

class QLineEdit;
namespace Ui {
class frmTimeZone;
}

// The time-zone picker: a list of named zones. A double-click writes the
// zone's hours and then its minutes into the main window's two zone boxes
// and closes the picker. Created afresh for each opening.
class frmTimeZone : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmTimeZone)

public:
    frmTimeZone(QLineEdit& zoneHourBox, QLineEdit& zoneMinuteBox, QWidget* parent = nullptr);
    ~frmTimeZone() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void lstTimeZone_DblClick();
    void cmdQuit_Click();
    int SelectedRow() const;

    std::unique_ptr<Ui::frmTimeZone> ui;
    QLineEdit& zoneHourBox_;
    QLineEdit& zoneMinuteBox_;
};
