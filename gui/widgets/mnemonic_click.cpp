#include "gui/widgets/mnemonic_click.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QObject>
#include <QShortcutEvent>

namespace zorvane {

namespace {

class MnemonicClicker : public QObject {
public:
    explicit MnemonicClicker(QAbstractButton& button) : QObject(&button), button_(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &button_ && event->type() == QEvent::Shortcut &&
            static_cast<QShortcutEvent*>(event)->key() == QKeySequence::mnemonic(button_.text())) {
            button_.click();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractButton& button_;
};

}  // namespace

void ClickAtOnceOnMnemonic(QAbstractButton& button) {
    button.installEventFilter(new MnemonicClicker(button));
}

}  // namespace zorvane
