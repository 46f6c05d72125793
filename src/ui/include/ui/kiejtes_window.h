#pragma once
// The "Kiejtés" tool window: after each take of record-and-compare, the
// verdict on the learner's vowel above the vowel chart. Logic lives in the
// phonetics layer's coach; this window only shows it, and screen readers
// read the verdict as the verdict label's name.
#include "content/voice_recorder.h"
#include "phonetics/vowel_coach.h"
#include "ui/tool_window.h"

#include <QHash>
#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace ejteto {

class VowelChart;

class KiejtesWindow : public ToolWindow {
    Q_OBJECT
public:
    // `course`: the course's measured vowels, or nothing when the
    // installation lacks them (the window says so).
    explicit KiejtesWindow(const std::optional<phonetics::CourseVowels>& course, QWidget* parent = nullptr);

    // A take of the learner repeating `target`: judged, shown, and handed
    // back for the other observers of the take (the history).
    const phonetics::JudgedTake& hearTake(const VoiceTake& take, const phonetics::TakeTarget& target);

    // What the window says of a judged take: the verdict's sentence, and the
    // measured formants screen readers hear as its description.
    struct VerdictTexts {
        QString sentence;
        QString details;
    };
    static VerdictTexts verdictTexts(const phonetics::JudgedTake& take);

    // The chosen lesson's words to say one after another, each with its last
    // verdict beside it (kept for the session, whichever way it was said).
    void showLessonWords(int lesson, const QStringList& words);
    QListWidget* wordList() const { return words_; }
    QString selectedWord() const;
    // N: the next word of the list, round to the first after the last.
    void selectNextWord();
    // What M (or R) and F do with the selected word: hear the course's
    // recording of it; say it and have it judged.
    struct WordActions {
        std::function<void(const QString& word)> hearModel;
        std::function<void(const QString& word)> say;
    };
    void setWordActions(WordActions actions) { actions_ = std::move(actions); }

    // "Új beszélő…": once the learner confirms (`confirm` asks; a question
    // box unless set), the speaker's scale starts again from 1, the chart and
    // the words' verdicts are emptied, and `started` is told (the history).
    void setNewSpeakerStarted(std::function<void()> started) { newSpeakerStarted_ = std::move(started); }
    void setConfirmer(std::function<bool(const QString& question)> confirm) { confirm_ = std::move(confirm); }
    QPushButton* newSpeakerButton() const { return newSpeaker_; }
    void startNewSpeaker();
    // The learner's scale as kept from earlier sessions.
    void restoreScale(const phonetics::SpeakerScale& scale) { coach_.restoreScale(scale); }

    QLabel* verdictLabel() const { return verdict_; }
    VowelChart* chart() const { return chart_; }
    QCheckBox* barkBox() const { return bark_; }
    const phonetics::VowelCoach& coach() const { return coach_; }

    // The text before the first take, and when the course's vowels are missing.
    static QString firstText();
    static QString missingCourseText();

    static QString noLessonText();
    static QString newSpeakerQuestion();
    static QString newSpeakerText();

private:
    void showVerdict(const QString& text, const QString& details);
    void addWordKeys();
    void withSelectedWord(const std::function<void(const QString&)>& action);
    // The list's line of `word`: the word, and its last verdict when said.
    QString wordLine(const QString& word) const;
    void refreshWordLines();

    phonetics::VowelCoach coach_;
    QLabel* verdict_;
    VowelChart* chart_;
    QCheckBox* bark_;
    QLabel* wordsTitle_;
    QListWidget* words_;
    QLabel* wordKeys_;
    QPushButton* newSpeaker_;
    QHash<QString, QString> lastVerdicts_; // word -> "jó", "nem jó", ...
    WordActions actions_;
    std::function<void()> newSpeakerStarted_;
    std::function<bool(const QString&)> confirm_;
};

} // namespace ejteto
