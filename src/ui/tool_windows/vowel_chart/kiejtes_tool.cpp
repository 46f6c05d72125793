#include "ui/error_box.h"
#include "ui/form1.h"
#include "ui/kiejtes.h"
#include "ui/kiejtes_window.h"

#include "phonetics/course_vowels.h"

#include <QFile>
#include <QLabel>

namespace ejteto {

namespace {

std::optional<phonetics::CourseVowels> readCourseVowels(const QString& mediaDir)
{
    QFile f(phonetics::courseVowelsPath(mediaDir));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The file is a few hundred bytes; anything longer is not it.
    return phonetics::parseCourseVowels(f.read(64 * 1024));
}

} // namespace

std::unique_ptr<ToolWindow> installKiejtes(TForm1& form, JudgedTakeSink judged)
{
    auto window = std::make_unique<KiejtesWindow>(readCourseVowels(form.state().MediaDir));
    KiejtesWindow* w = window.get();
    form.addTool(
        {QStringLiteral("Kiejtés"), QKeySequence(Qt::CTRL | Qt::Key_K), [w, &form] { w->showOver(&form); }, w});
    form.addTakeObserver([w, &form, judged = std::move(judged)](const CourseRecording& model, const VoiceTake& take) {
        // A fault of the chart is shown and the comparison goes on.
        runGuarded([&] {
            const ContentTables& tables = form.content();
            const int target =
                model.kind == CourseRecording::Kind::Vowel ? model.soundId : SoundOfWord(tables, model.word);
            std::array<int, 2> confusables{0, 0};
            if (target >= 1 && target <= 16) {
                const SoundRecord& s = tables.SoundTable[static_cast<size_t>(target)];
                confusables = {s.Confusable1, s.Confusable2};
            }
            w->hearTake(take, target, confusables, model.kind == CourseRecording::Kind::Word ? model.word : QString());
            if (const auto& heard = w->coach().lastTake(); judged && heard && target >= 1 && target <= 16) {
                const phonetics::FormantPoint mid =
                    heard->analysis.ok() ? heard->analysis.vowel.mid : phonetics::FormantPoint{};
                judged({target, w->verdictLabel()->text(), mid.f1, mid.f2, mid.f3});
            }
            const bool wasVisible = w->isVisible();
            w->showOver(&form);
            if (!wasVisible) // the learner's keys stay where they were
                form.activateWindow();
            // The model plays next and blocks the window: paint the verdict now.
            w->repaint();
        });
    });
    return window;
}

} // namespace ejteto
