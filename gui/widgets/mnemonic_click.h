#pragma once

class QAbstractButton;

namespace zorvane {

// Makes the button's Alt+letter mnemonic click it at once. Qt otherwise
// plays a timed press animation first and runs the handler only when it
// ends; at once, the handler has run when the key press returns, as it does
// for a mouse click.
void ClickAtOnceOnMnemonic(QAbstractButton& button);

}  // namespace zorvane
