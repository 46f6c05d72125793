#pragma once
// The "Kiejtés" tool window: after each take of record-and-compare, the
// verdict on the learner's vowel above the vowel chart. Logic lives in the
// phonetics layer's coach; this window only shows it, and screen readers
// read the verdict as the verdict label's name.
#include "content/voice_recorder.h"
#include "phonetics/vowel_coach.h"
#include "ui/tool_window.h"

class QCheckBox;
class QLabel;

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

    QLabel* verdictLabel() const { return verdict_; }
    VowelChart* chart() const { return chart_; }
    QCheckBox* barkBox() const { return bark_; }
    const phonetics::VowelCoach& coach() const { return coach_; }

    // The text before the first take, and when the course's vowels are missing.
    static QString firstText();
    static QString missingCourseText();

private:
    void showVerdict(const QString& text, const QString& details);

    phonetics::VowelCoach coach_;
    QLabel* verdict_;
    VowelChart* chart_;
    QCheckBox* bark_;
};

} // namespace ejteto
