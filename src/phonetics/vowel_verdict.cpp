#include "phonetics/vowel_verdict.h"

#include "content/vowel_symbols.h"
#include "phonetics/auditory_scale.h"
#include "phonetics/speaker_scale.h"

namespace ejteto::phonetics {

namespace {

// A difference smaller than this, in Bark, is not worth a word: about the
// spread of one speaker's repetitions of one vowel.
constexpr double kNoticeableBark = 0.5;

// How far the take lies from vowel `v` (already carried to the learner's
// voice): two monophthongs at their midpoints; where a diphthong is at
// stake, at both ends of the glide, so a glide's middle passing through a
// monophthong does not make it one.
double distance(const VowelMeasurement& take, const VowelMeasurement& v, bool glide)
{
    if (!glide)
        return barkDistance(take.mid, v.mid);
    return (barkDistance(take.onset, v.onset) + barkDistance(take.offset, v.offset)) / 2;
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
    double best = -1;
    for (size_t i = 0; i < candidates.size(); ++i) {
        const int c = candidates[i];
        if (!SoundId::isValid(c)) {
            v.distanceBark[i] = -1;
            continue;
        }
        v.distanceBark[i] = distance(take, scaled(course.of(c), scale), isDiphthong(c) || isDiphthong(target));
        if (best < 0 || v.distanceBark[i] < best) {
            best = v.distanceBark[i];
            v.nearest = c;
        }
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

QString verdictText(const VowelVerdict& v, const std::function<QString(int)>& symbolOf)
{
    QString text = v.right()
                       ? QStringLiteral("Ezt hallottam: %1. Ez a lecke hangja!").arg(symbolOf(v.target))
                       : QStringLiteral("Ezt hallottam: %1, nem %2.").arg(symbolOf(v.nearest), symbolOf(v.target));
    const QString lead = v.right() ? QStringLiteral(" Még pontosabban") : QStringLiteral(" Ejtsd");
    if (!v.mid.empty())
        text += lead + QStringLiteral(": ") + joined(v.mid) + QLatin1Char('.');
    if (!v.onset.empty())
        text += QStringLiteral(" A siklás eleje: ") + joined(v.onset) + QLatin1Char('.');
    if (!v.offset.empty())
        text += QStringLiteral(" A siklás vége: ") + joined(v.offset) + QLatin1Char('.');
    return text;
}

} // namespace ejteto::phonetics
