#include "contentkit/result_word_width.h"

#include "fonts/layout_fonts.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <algorithm>

namespace ejteto::contentkit {

namespace {
const QString kResultWordsFile = QStringLiteral("words.csv");
const QString kFamily = QStringLiteral("Arial");
} // namespace

QFont resultWordFont() { return layoutFont(kFamily, -13, true); }

int resultWordExtent(const QFont& font, const QString& word)
{
    // Whole pixels, as the label measures itself.
    const int withSpace = QFontMetrics(font).horizontalAdvance(word + QLatin1Char(' '));
    return std::max(singleLineTextWidth(font, word), withSpace);
}

std::vector<TableProblem> checkResultWordWidths(const QStringList& wordLines)
{
    // Font metrics need the window system's font database; without it Qt
    // would stop the program rather than answer.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {{kResultWordsFile, 0, QStringLiteral("a szavak szélessége nem mérhető: nem fut QGuiApplication")}};
    if (!hasLayoutFamily(kFamily, true))
        return {{kResultWordsFile, 0,
                 QStringLiteral("a szavak szélessége nem mérhető: sem a(z) %1 betűtípus nincs telepítve "
                                "(Debian: fonts-liberation2)")
                     .arg(layoutFamilies(kFamily, true).join(QStringLiteral(", sem a(z) ")))}};
    const QFont font = resultWordFont();
    std::vector<TableProblem> problems;
    for (int i = 1; i < wordLines.size(); ++i) {
        const QStringList fields = wordLines[i].split(QLatin1Char(';'));
        // A line without its three fields is reported by the table check.
        if (fields.size() < 3 || fields[0].isEmpty())
            continue;
        const int extent = resultWordExtent(font, fields[0]);
        if (extent > kResultColumnPitch)
            problems.push_back({kResultWordsFile, i + 1,
                                QStringLiteral("a(z) '%1' szó túl hosszú az eredménytáblához: félkövéren, szóközzel "
                                               "együtt %2 képpont, de csak %3 fér el")
                                    .arg(fields[0])
                                    .arg(extent)
                                    .arg(kResultColumnPitch)});
    }
    return problems;
}

} // namespace ejteto::contentkit
