#include "ui/kiejtes_window.h"

#include "content/vowel_symbols.h"
#include "fonts/layout_fonts.h"
#include "ui/error_box.h"
#include "ui/vowel_chart.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <cmath>

namespace ejteto {

namespace {

// The chart's part on the left, the lesson's words on the right.
constexpr int kChartWidth = 430;
constexpr int kWordsWidth = 200;
constexpr int kKiejtesWidth = kChartWidth + kWordsWidth;
constexpr int kKiejtesHeight = 456;

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
    setFixedSize(kKiejtesWidth, kKiejtesHeight);
    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("Label_Kiejtes_Itelet"));
    verdict_->setGeometry(10, 8, kChartWidth - 20, 64);
    verdict_->setWordWrap(true);
    verdict_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verdict_->setFont(layoutFont(QStringLiteral("Arial"), -14, true));
    // A Tab stop, so a screen reader reaches the verdict as the window opens.
    verdict_->setFocusPolicy(Qt::StrongFocus);
    chart_ = new VowelChart(this);
    chart_->setGeometry(10, 78, kChartWidth - 20, 340);
    bark_ = new QCheckBox(QStringLiteral("Bark-skála"), this);
    bark_->setObjectName(QStringLiteral("CheckBox_Kiejtes_Bark"));
    bark_->setGeometry(10, 424, 200, 24);
    bark_->setChecked(true);
    connect(bark_, &QCheckBox::toggled, chart_, &VowelChart::setBark);

    const int x = kChartWidth;
    const int w = kWordsWidth - 10;
    wordsTitle_ = new QLabel(this);
    wordsTitle_->setObjectName(QStringLiteral("Label_Kiejtes_Szavak"));
    wordsTitle_->setGeometry(x, 8, w, 40);
    wordsTitle_->setWordWrap(true);
    words_ = new QListWidget(this);
    words_->setObjectName(QStringLiteral("ListBox_Kiejtes_Szavak"));
    words_->setGeometry(x, 52, w, 290);
    words_->setSelectionMode(QAbstractItemView::SingleSelection);
    words_->setAccessibleName(QStringLiteral("A lecke szavai"));
    wordsTitle_->setBuddy(words_);
    wordKeys_ = new QLabel(QStringLiteral("M vagy R: a minta\nF: mondd ki\nN: a következő szó"), this);
    wordKeys_->setObjectName(QStringLiteral("Label_Kiejtes_Billentyuk"));
    wordKeys_->setGeometry(x, 346, w, 60);
    words_->setAccessibleDescription(
        QStringLiteral("M vagy R: a kiválasztott szó mintája; F: mondd ki; N: a következő szó."));
    newSpeaker_ = new QPushButton(QStringLiteral("Új beszélő…"), this);
    newSpeaker_->setObjectName(QStringLiteral("Button_Kiejtes_UjBeszelo"));
    newSpeaker_->setGeometry(x, 424, w, 24);
    newSpeaker_->setAccessibleDescription(QStringLiteral("A hangodhoz igazítás elölről kezdődik, egy új tanulónak."));
    connect(newSpeaker_, &QPushButton::clicked, this, guarded([this] { startNewSpeaker(); }));
    addWordKeys();

    setTabOrder(verdict_, words_);
    setTabOrder(words_, newSpeaker_);
    setTabOrder(newSpeaker_, bark_);
    setFocusProxy(verdict_);
    showLessonWords(0, {});

    chart_->showCoach(&coach_, 0, false);
    showVerdict(coach_.course() ? firstText() : missingCourseText(), {});
}

const phonetics::JudgedTake& KiejtesWindow::hearTake(const VoiceTake& take, const phonetics::TakeTarget& target)
{
    const phonetics::JudgedTake& heard = coach_.hear(take, target);
    if (!target.word.isEmpty()) {
        lastVerdicts_.insert(target.word, phonetics::shortVerdictText(heard));
        refreshWordLines();
    }
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
    const QString measured = isDiphthong(take.target.sound)
                                 ? QStringLiteral("A kiejtésed: eleje %1, vége %2.").arg(hz(v.onset), hz(v.offset))
                                 : QStringLiteral("A kiejtésed: %1.").arg(hz(v.mid));
    if (take.fault == TakeFault::NoCourse)
        return {missingCourseText(), measured};
    if (!take.verdict)
        return {measured, measured};
    const QString scale = QStringLiteral(" A hangodhoz igazítva: a tananyag hangjai %1-szeresen.")
                              .arg(QString::number(take.scale, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')));
    return {phonetics::verdictText(*take.verdict, symbolText, take.target.word), measured + scale};
}

QString KiejtesWindow::noLessonText() { return QStringLiteral("Válassz leckét a mozaikban: itt lesznek a szavai."); }

QString KiejtesWindow::newSpeakerQuestion()
{
    return QStringLiteral("Új beszélő kezd? A hangodhoz igazítás elölről indul; az eddigi felvételek az "
                          "előzményekben maradnak.");
}

QString KiejtesWindow::newSpeakerText()
{
    return QStringLiteral("Új beszélő: a hangodhoz igazítás elölről indul. Mondj ki egy hangot vagy egy szót.");
}

void KiejtesWindow::showLessonWords(int lesson, const QStringList& words)
{
    const QString kept = selectedWord();
    words_->clear();
    for (const QString& word : words) {
        auto* item = new QListWidgetItem(words_);
        item->setData(Qt::UserRole, word);
    }
    refreshWordLines();
    // "Az 1.", "az 5." (első, ötödik), else "a": as the number is said.
    const QString the = lesson == 1 || lesson == 5 ? QStringLiteral("Az") : QStringLiteral("A");
    const QString named = QStringLiteral("%1 %2. lecke szavai").arg(the).arg(lesson);
    if (lesson <= 0)
        wordsTitle_->setText(noLessonText());
    else if (words.isEmpty())
        wordsTitle_->setText(QStringLiteral("%1 %2. leckének nincs szava.").arg(the).arg(lesson));
    else
        wordsTitle_->setText(named + QLatin1Char(':'));
    words_->setAccessibleName(lesson > 0 ? named : QStringLiteral("A lecke szavai"));
    if (words_->count() == 0)
        return;
    // The word the learner was on stays chosen when it is in the new list too.
    const int at = std::max(0, static_cast<int>(words.indexOf(kept)));
    words_->setCurrentRow(at);
}

QString KiejtesWindow::selectedWord() const
{
    const QListWidgetItem* item = words_->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void KiejtesWindow::selectNextWord()
{
    if (words_->count() == 0)
        return;
    words_->setCurrentRow((words_->currentRow() + 1) % words_->count());
}

QString KiejtesWindow::wordLine(const QString& word) const
{
    const auto it = lastVerdicts_.constFind(word);
    return it == lastVerdicts_.constEnd() ? word : word + QStringLiteral(" – ") + *it;
}

void KiejtesWindow::refreshWordLines()
{
    for (int i = 0; i < words_->count(); ++i) {
        QListWidgetItem* item = words_->item(i);
        item->setText(wordLine(item->data(Qt::UserRole).toString()));
    }
}

void KiejtesWindow::withSelectedWord(const std::function<void(const QString&)>& action)
{
    const QString word = selectedWord();
    if (!word.isEmpty() && action)
        action(word);
}

void KiejtesWindow::addWordKeys()
{
    const auto bind = [this](const QList<QKeySequence>& keys, const std::function<void()>& action) {
        for (const QKeySequence& k : keys) {
            auto* shortcut = new QShortcut(k, this);
            shortcut->setAutoRepeat(false);
            connect(shortcut, &QShortcut::activated, this, guarded(action));
        }
    };
    bind({QKeySequence(Qt::Key_M), QKeySequence(Qt::Key_R)}, [this] { withSelectedWord(actions_.hearModel); });
    bind({QKeySequence(Qt::Key_F)}, [this] { withSelectedWord(actions_.say); });
    bind({QKeySequence(Qt::Key_N)}, [this] { selectNextWord(); });
    connect(words_, &QListWidget::itemDoubleClicked, this,
            guarded([this](QListWidgetItem*) { withSelectedWord(actions_.hearModel); }));
}

void KiejtesWindow::startNewSpeaker()
{
    const bool confirmed =
        confirm_ ? confirm_(newSpeakerQuestion())
                 : QMessageBox::question(this, QStringLiteral("Új beszélő"), newSpeakerQuestion(),
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    if (!confirmed)
        return;
    coach_.startNewSpeaker();
    lastVerdicts_.clear();
    refreshWordLines();
    chart_->showCoach(&coach_, 0, false);
    showVerdict(coach_.course() ? newSpeakerText() : missingCourseText(), {});
    if (newSpeakerStarted_)
        newSpeakerStarted_();
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
