#include "gui/desktop/reminder_date.h"

#include <QChar>
#include <QList>
#include <cstdlib>
#include <vector>

namespace zorvane {
namespace {

enum class FieldKind { Day, Month, TwoDigitYear, FourDigitYear };

struct NumberField {
    FieldKind kind;
    int maxDigits;
};

struct DatePattern {
    std::vector<NumberField> numbers;  // in the order they appear
    bool monthByName = false;
};

struct DigitRun {
    int value;
    int length;
};

// Splits a Qt date pattern into its numeric fields. Quoted text, names of
// week days and separators are left out: only the numbers are compared.
DatePattern ParsePattern(const QString& pattern) {
    DatePattern result;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            const qsizetype close = pattern.indexOf(u'\'', i + 1);
            i = close < 0 ? pattern.size() : close + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c) ++run;
        if (c == u'd' && run <= 2) {
            result.numbers.push_back({FieldKind::Day, 2});
        } else if (c == u'M' && run <= 2) {
            result.numbers.push_back({FieldKind::Month, 2});
        } else if (c == u'M') {
            result.monthByName = true;
        } else if (c == u'y') {
            result.numbers.push_back(run == 2 ? NumberField{FieldKind::TwoDigitYear, 2}
                                              : NumberField{FieldKind::FourDigitYear, 4});
        }
        i += run;
    }
    return result;
}

// Every run of decimal digits in the text, whatever script they are written in.
std::vector<DigitRun> DigitRuns(const QString& text) {
    std::vector<DigitRun> runs;
    bool inRun = false;
    for (const char32_t c : text.toUcs4()) {
        if (!QChar::isDigit(c)) {
            inRun = false;
            continue;
        }
        if (!inRun) runs.push_back({0, 0});
        inRun = true;
        DigitRun& run = runs.back();
        if (run.length < 9) run.value = run.value * 10 + QChar::digitValue(c);
        ++run.length;
    }
    return runs;
}

// The month whose name (long or short, in either grammatical form) appears in
// the text; the longest name wins so that "June" is not taken for "Jun".
std::optional<int> MonthNamed(const QString& text, const QLocale& locale) {
    std::optional<int> month;
    qsizetype longest = 0;
    for (int m = 1; m <= 12; ++m) {
        for (const QLocale::FormatType form : {QLocale::LongFormat, QLocale::ShortFormat}) {
            for (const QString& name :
                 {locale.monthName(m, form), locale.standaloneMonthName(m, form)}) {
                if (name.size() > longest && text.contains(name, Qt::CaseInsensitive)) {
                    longest = name.size();
                    month = m;
                }
            }
        }
    }
    return month;
}

// Of the three centuries around today, the valid date nearest to today.
std::optional<QDate> NearestCentury(int twoDigitYear, int month, int day, const QDate& today) {
    std::optional<QDate> best;
    const int century = today.year() / 100 * 100;
    for (const int base : {century - 100, century, century + 100}) {
        const QDate candidate(base + twoDigitYear, month, day);
        if (!candidate.isValid()) continue;
        if (!best || std::abs(candidate.daysTo(today)) < std::abs(best->daysTo(today)))
            best = candidate;
    }
    return best;
}

}  // namespace

QString ReminderDateText(const QDate& date, const QLocale& locale) {
    std::u32string text;
    for (const char32_t c : locale.toString(date, QLocale::ShortFormat).toUcs4())
        text.push_back(QChar::isDigit(c) ? U'0' + QChar::digitValue(c) : c);
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<QDate> ReadReminderDate(const QString& text, const QLocale& locale,
                                      const QDate& today) {
    const DatePattern pattern = ParsePattern(locale.dateFormat(QLocale::ShortFormat));
    const std::vector<DigitRun> runs = DigitRuns(text);
    if (runs.size() != pattern.numbers.size()) return std::nullopt;

    int day = 0;
    int month = 0;
    std::optional<int> twoDigitYear;
    int year = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const NumberField& field = pattern.numbers[i];
        if (runs[i].length > field.maxDigits) return std::nullopt;
        switch (field.kind) {
        case FieldKind::Day: day = runs[i].value; break;
        case FieldKind::Month: month = runs[i].value; break;
        case FieldKind::TwoDigitYear: twoDigitYear = runs[i].value; break;
        case FieldKind::FourDigitYear: year = runs[i].value; break;
        }
    }
    if (pattern.monthByName) {
        const std::optional<int> named = MonthNamed(text, locale);
        if (!named) return std::nullopt;
        month = *named;
    }
    if (twoDigitYear) return NearestCentury(*twoDigitYear, month, day, today);
    const QDate date(year, month, day);
    if (!date.isValid()) return std::nullopt;
    return date;
}

}  // namespace zorvane
