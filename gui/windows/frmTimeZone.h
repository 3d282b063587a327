#pragma once

#include <QDialog>
#include <memory>

class QLineEdit;
namespace Ui {
class frmTimeZone;
}

// The time-zone picker: a list of named zones. A double-click writes the
// zone's hours and then its minutes into the main window's two zone boxes
// and closes the picker. Created afresh for each opening. The filter box
// above the list has the focus on opening and hides the rows it does not
// match, keeping the others in their order; Down moves into the list, and
// Enter there picks the selected row (or the one row left).
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
    void txtZoneFilter_Change();
    bool FilterKey(int key);
    int SelectedRow() const;

    std::unique_ptr<Ui::frmTimeZone> ui;
    QLineEdit& zoneHourBox_;
    QLineEdit& zoneMinuteBox_;
};
