#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace zorvane {

// The date of the last update reminder is kept as the user's short-date text.
// Digits are written as 0-9 whatever the locale uses, so that the text
// survives the single-byte settings value it is stored in.
QString ReminderDateText(const QDate& date, const QLocale& locale);

// Reads a text written by ReminderDateText with the same locale back as the
// same date. The numbers must come in the order and widths of the locale's
// short-date pattern with something other than a digit between them; what
// separates them is not compared, because characters outside the single-byte
// range do not survive storage. A two-digit year takes the century that puts
// the date nearest to `today` (Qt alone would read "12/8/26" as 1926).
// Anything that is not such a date yields nothing.
std::optional<QDate> ReadReminderDate(const QString& text, const QLocale& locale,
                                      const QDate& today);

}  // namespace zorvane
