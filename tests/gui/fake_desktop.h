#pragma once

#include <QList>
#include <QMap>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <deque>

#include "gui/desktop/desktop.h"

// Scripted stand-in for the desktop: answers come from queues filled by the
// test, and every call is recorded for the test to inspect.
class FakeDesktop : public Desktop {
public:
    struct Message {
        QString text;
        Icon icon;
        Buttons buttons;
        bool selectable = false;
    };
    struct FileDialogCall {
        bool save;
        FileDialogRequest request;
    };

    // Scripted answers; when a queue runs dry the fake answers "Ok"/"No",
    // an empty path (cancel), and the low end of a draw.
    std::deque<Answer> answers;
    std::deque<QString> openPaths;
    std::deque<QString> savePaths;
    std::deque<int> draws;
    QDate todayValue = QDate(2026, 12, 8);
    bool browserOpens = true;  // false: as on a machine with no web browser
    // A print dialog answers "Print" when this names a file, and the printer
    // then writes PDF there instead of to a device.
    QString printToFile;

    // What happened.
    QList<Message> messages;
    QList<FileDialogCall> fileDialogs;
    QList<QUrl> openedUrls;
    QMap<QString, QString> settings;  // "application/section/key" -> value
    int settingWrites = 0;
    bool settingsKept = true;  // false: every write is lost, as on a read-only store
    QString clipboard;
    int printDialogs = 0;

    Answer showMessage(QWidget*, const QString& text, Icon icon, Buttons buttons) override {
        messages.append({text, icon, buttons});
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    QString askOpenFileName(QWidget*, const FileDialogRequest& request) override {
        fileDialogs.append({false, request});
        return take(openPaths);
    }
    QString askSaveFileName(QWidget*, const FileDialogRequest& request) override {
        fileDialogs.append({true, request});
        return take(savePaths);
    }
    bool openUrl(const QUrl& url) override {
        openedUrls.append(url);
        return browserOpens;
    }
    void showSelectableMessage(QWidget*, const QString& text) override {
        messages.append({text, Icon::Information, Buttons::Ok, true});
    }
    QDate today() override { return todayValue; }
    int drawNumber(int low, int high) override {
        if (draws.empty()) return low;
        const int n = draws.front();
        draws.pop_front();
        return n < low ? low : (n > high ? high : n);
    }
    QString readSetting(const QString& application, const QString& section,
                        const QString& key) override {
        return settings.value(application + '/' + section + '/' + key);
    }
    bool writeSetting(const QString& application, const QString& section, const QString& key,
                      const QString& value) override {
        ++settingWrites;
        if (settingsKept) settings.insert(application + '/' + section + '/' + key, value);
        return settingsKept;
    }
    void setClipboardText(const QString& text) override { clipboard = text; }
    bool askPrint(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        if (printToFile.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToFile);
        return true;
    }

private:
    static QString take(std::deque<QString>& queue) {
        if (queue.empty()) return {};
        QString s = queue.front();
        queue.pop_front();
        return s;
    }
};
