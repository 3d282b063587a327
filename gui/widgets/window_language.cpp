#include "gui/widgets/window_language.h"

#include <QCoreApplication>
#include <QString>
#include <string>

namespace zorvane {

namespace {

// Each catalogue's translation of this is its own language code.
const char* const kOwnCode = QT_TRANSLATE_NOOP("LanguageCode", "en");

}  // namespace

Language ShownLanguage() {
    const QString code = QCoreApplication::translate("LanguageCode", kOwnCode);
    return LanguageOfCode(code.toStdString()).value_or(Language::English);
}

Wording WindowWording(Language language) {
    return Wording{language, [](std::string_view english) {
                       const std::string source(english);
                       return QCoreApplication::translate(kReadingWordsContext, source.c_str()).toStdString();
                   }};
}

}  // namespace zorvane
