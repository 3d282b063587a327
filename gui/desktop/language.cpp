#include "gui/desktop/language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

#include "gui/desktop/desktop.h"
#include "gui/widgets/utf8_text.h"

namespace zorvane {

namespace {

constexpr QLatin1String kSettingsSection("Settings");
constexpr QLatin1String kLanguageKey("Language");

}  // namespace

std::optional<Language> StoredLanguage(Desktop& desktop, const QString& applicationName) {
    const QString code = desktop.readSetting(applicationName, kSettingsSection, kLanguageKey);
    return LanguageOfCode(code.toStdString());
}

bool StoreLanguage(Desktop& desktop, const QString& applicationName, Language language) {
    return desktop.writeSetting(applicationName, kSettingsSection, kLanguageKey, FromUtf8(LanguageCode(language)));
}

Language StartLanguage(Desktop& desktop, const QString& applicationName, const QLocale& system) {
    if (const std::optional<Language> stored = StoredLanguage(desktop, applicationName)) return *stored;
    return system.language() == QLocale::Hindi ? Language::Hindi : Language::English;
}

QString CatalogueResource(Language language) {
    if (language == Language::English) return {};
    return QStringLiteral(":/i18n/zorvane_%1.qm").arg(FromUtf8(LanguageCode(language)));
}

Translation::Translation(QObject* parent) : QObject(parent) {}

Translation::~Translation() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}

bool Translation::apply(Language language) {
    if (language == language_ && (installed_ || language == Language::English)) return true;
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
    }
    language_ = Language::English;
    if (language == Language::English) return true;
    if (!translator_.load(CatalogueResource(language))) return false;
    installed_ = QCoreApplication::installTranslator(&translator_);
    if (installed_) language_ = language;
    return installed_;
}

LanguageMenu::LanguageMenu(QMenuBar& menuBar, Desktop& desktop, const QString& applicationName,
                           const QLocale& system)
    : QObject(&menuBar), desktop_(desktop), applicationName_(applicationName), menuBar_(menuBar) {
    auto* menu = new QMenu(&menuBar);
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    menuAction_ = menuBar.addMenu(menu);
    group_ = new QActionGroup(menu);
    group_->setExclusive(true);
    // Each language is named in itself, so it can be found whichever is on show.
    struct Item {
        Language language;
        const char* objectName;
        QString label;
    };
    for (const Item& item : {Item{Language::English, "mnuLanguageEnglish", QStringLiteral("English")},
                             Item{Language::Hindi, "mnuLanguageHindi", QStringLiteral("हिन्दी")}}) {
        QAction* action = menu->addAction(item.label);
        action->setObjectName(QString::fromLatin1(item.objectName));
        action->setCheckable(true);
        action->setData(FromUtf8(LanguageCode(item.language)));
        group_->addAction(action);
        const Language language = item.language;
        connect(action, &QAction::triggered, this, [this, language] {
            StoreLanguage(desktop_, applicationName_, language);
            choose(language);
        });
    }
    // The menu hears of every change of language, whoever makes it.
    menu->installEventFilter(this);
    translation_.apply(StartLanguage(desktop, applicationName, system));
    retranslate();
    tick();
}

LanguageMenu::~LanguageMenu() = default;

void LanguageMenu::choose(Language language) {
    translation_.apply(language);
    tick();
    emit languageChosen(translation_.language());
}

void LanguageMenu::retranslate() {
    menuAction_->setText(tr("&Language"));
}

bool LanguageMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    return QObject::eventFilter(watched, event);
}

void LanguageMenu::tick() {
    const QString code = FromUtf8(LanguageCode(translation_.language()));
    for (QAction* action : group_->actions()) action->setChecked(action->data().toString() == code);
}

}  // namespace zorvane
