#pragma once

#include <QString>
#include <QDate>
#include <QUrl>

class QPrinter;
class QWidget;

// Everything that talks to the desktop or to the outside world goes through
// this one interface: message boxes, file dialogs, web addresses, the clock,
// the random draw, the per-user settings store, the clipboard and the
// printer. The program uses
// SystemDesktop; tests use a fake that scripts the answers and records calls,
// so no test ever waits on a modal window.
class Desktop {
public:
    enum class Icon { Error, Information };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    struct FileDialogRequest {
        QString title;
        QString filter;         // Qt filter syntax, e.g. "Zorvane (*.vrn)"
        QString defaultSuffix;  // without the dot
    };

    virtual ~Desktop() = default;

    // A modal message box captioned "Zorvane".
    virtual Answer showMessage(QWidget* parent, const QString& text, Icon icon,
                               Buttons buttons = Buttons::Ok) = 0;

    // Modal file dialogs; an empty path means the user cancelled.
    virtual QString askOpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString askSaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;

    // Hands an address to the desktop's web browser; false when no browser
    // could be opened for it.
    virtual bool openUrl(const QUrl& url) = 0;

    // A modal information box captioned "Zorvane" whose text the user can
    // select and copy (an address to open by hand, for one).
    virtual void showSelectableMessage(QWidget* parent, const QString& text) = 0;

    virtual QDate today() = 0;

    // A whole number drawn uniformly from low to high inclusive.
    virtual int drawNumber(int low, int high) = 0;

    // Per-user settings addressed by application name, section and key.
    // A key never written reads as the empty text. writeSetting tells whether
    // the value was kept.
    virtual QString readSetting(const QString& application, const QString& section,
                                const QString& key) = 0;
    virtual bool writeSetting(const QString& application, const QString& section,
                              const QString& key, const QString& value) = 0;

    // Puts plain text on the desktop's clipboard.
    virtual void setClipboardText(const QString& text) = 0;

    // The print dialog for this printer; true when the user chose to print,
    // with the printer set up as chosen.
    virtual bool askPrint(QWidget* parent, QPrinter& printer) = 0;
};
