#include "gui/widgets/form_look.h"

#include <QFont>
#include <QGroupBox>
#include <QLineEdit>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace zorvane {

QStringList FormFontFamilies() {
    // Devanagari, which neither of the two draws, comes from Noto.
    return {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Devanagari")};
}

void RequestVerdana(QWidget& widget, double points) {
    QFont font = widget.font();
    font.setFamilies(FormFontFamilies());
    font.setPointSizeF(points);
    widget.setFont(font);
}

void PutCaptionsOnFrameLines(QWidget& window) {
    const QString sheet = QStringLiteral(
        "QGroupBox { border: 1px solid rgb(150, 100, 0); border-radius: 2px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 6px; padding: 0px 2px; }");
    for (QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        frame->setStyleSheet(sheet);
    }
}

void TrimInnerMargins(QLineEdit& box) {
    // The box keeps a fixed margin of its own inside the frame; a negative
    // text margin takes one pixel of it back on each side.
    constexpr int kTrimPixels = 1;
    box.setTextMargins(-kTrimPixels, 0, -kTrimPixels, 0);
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

QString WindowCaption() {
    return QStringLiteral("Zorvane v") + QStringLiteral(ZORVANE_VERSION);
}

}  // namespace zorvane
