#include "ui/error_box.h"
#include "ui/kiejtes.h"
#include "ui/kiejtes_window.h"
#include "ui/tool_host.h"

#include "phonetics/course_vowels.h"

#include <QPointer>
#include <QStringList>

namespace ejteto {

namespace {

QString movesText(const std::vector<phonetics::Move>& moves)
{
    QStringList words;
    for (const phonetics::Move m : moves) {
        switch (m) {
        case phonetics::Move::Open:
            words << QStringLiteral("open");
            break;
        case phonetics::Move::Close:
            words << QStringLiteral("close");
            break;
        case phonetics::Move::Back:
            words << QStringLiteral("back");
            break;
        case phonetics::Move::Front:
            words << QStringLiteral("front");
            break;
        }
    }
    return words.join(QLatin1Char(' '));
}

QString outcomeText(const phonetics::JudgedTake& take)
{
    using phonetics::AnalysisFault;
    using phonetics::TakeFault;
    switch (take.fault) {
    case TakeFault::None:
        if (take.verdict->uncertain())
            return QStringLiteral("uncertain");
        return take.verdict->right() ? QStringLiteral("right") : QStringLiteral("wrong");
    case TakeFault::NoCourse:
        return QStringLiteral("no_course");
    case TakeFault::UnknownTarget:
        return QStringLiteral("unknown_target");
    case TakeFault::NoVowel:
        break;
    }
    switch (take.analysis.fault) {
    case AnalysisFault::TooShort:
        return QStringLiteral("too_short");
    case AnalysisFault::Clipped:
        return QStringLiteral("clipped");
    case AnalysisFault::RateTooLow:
        return QStringLiteral("rate_too_low");
    case AnalysisFault::NoFormants:
        return QStringLiteral("no_formants");
    case AnalysisFault::TwoWords:
        return QStringLiteral("two_words");
    case AnalysisFault::None:
    case AnalysisFault::NoVoice:
        break;
    }
    return QStringLiteral("no_voice");
}

TakeFormants formants(const phonetics::FormantPoint& p) { return {p.f1, p.f2, p.f3}; }

} // namespace

TakeReport takeReport(const phonetics::JudgedTake& take, const QDateTime& at)
{
    TakeReport r;
    r.takenAt = at;
    r.targetSound = take.target.sound;
    r.word = take.target.word;
    r.verdict = outcomeText(take);
    r.confusables = take.target.confusables;
    r.speakerScale = take.scale;
    if (take.measured()) {
        r.onset = formants(take.analysis.vowel.onset);
        r.mid = formants(take.analysis.vowel.mid);
        r.offset = formants(take.analysis.vowel.offset);
    }
    if (take.verdict) {
        r.nearestSound = take.verdict->nearest;
        r.distanceBark = take.verdict->distanceBark;
        r.movesOnset = movesText(take.verdict->onset);
        r.movesMid = movesText(take.verdict->mid);
        r.movesOffset = movesText(take.verdict->offset);
    }
    return r;
}

std::unique_ptr<ToolWindow> installKiejtes(ToolHost& host, JudgedTakeSink judged, SpeakerKeeping speaker)
{
    auto window = std::make_unique<KiejtesWindow>(phonetics::readCourseVowels(host.mediaFolder()));
    KiejtesWindow* w = window.get();
    w->restoreScale(speaker.kept);
    w->setNewSpeakerStarted(std::move(speaker.newSpeaker));
    // The window may go before the main window: a lesson chosen then shows nowhere.
    const auto showLesson = [window = QPointer<KiejtesWindow>(w), &host](int lesson) {
        if (window)
            window->showLessonWords(lesson, host.contentTables().wordsOfSound(lesson));
    };
    showLesson(host.currentLesson());
    host.addLessonObserver(showLesson);
    w->setWordActions({[&host](const QString& word) {
                           // The model would cut into a take being recorded.
                           if (!host.compare().recording())
                               host.recordings().playWord(word);
                       },
                       [&host](const QString& word) { host.compare().press(CourseRecording::ofWord(word)); }});
    host.addTool({QStringLiteral("Kiejtés"), QKeySequence(Qt::CTRL | Qt::Key_K),
                  [w, &host] { w->showOver(&host.mainWindow()); }, w});
    host.addTakeObserver([w, &host, judged = std::move(judged)](const CourseRecording& model, const VoiceTake& take) {
        // A fault of the chart is shown and the comparison goes on.
        runGuarded([&] {
            const phonetics::JudgedTake& heard =
                w->hearTake(take, phonetics::takeTargetOf(model, host.contentTables()));
            // Only takes of a known vowel are kept.
            if (judged && heard.target.known())
                judged(heard);
            const bool wasVisible = w->isVisible();
            w->showOver(&host.mainWindow());
            if (!wasVisible) // the learner's keys stay where they were
                host.mainWindow().activateWindow();
            // The model plays next and blocks the window: paint the verdict now.
            w->repaint();
        });
    });
    return window;
}

} // namespace ejteto
