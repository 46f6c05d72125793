#pragma once
// Runs as the controllers report them, made up for the history's tests and
// its helper process.
#include "content/listening_answer_sink.h"
#include "content/run_report.h"
#include "history/history_store.h"

#include <QDateTime>

namespace ejteto::testing {

// A finished run of ten questions on `lesson`: the words are "w<q>p<place>",
// the right one at place q % 4 with the lesson's sound, the others of
// `otherSound`. The first `wrong` questions were first answered at the next
// place (a word of `otherSound`), the rest right.
inline RunReport sampleRun(RunKind kind, int lesson, int wrong, const QDateTime& endedAt, int otherSound = 9)
{
    RunReport r;
    r.kind = kind;
    r.lesson = lesson;
    r.level = 1;
    r.startedAt = endedAt.addSecs(-90);
    r.endedAt = endedAt;
    for (int q = 1; q <= 10; ++q) {
        AskedQuestion a;
        a.correctPlace = q % 4;
        for (int p = 0; p < 4; ++p) {
            a.offered[static_cast<size_t>(p)] = QStringLiteral("w%1p%2").arg(q).arg(p);
            a.sounds[static_cast<size_t>(p)] = p == a.correctPlace ? lesson : otherSound;
        }
        a.chosenPlace = q <= wrong ? (a.correctPlace + 1) % 4 : a.correctPlace;
        a.wrongTries = q <= wrong ? 1 : 0;
        r.questions.push_back(a);
    }
    r.rightCount = kind == RunKind::Test ? 10 - wrong : 0;
    r.wrongCount = wrong;
    return r;
}

// A take of lesson 7's vowel heard as its confusable 8, with a word.
inline TakeReport sampleTake(const QDateTime& at)
{
    TakeReport t;
    t.takenAt = at;
    t.targetSound = 7;
    t.word = QStringLiteral("cup");
    t.verdict = QStringLiteral("wrong");
    t.nearestSound = 8;
    t.confusables = {8, 2};
    t.distanceBark = {1.5, 0.25, 2.75};
    t.movesOnset = QStringLiteral("close");
    t.movesMid = QStringLiteral("close back");
    t.movesOffset = QString();
    t.onset = {610, 1190, 2490};
    t.mid = {620, 1180, 2500};
    t.offset = {630, 1170, 2510};
    t.speakerScale = 1.125;
    return t;
}

// An answer of the listening drill, in noise, in a voice of its own.
inline ListeningAnswer sampleAnswer(const QDateTime& at)
{
    ListeningAnswer a;
    a.lesson = 4;
    a.word = QStringLiteral("ship");
    a.soundId = 4;
    a.voice = QStringLiteral("anna");
    a.offered = {6, 4, 9};
    a.chosen = 6;
    a.right = false;
    a.snrDb = 5;
    a.noisy = true;
    a.trialNo = 12;
    a.responseMs = 1375;
    a.at = at;
    return a;
}

inline QDateTime sampleTime(int minute) { return QDateTime(QDate(2026, 3, 2), QTime(8, minute, 5), Qt::UTC); }

} // namespace ejteto::testing
