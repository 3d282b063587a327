#include "gui/desktop/system_desktop.h"

#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <utility>

#include "core/files/file_store.h"

namespace {

const QString kMessageCaption = QStringLiteral("Zorvane");

// How long the desktop's opener may take to start, and then to fail, before
// it counts as having found a browser.
constexpr int kOpenerAnswerMilliseconds = 2000;

// Both dialogs start with no file name; a cancelled dialog gives "".
QString RunFileDialog(QWidget* parent, const Desktop::FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent, request.title, QString(), request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (save) {
        // Qt asks before replacing an existing file unless told otherwise.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

// The program keeps one date in its settings; a file far larger than that was
// not written by it, and reading it whole would slow every start.
constexpr std::size_t kSettingsFileMaxBytes = std::size_t{64} * 1024;

// One INI file per application name, e.g. ~/.config/zorvane.ini with the
// section as its [group].
QString SettingsPath(const QString& folder, const QString& application) {
    return folder + QLatin1Char('/') + application + QStringLiteral(".ini");
}

}  // namespace

// A settings file that is no regular file (a named pipe would block the
// start) or is oversized is neither read nor written: the program runs on
// its defaults and leaves the file alone, and says so once.
bool SystemDesktop::SettingsUsable(const QString& path) {
    const zorvane::LoadFault fault =
        zorvane::InspectFile(QFile::encodeName(path).toStdString(), kSettingsFileMaxBytes);
    if (fault == zorvane::LoadFault::None || fault == zorvane::LoadFault::Missing) return true;
    if (!toldSettingsUnusable_) {
        toldSettingsUnusable_ = true;
        const QString why = fault == zorvane::LoadFault::TooLarge
                                ? QStringLiteral("is larger than %1 KiB").arg(kSettingsFileMaxBytes / 1024)
                                : QStringLiteral("is not a regular file");
        showMessage(nullptr,
                    QStringLiteral("The settings file %1 %2, so it is neither read nor written: "
                                   "Recent Charts and the update reminder are not kept. Remove or "
                                   "shorten it to keep them again.")
                        .arg(QDir::toNativeSeparators(path), why),
                    Icon::Error);
    }
    return false;
}

SystemDesktop::SystemDesktop(QString settingsFolder)
    : settingsFolder_(std::move(settingsFolder)),
      random_(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch())) {}

QString SystemDesktop::DefaultSettingsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

Desktop::Answer SystemDesktop::showMessage(QWidget* parent, const QString& text, Icon icon,
                                           Buttons buttons) {
    const QMessageBox::Icon boxIcon =
        icon == Icon::Error ? QMessageBox::Critical : QMessageBox::Information;
    const QMessageBox::StandardButtons boxButtons =
        buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(boxIcon, kMessageCaption, text, boxButtons, parent);
    const int answer = box.exec();
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString SystemDesktop::askOpenFileName(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, false);
}

QString SystemDesktop::askSaveFileName(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, true);
}

bool SystemDesktop::openUrl(const QUrl& url) {
    // Qt reports only whether the desktop's opener started; with no browser
    // it starts, fails and says so on standard error alone. Its exit status
    // tells, and an opener that fails does so at once. One still running
    // after the wait has found a browser that holds it until it closes.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        return QDesktopServices::openUrl(url);
    }
    auto* process = new QProcess();
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) process->deleteLater();
                     });
    process->start(opener, {url.toString(QUrl::FullyEncoded)});
    if (!process->waitForStarted(kOpenerAnswerMilliseconds)) {
        return false;
    }
    if (!process->waitForFinished(kOpenerAnswerMilliseconds)) {
        return true;
    }
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}

void SystemDesktop::showSelectableMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, kMessageCaption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

QDate SystemDesktop::today() {
    return QDate::currentDate();
}

int SystemDesktop::drawNumber(int low, int high) {
    return random_.bounded(low, high + 1);
}

QString SystemDesktop::readSetting(const QString& application, const QString& section,
                                   const QString& key) {
    const QString path = SettingsPath(settingsFolder_, application);
    if (!SettingsUsable(path)) return {};
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(section);
    return settings.value(key).toString();
}

bool SystemDesktop::writeSetting(const QString& application, const QString& section,
                                 const QString& key, const QString& value) {
    const QString path = SettingsPath(settingsFolder_, application);
    if (!SettingsUsable(path)) return false;
    QSettings settings(path, QSettings::IniFormat);
    if (!settings.isWritable()) return false;
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

void SystemDesktop::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

bool SystemDesktop::askPrint(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
