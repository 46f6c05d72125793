#include "contentkit/course_builder.h"

#include "app/app_error.h"
#include "app/paths.h"
#include "app/random_source.h"
#include "app/voice_paths.h"
#include "audio/pcm_shaping.h"
#include "content/line_reader.h"
#include "content/tables.h"
#include "contentkit/avi_writer.h"
#include "contentkit/build_manifest.h"
#include "contentkit/course_voices.h"
#include "contentkit/file_output.h"
#include "contentkit/jpeg_encoder.h"
#include "contentkit/lecture_video.h"
#include "contentkit/pictures.h"
#include "contentkit/speech.h"
#include "contentkit/vowel_check.h"
#include "contentkit/vowels.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QThreadPool>
#include <atomic>
#include <exception>

namespace ejteto::contentkit {

namespace {
// Raise a revision when the way a kind of file is made changes, so the next
// build makes those files again.
const QString kRecordingRevision = QStringLiteral("recording-2");
const QString kPictureRevision = QStringLiteral("picture-3");
const QString kLectureRevision = QStringLiteral("lecture-4");
const QString kPlaceholderRevision = QStringLiteral("placeholder-2");
const QString kVoiceRevision = QStringLiteral("voice-1");
const QString kMedia = QStringLiteral("media");

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw fileOpenError(path, f.errorString());
    return f.readAll();
}

// The trimmed, levelled sound of every request, made on a thread pool.
class SpeechCache {
public:
    void add(const SpeechRequest& r)
    {
        if (!wanted_.contains(r.key())) {
            wanted_.insert(r.key(), int(requests_.size()));
            requests_.push_back(r);
        }
    }

    void synthesizeAll(int threads, const std::function<void(const QString&)>& progress)
    {
        results_.assign(requests_.size(), PcmAudio{});
        QThreadPool pool;
        pool.setMaxThreadCount(std::max(1, threads));
        std::atomic<int> done{0};
        QMutex failureLock;
        std::exception_ptr failure;
        for (size_t i = 0; i < requests_.size(); ++i) {
            pool.start([this, i, &done, &failureLock, &failure] {
                try {
                    results_[i] = shapeRecording(synthesize(requests_[i]));
                } catch (...) {
                    QMutexLocker lock(&failureLock);
                    if (!failure)
                        failure = std::current_exception();
                }
                ++done;
            });
        }
        const int total = int(requests_.size());
        int shown = -1;
        while (!pool.waitForDone(250)) {
            if (progress && done != shown) {
                shown = done;
                progress(QStringLiteral("beszéd: %1/%2").arg(shown).arg(total));
            }
        }
        if (progress && total > 0)
            progress(QStringLiteral("beszéd: %1/%1").arg(total));
        if (failure)
            std::rethrow_exception(failure);
    }

    const PcmAudio& get(const SpeechRequest& r) const { return results_.at(size_t(wanted_.value(r.key()))); }
    int size() const { return int(requests_.size()); }

private:
    QHash<QString, int> wanted_;
    std::vector<SpeechRequest> requests_;
    std::vector<PcmAudio> results_;
};

struct Content {
    ContentTables tables;
    std::array<LectureScript, 17> scripts;
    std::array<QString, 17> scriptTexts;
    QStringList soundLines;
};

std::vector<TableProblem> loadContent(const QString& dataDir, Content& c)
{
    std::vector<TableProblem> problems = checkContentFolder(dataDir);
    if (!problems.empty())
        return problems;
    const QDir dir(dataDir);
    // Read through the program's own loader, exactly as it will read them.
    RandomSource rng;
    c.soundLines = readTableLines(dir.filePath(QStringLiteral("sounds.csv")));
    loadSoundTable(c.tables, c.soundLines, rng);
    loadWordTable(c.tables, readTableLines(dir.filePath(QStringLiteral("words.csv"))));
    for (const SoundId sound : allSounds()) {
        const int n = sound.value();
        const QString rel = QStringLiteral("lectures/%1.txt").arg(n);
        QFile f(dir.filePath(rel));
        if (!f.open(QIODevice::ReadOnly)) {
            problems.push_back({rel, 0, QStringLiteral("nem nyitható meg: %1").arg(f.errorString())});
            continue;
        }
        c.scriptTexts[size_t(n)] = QString::fromUtf8(f.readAll());
        c.scripts[size_t(n)] = parseLectureScript(c.scriptTexts[size_t(n)], n, rel, problems);
        const SoundRecord& s = c.tables.SoundTable[size_t(n)];
        checkContrasts(c.scripts[size_t(n)], s.Confusable1, s.Confusable2, problems);
    }
    return problems;
}

void report(const CourseBuildOptions& o, const QString& line)
{
    if (o.progress)
        o.progress(line);
}
} // namespace

CourseBuildResult buildCourse(const CourseBuildOptions& o)
{
    CourseBuildResult result;
    Content c;
    result.problems = loadContent(o.dataDir, c);
    if (!result.problems.empty())
        return result;

    const QDir out(o.outDir);
    out.mkpath(QStringLiteral("."));
    const QString manifestPath =
        o.manifestPath.isEmpty() ? out.filePath(QStringLiteral(".course-manifest")) : o.manifestPath;
    BuildManifest manifest = BuildManifest::load(manifestPath);
    const QString synth = synthesizerVersion();

    // Decide what is out of date.
    struct Pending {
        QString rel;
        QByteArray key;
        std::function<QByteArray()> make;
    };
    std::vector<Pending> pending;
    SpeechCache speech;
    const auto want = [&](const QString& rel, const QByteArray& key, std::function<QByteArray()> make,
                          const std::vector<SpeechRequest>& needs) {
        if (manifest.isCurrent(o.outDir, rel, key)) {
            ++result.unchanged;
            return;
        }
        for (const SpeechRequest& r : needs)
            speech.add(r);
        pending.push_back({rel, key, std::move(make)});
    };

    QSet<QString> wordFiles;
    for (int i = 1; i <= c.tables.WordCount; ++i) {
        const QString word = c.tables.WordTable[size_t(i)].Word;
        // The checks above refuse such a word; it never becomes a path here.
        if (!isPlainFileName(word))
            continue;
        const SpeechRequest r = wordRequest(word);
        const QString rel = QStringLiteral("media/words/%1.wav").arg(word);
        wordFiles.insert(word + QStringLiteral(".wav"));
        want(rel, BuildManifest::keyOf({kRecordingRevision, synth, r.key()}),
             [&speech, r] { return wavBytes(speech.get(r)); }, {r});
    }
    for (const SoundId sound : allSounds()) {
        const int n = sound.value();
        const SpeechRequest r = vowelRequest(n);
        want(QStringLiteral("media/phones/%1.wav").arg(n), BuildManifest::keyOf({kRecordingRevision, synth, r.key()}),
             [&speech, r] { return wavBytes(speech.get(r)); }, {r});
    }
    // The drill's other voices: every word and every vowel again in each,
    // shaped and levelled exactly like the model recordings.
    for (const CourseVoice& v : courseVoices()) {
        for (int i = 1; i <= c.tables.WordCount; ++i) {
            const SpeechRequest r = voiceWordRequest(v, c.tables.WordTable[size_t(i)].Word);
            const std::optional<QString> rel = voiceWordRecordingPath(kMedia, v.folder, r.text);
            if (!rel)
                continue; // refused by the checks above, as for the model voice
            want(*rel, BuildManifest::keyOf({kVoiceRevision, synth, r.key()}),
                 [&speech, r] { return wavBytes(speech.get(r)); }, {r});
        }
        for (const SoundId sound : allSounds()) {
            const int n = sound.value();
            const SpeechRequest r = voiceVowelRequest(v, n);
            want(voiceVowelRecordingPath(kMedia, v.folder, n), BuildManifest::keyOf({kVoiceRevision, synth, r.key()}),
                 [&speech, r] { return wavBytes(speech.get(r)); }, {r});
        }
    }
    want(QStringLiteral("media/null.wav"), BuildManifest::keyOf({kPlaceholderRevision}),
         [] { return wavBytes(silence(100)); }, {});
    want(QStringLiteral("media/null.avi"), BuildManifest::keyOf({kPlaceholderRevision}),
         [] {
             AviMovie m;
             m.width = kVideoWidth;
             m.height = kVideoHeight;
             m.framesPerSecond = kVideoFps;
             m.hasSound = false;
             QImage black(kVideoWidth, kVideoHeight, QImage::Format_RGB32);
             black.fill(Qt::black);
             m.frames.push_back(black);
             return aviBytes(m);
         },
         {});

    for (const SoundId sound : allSounds()) {
        const int n = sound.value();
        const QString keyWord = c.scripts[size_t(n)].keyWord;
        for (const bool selected : {false, true})
            want(QStringLiteral("images/lecke_%1_%2.jpg").arg(selected ? QLatin1Char('a') : QLatin1Char('i')).arg(n),
                 BuildManifest::keyOf({kPictureRevision, QString::number(n), keyWord, QString::number(selected)}),
                 [n, keyWord, selected] {
                     // The word the tile prints, for the names screen readers give it.
                     return encodeJpeg(paintTile(n, keyWord, selected), 95, "Word: " + keyWord.toUtf8());
                 },
                 {});
    }
    want(QStringLiteral("images/speaker_blue.jpg"), BuildManifest::keyOf({kPictureRevision, QStringLiteral("blue")}),
         [] { return encodeJpeg(paintSpeaker(SpeakerStyle::PracticeBlue), 95); }, {});
    want(QStringLiteral("images/speaker_brown.jpg"), BuildManifest::keyOf({kPictureRevision, QStringLiteral("brown")}),
         [] { return encodeJpeg(paintSpeaker(SpeakerStyle::WordIndexBrown), 95); }, {});

    std::vector<std::unique_ptr<LecturePlan>> plans;
    for (const SoundId sound : allSounds()) {
        const int n = sound.value();
        const LectureScript& s = c.scripts[size_t(n)];
        QStringList inputs = {kLectureRevision, synth, c.scriptTexts[size_t(n)]};
        for (const Contrast& con : s.contrasts)
            inputs << c.scripts[size_t(con.sound)].soundName;
        const QString rel = QStringLiteral("media/videos/%1.avi").arg(n);
        const QByteArray key = BuildManifest::keyOf(inputs);
        if (manifest.isCurrent(o.outDir, rel, key)) {
            ++result.unchanged;
            continue;
        }
        plans.push_back(std::make_unique<LecturePlan>(planLecture(s, c.scripts)));
        LecturePlan* plan = plans.back().get();
        want(
            rel, key,
            [&speech, &result, plan] {
                double seconds = 0;
                const AviMovie m = assembleLecture(
                    *plan, [&speech](const SpeechRequest& r) { return speech.get(r); }, &seconds);
                if (seconds > kMaxLectureSeconds)
                    throw AppError(QStringLiteral("ELecture"),
                                   QStringLiteral("lectures/%1.txt: az előadás %2 mp hosszú, legfeljebb %3 lehet")
                                       .arg(plan->lesson)
                                       .arg(seconds, 0, 'f', 1)
                                       .arg(kMaxLectureSeconds));
                result.lectureSeconds.emplace_back(plan->lesson, seconds);
                return aviBytes(m);
            },
            speechOf(*plan));
    }

    report(o, QStringLiteral("%1 fájl naprakész, %2 készül, %3 beszédrészlet")
                  .arg(result.unchanged)
                  .arg(pending.size())
                  .arg(speech.size()));
    speech.synthesizeAll(o.threads, o.progress);

    // Write the pending files, the cheap ones in order, on this thread:
    // painting text is only safe here.
    int done = 0;
    for (const Pending& p : pending) {
        writeFileAtomically(out.filePath(p.rel), p.make());
        manifest.record(p.rel, p.key);
        ++result.written;
        if (++done % 50 == 0 || done == int(pending.size()))
            report(o, QStringLiteral("fájlok: %1/%2").arg(done).arg(pending.size()));
    }

    // The tables themselves, byte for byte.
    for (const QString& name : {QStringLiteral("sounds.csv"), QStringLiteral("words.csv")}) {
        const QByteArray bytes = readFile(QDir(o.dataDir).filePath(name));
        QFile existing(out.filePath(name));
        if (!existing.open(QIODevice::ReadOnly) || existing.readAll() != bytes)
            writeFileAtomically(out.filePath(name), bytes);
    }

    // The course's own vowels, measured for the program's vowel chart and
    // held to their RP places: a recording that says another vowel fails
    // the build, as a broken table does.
    report(o, QStringLiteral("magánhangzók mérése"));
    const VowelCheck vowels = checkCourseVowels(o.outDir);
    if (vowels.vowels) {
        const QString rel = courseVowelsFile();
        const QByteArray bytes = phonetics::formatCourseVowels(*vowels.vowels);
        QFile existing(out.filePath(rel));
        if (!existing.open(QIODevice::ReadOnly) || existing.readAll() != bytes) {
            writeFileAtomically(out.filePath(rel), bytes);
            ++result.written;
        }
    }
    result.problems.insert(result.problems.end(), vowels.problems.begin(), vowels.problems.end());

    // Recordings of words no longer in the table would only mislead: in the
    // model voice and in the builder's own voices. A teacher's voice folder
    // is the teacher's, and never touched.
    QStringList ownWordFolders = {QStringLiteral("media/words")};
    for (const CourseVoice& v : courseVoices())
        ownWordFolders << QStringLiteral("media/voices/%1/words").arg(v.folder);
    for (const QString& folder : ownWordFolders) {
        const QDir words(out.filePath(folder));
        for (const QString& f : words.entryList({QStringLiteral("*.wav")}, QDir::Files))
            if (!wordFiles.contains(f))
                QFile::remove(words.filePath(f));
    }

    manifest.save(manifestPath);
    return result;
}

} // namespace ejteto::contentkit
