// Resident memory over long use, on the bundled course: after a warm-up that
// uses every kind once, the window goes through N cycles of each kind (a
// lecture opened, played for half a second and closed; a pairs game dealt,
// two turns played and closed; a tile chosen, its vowel played; a practice
// run of ten answered questions to its results; a round of the listening
// drill answered to its summary; a take of record-and-compare judged in the
// Kiejtés window), and the resident memory is read after the warm-up and at
// the end. The floor is a bare window of the same libraries in a process of
// its own: a panel shown and hidden and one playbin opening, playing and
// closing the same files, as many times. Growth is given per 1,000 cycles.
//
// With a display (DISPLAY set, as scripts/bench runs it: a virtual display
// with a window manager and the accessibility bus) the windows are real
// ones and the video reaches a widget the window system paints; without
// one, everything runs offscreen. The sound goes to a silent sink in both.
//
// Waits (the verdict pause, the status slide) are skipped and recordings
// play as fast as they decode: what is measured is memory, not time. The
// learner's takes are synthetic vowels: the bench needs no microphone.
#include "content/run_clock.h"
#include "content/voice_recorder.h"
#include "support/figures.h"
#include "support/synthetic_vowel.h"
#include "support/unattended.h"
#include "ui/form1.h"
#include "ui/kiejtes.h"
#include "ui/listening_tool.h"
#include "ui/listening_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <functional>
#include <gst/gst.h>
#include <malloc.h>
#include <unistd.h>

using namespace ejteto;
using namespace ejteto::bench;

namespace {

constexpr int kDefaultCycles = 100;
constexpr int kWarmUpCycles = 10;
constexpr int kLecturePlayMs = 500;
const QString kCourse = QStringLiteral(EJTETO_BENCH_COURSE_DIR);

// Resident memory in MiB, once freed heap has gone back to the system: what
// stays is what the program still holds.
double residentMiB()
{
    malloc_trim(0);
    FILE* f = std::fopen("/proc/self/statm", "r");
    long size = 0, resident = 0;
    if (f == nullptr || std::fscanf(f, "%ld %ld", &size, &resident) != 2)
        fail(QStringLiteral("/proc/self/statm cannot be read"));
    std::fclose(f);
    return double(resident) * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void runEventsFor(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Time that passes at once: the practice's pauses cost nothing here.
class InstantClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    void sleep(int) override {}
};

struct CycleKind {
    const char* name;
    std::function<void(int)> run; // cycle i
};

struct Figures {
    double afterWarmUp = 0, atEnd = 0;
    double per1000(int cycles) const { return (atEnd - afterWarmUp) * 1000.0 / cycles; }
};

std::vector<Figures> measure(const std::vector<CycleKind>& kinds, int cycles)
{
    for (const CycleKind& k : kinds)
        for (int i = 0; i < kWarmUpCycles; ++i)
            k.run(i);
    std::vector<Figures> out;
    for (const CycleKind& k : kinds) {
        Figures f;
        f.afterWarmUp = residentMiB();
        for (int i = 0; i < cycles; ++i)
            k.run(i);
        f.atEnd = residentMiB();
        out.push_back(f);
    }
    return out;
}

// ---- the program -------------------------------------------------------

// The learner's voice: a man's /ɑː/, half a second, as the microphone would
// give it; played back into nothing.
class SyntheticRecorder : public VoiceRecorder {
public:
    bool start() override { return true; }
    VoiceTake finish(EventPump&, const std::function<bool()>&) override
    {
        static const std::vector<qint16> samples = testing::synthesize(testing::monophthong(700, 1100, 2500, 1.0, 120));
        VoiceTake take;
        take.samples.assign(samples.begin(), samples.end());
        take.sampleRate = 22050;
        take.channels = 1;
        return take;
    }
    void playTake(const VoiceTake&) override {}
};

class ProgramCycles {
public:
    ProgramCycles() : form_(kCourse + QLatin1Char('/'), services())
    {
        form_.show();
        if (!QTest::qWaitForWindowExposed(&form_))
            fail(QStringLiteral("the window was never shown"));
        QCoreApplication::processEvents();
        // The tools as the program sets them up once the window is on screen.
        ListeningToolServices drill;
        drill.clock = &clock_;
        listening_ = installListeningDrill(form_.tools(), drill);
        kiejtes_ = installKiejtes(form_.tools());
    }

    std::vector<CycleKind> kinds()
    {
        return {
            {"lecture cycles", [this](int i) { lecture(i); }},
            {"pairs games", [this](int) { pairsGame(); }},
            {"tile choices", [this](int i) { chooseTile(i % 16 + 1); }},
            {"practice runs", [this](int) { practiceRun(); }},
            {"listening-drill rounds", [this](int i) { listeningRound(i); }},
            {"Kiejtés takes", [this](int i) { kiejtesTake(i); }},
        };
    }

private:
    WindowServices services()
    {
        WindowServices s;
        s.clock = &clock_;
        s.recorders = [] { return std::make_unique<SyntheticRecorder>(); };
        return s;
    }

    template <class T>
    T* find(const QString& name)
    {
        T* c = form_.findChild<T*>(name);
        if (c == nullptr)
            fail(QStringLiteral("no control %1").arg(name));
        return c;
    }

    void click(const QString& name)
    {
        QWidget* w = find<QWidget>(name);
        if (!w->isVisible() || !w->isEnabled())
            fail(QStringLiteral("%1 cannot be clicked").arg(name));
        QTest::mouseClick(w, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    void chooseTile(int n) { click(QStringLiteral("Image_Mosaic_%1").arg(n)); }

    void lecture(int i)
    {
        chooseTile(i % 16 + 1);
        click(QStringLiteral("Button_Inditas_Eloadas"));
        click(QStringLiteral("Button_Eloadas_LejatszasSzunet"));
        runEventsFor(kLecturePlayMs);
        click(QStringLiteral("Button_Modul_Eloadas_Bezar"));
    }

    void pairsGame()
    {
        click(QStringLiteral("Button_Jatek"));
        for (int b = 0; b < 4; ++b)
            click(QStringLiteral("Button_Jatek_%1").arg(b));
        click(QStringLiteral("Button_Modul_Jatek_Bezar"));
    }

    void practiceRun()
    {
        click(QStringLiteral("Button_Inditas_Gyakorlat"));
        for (int q = 0; q < 10; ++q) {
            click(QStringLiteral("Label_GyakTeszt_e1"));
            click(QStringLiteral("Button_GyakTeszt_Tovabb"));
        }
        click(QStringLiteral("Button_Modul_GyakTeszt_Bezar"));
    }

    // A round on lesson i: opened by its key, every trial answered with the
    // first choice and left, to the round's summary.
    void listeningRound(int i)
    {
        chooseTile(i % 16 + 1);
        ListeningWindow& w = listening_->window();
        if (!w.isVisible())
            QTest::keyClick(&form_, Qt::Key_G, Qt::ControlModifier);
        else
            clickIn(w.Button_Hall_UjKor);
        for (int step = 0; step < 100; ++step) {
            if (w.Button_Hall_Valasz[0]->isEnabled())
                clickIn(w.Button_Hall_Valasz[0]);
            else if (w.Button_Hall_Tovabb->isEnabled())
                clickIn(w.Button_Hall_Tovabb);
            else
                return;
        }
        fail(QStringLiteral("the listening round never ended"));
    }

    // Ctrl+click on a tile: the take recorded, judged in the Kiejtés window,
    // then heard beside the model.
    void kiejtesTake(int i)
    {
        QWidget* tile = find<QWidget>(QStringLiteral("Image_Mosaic_%1").arg(i % 16 + 1));
        QTest::mouseClick(tile, Qt::LeftButton, Qt::ControlModifier);
        QCoreApplication::processEvents();
        if (!kiejtes_->isVisible())
            fail(QStringLiteral("the take did not reach the Kiejtés window"));
    }

    static void clickIn(QWidget* w)
    {
        QTest::mouseClick(w, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    InstantClock clock_;
    TForm1 form_;
    std::unique_ptr<ListeningTool> listening_;
    std::unique_ptr<ToolWindow> kiejtes_;
};

// ---- the floor ---------------------------------------------------------

// A window with one panel and one playbin, kept for the whole run as the
// program keeps its players.
class FloorCycles {
public:
    FloorCycles() : label_(&panel_)
    {
        window_.resize(800, 600);
        panel_.setParent(&window_);
        panel_.setGeometry(0, 60, 800, 540);
        panel_.hide();
        window_.show();
        if (!QTest::qWaitForWindowExposed(&window_))
            fail(QStringLiteral("the floor window was never shown"));
        playbin_ = gst_element_factory_make("playbin", nullptr);
        GstElement* audio = gst_parse_bin_from_description("fakesink sync=false", TRUE, nullptr);
        GstElement* video = gst_element_factory_make("fakesink", nullptr);
        if (playbin_ == nullptr || audio == nullptr || video == nullptr)
            fail(QStringLiteral("the floor's playbin cannot be made"));
        g_object_set(playbin_, "audio-sink", audio, "video-sink", video, nullptr);
    }
    ~FloorCycles()
    {
        gst_element_set_state(playbin_, GST_STATE_NULL);
        gst_object_unref(playbin_);
    }

    std::vector<CycleKind> kinds()
    {
        return {
            {"lecture cycles",
             [this](int i) {
                 showPanel(i);
                 play(QStringLiteral("media/videos/%1.avi").arg(i % 16 + 1), kLecturePlayMs);
                 panel_.hide();
             }},
            {"pairs games",
             [this](int i) {
                 showPanel(i);
                 for (int b = 0; b < 4; ++b)
                     play(QStringLiteral("media/phones/%1.wav").arg((i + b) % 16 + 1), -1);
                 panel_.hide();
             }},
            {"tile choices", [this](int i) { play(QStringLiteral("media/phones/%1.wav").arg(i % 16 + 1), -1); }},
            {"practice runs",
             [this](int i) {
                 for (int q = 0; q < 10; ++q)
                     showPanel(i * 10 + q);
                 panel_.hide();
             }},
            {"listening-drill rounds",
             [this](int i) {
                 for (int t = 0; t < 10; ++t) {
                     showPanel(i * 10 + t);
                     play(QStringLiteral("media/phones/%1.wav").arg((i + t) % 16 + 1), -1);
                 }
                 panel_.hide();
             }},
            {"Kiejtés takes",
             [this](int i) {
                 showPanel(i);
                 play(QStringLiteral("media/phones/%1.wav").arg(i % 16 + 1), -1);
             }},
        };
    }

private:
    void showPanel(int i)
    {
        label_.setText(QStringLiteral("Kérdés %1").arg(i));
        label_.adjustSize();
        panel_.show();
        QCoreApplication::processEvents();
    }

    // Plays `relative` to its end (ms < 0) or for `ms`, then closes it.
    void play(const QString& relative, int ms)
    {
        const QByteArray uri = "file://" + QFile::encodeName(kCourse + QLatin1Char('/') + relative);
        g_object_set(playbin_, "uri", uri.constData(), nullptr);
        gst_element_set_state(playbin_, GST_STATE_PLAYING);
        GstBus* bus = gst_element_get_bus(playbin_);
        if (ms < 0) {
            GstMessage* m =
                gst_bus_timed_pop_filtered(bus, 10 * GST_SECOND, GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
            if (m != nullptr)
                gst_message_unref(m);
        } else {
            runEventsFor(ms);
        }
        gst_element_set_state(playbin_, GST_STATE_READY);
        // What the file left on the bus goes with it, as the program's
        // players drop it.
        gst_bus_set_flushing(bus, TRUE);
        gst_bus_set_flushing(bus, FALSE);
        gst_object_unref(bus);
    }

    QWidget window_;
    QWidget panel_;
    QLabel label_;
    GstElement* playbin_ = nullptr;
};

// --only WORD keeps the kinds whose name begins with WORD (heaptrack runs one kind at a time).
QByteArray onlyKinds;
// --system-sound leaves the program its own audio output (real time, as a
// learner hears it) instead of the silent sink that decodes at full speed.
bool systemSound = false;

std::vector<CycleKind> chosen(std::vector<CycleKind> kinds)
{
    if (onlyKinds.isEmpty())
        return kinds;
    std::vector<CycleKind> kept;
    for (CycleKind& k : kinds)
        if (QByteArray(k.name).startsWith(onlyKinds))
            kept.push_back(std::move(k));
    if (kept.empty())
        fail(QStringLiteral("no cycle kind begins with %1").arg(QString::fromUtf8(onlyKinds)));
    return kept;
}

int cyclesOption(int argc, char** argv, bool& rowsOnly, bool& floorChild)
{
    int cycles = kDefaultCycles;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--cycles") == 0 && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
            cycles = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--rows-only") == 0) {
            rowsOnly = true;
        } else if (std::strcmp(argv[i], "--floor") == 0) {
            floorChild = true;
        } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
            onlyKinds = argv[++i];
        } else if (std::strcmp(argv[i], "--system-sound") == 0) {
            systemSound = true;
        } else {
            std::fprintf(stderr,
                         "usage: %s [--cycles N] [--rows-only] [--only KIND] [--system-sound]   (default %d cycles of "
                         "each kind)\n",
                         argv[0], kDefaultCycles);
            std::exit(2);
        }
    }
    return cycles;
}

} // namespace

int main(int argc, char** argv)
{
    bool rowsOnly = false, floorChild = false;
    const int cycles = cyclesOption(argc, argv, rowsOnly, floorChild);
    // A real window where there is a display; offscreen and silent otherwise.
    const bool realSession = !qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (!realSession)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The sound goes nowhere, at once, in both (unless --system-sound): the video is what differs.
    if (!systemSound)
        qputenv("EJTETO_AUDIO_SINK", "fakesink sync=false");
    runUnattended();
    QApplication app(argc, argv);
    gst_init(nullptr, nullptr);

    if (floorChild) {
        FloorCycles floor;
        for (const Figures& f : measure(chosen(floor.kinds()), cycles))
            std::printf("%.3f %.3f\n", f.afterWarmUp, f.atEnd);
        return 0;
    }

    // The floor first, in a process of its own, so neither heap holds the other's.
    QProcess floorRun;
    QStringList floorArguments{QStringLiteral("--floor"), QStringLiteral("--cycles"), QString::number(cycles)};
    if (!onlyKinds.isEmpty())
        floorArguments << QStringLiteral("--only") << QString::fromUtf8(onlyKinds);
    if (systemSound)
        floorArguments << QStringLiteral("--system-sound");
    floorRun.start(QCoreApplication::applicationFilePath(), floorArguments);
    if (!floorRun.waitForFinished(-1) || floorRun.exitCode() != 0)
        fail(QStringLiteral("the floor run failed: %1").arg(QString::fromLocal8Bit(floorRun.readAllStandardError())));
    std::vector<Figures> floorFigures;
    for (const QByteArray& line : floorRun.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> v = line.split(' ');
        if (v.size() == 2)
            floorFigures.push_back({v[0].toDouble(), v[1].toDouble()});
    }

    ProgramCycles program;
    const std::vector<CycleKind> kinds = chosen(program.kinds());
    const std::vector<Figures> programFigures = measure(kinds, cycles);
    if (floorFigures.size() != programFigures.size())
        fail(QStringLiteral("the floor run printed %1 figures").arg(floorFigures.size()));

    if (!rowsOnly)
        printHeader();
    for (size_t k = 0; k < kinds.size(); ++k) {
        const auto row = [&](const QString& what, double p, double f) {
            Samples ps, fs;
            ps.add(p);
            fs.add(f);
            printRow(QStringLiteral("(e) %1: %2").arg(QString::fromUtf8(kinds[k].name), what), ps, fs, Unit::MiB);
        };
        row(QStringLiteral("RSS after warm-up"), programFigures[k].afterWarmUp, floorFigures[k].afterWarmUp);
        row(QStringLiteral("RSS after %1 more").arg(cycles), programFigures[k].atEnd, floorFigures[k].atEnd);
        row(QStringLiteral("growth per 1,000"), programFigures[k].per1000(cycles), floorFigures[k].per1000(cycles));
    }
    printNote(QStringLiteral("%1 warm-up cycles of every kind first; recordings play as fast as they decode; %2")
                  .arg(kWarmUpCycles)
                  .arg(realSession ? QStringLiteral("in a real X session") : QStringLiteral("offscreen")));
    return 0;
}
