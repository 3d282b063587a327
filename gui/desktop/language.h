#pragma once

#include <QLocale>
#include <QObject>
#include <QString>
#include <QTranslator>
#include <optional>

#include "core/text/wording.h"
#include "core/text/language.h"
#include "gui/widgets/window_language.h"

class Desktop;
class QMenuBar;
class QAction;
class QActionGroup;

namespace zorvane {

// The language the user chose in the settings; none when never chosen or
// when the stored value is no language the program knows.
std::optional<Language> StoredLanguage(Desktop& desktop, const QString& applicationName);
// Keeps the choice; false when the settings store could not.
bool StoreLanguage(Desktop& desktop, const QString& applicationName, Language language);
// The language a start shows: the stored choice, else the locale's
// (a Hindi locale, e.g. LANG=hi_IN.UTF-8, starts in Hindi), else English.
Language StartLanguage(Desktop& desktop, const QString& applicationName, const QLocale& system);

// The path of a language's compiled catalogue among the program's resources;
// empty for English, which needs none.
QString CatalogueResource(Language language);

// The program's translation: installs the catalogue of a language in the
// application, or removes it for English. Qt then sends every widget a
// QEvent::LanguageChange, on which each window translates its texts again.
class Translation : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Translation)

public:
    explicit Translation(QObject* parent = nullptr);
    ~Translation() override;

    // False when the catalogue could not be loaded (English then stays).
    bool apply(Language language);
    Language language() const { return language_; }

private:
    QTranslator translator_;
    bool installed_ = false;
    Language language_ = Language::English;
};

// The "Language" menu after a window's other menus: English and हिन्दी, each
// named in itself, the one in use ticked. A choice is kept in the settings
// and applied at once.
class LanguageMenu : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LanguageMenu)

public:
    // Applies the start language and adds the menu to menuBar.
    LanguageMenu(QMenuBar& menuBar, Desktop& desktop, const QString& applicationName,
                 const QLocale& system);
    ~LanguageMenu() override;

    Language language() const { return translation_.language(); }
    void choose(Language language);
    // The menu's own title again, after a change of language.
    void retranslate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void languageChosen(zorvane::Language language);

private:
    void tick();

    Desktop& desktop_;
    QString applicationName_;
    Translation translation_;
    QMenuBar& menuBar_;
    QAction* menuAction_ = nullptr;
    QActionGroup* group_ = nullptr;
};

}  // namespace zorvane
