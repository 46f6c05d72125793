#include "ui/listening_window.h"

#include "content/vowel_symbols.h"
#include "fonts/layout_fonts.h"
#include "ui/error_box.h"

#include <QAccessible>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace ejteto {

namespace {
constexpr int kListeningWidth = 460;
constexpr int kListeningHeight = 340;
const QColor kRight(0, 110, 40);
const QColor kWrong(170, 20, 20);

// Noise levels the learner can choose, the first the default.
struct NoiseChoice {
    const char16_t* text;
    std::optional<int> snrDb;
};
const NoiseChoice kNoiseChoices[] = {
    {u"+10 dB (enyhe)", 10}, {u"+5 dB", 5}, {u"0 dB (erős)", 0}, {u"nincs zaj", std::nullopt}};

QString percent(int right, int total) { return QString::number(total > 0 ? (100 * right + total / 2) / total : 0); }

// What a screen reader says for a vowel: the symbol, which most readers
// spell out, with the lesson number that names it in the mosaic.
QString spokenVowel(int soundId) { return QStringLiteral("%1 (%2. hang)").arg(symbolText(soundId)).arg(soundId); }
} // namespace

ListeningWindow::ListeningWindow(std::function<int()> lesson, QWidget* parent)
    : ToolWindow(QStringLiteral("Form_Hallasgyakorlat"), QStringLiteral("Hallásgyakorlat"), parent),
      lesson_(std::move(lesson))
{
    setFixedSize(kListeningWidth, kListeningHeight);
    setAccessibleDescription(QStringLiteral("Hallgasd meg a szót, és válaszd ki a magánhangzóját: 1, 2 vagy 3. "
                                            "R: újra, M: a helyes magánhangzó a mintahangon, Enter: tovább, "
                                            "N: új kör, Esc: bezárás."));
    buildLayout();
    addKeys();
    refreshButtons();
}

ListeningWindow::~ListeningWindow() = default;

void ListeningWindow::buildLayout()
{
    const QFont text = layoutFont(QStringLiteral("Arial"), -13);
    setFont(text);
    auto* column = new QVBoxLayout(this);

    Label_Hall_Allapot = new QLabel(this);
    Label_Hall_Allapot->setObjectName(QStringLiteral("Label_Hall_Allapot"));
    QFont bold = text;
    bold.setBold(true);
    Label_Hall_Allapot->setFont(bold);
    column->addWidget(Label_Hall_Allapot);

    Label_Hall_Kerdes = new QLabel(QStringLiteral("Melyik magánhangzót hallottad? Válassz: 1, 2 vagy 3."), this);
    Label_Hall_Kerdes->setObjectName(QStringLiteral("Label_Hall_Kerdes"));
    column->addWidget(Label_Hall_Kerdes);

    auto* choices = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("Button_Hall_Valasz_%1").arg(i + 1));
        b->setFont(layoutFont(QStringLiteral("Gentium"), -30));
        b->setMinimumHeight(64);
        connect(b, &QPushButton::clicked, this, guarded([this, i] { choose(i); }));
        Button_Hall_Valasz[size_t(i)] = b;
        choices->addWidget(b);
    }
    column->addLayout(choices);

    Label_Hall_Itelet = new QLabel(this);
    Label_Hall_Itelet->setObjectName(QStringLiteral("Label_Hall_Itelet"));
    Label_Hall_Itelet->setWordWrap(true);
    Label_Hall_Itelet->setMinimumHeight(44);
    QFont verdict = layoutFont(QStringLiteral("Gentium"), -18);
    verdict.setBold(true);
    Label_Hall_Itelet->setFont(verdict);
    column->addWidget(Label_Hall_Itelet);

    auto* actions = new QGridLayout;
    const auto button = [&](const QString& name, const QString& caption, int row, int col) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        actions->addWidget(b, row, col);
        return b;
    };
    Button_Hall_Ujra = button(QStringLiteral("Button_Hall_Ujra"), QStringLiteral("Újra (R)"), 0, 0);
    Button_Hall_Minta = button(QStringLiteral("Button_Hall_Minta"), QStringLiteral("Helyes hang, mintahang (M)"), 0, 1);
    Button_Hall_Tovabb = button(QStringLiteral("Button_Hall_Tovabb"), QStringLiteral("Tovább (Enter)"), 1, 0);
    Button_Hall_UjKor = button(QStringLiteral("Button_Hall_UjKor"), QStringLiteral("Új kör (N)"), 1, 1);
    column->addLayout(actions);
    connect(Button_Hall_Ujra, &QPushButton::clicked, this, guarded([this] {
                if (controller_)
                    controller_->replay();
            }));
    connect(Button_Hall_Minta, &QPushButton::clicked, this, guarded([this] {
                if (controller_)
                    controller_->playRightVowel();
            }));
    connect(Button_Hall_Tovabb, &QPushButton::clicked, this, guarded([this] {
                if (controller_)
                    controller_->next();
                refreshButtons();
            }));
    connect(Button_Hall_UjKor, &QPushButton::clicked, this, guarded([this] { startRound(); }));

    auto* noiseRow = new QHBoxLayout;
    auto* noiseLabel = new QLabel(QStringLiteral("Zaj a nehezebb fokozatban (90 % fölött):"), this);
    ComboBox_Hall_Zaj = new QComboBox(this);
    ComboBox_Hall_Zaj->setObjectName(QStringLiteral("ComboBox_Hall_Zaj"));
    for (const NoiseChoice& c : kNoiseChoices)
        ComboBox_Hall_Zaj->addItem(QString::fromUtf16(c.text));
    noiseLabel->setBuddy(ComboBox_Hall_Zaj);
    ComboBox_Hall_Zaj->setAccessibleName(QStringLiteral("Zaj a nehezebb fokozatban"));
    connect(ComboBox_Hall_Zaj, &QComboBox::currentIndexChanged, this, guarded([this](int i) { noiseChosen(i); }));
    noiseRow->addWidget(noiseLabel);
    noiseRow->addWidget(ComboBox_Hall_Zaj, 1);
    column->addLayout(noiseRow);

    Label_Hall_Uzenet = new QLabel(this);
    Label_Hall_Uzenet->setObjectName(QStringLiteral("Label_Hall_Uzenet"));
    Label_Hall_Uzenet->setWordWrap(true);
    column->addWidget(Label_Hall_Uzenet);
    column->addStretch(1);

    setTabOrder(Button_Hall_Valasz[0], Button_Hall_Valasz[1]);
    setTabOrder(Button_Hall_Valasz[1], Button_Hall_Valasz[2]);
    setTabOrder(Button_Hall_Valasz[2], Button_Hall_Ujra);
    setTabOrder(Button_Hall_Ujra, Button_Hall_Minta);
    setTabOrder(Button_Hall_Minta, Button_Hall_Tovabb);
    setTabOrder(Button_Hall_Tovabb, Button_Hall_UjKor);
    setTabOrder(Button_Hall_UjKor, ComboBox_Hall_Zaj);
}

void ListeningWindow::setController(std::unique_ptr<ListeningController> controller)
{
    controller_ = std::move(controller);
    noiseChosen(ComboBox_Hall_Zaj->currentIndex());
    refreshButtons();
}

void ListeningWindow::openOver(QWidget* mainWindow)
{
    showOver(mainWindow);
    if (!controller_)
        return;
    const auto phase = controller_->phase();
    const bool going = phase == ListeningController::Phase::Listening || phase == ListeningController::Phase::Judged;
    if (!going || controller_->lesson() != lesson_())
        startRound();
}

void ListeningWindow::startRound()
{
    if (!controller_)
        return;
    const int lesson = lesson_();
    if (lesson < 1) {
        // Not an error: the learner has only to choose a tile first.
        tell(Label_Hall_Allapot, QStringLiteral("Nincs kiválasztott lecke"));
        tell(Label_Hall_Itelet, QStringLiteral("Előbb válassz leckét a mozaikban, aztán nyomd meg az N-t."));
        for (QPushButton* b : Button_Hall_Valasz)
            b->setText(QString());
        refreshButtons();
        Button_Hall_UjKor->setFocus(Qt::OtherFocusReason);
        return;
    }
    noisyTrials_ = 0;
    tell(Label_Hall_Itelet, QString());
    try {
        controller_->startRound(lesson);
    } catch (...) {
        refreshButtons();
        throw;
    }
    refreshButtons();
}

void ListeningWindow::choose(int place)
{
    if (controller_)
        controller_->choose(place);
    refreshButtons();
}

void ListeningWindow::noiseChosen(int index)
{
    if (controller_ && index >= 0 && index < int(std::size(kNoiseChoices)))
        controller_->setNoise(kNoiseChoices[index].snrDb);
}

void ListeningWindow::refreshButtons()
{
    using Phase = ListeningController::Phase;
    const Phase phase = controller_ ? controller_->phase() : Phase::Idle;
    for (QPushButton* b : Button_Hall_Valasz)
        b->setEnabled(phase == Phase::Listening);
    Button_Hall_Ujra->setEnabled(phase == Phase::Listening || phase == Phase::Judged);
    Button_Hall_Minta->setEnabled(phase == Phase::Judged);
    Button_Hall_Tovabb->setEnabled(phase == Phase::Judged);
}

void ListeningWindow::tell(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setAccessibleName(text);
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void ListeningWindow::showTrial(int trialNo, int total, const std::array<int, 3>& options, bool noisy)
{
    noisyTrials_ += noisy ? 1 : 0;
    QString status = QStringLiteral("%1. lecke %2 · %3/%4. kérdés · eddig %5 helyes")
                         .arg(controller_ ? controller_->lesson() : 0)
                         .arg(symbolText(options[0]))
                         .arg(trialNo)
                         .arg(total)
                         .arg(controller_ ? controller_->rightCount() : 0);
    if (noisy)
        status += QStringLiteral(" · zajjal");
    tell(Label_Hall_Allapot, status);
    tell(Label_Hall_Itelet, QString());
    for (int i = 0; i < 3; ++i) {
        QPushButton* b = Button_Hall_Valasz[size_t(i)];
        b->setText(QStringLiteral("%1   %2").arg(i + 1).arg(symbolText(options[size_t(i)])));
        b->setAccessibleName(QStringLiteral("%1. válasz: %2").arg(i + 1).arg(spokenVowel(options[size_t(i)])));
        b->setAccessibleDescription(status);
        b->setPalette(palette()); // no colours of the last verdict
        b->setEnabled(true);
    }
    Button_Hall_Valasz[0]->setFocus(Qt::OtherFocusReason);
    // The sound holds the window right after: the new trial must be on
    // screen before it.
    repaint();
}

void ListeningWindow::showVerdict(const ListeningVerdict& v)
{
    const QString heard = v.word.isEmpty() ? QStringLiteral("%1 önmagában").arg(symbolText(v.soundId))
                                           : QStringLiteral("%1 – %2").arg(v.word, symbolText(v.soundId));
    const QString text = v.right ? QStringLiteral("Helyes! %1").arg(heard)
                                 : QStringLiteral("Nem talált: %1 volt, nem %2. %3")
                                       .arg(symbolText(v.soundId), symbolText(v.chosenSound))
                                       .arg(heard);
    QPalette p = Label_Hall_Itelet->palette();
    p.setColor(QPalette::WindowText, v.right ? kRight : kWrong);
    Label_Hall_Itelet->setPalette(p);
    tell(Label_Hall_Itelet, text);
    refreshButtons();
    // The choices stay in view, greyed, the right one green and a wrong
    // choice red.
    for (int i = 0; i < 3; ++i) {
        QPushButton* b = Button_Hall_Valasz[size_t(i)];
        QPalette bp = b->palette();
        if (i == v.rightPlace)
            bp.setColor(QPalette::Disabled, QPalette::ButtonText, kRight);
        else if (i == v.chosenPlace)
            bp.setColor(QPalette::Disabled, QPalette::ButtonText, kWrong);
        b->setPalette(bp);
        b->setAccessibleDescription(i == v.rightPlace    ? QStringLiteral("a helyes válasz")
                                    : i == v.chosenPlace ? QStringLiteral("a te válaszod, helytelen")
                                                         : QString());
    }
    // The focus moves to "Tovább", which carries the verdict for a screen reader.
    Button_Hall_Tovabb->setAccessibleDescription(text);
    Button_Hall_Tovabb->setFocus(Qt::OtherFocusReason);
}

void ListeningWindow::showSummary(const ListeningSummary& s)
{
    QString text =
        QStringLiteral("Kör vége: %1 / %2 helyes (%3 %).").arg(s.right).arg(s.total).arg(percent(s.right, s.total));
    if (!s.confusions.empty()) {
        QStringList pairs;
        for (const ListeningConfusion& c : s.confusions)
            pairs << QStringLiteral("%1 helyett %2: %3×").arg(symbolText(c.heard), symbolText(c.chosen)).arg(c.count);
        text += QStringLiteral(" Tévesztések: ") + pairs.join(QStringLiteral(", ")) + QLatin1Char('.');
    }
    if (s.noisyNext && noisyTrials_ == 0)
        text += QStringLiteral(" Jól megy: a következő kör zajjal nehezebb.");
    text += QStringLiteral(" Új kör: N.");
    QPalette p = Label_Hall_Itelet->palette();
    p.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
    Label_Hall_Itelet->setPalette(p);
    tell(Label_Hall_Itelet, text);
    refreshButtons();
    Button_Hall_UjKor->setAccessibleDescription(text);
    Button_Hall_UjKor->setFocus(Qt::OtherFocusReason);
}

void ListeningWindow::showNotice(const QString& text)
{
    const QString shown = Label_Hall_Uzenet->text();
    tell(Label_Hall_Uzenet, shown.isEmpty() ? text : shown + QLatin1Char('\n') + text);
}

void ListeningWindow::addKeys()
{
    // Shortcuts of the window, so a focused list or button never takes them.
    const auto bind = [this](const QList<QKeySequence>& keys, const std::function<void()>& action) {
        for (const QKeySequence& k : keys) {
            auto* shortcut = new QShortcut(k, this);
            shortcut->setAutoRepeat(false); // a held key plays once
            connect(shortcut, &QShortcut::activated, this, guarded(action));
        }
    };
    const Qt::Key digits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3};
    for (int i = 0; i < 3; ++i)
        bind({QKeySequence(digits[i]), QKeySequence(Qt::KeypadModifier | digits[i])}, [this, i] { choose(i); });
    bind({QKeySequence(Qt::Key_R)}, [this] { Button_Hall_Ujra->click(); });
    bind({QKeySequence(Qt::Key_M)}, [this] { Button_Hall_Minta->click(); });
    bind({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}, [this] { Button_Hall_Tovabb->click(); });
    bind({QKeySequence(Qt::Key_N)}, [this] { Button_Hall_UjKor->click(); });
}

} // namespace ejteto
