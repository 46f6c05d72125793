#include "ui/recording_window.h"

#include "content/vowel_symbols.h"
#include "fonts/layout_fonts.h"
#include "ui/error_box.h"
#include "ui/spoken_notice.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace ejteto {

namespace {
constexpr int kRecordingWidth = 520;
constexpr int kRecordingHeight = 330;

const QString kPackFilter = QStringLiteral("Hangcsomag (*.tar.gz *.tgz);;Minden fájl (*)");

// `voice` names the pack offered when saving.
QString askFileByDialog(QWidget* parent, bool save, const QString& voice)
{
    const QFileDialog::Options options = QFileDialog::DontUseNativeDialog;
    if (save)
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Hang exportálása"),
                                            QDir::home().filePath(voice + QStringLiteral(".tar.gz")), kPackFilter,
                                            nullptr, options);
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Hang importálása"), QDir::homePath(), kPackFilter,
                                        nullptr, options);
}

// The busy cursor for work that holds the window a moment (a pack of a
// whole voice is some megabytes to pack or check).
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
} // namespace

RecordingWindow::RecordingWindow(RecordingWindowHost& host, QWidget* parent)
    : ToolWindow(QStringLiteral("Form_Hangfelvetel"), QStringLiteral("Hangfelvétel"), parent), host_(host),
      notice_(new SpokenNotice(this))
{
    askFile = [this](bool save) { return askFileByDialog(this, save, voice_); };
    askReplace = [this](const QString& voice) {
        return QMessageBox::question(this, QStringLiteral("Hangfelvétel"),
                                     QStringLiteral("Már van „%1” nevű hang. Lecseréled az importálttal?").arg(voice),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    };
    setFixedSize(kRecordingWidth, kRecordingHeight);
    setAccessibleDescription(QStringLiteral("Egy hang felvétele a tananyaghoz: a tizenhat magánhangzó, majd minden "
                                            "szó. R vagy szóköz: felvétel és leállítás; L: visszahallgatás; M: a "
                                            "minta; N vagy jobbra nyíl: következő; P vagy balra nyíl: előző; H: a "
                                            "következő hiányzó; Esc: bezárás."));
    buildLayout();
    addKeys();
    refreshButtons();
    Edit_Felvetel_Nev->setText(host_.lastVoice());
    tell(Label_Felvetel_Uzenet, QStringLiteral("Írd be a hang nevét (egy mappa neve lesz), és nyomj Entert."));
}

RecordingWindow::~RecordingWindow() = default;

void RecordingWindow::buildLayout()
{
    const QFont text = layoutFont(QStringLiteral("Arial"), -13);
    setFont(text);
    auto* column = new QVBoxLayout(this);

    auto* nameRow = new QHBoxLayout;
    auto* nameLabel = new QLabel(QStringLiteral("A hang neve:"), this);
    Edit_Felvetel_Nev = new QLineEdit(this);
    Edit_Felvetel_Nev->setObjectName(QStringLiteral("Edit_Felvetel_Nev"));
    Edit_Felvetel_Nev->setAccessibleName(QStringLiteral("A hang neve"));
    Edit_Felvetel_Nev->setAccessibleDescription(
        QStringLiteral("A felvett hang mappájának neve a saját hangjaid között; Enter: megnyitás."));
    nameLabel->setBuddy(Edit_Felvetel_Nev);
    Button_Felvetel_Megnyitas = new QPushButton(QStringLiteral("Megnyitás"), this);
    Button_Felvetel_Megnyitas->setObjectName(QStringLiteral("Button_Felvetel_Megnyitas"));
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(Edit_Felvetel_Nev, 1);
    nameRow->addWidget(Button_Felvetel_Megnyitas);
    column->addLayout(nameRow);
    connect(Edit_Felvetel_Nev, &QLineEdit::returnPressed, this, guarded([this] { openVoice(); }));
    connect(Button_Felvetel_Megnyitas, &QPushButton::clicked, this, guarded([this] { openVoice(); }));

    const auto label = [&](const QString& name, const QFont& font) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setFont(font);
        l->setWordWrap(true);
        column->addWidget(l);
        return l;
    };
    QFont bold = text;
    bold.setBold(true);
    Label_Felvetel_Hely = label(QStringLiteral("Label_Felvetel_Hely"), bold);
    Label_Felvetel_Szo = label(QStringLiteral("Label_Felvetel_Szo"), layoutFont(QStringLiteral("Gentium"), -30));
    Label_Felvetel_Jel = label(QStringLiteral("Label_Felvetel_Jel"), layoutFont(QStringLiteral("Gentium"), -26));
    Label_Felvetel_Haladas = label(QStringLiteral("Label_Felvetel_Haladas"), text);
    QFont message = layoutFont(QStringLiteral("Gentium"), -16);
    message.setBold(true);
    Label_Felvetel_Uzenet = label(QStringLiteral("Label_Felvetel_Uzenet"), message);
    Label_Felvetel_Uzenet->setMinimumHeight(48);

    auto* actions = new QGridLayout;
    const auto button = [&](const QString& name, const QString& caption, const QString& spoken, int row, int col) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAccessibleName(spoken);
        actions->addWidget(b, row, col);
        return b;
    };
    Button_Felvetel_Felvetel = button(QStringLiteral("Button_Felvetel_Felvetel"), QStringLiteral("Felvétel (R)"),
                                      QStringLiteral("Felvétel"), 0, 0);
    Button_Felvetel_Visszahallgatas =
        button(QStringLiteral("Button_Felvetel_Visszahallgatas"), QStringLiteral("Visszahallgatás (L)"),
               QStringLiteral("Visszahallgatás"), 0, 1);
    Button_Felvetel_Minta = button(QStringLiteral("Button_Felvetel_Minta"), QStringLiteral("Minta (M)"),
                                   QStringLiteral("A minta meghallgatása"), 0, 2);
    Button_Felvetel_Elozo =
        button(QStringLiteral("Button_Felvetel_Elozo"), QStringLiteral("◀ Előző (P)"), QStringLiteral("Előző"), 1, 0);
    Button_Felvetel_Kovetkezo = button(QStringLiteral("Button_Felvetel_Kovetkezo"), QStringLiteral("Következő (N) ▶"),
                                       QStringLiteral("Következő"), 1, 1);
    Button_Felvetel_Hianyzo = button(QStringLiteral("Button_Felvetel_Hianyzo"), QStringLiteral("Következő hiányzó (H)"),
                                     QStringLiteral("A következő, még fel nem vett elem"), 1, 2);
    column->addLayout(actions);
    connect(Button_Felvetel_Felvetel, &QPushButton::clicked, this, guarded([this] {
                if (!session_) {
                    showMessage(QStringLiteral("Előbb írd be a hang nevét, és nyomj Entert."));
                    return;
                }
                session_->record();
                refreshButtons();
            }));
    connect(Button_Felvetel_Visszahallgatas, &QPushButton::clicked, this,
            guarded([this] { act([](RecordingSession& s) { s.listenBack(); }); }));
    connect(Button_Felvetel_Minta, &QPushButton::clicked, this,
            guarded([this] { act([](RecordingSession& s) { s.playModel(); }); }));
    connect(Button_Felvetel_Elozo, &QPushButton::clicked, this,
            guarded([this] { act([](RecordingSession& s) { s.previous(); }); }));
    connect(Button_Felvetel_Kovetkezo, &QPushButton::clicked, this,
            guarded([this] { act([](RecordingSession& s) { s.next(); }); }));
    connect(Button_Felvetel_Hianyzo, &QPushButton::clicked, this,
            guarded([this] { act([](RecordingSession& s) { s.nextMissing(); }); }));

    auto* packRow = new QHBoxLayout;
    auto* voiceLabel = new QLabel(QStringLiteral("Lejátszás hangja:"), this);
    ComboBox_Felvetel_Lejatszas = new QComboBox(this);
    ComboBox_Felvetel_Lejatszas->setObjectName(QStringLiteral("ComboBox_Felvetel_Lejatszas"));
    ComboBox_Felvetel_Lejatszas->setAccessibleName(QStringLiteral("Lejátszás hangja"));
    ComboBox_Felvetel_Lejatszas->setAccessibleDescription(
        QStringLiteral("Ezen a hangon szólnak a szavak és a magánhangzók a főablakban, ahol van felvétele."));
    voiceLabel->setBuddy(ComboBox_Felvetel_Lejatszas);
    Button_Felvetel_Export = new QPushButton(QStringLiteral("Exportálás…"), this);
    Button_Felvetel_Export->setObjectName(QStringLiteral("Button_Felvetel_Export"));
    Button_Felvetel_Export->setAccessibleName(QStringLiteral("A hang exportálása egy fájlba"));
    Button_Felvetel_Import = new QPushButton(QStringLiteral("Importálás…"), this);
    Button_Felvetel_Import->setObjectName(QStringLiteral("Button_Felvetel_Import"));
    Button_Felvetel_Import->setAccessibleName(QStringLiteral("Hang importálása fájlból"));
    packRow->addWidget(voiceLabel);
    packRow->addWidget(ComboBox_Felvetel_Lejatszas, 1);
    packRow->addWidget(Button_Felvetel_Export);
    packRow->addWidget(Button_Felvetel_Import);
    column->addLayout(packRow);
    column->addStretch(1);
    connect(ComboBox_Felvetel_Lejatszas, &QComboBox::activated, this, guarded([this](int index) {
                const QString voice = ComboBox_Felvetel_Lejatszas->itemData(index).toString();
                const QString error = host_.choosePlaybackVoice(voice);
                showMessage(!error.isEmpty()  ? error
                            : voice.isEmpty() ? QStringLiteral("A főablak a tananyag saját felvételeit játssza le.")
                                              : QStringLiteral("A főablak a(z) „%1” hangon játssza le a szavakat, "
                                                               "ahol van felvétele.")
                                                    .arg(voice));
            }));
    connect(Button_Felvetel_Export, &QPushButton::clicked, this, guarded([this] { exportVoice(); }));
    connect(Button_Felvetel_Import, &QPushButton::clicked, this, guarded([this] { importVoice(); }));
}

void RecordingWindow::addKeys()
{
    const auto bind = [this](const QList<QKeySequence>& keys, QPushButton* button) {
        for (const QKeySequence& k : keys) {
            auto* shortcut = new QShortcut(k, this);
            shortcut->setAutoRepeat(false);
            connect(shortcut, &QShortcut::activated, this, guarded([button] { button->click(); }));
        }
    };
    bind({QKeySequence(Qt::Key_R)}, Button_Felvetel_Felvetel);
    bind({QKeySequence(Qt::Key_L)}, Button_Felvetel_Visszahallgatas);
    bind({QKeySequence(Qt::Key_M)}, Button_Felvetel_Minta);
    bind({QKeySequence(Qt::Key_N), QKeySequence(Qt::Key_Right)}, Button_Felvetel_Kovetkezo);
    bind({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Left)}, Button_Felvetel_Elozo);
    bind({QKeySequence(Qt::Key_H)}, Button_Felvetel_Hianyzo);
}

void RecordingWindow::keyPressEvent(QKeyEvent* e)
{
    // Space records where no control of the focus took it (a focused button
    // presses itself, the name field types it).
    if (e->key() == Qt::Key_Space && e->modifiers() == Qt::NoModifier) {
        Button_Felvetel_Felvetel->click();
        return;
    }
    ToolWindow::keyPressEvent(e);
}

void RecordingWindow::hideEvent(QHideEvent* e)
{
    ToolWindow::hideEvent(e);
    // Closed while recording: the take ends here and is checked as any other.
    runGuarded([this] {
        if (session_ && session_->recording())
            session_->record();
    });
}

void RecordingWindow::openOver(QWidget* mainWindow)
{
    refreshVoices();
    showOver(mainWindow);
    activateWindow();
    if (session_)
        Button_Felvetel_Felvetel->setFocus(Qt::OtherFocusReason);
    else
        Edit_Felvetel_Nev->setFocus(Qt::OtherFocusReason);
}

void RecordingWindow::openVoice()
{
    if (session_ && session_->recording())
        return;
    const QString name = Edit_Felvetel_Nev->text().trimmed();
    if (name.isEmpty()) {
        showMessage(QStringLiteral("Írd be a hang nevét: ez lesz a mappája neve a saját hangjaid között."));
        return;
    }
    QString error;
    std::unique_ptr<RecordingSession> session = host_.sessionFor(name, *this, &error);
    if (!session) {
        showMessage(error);
        Edit_Felvetel_Nev->setFocus(Qt::OtherFocusReason);
        return;
    }
    session_ = std::move(session);
    voice_ = name;
    tell(Label_Felvetel_Uzenet, QString());
    session_->begin();
    if (Label_Felvetel_Uzenet->text().isEmpty())
        showMessage(QStringLiteral("„%1” megnyitva. R vagy szóköz: felvétel; M: a minta.").arg(name));
    refreshButtons();
    Button_Felvetel_Felvetel->setFocus(Qt::OtherFocusReason);
}

void RecordingWindow::act(const std::function<void(RecordingSession&)>& step)
{
    if (!session_) {
        showMessage(QStringLiteral("Előbb írd be a hang nevét, és nyomj Entert."));
        return;
    }
    if (session_->recording())
        return;
    step(*session_);
    refreshButtons();
}

void RecordingWindow::refreshButtons()
{
    const bool open = session_ != nullptr;
    const bool recording = open && session_->recording();
    for (QPushButton* b : {Button_Felvetel_Visszahallgatas, Button_Felvetel_Minta, Button_Felvetel_Elozo,
                           Button_Felvetel_Kovetkezo, Button_Felvetel_Hianyzo, Button_Felvetel_Export})
        b->setEnabled(open && !recording);
    Button_Felvetel_Import->setEnabled(!recording);
    Edit_Felvetel_Nev->setEnabled(!recording);
    Button_Felvetel_Megnyitas->setEnabled(!recording);
}

void RecordingWindow::refreshVoices()
{
    const QStringList voices = host_.voices();
    const QString chosen = host_.playbackVoice();
    QComboBox* c = ComboBox_Felvetel_Lejatszas;
    c->clear();
    c->addItem(QStringLiteral("Alapértelmezett"), QString());
    for (const QString& v : voices)
        c->addItem(v, v);
    const int at = c->findData(chosen);
    c->setCurrentIndex(at < 0 ? 0 : at);
}

void RecordingWindow::exportVoice()
{
    if (!session_ || session_->recording()) {
        showMessage(QStringLiteral("Előbb nyisd meg az exportálandó hangot: írd be a nevét, és nyomj Entert."));
        return;
    }
    const QString file = askFile(true);
    if (file.isEmpty())
        return;
    std::pair<bool, QString> done;
    {
        const BusyCursor busy;
        done = host_.exportVoice(voice_, file);
    }
    showMessage(done.second);
}

void RecordingWindow::importVoice()
{
    const QString file = askFile(false);
    if (file.isEmpty())
        return;
    RecordingWindowHost::Import done;
    {
        const BusyCursor busy;
        done = host_.importVoice(file, false);
    }
    if (done.outcome == RecordingWindowHost::Import::Outcome::NameTaken) {
        if (!askReplace(done.name)) {
            showMessage(QStringLiteral("A(z) „%1” hang maradt a régi; semmi sem változott.").arg(done.name));
            return;
        }
        const BusyCursor busy;
        done = host_.importVoice(file, true);
    }
    showMessage(done.message);
    refreshVoices();
    // The open voice replaced by the pack: its session shows what is on disk now.
    if (done.outcome == RecordingWindowHost::Import::Outcome::Imported && session_ && done.name == voice_)
        openVoice();
}

void RecordingWindow::tell(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setAccessibleName(text);
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void RecordingWindow::showItem(const RecordingItem& item, int position, int count, bool kept)
{
    const QString place = QStringLiteral("%1 / %2").arg(position + 1).arg(count);
    const QString what = item.isVowel() ? QStringLiteral("%1. magánhangzó").arg(item.soundId) : item.word;
    tell(Label_Felvetel_Hely, place + (item.isVowel() ? QStringLiteral(" · hang") : QStringLiteral(" · szó")) +
                                  (kept ? QStringLiteral(" · már felvéve") : QString()));
    tell(Label_Felvetel_Szo, what);
    tell(Label_Felvetel_Jel, symbolText(item.soundId));
    notice_->announce(
        QStringLiteral("%1: %2, %3%4")
            .arg(place, what, symbolText(item.soundId), kept ? QStringLiteral(", már felvéve") : QString()));
}

void RecordingWindow::showProgress(int keptCount, int count)
{
    tell(Label_Felvetel_Haladas, QStringLiteral("%1 szó kész / %2").arg(keptCount).arg(count));
}

void RecordingWindow::showMessage(const QString& text)
{
    tell(Label_Felvetel_Uzenet, text);
    Button_Felvetel_Felvetel->setAccessibleDescription(text);
    notice_->announce(text);
}

void RecordingWindow::showRecording(bool recording)
{
    Button_Felvetel_Felvetel->setText(recording ? QStringLiteral("Leállítás (R)") : QStringLiteral("Felvétel (R)"));
    Button_Felvetel_Felvetel->setAccessibleName(recording ? QStringLiteral("Leállítás") : QStringLiteral("Felvétel"));
    if (recording)
        showMessage(QStringLiteral("Felvétel… Mondd, aztán R vagy szóköz: leállítás."));
    refreshButtons();
    // The window shows the new state before the microphone holds it.
    repaint();
}

} // namespace ejteto
