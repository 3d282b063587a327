#include "gui/windows/startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <optional>
#include <string>

#include "gui/desktop/desktop.h"
#include "gui/desktop/language.h"
#include "gui/desktop/links.h"
#include "gui/desktop/reminder_date.h"
#include "gui/desktop/single_instance.h"
#include "gui/windows/frmMain.h"
#include "core/files/reading_file.h"

namespace zorvane {
namespace {

constexpr QLatin1String kSettingsSection("Settings");

// A reminder is due when the stored date lies more than this many days away
// from today, in either direction (a clock set back counts too).
constexpr qint64 kReminderQuietDays = 14;

// The scramble works on single-byte text; the settings store holds QStrings.
std::string ToSingleByte(const QString& text) { return text.toLatin1().toStdString(); }
QString FromSingleByte(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

QString ApplicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void UpdateReminder(Desktop& desktop, const QString& applicationName, const QLocale& locale) {
    const QString key = FromSingleByte(ScrambleText("Duration"));
    const QDate today = desktop.today();
    const auto storeToday = [&] {
        const QString text = ReminderDateText(today, locale);
        return desktop.writeSetting(applicationName, kSettingsSection, key,
                                    FromSingleByte(ScrambleText(ToSingleByte(text))));
    };

    const QString stored = FromSingleByte(
        UnscrambleText(ToSingleByte(desktop.readSetting(applicationName, kSettingsSection, key))));
    if (stored.isEmpty()) {
        storeToday();
        return;
    }
    const std::optional<QDate> last = ReadReminderDate(stored, locale, today);
    if (!last) return;  // a damaged value: left as it is, no reminder
    const qint64 days = today.daysTo(*last);
    if (days >= -kReminderQuietDays && days <= kReminderQuietDays) return;

    // Today is kept before asking: where it cannot be kept (a read-only
    // settings file), asking would repeat at every start, so nothing is asked.
    if (!storeToday()) return;
    const Desktop::Answer answer = desktop.showMessage(
        nullptr,
        QCoreApplication::translate("StartUp", "There maybe an update to this software available\n"
                       "Do you want to check for an update?"),
        Desktop::Icon::Information, Desktop::Buttons::YesNo);
    if (answer == Desktop::Answer::Yes) OpenDownloadPage(desktop);
}

std::unique_ptr<frmMain> StartUp(Desktop& desktop, SingleInstanceLock& lock,
                                 const QString& applicationName,
                                 const std::function<void()>& exitProgram) {
    {
        // The boxes shown before the window speak the language the window
        // will; the window then installs its own catalogue.
        Translation early;
        early.apply(StartLanguage(desktop, applicationName, QLocale::system()));
        if (!lock.acquire()) {
            const QString problem = lock.problem();
            desktop.showMessage(nullptr,
                                problem.isEmpty() ? QCoreApplication::translate("StartUp", "Application is already running") : problem,
                                problem.isEmpty() ? Desktop::Icon::Information : Desktop::Icon::Error,
                                Desktop::Buttons::Ok);
            exitProgram();
            return nullptr;
        }

        UpdateReminder(desktop, applicationName);
    }

    auto window = std::make_unique<frmMain>(desktop);
    // Closing the main window, by its close box or by File, Exit, ends the
    // program even when other windows are still open.
    QObject::connect(window.get(), &frmMain::formUnloaded, window.get(), exitProgram);
    window->show();

    // Odd draws put the co-branding text in front, even ones the full branding.
    window->ShowPromotion(desktop.drawNumber(1, 6) % 2 == 1);
    return window;
}

void ExitProgram() {
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

}  // namespace zorvane
