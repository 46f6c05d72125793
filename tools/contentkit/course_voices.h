#pragma once
// The synthetic voices the builder adds beside the model voice, for the
// listening drill: the same words and vowels in other speakers, pitches and
// speeds. Only accents that keep every contrast the course teaches are used:
// espeak-ng's Scottish voice merges the vowels of "pull" and "pool", its
// Lancaster and West Midlands voices those of "put" and "cut", its American
// voice says "hot" with the vowel of "father"; a learner would be marked wrong
// for hearing what was said.
#include "contentkit/speech.h"

#include <QString>
#include <vector>

namespace ejteto::contentkit {

struct CourseVoice {
    QString folder;      // the folder under media/voices
    QString espeakVoice; // voice and variant, e.g. "en-gb-x-rp+f2"
    int wordsPerMinute = 135;
};

const std::vector<CourseVoice>& courseVoices();

SpeechRequest voiceWordRequest(const CourseVoice& voice, const QString& word);
SpeechRequest voiceVowelRequest(const CourseVoice& voice, int n);

} // namespace ejteto::contentkit
