#include "content/pairs_game.h"

#include "app/app_error.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <utility>
#include <vector>

namespace ejteto {

namespace {

AppError notEnoughWords()
{
    return AppError(QStringLiteral("EGameContentError"), QStringLiteral("A szólistában nincs elég szó a játékhoz."));
}

const QString& wordOf(const ContentTables& t, int entry) { return t.WordTable[static_cast<size_t>(entry)].Word; }

// What the partner search needs to know about the drawable entries, worked
// out once per deal instead of one table scan per candidate.
class PartnerIndex {
public:
    PartnerIndex(const ContentTables& t, int count, int drawable)
    {
        // The sound of a word is that of its first entry, like SoundOfWord.
        QHash<QString, int32_t> soundOfWord;
        for (int e = 1; e <= count; ++e)
            soundOfWord.insert(wordOf(t, e), t.WordTable[static_cast<size_t>(e)].SoundId); // keeps the first
        sounds_.assign(static_cast<size_t>(drawable) + 1, 0);
        QHash<int32_t, QSet<QString>> spellings;
        for (int e = 1; e <= drawable; ++e) {
            sounds_[static_cast<size_t>(e)] = soundOfWord.value(wordOf(t, e));
            spellings[sounds_[static_cast<size_t>(e)]].insert(wordOf(t, e));
        }
        for (int e = 1; e <= drawable; ++e)
            if (spellings.value(sounds_[static_cast<size_t>(e)]).size() >= 2)
                pairable_.push_back(e);
    }

    int32_t sound(int entry) const { return sounds_[static_cast<size_t>(entry)]; }
    // Entries whose sound has another, differently spelled drawable word.
    const std::vector<int>& pairableEntries() const { return pairable_; }
    bool pairable(int entry) const { return std::binary_search(pairable_.begin(), pairable_.end(), entry); }

private:
    std::vector<int32_t> sounds_;
    std::vector<int> pairable_;
};

} // namespace

bool dealsSameWordPairs(int level) { return level == 0; }

bool playsBlind(int level) { return level != 0 && level != 1; }

QString pairsInstruction(int level)
{
    if (level == 0)
        return QStringLiteral("Találd meg a szópárokat!");
    if (level == 1)
        return QStringLiteral("Találd meg az azonos magánhangzót rejtő szópárokat!");
    return QStringLiteral("Találd meg vakon az azonos magánhangzót rejtő szópárokat!");
}

QString turnedButtonText(int level, const QString& word) { return playsBlind(level) ? QStringLiteral("?") : word; }

GameWordArray drawPairWords(const ContentTables& t, int level, RandomSource& rng, const PairDrawLimits& limits)
{
    const int count = t.lastEntry();
    if (count < 2)
        throw notEnoughWords();
    const int drawable = count - 1; // the last entry is never drawn
    auto drawEntry = [&] { return rng.next(drawable) + 1; };

    GameWordArray dealt;
    if (dealsSameWordPairs(level)) {
        for (int p = 0; p < kGamePairs; ++p) {
            const QString& w = wordOf(t, drawEntry());
            dealt[static_cast<size_t>(p)] = w;
            dealt[static_cast<size_t>(kGamePairs + p)] = w;
        }
        return dealt;
    }

    const PartnerIndex index(t, count, drawable);
    const std::vector<int>& pairable = index.pairableEntries();
    if (pairable.empty())
        throw notEnoughWords();
    auto isPartner = [&](int first, int candidate) {
        return index.sound(candidate) == index.sound(first) && wordOf(t, candidate) != wordOf(t, first);
    };

    for (int p = 0; p < kGamePairs; ++p) {
        // A first word whose sound has no other spelling could never be
        // paired: draw again, and after too many tries take a pairable one.
        int first = drawEntry();
        for (int tries = 1; !index.pairable(first); ++tries)
            first = tries < limits.firstWordDraws
                        ? drawEntry()
                        : pairable[static_cast<size_t>(rng.next(static_cast<int32_t>(pairable.size())))];

        int partner = 0;
        for (int n = 0; n < limits.candidateDraws && partner == 0; ++n) {
            const int candidate = drawEntry();
            if (isPartner(first, candidate))
                partner = candidate;
        }
        if (partner == 0) {
            std::vector<int> partners;
            for (int e : pairable)
                if (isPartner(first, e))
                    partners.push_back(e);
            partner = partners[static_cast<size_t>(rng.next(static_cast<int32_t>(partners.size())))];
        }
        dealt[static_cast<size_t>(p)] = wordOf(t, first);
        dealt[static_cast<size_t>(kGamePairs + p)] = wordOf(t, partner);
    }
    return dealt;
}

GamePositions shuffleGamePositions(RandomSource& rng)
{
    GamePositions positions;
    for (int j = 0; j < kGameButtons; ++j)
        positions[static_cast<size_t>(j)] = j;
    for (int j = 0; j < kGameButtons; ++j) {
        const int k = rng.next(kGameButtons - 1);
        std::swap(positions[static_cast<size_t>(j)], positions[static_cast<size_t>(k)]);
    }
    return positions;
}

GameWordArray arrangeGameWords(const GameWordArray& pairWords, const GamePositions& positions)
{
    GameWordArray words;
    for (size_t i = 0; i < words.size(); ++i)
        words[i] = pairWords[static_cast<size_t>(positions[i])];
    return words;
}

bool gameWordsMatch(const ContentTables& t, int level, const QString& a, const QString& b)
{
    if (dealsSameWordPairs(level))
        return a == b;
    return SoundOfWord(t, a) == SoundOfWord(t, b);
}

bool beginGamePress(PairsPressState& s, int i)
{
    s.PreviousPress = s.CurrentPress;
    s.CurrentPress = i;
    if (s.CurrentPress == s.PreviousPress)
        return false;
    ++s.PressCount;
    return true;
}

PressOutcome finishGamePress(PairsPressState& s, const ContentTables& t, int level, const GameWordArray& gameWords)
{
    if (s.PressCount != 2)
        return PressOutcome::Waiting;
    const QString& current = gameWords[static_cast<size_t>(s.CurrentPress)];
    const QString& previous = gameWords[static_cast<size_t>(s.PreviousPress)];
    ++s.StepCount;
    s.PressCount = 0;
    if (gameWordsMatch(t, level, current, previous)) {
        // Both buttons leave the board; CurrentPress and PreviousPress keep
        // naming them.
        ++s.PairCount;
        return s.PairCount == kGamePairs ? PressOutcome::Finished : PressOutcome::Matched;
    }
    s.CurrentPress = -1;
    s.PreviousPress = -1;
    return PressOutcome::Missed;
}

double dayCountOf(const QDateTime& localTime)
{
    static const QDate kDayZero(1899, 12, 30);
    return static_cast<double>(kDayZero.daysTo(localTime.date())) +
           static_cast<double>(localTime.time().msecsSinceStartOfDay()) / 86400000.0;
}

float gameSecondsBetween(double startDays, double endDays)
{
    return static_cast<float>((endDays - startDays) * 86400.0);
}

QString pairsResultText(float gameSeconds, int32_t stepCount)
{
    const auto wholeSeconds = static_cast<qint64>(gameSeconds); // truncates toward zero
    return QStringLiteral("Elelt idő: ") + QString::number(wholeSeconds) +
           QStringLiteral(" másodperc. Lépések száma: ") + QString::number(stepCount) + QStringLiteral(" darab.");
}

} // namespace ejteto
