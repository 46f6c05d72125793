#include "phonetics/vowel_verdict.h"

#include "content/vowel_symbols.h"
#include "phonetics/auditory_scale.h"
#include "phonetics/speaker_scale.h"

namespace ejteto::phonetics {

namespace {

// A difference smaller than this, in Bark, is not worth a word: about the
// spread of one speaker's repetitions of one vowel.
constexpr double kNoticeableBark = 0.5;

// How much each formant's difference (in Bark) counts. F1 half: the same
// vowel's F1 varies most between speakers, and a high voice's harmonics
// pull it up (a girl's /iː/ and /ɪ/ may share one F1). F3 counts in full:
// with F2 it tells /iː/ from /ɪ/, and it follows the tract's length, which
// the speaker's scale has already taken out.
constexpr double kF1Weight = 0.5;
constexpr double kF3Weight = 1.0;
// A take is "between" two vowels when it lies nearer neither by more than
// this share of their own distance: about the middle twentieth of the way,
// where one speaker's repetitions of one vowel already fall either side.
constexpr double kUncertainShare = 0.05;

double pointDistance(const FormantPoint& a, const FormantPoint& b)
{
    const double d1 = hzToBark(a.f1) - hzToBark(b.f1);
    const double d2 = hzToBark(a.f2) - hzToBark(b.f2);
    const double d3 = a.f3 > 0 && b.f3 > 0 ? hzToBark(a.f3) - hzToBark(b.f3) : 0;
    return std::sqrt(kF1Weight * d1 * d1 + d2 * d2 + kF3Weight * d3 * d3);
}

// How far the take lies from vowel `v` (already carried to the learner's
// voice): two monophthongs at their midpoints; where a diphthong is at
// stake, at both ends of the glide, so a glide's middle passing through a
// monophthong does not make it one.
double distance(const VowelMeasurement& take, const VowelMeasurement& v, bool glide)
{
    if (!glide)
        return pointDistance(take.mid, v.mid);
    return (pointDistance(take.onset, v.onset) + pointDistance(take.offset, v.offset)) / 2;
}

std::vector<Move> movesToward(const FormantPoint& said, const FormantPoint& wanted)
{
    std::vector<Move> moves;
    const double f1 = hzToBark(said.f1) - hzToBark(wanted.f1);
    const double f2 = hzToBark(said.f2) - hzToBark(wanted.f2);
    if (f1 < -kNoticeableBark)
        moves.push_back(Move::Open);
    else if (f1 > kNoticeableBark)
        moves.push_back(Move::Close);
    if (f2 > kNoticeableBark)
        moves.push_back(Move::Back);
    else if (f2 < -kNoticeableBark)
        moves.push_back(Move::Front);
    return moves;
}

QString joined(const std::vector<Move>& moves)
{
    QStringList words;
    for (Move m : moves)
        words << moveText(m);
    return words.join(QStringLiteral(", "));
}

} // namespace

QString moveText(Move move)
{
    switch (move) {
    case Move::Open:
        return QStringLiteral("nyíltabban");
    case Move::Close:
        return QStringLiteral("zártabban");
    case Move::Back:
        return QStringLiteral("hátrébb");
    case Move::Front:
        return QStringLiteral("előrébb");
    }
    return {};
}

VowelVerdict judgeVowel(const VowelMeasurement& take, int target, std::array<int, 2> confusables,
                        const CourseVowels& course, double scale)
{
    VowelVerdict v;
    v.target = target;
    const std::array<int, 3> candidates = {target, confusables[0], confusables[1]};
    double best = -1, second = -1;
    int runnerUp = 0;
    for (size_t i = 0; i < candidates.size(); ++i) {
        const int c = candidates[i];
        if (!SoundId::isValid(c) || (i > 0 && c == target)) {
            v.distanceBark[i] = -1;
            continue;
        }
        const double d = distance(take, scaled(course.of(c), scale), isDiphthong(c) || isDiphthong(target));
        v.distanceBark[i] = d;
        if (best < 0 || d < best) {
            second = best;
            runnerUp = v.nearest;
            best = d;
            v.nearest = c;
        } else if (second < 0 || d < second) {
            second = d;
            runnerUp = c;
        }
    }
    if (runnerUp != 0) {
        const double apart = distance(scaled(course.of(v.nearest), scale), scaled(course.of(runnerUp), scale),
                                      isDiphthong(v.nearest) || isDiphthong(runnerUp) || isDiphthong(target));
        if (second - best < kUncertainShare * apart)
            v.between = runnerUp;
    }
    const VowelMeasurement wanted = scaled(course.of(target), scale);
    if (isDiphthong(target)) {
        v.onset = movesToward(take.onset, wanted.onset);
        v.offset = movesToward(take.offset, wanted.offset);
    } else {
        v.mid = movesToward(take.mid, wanted.mid);
    }
    return v;
}

QString verdictText(const VowelVerdict& v, const std::function<QString(int)>& symbolOf, const QString& word)
{
    QString text;
    if (v.uncertain())
        text = QStringLiteral("%1: %2 és %3 között.")
                   .arg(word.isEmpty() ? QStringLiteral("Bizonytalan") : QStringLiteral("bizonytalan"),
                        symbolOf(v.nearest), symbolOf(v.between));
    else if (word.isEmpty() && v.right())
        text = QStringLiteral("Ezt hallottam: %1. Ez a lecke hangja!").arg(symbolOf(v.target));
    else if (word.isEmpty())
        text = QStringLiteral("Ezt hallottam: %1, nem %2.").arg(symbolOf(v.nearest), symbolOf(v.target));
    else if (v.right())
        text = QStringLiteral("%1-t hallottam, ez a lecke hangja!").arg(symbolOf(v.target));
    else
        text = QStringLiteral("%1-t hallottam %2 helyett.").arg(symbolOf(v.nearest), symbolOf(v.target));
    if (!word.isEmpty())
        text = word + QStringLiteral(": ") + text;
    const QString lead = v.right() ? QStringLiteral(" Még pontosabban") : QStringLiteral(" Ejtsd");
    if (!v.mid.empty())
        text += lead + (word.isEmpty() ? QStringLiteral(": ") : QStringLiteral(" ")) + joined(v.mid) + QLatin1Char('.');
    if (!v.onset.empty())
        text += QStringLiteral(" A siklás eleje: ") + joined(v.onset) + QLatin1Char('.');
    if (!v.offset.empty())
        text += QStringLiteral(" A siklás vége: ") + joined(v.offset) + QLatin1Char('.');
    return text;
}

} // namespace ejteto::phonetics
