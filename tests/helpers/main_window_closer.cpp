// The program's real start-up and ending, in a process the tests can watch
// end: starts up with a fake desktop and the lock at the path given, opens
// one more window, then closes the main window. The process must end with
// status 0 and the other window closed.
#include <QApplication>
#include <QString>
#include <QWidget>
#include <cstdio>
#include <memory>

#include "gui/desktop/single_instance.h"
#include "gui/windows/startup.h"
#include "gui/windows/frmMain.h"
#include "tests/gui/fake_desktop.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    FakeDesktop desktop;
    zorvane::SingleInstanceLock lock(QString::fromLocal8Bit(argv[1]));
    const std::unique_ptr<frmMain> window =
        zorvane::StartUp(desktop, lock, QStringLiteral("zorvane"));
    if (!window) return 3;

    QWidget other;
    other.show();
    QMetaObject::invokeMethod(window.get(), [&window] { window->close(); }, Qt::QueuedConnection);
    const int status = QApplication::exec();
    std::puts(other.isVisible() ? "other window open" : "all windows closed");
    return status;
}
