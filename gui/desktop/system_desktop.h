#pragma once

#include <QRandomGenerator>

#include "gui/desktop/desktop.h"

// The desktop of the running program: Qt's message boxes and file dialogs,
// the user's browser, the system clock, a per-user INI settings file, the
// system clipboard and Qt's print dialog.
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
    bool openUrl(const QUrl& url) override;
    void showSelectableMessage(QWidget* parent, const QString& text) override;
    QDate today() override;
    int drawNumber(int low, int high) override;
    QString readSetting(const QString& application, const QString& section,
                        const QString& key) override;
    bool writeSetting(const QString& application, const QString& section, const QString& key,
                      const QString& value) override;
    void setClipboardText(const QString& text) override;
    bool askPrint(QWidget* parent, QPrinter& printer) override;

private:
    // False, after telling the user once per run, when the settings file is
    // no regular file or too large to be read.
    bool SettingsUsable(const QString& path);

    QString settingsFolder_;
    bool toldSettingsUnusable_ = false;
    QRandomGenerator random_;  // seeded from the clock once per run
};
