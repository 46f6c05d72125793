#include "history/progress_advice.h"

#include <algorithm>
#include <numeric>

namespace ejteto {

namespace {

constexpr size_t kRecentTests = 3;
constexpr double kGoesWell = 9.0; // of ten

// The back (-szor), front (-szer) or rounded front (-ször) suffix of the
// number word that ends the reading of n.
QString suffixOf(int n)
{
    static const char* const units[] = {"", "szer", "szer", "szor", "szer", "ször", "szor", "szer", "szor", "szer"};
    static const char* const tens[] = {"", "szer", "szor", "szor", "szer", "szer", "szor", "szer", "szor", "szer"};
    if (n % 10 != 0)
        return QString::fromUtf8(units[n % 10]);
    if (n % 100 != 0)
        return QString::fromUtf8(tens[(n / 10) % 10]);
    if (n % 1000 != 0)
        return QStringLiteral("szor"); // száz
    if (n % 1000000 != 0)
        return QStringLiteral("szer"); // ezer
    return QStringLiteral("szor");     // millió
}

QString decimal(double value) { return QString::number(value, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')); }

double meanOf(std::vector<int>::const_iterator from, std::vector<int>::const_iterator to)
{
    return std::accumulate(from, to, 0.0) / static_cast<double>(to - from);
}

} // namespace

QString timesText(int count)
{
    if (count <= 0)
        return QStringLiteral("0-szor");
    return QString::number(count) + QLatin1Char('-') + suffixOf(count);
}

double recentScore(const LessonProgress& lesson)
{
    const std::vector<int>& s = lesson.testScores;
    if (s.empty())
        return -1;
    const size_t n = std::min(kRecentTests, s.size());
    return meanOf(s.end() - static_cast<long>(n), s.end());
}

QString trendText(const LessonProgress& lesson)
{
    const std::vector<int>& s = lesson.testScores;
    if (s.size() < 2)
        return {};
    const size_t recent = std::min(kRecentTests, s.size() / 2 + s.size() % 2);
    const size_t before = std::min(kRecentTests, s.size() - recent);
    const auto recentBegin = s.end() - static_cast<long>(recent);
    const double now = meanOf(recentBegin, s.end());
    const double then = meanOf(recentBegin - static_cast<long>(before), recentBegin);
    if (now > then + 0.5)
        return QStringLiteral("javul");
    if (now < then - 0.5)
        return QStringLiteral("romlik");
    return QStringLiteral("egyenletes");
}

Suggestion suggestLesson(const std::vector<LessonProgress>& lessons, int lessonCount)
{
    const LessonProgress* weakest = nullptr;
    for (const LessonProgress& l : lessons) {
        if (l.testScores.empty())
            continue;
        if (weakest == nullptr || recentScore(l) < recentScore(*weakest) ||
            (recentScore(l) == recentScore(*weakest) && l.testScores.size() < weakest->testScores.size()))
            weakest = &l;
    }
    if (weakest == nullptr)
        return {0, QStringLiteral("Még nincs befejezett teszt. Egy teszt után itt olvashatod, melyik leckét "
                                  "érdemes gyakorolni.")};
    if (recentScore(*weakest) >= kGoesWell) {
        for (int n = 1; n <= lessonCount; ++n) {
            const bool tested = std::any_of(lessons.begin(), lessons.end(), [n](const LessonProgress& l) {
                return l.lesson == n && !l.testScores.empty();
            });
            if (!tested)
                return {n, QStringLiteral("Az eddig tesztelt leckék jól mennek. Ezzel folytasd: %1. lecke.").arg(n)};
        }
    }
    return {weakest->lesson, QStringLiteral("Ezt a leckét érdemes most gyakorolni: %1. lecke (az utolsó tesztek "
                                            "átlaga %2 a 10-ből).")
                                 .arg(weakest->lesson)
                                 .arg(decimal(recentScore(*weakest)))};
}

} // namespace ejteto
