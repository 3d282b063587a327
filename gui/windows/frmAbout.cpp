#include "gui/windows/frmAbout.h"

#include <QApplication>
#include <QIcon>

#include "gui/widgets/form_look.h"
#include "gui/desktop/links.h"
#include "ui_frmAbout.h"

namespace {
constexpr int kIconPixels = 32;
constexpr double kTitlePoints = 14.25;
}  // namespace

frmAbout::frmAbout(Desktop& desktop, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::frmAbout>()),
      desktop_(desktop) {
    ui->setupUi(this);
    setWindowTitle(zorvane::WindowCaption());
    ui->lblTitle->setText(zorvane::WindowCaption());
    zorvane::RequestVerdana(*this);
    zorvane::RequestVerdana(*ui->lblTitle, kTitlePoints);
    setFixedSize(size());
    setModal(true);

    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) {
        ui->picIcon->setPixmap(icon.pixmap(kIconPixels, kIconPixels));
    }
    ui->lblHomePage->setText(tr("Click here to visit ") + zorvane::HomePageName());

    connect(ui->lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(ui->lblCoBrand, &LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

frmAbout::~frmAbout() = default;

void frmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    zorvane::CentreOnScreen(*this);
}

void frmAbout::lblHomePage_Click() {
    zorvane::OpenHomePage(desktop_);
}

void frmAbout::lblCoBrand_Click() {
    zorvane::OpenFullBrandPage(desktop_);
}

void frmAbout::cmdOK_Click() {
    accept();
}
