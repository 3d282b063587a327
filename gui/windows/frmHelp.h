#pragma once

#include <QDialog>
#include <QUrl>
#include <memory>

class Desktop;
namespace Ui {
class frmHelp;
}

// The offline help: pages compiled into the program, shown beside the main
// window so the user can read while typing. Web links leave through the
// desktop; links between pages stay here.
class frmHelp : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmHelp)

public:
    explicit frmHelp(Desktop& desktop, QWidget* parent = nullptr);
    ~frmHelp() override;

    // The contents page every help session starts from.
    static QUrl ContentsPage();

    void ShowContents();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void PlaceBesideParent();

    void txtHelp_AnchorClicked(const QUrl& url);

    std::unique_ptr<Ui::frmHelp> ui;
    Desktop& desktop_;
    bool placed_ = false;
};
