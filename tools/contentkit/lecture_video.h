#pragma once
// A lecture video as a narrated slide show: each step is one still picture
// shown for as long as its narration lasts. Steps are cut to whole frames so
// picture and sound never drift apart.
#include "contentkit/avi_writer.h"
#include "contentkit/lecture_script.h"
#include "contentkit/speech.h"

#include <QImage>
#include <array>
#include <functional>
#include <vector>

namespace ejteto::contentkit {

constexpr int kVideoWidth = 400;
constexpr int kVideoHeight = 300;
constexpr int kVideoFps = 2;
constexpr int kMinLectureSeconds = 30;
constexpr int kMaxLectureSeconds = 90;

struct NarrationPart {
    enum Kind { Hungarian, English, Vowel, Pause };
    Kind kind = Pause;
    QString text; // the sentence or word; unused for Vowel and Pause
    int ms = 0;   // the pause length
};

struct LectureStep {
    QImage picture;
    std::vector<NarrationPart> narration;
};

struct LecturePlan {
    int lesson = 0;
    std::vector<LectureStep> steps;
};

// The speech each kind of narration is made from, shared with the word and
// vowel recordings so a lecture's vowel sounds exactly like the recording.
SpeechRequest narrationRequest(const NarrationPart& part, int lesson);
SpeechRequest wordRequest(const QString& word);
SpeechRequest vowelRequest(int n);

// Plans lecture `script.lesson`; `scripts` (indexed 1..16) name the sounds it
// is contrasted with. Painting needs a QGuiApplication.
LecturePlan planLecture(const LectureScript& script, const std::array<LectureScript, 17>& scripts);

// Every request the plan needs, in order, repeats included.
std::vector<SpeechRequest> speechOf(const LecturePlan& plan);

// Joins the narration (from `speech`, trimmed and levelled) and the pictures
// into a movie of 400 x 300 at 2 frames a second. A lecture shorter than the
// minimum gets a longer last picture; `seconds` receives the length.
AviMovie assembleLecture(const LecturePlan& plan, const std::function<PcmAudio(const SpeechRequest&)>& speech,
                         double* seconds = nullptr);

// Hungarian article for a noun phrase: "az" before a vowel, else "a".
QString withArticle(const QString& phrase);

} // namespace ejteto::contentkit
