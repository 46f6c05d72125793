#include "ui/kiejtes_window.h"

#include "content/vowel_symbols.h"
#include "fonts/layout_fonts.h"
#include "ui/vowel_chart.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <cmath>

namespace ejteto {

namespace {

constexpr int kWidth = 430;
constexpr int kHeight = 456;

QString hz(const phonetics::FormantPoint& p)
{
    return QStringLiteral("F1 %1 Hz, F2 %2 Hz").arg(std::lround(p.f1)).arg(std::lround(p.f2));
}

} // namespace

QString KiejtesWindow::firstText()
{
    return QStringLiteral("Mondj ki egy hangot vagy egy szót (F vagy Ctrl+kattintás egy csempén, hangszórón, "
                          "szón vagy kártyán): itt látod, hová esik a magánhangzód.");
}

QString KiejtesWindow::missingCourseText()
{
    return QStringLiteral("A tananyag magánhangzóinak mérése hiányzik (media/phones/formants.csv), ezért a "
                          "kiejtésed nem értékelhető.");
}

KiejtesWindow::KiejtesWindow(const std::optional<phonetics::CourseVowels>& course, QWidget* parent)
    : ToolWindow(QStringLiteral("Form_Kiejtes"), QStringLiteral("Kiejtés"), parent), coach_(course)
{
    setFixedSize(kWidth, kHeight);
    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("Label_Kiejtes_Itelet"));
    verdict_->setGeometry(10, 8, kWidth - 20, 64);
    verdict_->setWordWrap(true);
    verdict_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verdict_->setFont(layoutFont(QStringLiteral("Arial"), -14, true));
    // A Tab stop, so a screen reader reaches the verdict as the window opens.
    verdict_->setFocusPolicy(Qt::StrongFocus);
    chart_ = new VowelChart(this);
    chart_->setGeometry(10, 78, kWidth - 20, 340);
    bark_ = new QCheckBox(QStringLiteral("Bark-skála"), this);
    bark_->setObjectName(QStringLiteral("CheckBox_Kiejtes_Bark"));
    bark_->setGeometry(10, 424, 200, 24);
    bark_->setChecked(true);
    connect(bark_, &QCheckBox::toggled, chart_, &VowelChart::setBark);
    setTabOrder(verdict_, bark_);
    setFocusProxy(verdict_);

    chart_->showCoach(&coach_, 0, false);
    showVerdict(coach_.course() ? firstText() : missingCourseText(), {});
}

const phonetics::JudgedTake& KiejtesWindow::hearTake(const VoiceTake& take, const phonetics::TakeTarget& target)
{
    const phonetics::JudgedTake& heard = coach_.hear(take, target);
    // A take without a vowel is said so, and no point stands for it.
    chart_->showCoach(&coach_, target.sound, heard.measured());
    const VerdictTexts texts = verdictTexts(heard);
    showVerdict(texts.sentence, texts.details);
    return heard;
}

KiejtesWindow::VerdictTexts KiejtesWindow::verdictTexts(const phonetics::JudgedTake& take)
{
    using phonetics::TakeFault;
    if (take.fault == TakeFault::NoVowel)
        return {phonetics::analysisFaultText(take.analysis.fault), {}};
    const phonetics::VowelMeasurement& v = take.analysis.vowel;
    const QString measured = phonetics::isDiphthong(take.target.sound)
                                 ? QStringLiteral("A kiejtésed: eleje %1, vége %2.").arg(hz(v.onset), hz(v.offset))
                                 : QStringLiteral("A kiejtésed: %1.").arg(hz(v.mid));
    if (take.fault == TakeFault::NoCourse)
        return {missingCourseText(), measured};
    if (!take.verdict)
        return {measured, measured};
    const QString scale = QStringLiteral(" A hangodhoz igazítva: a tananyag hangjai %1-szeresen.")
                              .arg(QString::number(take.scale, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')));
    return {phonetics::verdictText(*take.verdict, symbolText), measured + scale};
}

void KiejtesWindow::showVerdict(const QString& text, const QString& details)
{
    verdict_->setText(text);
    verdict_->setAccessibleName(text);
    verdict_->setAccessibleDescription(details);
    chart_->setAccessibleDescription(details.isEmpty() ? text : details);
    // Screen readers hear of the new verdict without the focus moving.
    QAccessibleEvent renamed(verdict_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent described(verdict_, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

} // namespace ejteto
