#include "app/atlas_text.h"

#include <QChar>
#include <iterator>

namespace zorvane {

namespace {

// Letters that Unicode gives no decomposition, as people write them in
// plain Latin letters.
struct SpeltOutLetter {
    char16_t letter;  // lower case
    const char* latin;
};
constexpr SpeltOutLetter kSpeltOutLetters[] = {
    {u'ß', "ss"}, {u'æ', "ae"}, {u'œ', "oe"}, {u'ø', "o"}, {u'ł', "l"}, {u'đ', "d"},
    {u'ð', "d"},  {u'þ', "th"}, {u'ı', "i"},  {u'ħ', "h"}, {u'ŀ', "l"},
};
static_assert(std::size(kSpeltOutLetters) == 11);

bool IsApostrophe(QChar c) {
    return c == u'\'' || c == u'\u2019' || c == u'\u02bc' || c == u'`';
}

}  // namespace

QString FoldForSearch(const QString& text) {
    const QString decomposed = text.toLower().normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    bool blankPending = false;
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || IsApostrophe(c)) {
            continue;
        }
        if (!c.isLetterOrNumber()) {
            blankPending = !folded.isEmpty();
            continue;
        }
        if (blankPending) {
            folded.append(u' ');
            blankPending = false;
        }
        bool speltOut = false;
        for (const SpeltOutLetter& row : kSpeltOutLetters) {
            if (c.unicode() == row.letter) {
                folded.append(QLatin1String(row.latin));
                speltOut = true;
                break;
            }
        }
        if (!speltOut) {
            folded.append(c);
        }
    }
    return folded;
}

}  // namespace zorvane
