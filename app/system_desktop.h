#pragma once

#include <QRandomGenerator>

#include "app/desktop.h"

// The desktop of the running program: Qt's message boxes and file dialogs,
// the user's browser, the system clock and a per-user INI settings file.
class SystemDesktop : public Desktop {
public:
    // Settings files are kept in settingsFolder, one <application>.ini each.
    explicit SystemDesktop(QString settingsFolder = DefaultSettingsFolder());

    // The user's configuration folder, e.g. ~/.config.
    static QString DefaultSettingsFolder();

    Answer showMessage(QWidget* parent, const QString& text, Icon icon,
                       Buttons buttons = Buttons::Ok) override;
    QString askOpenFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString askSaveFileName(QWidget* parent, const FileDialogRequest& request) override;
    void openUrl(const QUrl& url) override;
    QDate today() override;
    int drawNumber(int low, int high) override;
    QString readSetting(const QString& application, const QString& section,
                        const QString& key) override;
    bool writeSetting(const QString& application, const QString& section, const QString& key,
                      const QString& value) override;

private:
    QString settingsFolder_;
    QRandomGenerator random_;  // seeded from the clock once per run
};
