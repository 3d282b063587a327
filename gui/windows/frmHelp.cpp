#include "gui/windows/frmHelp.h"

#include <QScreen>
#include <algorithm>

#include "gui/desktop/desktop.h"
#include "gui/desktop/language.h"
#include "gui/widgets/form_look.h"
#include "ui_frmHelp.h"

namespace {
// Narrower than this, the pages wrap too much to read; the help then goes
// over the main window instead of beside it.
constexpr int kNarrowestBesidePixels = 360;
}  // namespace

// The pages are compiled into this static library, whose resources are
// registered only when asked for by name.
static void RegisterHelpPages() { Q_INIT_RESOURCE(help); }

frmHelp::frmHelp(Desktop& desktop, QWidget* parent)
    : QDialog(parent, Qt::Window), ui(std::make_unique<Ui::frmHelp>()), desktop_(desktop) {
    RegisterHelpPages();
    ui->setupUi(this);
    zorvane::RequestVerdana(*this);

    // The form turns off the browser's own link following: pages open here,
    // web addresses through the desktop.
    connect(ui->txtHelp, &QTextBrowser::anchorClicked, this, &frmHelp::txtHelp_AnchorClicked);
    connect(ui->cmdHelpContents, &QPushButton::clicked, this, &frmHelp::ShowContents);
    connect(ui->cmdHelpBack, &QPushButton::clicked, ui->txtHelp, &QTextBrowser::backward);
    connect(ui->cmdHelpForward, &QPushButton::clicked, ui->txtHelp, &QTextBrowser::forward);
    connect(ui->txtHelp, &QTextBrowser::backwardAvailable, ui->cmdHelpBack, &QWidget::setEnabled);
    connect(ui->txtHelp, &QTextBrowser::forwardAvailable, ui->cmdHelpForward, &QWidget::setEnabled);
    connect(ui->cmdHelpClose, &QPushButton::clicked, this, &QDialog::close);
    ShowContents();
}

frmHelp::~frmHelp() = default;

void frmHelp::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!placed_) {
        placed_ = true;
        PlaceBesideParent();
    }
}

// Beside the main window, on the side with more room, so that the form stays
// in view while the user reads.
void frmHelp::PlaceBesideParent() {
    const QWidget* owner = parentWidget();
    if (owner == nullptr || owner->screen() == nullptr) return;
    const QRect free = owner->screen()->availableGeometry();
    const QRect main = owner->frameGeometry();
    const int frameExtra = frameGeometry().width() - width();
    const int roomLeft = main.left() - free.left() - frameExtra;
    const int roomRight = free.right() - main.right() - frameExtra;
    const int room = std::max(roomLeft, roomRight);
    if (room < kNarrowestBesidePixels) return;
    const int helpWidth = std::min(width(), room);
    resize(helpWidth, height());
    // move() places the frame, whose width is the window's plus frameExtra.
    move(roomRight >= roomLeft ? main.right() + 1 : main.left() - helpWidth - frameExtra,
         main.top());
}

QUrl frmHelp::ContentsPage() {
    // Hindi has pages of its own, which link to the English ones not yet written.
    if (zorvane::ShownLanguage() == zorvane::Language::Hindi) return QUrl(QStringLiteral("qrc:/help/hi/index.html"));
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

void frmHelp::ShowContents() {
    ui->txtHelp->setSource(ContentsPage());
}

void frmHelp::txtHelp_AnchorClicked(const QUrl& url) {
    const QUrl target = ui->txtHelp->source().resolved(url);
    if (target.scheme() == QLatin1String("qrc")) {
        ui->txtHelp->setSource(target);
    } else {
        desktop_.openUrl(target);
    }
}
