#include "ui/today_window.h"

#include "content/vowel_symbols.h"
#include "fonts/layout_fonts.h"
#include "ui/error_box.h"

#include <QAccessible>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace ejteto {

namespace {
constexpr int kTodayWidth = 460;
constexpr int kTodayHeight = 320;
const QColor kRight(0, 110, 40);
const QColor kWrong(170, 20, 20);

QString slashed(int sound) { return QLatin1Char('/') + bareSymbolText(sound) + QLatin1Char('/'); }

QString itemText(const PracticeItem& item)
{
    switch (item.skill) {
    case Skill::Hearing:
        return QStringLiteral("%1–%2 (hallás)").arg(slashed(item.lesson), slashed(item.other));
    case Skill::Choosing:
        return QStringLiteral("%1–%2 (választás)").arg(slashed(item.lesson), slashed(item.other));
    case Skill::Saying:
        break;
    }
    return (item.word.isEmpty() ? slashed(item.lesson) : item.word) + QStringLiteral(" (kiejtés)");
}

QString itemList(const std::vector<PracticeItem>& items)
{
    QStringList out;
    for (const PracticeItem& i : items)
        out << itemText(i);
    return out.join(QStringLiteral(", "));
}

QString whenText(const QDateTime& when, const QDateTime& now)
{
    const QDateTime local = when.toLocalTime();
    const qint64 days = now.toLocalTime().date().daysTo(local.date());
    const QString time = local.toString(QStringLiteral("H:mm"));
    if (when <= now)
        return QStringLiteral("most");
    if (days <= 0)
        return QStringLiteral("ma %1 után").arg(time);
    if (days == 1)
        return QStringLiteral("holnap %1 után").arg(time);
    return QStringLiteral("%1 nap múlva (%2)").arg(days).arg(local.toString(QStringLiteral("yyyy.MM.dd.")));
}
} // namespace

QString todaySummaryText(const TodaySummary& s, const QDateTime& now)
{
    QString text = s.finished ? QStringLiteral("Kész a mai gyakorlás. ")
                              : QStringLiteral("Félbehagyva; a válaszaid megmaradtak. ");
    QStringList parts;
    if (s.hearingTotal > 0)
        parts << QStringLiteral("hallás %1/%2").arg(s.hearingRight).arg(s.hearingTotal);
    if (s.choosingTotal > 0)
        parts << QStringLiteral("választás %1/%2").arg(s.choosingRight).arg(s.choosingTotal);
    if (s.sayingTotal > 0)
        parts << QStringLiteral("kiejtés %1/%2").arg(s.sayingRight).arg(s.sayingTotal);
    if (!parts.isEmpty())
        text += QStringLiteral("Helyes: ") + parts.join(QStringLiteral(", ")) + QStringLiteral(". ");
    if (!s.improved.empty())
        text += QStringLiteral("Jól ment: ") + itemList(s.improved) + QStringLiteral(". ");
    if (!s.missed.empty())
        text += QStringLiteral("Hamarosan újra jön: ") + itemList(s.missed) + QStringLiteral(". ");
    if (s.comeBack.isValid())
        text += QStringLiteral("Gyere vissza: ") + whenText(s.comeBack, now) + QStringLiteral(".");
    return text.trimmed();
}

TodayWindow::TodayWindow(std::function<TodayPlan()> plan, QWidget* parent)
    : ToolWindow(QStringLiteral("Form_MaiGyakorlas"), QStringLiteral("Mai gyakorlás"), parent), plan_(std::move(plan))
{
    setFixedSize(kTodayWidth, kTodayHeight);
    setAccessibleDescription(QStringLiteral("A mai ismétlés: hallás, választás és kiejtés. 1 vagy 2: válasz; "
                                            "F: felvétel; R: újra; Enter: tovább; N: új gyakorlás; Esc: bezárás."));
    buildLayout();
    addKeys();
    refreshButtons();
}

TodayWindow::~TodayWindow() = default;

void TodayWindow::buildLayout()
{
    const QFont text = layoutFont(QStringLiteral("Arial"), -13);
    setFont(text);
    auto* column = new QVBoxLayout(this);

    Label_Mai_Allapot = new QLabel(this);
    Label_Mai_Allapot->setObjectName(QStringLiteral("Label_Mai_Allapot"));
    QFont bold = text;
    bold.setBold(true);
    Label_Mai_Allapot->setFont(bold);
    column->addWidget(Label_Mai_Allapot);

    Label_Mai_Kerdes = new QLabel(this);
    Label_Mai_Kerdes->setObjectName(QStringLiteral("Label_Mai_Kerdes"));
    Label_Mai_Kerdes->setWordWrap(true);
    column->addWidget(Label_Mai_Kerdes);

    auto* choices = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("Button_Mai_Valasz_%1").arg(i + 1));
        b->setFont(layoutFont(QStringLiteral("Gentium"), -26));
        b->setMinimumHeight(60);
        connect(b, &QPushButton::clicked, this, guarded([this, i] { choose(i); }));
        Button_Mai_Valasz[size_t(i)] = b;
        choices->addWidget(b);
    }
    column->addLayout(choices);

    Label_Mai_Itelet = new QLabel(this);
    Label_Mai_Itelet->setObjectName(QStringLiteral("Label_Mai_Itelet"));
    Label_Mai_Itelet->setWordWrap(true);
    Label_Mai_Itelet->setMinimumHeight(60);
    QFont verdict = layoutFont(QStringLiteral("Gentium"), -16);
    verdict.setBold(true);
    Label_Mai_Itelet->setFont(verdict);
    column->addWidget(Label_Mai_Itelet);

    auto* actions = new QGridLayout;
    const auto button = [&](const QString& name, const QString& caption, int col) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        actions->addWidget(b, 0, col);
        return b;
    };
    Button_Mai_Ujra = button(QStringLiteral("Button_Mai_Ujra"), QStringLiteral("Újra (R)"), 0);
    Button_Mai_Tovabb = button(QStringLiteral("Button_Mai_Tovabb"), QStringLiteral("Tovább (Enter)"), 1);
    Button_Mai_Uj = button(QStringLiteral("Button_Mai_Uj"), QStringLiteral("Új gyakorlás (N)"), 2);
    column->addLayout(actions);
    column->addStretch(1);
    connect(Button_Mai_Ujra, &QPushButton::clicked, this, guarded([this] {
                if (session_)
                    session_->replay();
            }));
    connect(Button_Mai_Tovabb, &QPushButton::clicked, this, guarded([this] {
                if (session_)
                    session_->next();
                refreshButtons();
            }));
    connect(Button_Mai_Uj, &QPushButton::clicked, this, guarded([this] { startSession(); }));

    setTabOrder(Button_Mai_Valasz[0], Button_Mai_Valasz[1]);
    setTabOrder(Button_Mai_Valasz[1], Button_Mai_Ujra);
    setTabOrder(Button_Mai_Ujra, Button_Mai_Tovabb);
    setTabOrder(Button_Mai_Tovabb, Button_Mai_Uj);
}

void TodayWindow::setSession(std::unique_ptr<TodaySession> session)
{
    session_ = std::move(session);
    refreshButtons();
}

void TodayWindow::openOver(QWidget* mainWindow)
{
    showOver(mainWindow);
    if (!session_)
        return;
    const auto phase = session_->phase();
    if (phase != TodaySession::Phase::Asking && phase != TodaySession::Phase::Judged)
        startSession();
}

void TodayWindow::startSession()
{
    if (!session_)
        return;
    session_->close(); // what was answered of the last one is kept
    tell(Label_Mai_Itelet, QString());
    try {
        session_->start(plan_());
    } catch (...) {
        refreshButtons();
        throw;
    }
    refreshButtons();
}

void TodayWindow::choose(int place)
{
    if (session_)
        session_->choose(place);
    refreshButtons();
}

void TodayWindow::hideEvent(QHideEvent* e)
{
    ToolWindow::hideEvent(e);
    // Closed early: every answer given is handed on now.
    runGuarded([this] {
        if (session_)
            session_->close();
    });
}

void TodayWindow::refreshButtons()
{
    using Phase = TodaySession::Phase;
    const Phase phase = session_ ? session_->phase() : Phase::Idle;
    const bool saying = session_ && phase != Phase::Idle && phase != Phase::Finished &&
                        session_->steps()[size_t(session_->stepIndex())].kind == TodayStep::Kind::Saying;
    Button_Mai_Valasz[0]->setEnabled(phase == Phase::Asking);
    Button_Mai_Valasz[1]->setEnabled(phase == Phase::Asking && !saying);
    Button_Mai_Valasz[1]->setVisible(!saying);
    Button_Mai_Ujra->setEnabled((phase == Phase::Asking || phase == Phase::Judged) && !saying);
    Button_Mai_Tovabb->setEnabled(phase == Phase::Judged);
}

void TodayWindow::tell(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setAccessibleName(text);
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void TodayWindow::showStep(const TodayStep& step, int stepNo, int total)
{
    QString status = QStringLiteral("%1/%2. feladat · %3. lecke").arg(stepNo).arg(total).arg(step.lesson);
    QString prompt;
    std::array<QString, 2> captions;
    std::array<QString, 2> spoken;
    switch (step.kind) {
    case TodayStep::Kind::Hearing:
        status += QStringLiteral(" · hallás");
        prompt = QStringLiteral("Melyik magánhangzót hallottad? 1 vagy 2 (R: újra).");
        for (size_t i = 0; i < 2; ++i) {
            captions[i] = QStringLiteral("%1   %2").arg(i + 1).arg(symbolText(step.options[i]));
            spoken[i] = QStringLiteral("%1. válasz: %2 (%3. hang)")
                            .arg(i + 1)
                            .arg(symbolText(step.options[i]))
                            .arg(step.options[i]);
        }
        break;
    case TodayStep::Kind::Choosing:
        status += QStringLiteral(" · választás");
        prompt = QStringLiteral("Melyik szóban ejtjük ezt a hangot: %1? 1 vagy 2.").arg(slashed(step.rightSound));
        for (size_t i = 0; i < 2; ++i) {
            captions[i] = QStringLiteral("%1   %2").arg(i + 1).arg(step.words[i]);
            spoken[i] = QStringLiteral("%1. válasz: %2").arg(i + 1).arg(step.words[i]);
        }
        break;
    case TodayStep::Kind::Saying:
        status += QStringLiteral(" · kiejtés");
        prompt = step.model.kind == CourseRecording::Kind::Word
                     ? QStringLiteral("Mondd ki ezt a szót: %1 (%2). F vagy 1: felvétel.")
                           .arg(step.model.word, slashed(step.rightSound))
                     : QStringLiteral("Mondd ki ezt a hangot: %1. F vagy 1: felvétel.").arg(slashed(step.rightSound));
        captions[0] = QStringLiteral("Felvétel (F)");
        spoken[0] = captions[0];
        break;
    }
    tell(Label_Mai_Allapot, status);
    tell(Label_Mai_Kerdes, prompt);
    tell(Label_Mai_Itelet, QString());
    for (size_t i = 0; i < 2; ++i) {
        QPushButton* b = Button_Mai_Valasz[i];
        b->setText(captions[i]);
        b->setAccessibleName(spoken[i]);
        b->setAccessibleDescription(prompt);
        b->setPalette(palette());
    }
    refreshButtons();
    Button_Mai_Valasz[0]->setEnabled(true);
    Button_Mai_Valasz[0]->setFocus(Qt::OtherFocusReason);
    // A hearing step's sound holds the window right after.
    repaint();
}

void TodayWindow::showVerdict(bool right, const QString& text)
{
    QPalette p = Label_Mai_Itelet->palette();
    p.setColor(QPalette::WindowText, right ? kRight : kWrong);
    Label_Mai_Itelet->setPalette(p);
    tell(Label_Mai_Itelet, text);
    refreshButtons();
    Button_Mai_Tovabb->setAccessibleDescription(text);
    Button_Mai_Tovabb->setFocus(Qt::OtherFocusReason);
}

void TodayWindow::showSummary(const TodaySummary& summary)
{
    const QString text = todaySummaryText(summary, QDateTime::currentDateTime());
    QPalette p = Label_Mai_Itelet->palette();
    p.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
    Label_Mai_Itelet->setPalette(p);
    tell(Label_Mai_Allapot, QStringLiteral("Összegzés"));
    tell(Label_Mai_Kerdes, QStringLiteral("Új gyakorlás: N."));
    tell(Label_Mai_Itelet, text);
    for (QPushButton* b : Button_Mai_Valasz)
        b->setText(QString());
    refreshButtons();
    Button_Mai_Uj->setAccessibleDescription(text);
    if (isVisible())
        Button_Mai_Uj->setFocus(Qt::OtherFocusReason);
}

void TodayWindow::addKeys()
{
    const auto bind = [this](const QList<QKeySequence>& keys, const std::function<void()>& action) {
        for (const QKeySequence& k : keys) {
            auto* shortcut = new QShortcut(k, this);
            shortcut->setAutoRepeat(false);
            connect(shortcut, &QShortcut::activated, this, guarded(action));
        }
    };
    bind({QKeySequence(Qt::Key_1), QKeySequence(Qt::KeypadModifier | Qt::Key_1)}, [this] { choose(0); });
    bind({QKeySequence(Qt::Key_2), QKeySequence(Qt::KeypadModifier | Qt::Key_2)}, [this] { choose(1); });
    bind({QKeySequence(Qt::Key_F)}, [this] {
        if (session_ && session_->phase() == TodaySession::Phase::Asking &&
            session_->steps()[size_t(session_->stepIndex())].kind == TodayStep::Kind::Saying)
            choose(0);
    });
    bind({QKeySequence(Qt::Key_R)}, [this] { Button_Mai_Ujra->click(); });
    bind({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}, [this] { Button_Mai_Tovabb->click(); });
    bind({QKeySequence(Qt::Key_N)}, [this] { Button_Mai_Uj->click(); });
}

} // namespace ejteto
