#pragma once

#include <QLocale>
#include <QString>
#include <string>
#include <string_view>

#include "core/reading/number_text.h"

// The one crossing between Qt's text and the core's: the core speaks UTF-8
// in std::string, the windows QString.
namespace zorvane {

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// Numbers as the user's locale writes them: a decimal comma where that is
// the custom.
inline NumberFormat UserNumberFormat() {
    NumberFormat format;
    format.decimalPoint = Utf8(QLocale().decimalPoint());
    return format;
}

}  // namespace zorvane
