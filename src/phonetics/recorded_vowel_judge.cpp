#include "phonetics/recorded_vowel_judge.h"

#include "content/vowel_symbols.h"
#include "phonetics/take_judge.h"

#include <memory>

namespace ejteto::phonetics {

VowelJudge recordedVowelJudge(const ContentTables& tables, const std::optional<CourseVowels>& course)
{
    // The targets are taken now: the judge may outlive the tables it was made from.
    std::array<TakeTarget, kSoundCount + 1> targets{};
    for (int n = 1; n <= kSoundCount; ++n)
        targets[size_t(n)] = takeTargetOf(CourseRecording::ofVowel(n), tables);
    auto judge = std::make_shared<TakeJudge>(course);
    return [judge, targets](const VoiceTake& take, const RecordingItem& item) -> std::optional<QString> {
        if (!item.isVowel() || !SoundId::isValid(item.soundId))
            return std::nullopt;
        const TakeTarget& target = targets[size_t(item.soundId)];
        const JudgedTake judged = judge->judge(take, target);
        if (!judged.judged() || !judged.verdict || judged.verdict->uncertain() ||
            judged.verdict->nearest == target.sound || judged.verdict->nearest == 0)
            return std::nullopt;
        return QStringLiteral("Ez inkább /%1/-nek hangzik, mint /%2/-nek. Felveszed újra?")
            .arg(bareSymbolText(judged.verdict->nearest), bareSymbolText(target.sound));
    };
}

} // namespace ejteto::phonetics
