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

    // A take of the learner repeating vowel `target` (0 when the word's
    // vowel is not known), with the two vowels confused with it; `word` the
    // word repeated, empty when the model was the vowel alone.
    void hearTake(const VoiceTake& take, int target, std::array<int, 2> confusables, const QString& word = {});

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
