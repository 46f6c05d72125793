#include "course_build/speech_floor.h"

#include "app/random_source.h"
#include "content/line_reader.h"
#include "content/tables.h"
#include "contentkit/course_voices.h"
#include "contentkit/lecture_script.h"
#include "contentkit/lecture_video.h"
#include "support/figures.h"

#include <QFile>
#include <QSet>
#include <QThreadPool>
#include <atomic>

namespace ejteto::bench {

using namespace contentkit;

std::vector<SpeechRequest> courseSpeech(const QString& dataDir)
{
    std::vector<SpeechRequest> requests;
    QSet<QString> seen;
    const auto add = [&](const SpeechRequest& r) {
        if (!seen.contains(r.key())) {
            seen.insert(r.key());
            requests.push_back(r);
        }
    };

    ContentTables tables;
    loadWordTable(tables, readTableLines(dataDir + QStringLiteral("/words.csv")));
    for (int i = 1; i <= tables.WordCount; ++i)
        add(wordRequest(tables.WordTable[size_t(i)].Word));
    for (int n = 1; n <= 16; ++n)
        add(vowelRequest(n));
    for (const CourseVoice& v : courseVoices()) {
        for (int i = 1; i <= tables.WordCount; ++i)
            add(voiceWordRequest(v, tables.WordTable[size_t(i)].Word));
        for (int n = 1; n <= 16; ++n)
            add(voiceVowelRequest(v, n));
    }

    std::array<LectureScript, 17> scripts;
    std::vector<TableProblem> problems;
    for (int n = 1; n <= 16; ++n) {
        const QString rel = QStringLiteral("lectures/%1.txt").arg(n);
        QFile f(dataDir + QLatin1Char('/') + rel);
        if (!f.open(QIODevice::ReadOnly))
            fail(QStringLiteral("cannot read %1: %2").arg(f.fileName(), f.errorString()));
        scripts[size_t(n)] = parseLectureScript(QString::fromUtf8(f.readAll()), n, rel, problems);
    }
    if (!problems.empty())
        fail(QStringLiteral("the lecture scripts have mistakes: %1").arg(problems.front().toString()));
    for (int n = 1; n <= 16; ++n)
        for (const SpeechRequest& r : speechOf(planLecture(scripts[size_t(n)], scripts)))
            add(r);
    return requests;
}

void synthesizeAll(const std::vector<SpeechRequest>& requests, int threads)
{
    QThreadPool pool;
    pool.setMaxThreadCount(threads);
    std::atomic<int> failures{0};
    for (const SpeechRequest& r : requests)
        pool.start([&failures, r] {
            try {
                synthesize(r);
            } catch (...) {
                ++failures;
            }
        });
    pool.waitForDone();
    if (failures > 0)
        fail(QStringLiteral("espeak-ng failed %1 times").arg(failures.load()));
}

} // namespace ejteto::bench
