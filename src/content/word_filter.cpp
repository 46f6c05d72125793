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

WordFilterIndex::WordFilterIndex(const ContentTables& t)
{
    const int32_t last = t.lastEntry();
    folded_.reserve(static_cast<size_t>(last));
    for (int32_t e = 1; e <= last; ++e)
        folded_.push_back(foldAsciiCase(t.WordTable[static_cast<size_t>(e)].Word));
}

std::vector<int32_t> WordFilterIndex::entriesMatching(const QString& filter) const
{
    const QString f = foldAsciiCase(filter);
    std::vector<int32_t> entries;
    for (size_t i = 0; i < folded_.size(); ++i) {
        // The empty filter occurs in every word, the empty word included.
        if (f.isEmpty() || folded_[i].contains(f, Qt::CaseSensitive))
            entries.push_back(static_cast<int32_t>(i + 1));
    }
    return entries;
}

QStringList WordFilterIndex::wordsMatching(const ContentTables& t, const QString& filter) const
{
    QStringList words;
    for (const int32_t e : entriesMatching(filter))
        words << t.WordTable[static_cast<size_t>(e)].Word;
    return words;
}

QStringList filterWords(const ContentTables& t, const QString& filter)
{
    return WordFilterIndex(t).wordsMatching(t, filter);
}

} // namespace ejteto
