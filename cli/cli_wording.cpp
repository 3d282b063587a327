#include "cli/cli_wording.h"

#include <QString>
#include <QTranslator>
#include <memory>
#include <string>

namespace zorvane::cli {

Wording CliWording(Language language) {
    if (language == Language::English) return {};
    auto catalogue = std::make_shared<QTranslator>();
    const QString code = QString::fromLatin1(LanguageCode(language).data(),
                                             static_cast<qsizetype>(LanguageCode(language).size()));
    if (!catalogue->load(QStringLiteral(":/i18n/zorvane_%1.qm").arg(code))) return Wording{language, {}};
    return Wording{language, [catalogue](std::string_view english) {
                       const std::string source(english);
                       const QString translated = catalogue->translate(kReadingWordsContext, source.c_str());
                       return translated.isEmpty() ? source : translated.toStdString();
                   }};
}

}  // namespace zorvane::cli
