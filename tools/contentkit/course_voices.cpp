#include "contentkit/course_voices.h"

#include "contentkit/vowels.h"

namespace ejteto::contentkit {

namespace {
// Two speeds around the model voice's 135 words a minute.
constexpr int kSlow = 115;
constexpr int kBrisk = 160;
} // namespace

const std::vector<CourseVoice>& courseVoices()
{
    static const std::vector<CourseVoice> voices = {
        {QStringLiteral("en-gb-x-rp-f2"), QStringLiteral("en-gb-x-rp+f2"), kBrisk},
        {QStringLiteral("en-gb-x-rp-m3"), QStringLiteral("en-gb-x-rp+m3"), kSlow},
        {QStringLiteral("en-gb-f4"), QStringLiteral("en-gb+f4"), kSlow},
        {QStringLiteral("en-gb-m7"), QStringLiteral("en-gb+m7"), kBrisk},
        {QStringLiteral("en-029-f1"), QStringLiteral("en-029+f1"), kBrisk},
        {QStringLiteral("en-029-m2"), QStringLiteral("en-029+m2"), kSlow},
        {QStringLiteral("en-gb-x-rp-klatt3"), QStringLiteral("en-gb-x-rp+klatt3"), kBrisk},
    };
    return voices;
}

SpeechRequest voiceWordRequest(const CourseVoice& v, const QString& word)
{
    return {Voice::BritishEnglish, word, false, v.wordsPerMinute, v.espeakVoice};
}

SpeechRequest voiceVowelRequest(const CourseVoice& v, int n)
{
    return {Voice::BritishEnglish, vowelPhoneme(n), true, v.wordsPerMinute, v.espeakVoice};
}

} // namespace ejteto::contentkit
