#include <QApplication>
#include <QString>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "gui/desktop/app_icon.h"
#include "gui/desktop/export_command.h"
#include "gui/desktop/language.h"
#include "gui/desktop/single_instance.h"
#include "gui/windows/startup.h"
#include "gui/desktop/system_desktop.h"
#include "gui/windows/frmMain.h"

int main(int argc, char* argv[]) {
    // The export, the help and the version show no window, so they need no
    // display either, whatever platform the environment asks for.
    const bool exporting = AsksForExport(argc, argv);
    if (exporting) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QuietHeadlessWarnings();
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(zorvane::ApplicationIcon());
    // Ties the windows to the menu entry zorvane.desktop (Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("zorvane"));

    // Declared before the window so that both outlive it.
    SystemDesktop desktop;
    if (exporting) {
        // The report in the language the window would show.
        zorvane::Translation translation;
        translation.apply(zorvane::StartLanguage(desktop, zorvane::ApplicationName(), QLocale::system()));
        QTextStream out(stdout);
        QTextStream errors(stderr);
        return RunExportCommand(argc, argv, desktop.today(), out, errors);
    }
    const QString applicationName = zorvane::ApplicationName();
    zorvane::SingleInstanceLock lock(zorvane::DefaultLockPath(applicationName));

    const std::unique_ptr<frmMain> window = zorvane::StartUp(desktop, lock, applicationName);
    if (!window) return 0;  // another copy is running; this one has ended
    return QApplication::exec();
}
