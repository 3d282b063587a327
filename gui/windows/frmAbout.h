#pragma once

#include <QDialog>
#include <memory>

class Desktop;
namespace Ui {
class frmAbout;
}

// The About box: fixed texts and two links. Created afresh for each opening.
class frmAbout : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)

public:
    explicit frmAbout(Desktop& desktop, QWidget* parent = nullptr);
    ~frmAbout() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void lblHomePage_Click();
    void lblCoBrand_Click();
    void cmdOK_Click();

    std::unique_ptr<Ui::frmAbout> ui;
    Desktop& desktop_;
};
