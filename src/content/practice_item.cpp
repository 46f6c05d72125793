#include "content/practice_item.h"

#include <QStringList>
#include <algorithm>

namespace ejteto {

QString skillName(Skill skill)
{
    switch (skill) {
    case Skill::Hearing:
        return QStringLiteral("hear");
    case Skill::Saying:
        return QStringLiteral("say");
    case Skill::Choosing:
        break;
    }
    return QStringLiteral("choose");
}

QString PracticeItem::key() const
{
    if (skill == Skill::Saying)
        return QStringLiteral("say/%1/").arg(lesson) + word;
    return QStringLiteral("%1/%2/%3").arg(skillName(skill)).arg(lesson).arg(other);
}

std::optional<PracticeItem> PracticeItem::fromKey(const QString& key)
{
    const QStringList parts = key.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return std::nullopt;
    PracticeItem item;
    bool ok = false;
    item.lesson = parts[1].toInt(&ok);
    if (!ok || item.lesson < 1 || item.lesson > kSoundCount)
        return std::nullopt;
    if (parts[0] == QLatin1String("say")) {
        item.skill = Skill::Saying;
        item.word = parts[2];
        return item;
    }
    if (parts[0] == QLatin1String("hear"))
        item.skill = Skill::Hearing;
    else if (parts[0] == QLatin1String("choose"))
        item.skill = Skill::Choosing;
    else
        return std::nullopt;
    item.other = parts[2].toInt(&ok);
    if (!ok || item.other < 1 || item.other > kSoundCount || item.other == item.lesson)
        return std::nullopt;
    return item;
}

CourseContrasts CourseContrasts::from(const ContentTables& tables)
{
    std::array<std::array<int, 2>, kSoundCount + 1> pairs{};
    for (int s = 1; s <= kSoundCount; ++s) {
        const SoundRecord& r = tables.SoundTable[static_cast<size_t>(s)];
        pairs[static_cast<size_t>(s)] = {r.Confusable2, r.Confusable1};
    }
    return fromPairs(pairs);
}

CourseContrasts CourseContrasts::fromPairs(const std::array<std::array<int, 2>, kSoundCount + 1>& pairs)
{
    CourseContrasts c;
    QStringList parts;
    for (int s = 1; s <= kSoundCount; ++s) {
        std::array<int, 2> p = pairs[static_cast<size_t>(s)];
        // A confusable outside the course or the vowel itself names nothing.
        for (int& o : p) {
            if (o < 1 || o > kSoundCount || o == s)
                o = 0;
        }
        if (p[1] == p[0])
            p[1] = 0;
        c.pairs_[static_cast<size_t>(s)] = p;
        parts << QStringLiteral("%1,%2").arg(p[0]).arg(p[1]);
    }
    c.signature_ = parts.join(QLatin1Char(';'));
    return c;
}

const std::array<int, 2>& CourseContrasts::of(int sound) const
{
    static const std::array<int, 2> none{};
    return sound >= 1 && sound <= kSoundCount ? pairs_[static_cast<size_t>(sound)] : none;
}

bool CourseContrasts::confusable(int lesson, int other) const
{
    const auto& p = of(lesson);
    return other > 0 && (p[0] == other || p[1] == other);
}

PracticeItem CourseContrasts::contrast(Skill skill, int expected, int other) const
{
    // One item per pair of vowels, however it is asked: kept under the
    // lesson that names the other vowel, the one that names it as the vowel
    // most mixed up with it when both do, else the lower number.
    const auto rank = [this](int lesson, int o) {
        const auto& p = of(lesson);
        return o > 0 && p[0] == o ? 0 : o > 0 && p[1] == o ? 1 : 2;
    };
    const int mine = rank(expected, other);
    const int theirs = rank(other, expected);
    const bool swap = theirs < mine || (theirs == mine && mine < 2 && other < expected);
    return swap ? PracticeItem{skill, other, expected, {}} : PracticeItem{skill, expected, other, {}};
}

std::vector<ItemReview> answerReviews(const CourseContrasts& contrasts, Skill skill, int expected, int chosen,
                                      std::span<const int> offered, Rating rightRating)
{
    std::vector<ItemReview> out;
    const auto valid = [](int s) { return s >= 1 && s <= kSoundCount; };
    if (!valid(expected))
        return out;
    if (chosen != expected) {
        if (valid(chosen))
            out.push_back({contrasts.contrast(skill, expected, chosen), Rating::Again});
        return out;
    }
    std::vector<int> others;
    for (const int s : offered) {
        if (valid(s) && s != expected && std::find(others.begin(), others.end(), s) == others.end())
            others.push_back(s);
    }
    if (others.empty()) {
        for (const int s : contrasts.of(expected)) {
            if (s > 0)
                others.push_back(s);
        }
    }
    for (const int o : others) {
        const PracticeItem item = contrasts.contrast(skill, expected, o);
        // A right answer beside a vowel nobody mixes up with it says little.
        if (contrasts.confusable(item.lesson, item.other))
            mergeReviews(out, {{item, rightRating}});
    }
    return out;
}

void mergeReviews(std::vector<ItemReview>& into, const std::vector<ItemReview>& more)
{
    for (const ItemReview& r : more) {
        const auto same = std::find_if(into.begin(), into.end(), [&](const ItemReview& x) { return x.item == r.item; });
        if (same == into.end())
            into.push_back(r);
        else
            same->rating = std::min(same->rating, r.rating);
    }
}

Rating ratingOfRightAnswer(qint64 responseMs)
{
    // Slower than this, the learner had to think it over.
    constexpr qint64 kSlowMs = 4000;
    return responseMs > kSlowMs ? Rating::Hard : Rating::Good;
}

bool verdictFoundTarget(const QString& verdict) { return verdict.contains(QLatin1String("Ez a lecke hangja")); }

std::vector<PracticeItem> introductionOrder(const CourseContrasts& contrasts)
{
    std::vector<PracticeItem> order;
    for (const size_t rank : {size_t{0}, size_t{1}}) {
        for (int lesson = 1; lesson <= kSoundCount; ++lesson) {
            const int other = contrasts.of(lesson)[rank];
            if (other == 0)
                continue;
            const PracticeItem hearing = contrasts.contrast(Skill::Hearing, lesson, other);
            if (std::find(order.begin(), order.end(), hearing) != order.end())
                continue; // the pair came in from its other side
            order.push_back(hearing);
            order.push_back(contrasts.contrast(Skill::Choosing, lesson, other));
        }
    }
    return order;
}

} // namespace ejteto
