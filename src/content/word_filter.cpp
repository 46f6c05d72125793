#include "content/word_filter.h"

#include <algorithm>

namespace ejteto {

QString foldAsciiCase(const QString& text)
{
    // QString::toLower would also fold accented letters and other scripts;
    // the filter deliberately treats only A-Z as case-insensitive.
    QString folded = text;
    for (QChar& c : folded)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return folded;
}

namespace {
bool containsFolded(const QString& foldedWord, const QString& foldedFilter)
{
    if (foldedFilter.isEmpty())
        return true; // also for the empty (or null) word
    return foldedWord.contains(foldedFilter, Qt::CaseSensitive);
}
} // namespace

QStringList filterWords(const ContentTables& t, const QString& filter)
{
    const QString f = foldAsciiCase(filter);
    const int32_t last = t.lastEntry();
    QStringList words;
    for (int32_t e = 1; e <= last; ++e) {
        const QString& w = t.WordTable[static_cast<size_t>(e)].Word;
        if (containsFolded(foldAsciiCase(w), f))
            words << w;
    }
    return words;
}

} // namespace ejteto
