// Tile click -> first audio buffer rendered at the sink, on the bundled
// course, against a minimal GStreamer program playing the same recording.
// Measured with the fixed sink (EJTETO_AUDIO_SINK) and with the automatic
// one; on a machine without sound the automatic sink is the program's
// real-time fallback, reached after probing the system's outputs.
#include "first_sound/floor_player.h"
#include "first_sound/sink_watch.h"
#include "media/gst_runtime.h"
#include "support/clock.h"
#include "support/figures.h"
#include "support/unattended.h"
#include "ui/form1.h"

#include <QApplication>
#include <QTest>

using namespace ejteto;
using namespace ejteto::bench;

namespace {

constexpr int kTile = 1;
const QByteArray kFixedSink = QByteArrayLiteral("fakesink sync=true");

double sinceNs(int64_t start, const QString& what)
{
    const int64_t first = firstRenderedBufferNs();
    if (first < 0)
        fail(QStringLiteral("%1: no audio buffer reached the sink").arg(what));
    return msBetween(start, first);
}

struct ModeSamples {
    Samples program, floor;
};

// Rounds of one click on the tile and one floor play of the tile's vowel,
// the first round of each left uncounted.
ModeSamples measureClicks(QWidget* tile, const QString& vowelPath, const QByteArray& fixedSink, int rounds)
{
    if (fixedSink.isEmpty())
        qunsetenv("EJTETO_AUDIO_SINK");
    else
        qputenv("EJTETO_AUDIO_SINK", fixedSink);
    FloorPlayer floor(chooseFloorSink(fixedSink));
    ModeSamples s;
    for (int round = 0; round <= rounds; ++round) {
        QCoreApplication::processEvents();
        armSinkWatch();
        int64_t start = nowNs();
        QTest::mouseClick(tile, Qt::LeftButton); // returns once the vowel has played
        const double program = sinceNs(start, QStringLiteral("tile click"));

        armSinkWatch();
        start = nowNs();
        floor.play(vowelPath);
        const double floorMs = sinceNs(start, QStringLiteral("floor play"));
        if (round == 0)
            continue;
        s.program.add(program);
        s.floor.add(floorMs);
    }
    return s;
}

// The cost of choosing the automatic output on every open, against making
// the output that was chosen once.
ModeSamples measureSinkChoice(int rounds)
{
    qunsetenv("EJTETO_AUDIO_SINK");
    GstElement* chosen = chooseFloorSink(QByteArray());
    GstElementFactory* factory = gst_element_get_factory(chosen);
    ModeSamples s;
    for (int round = 0; round <= rounds; ++round) {
        int64_t start = nowNs();
        auto sink = makeAudioSink();
        const double program = msBetween(start, nowNs());
        sink.reset(); // released outside the timing

        start = nowNs();
        GstElement* again = gst_element_factory_create(factory, nullptr);
        const double floor = msBetween(start, nowNs());
        gst_object_unref(gst_object_ref_sink(again));
        if (round == 0)
            continue;
        s.program.add(program);
        s.floor.add(floor);
    }
    gst_object_unref(chosen);
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const BenchOptions o = parseOptions(argc, argv, 31);
    runUnattended();
    ensureGstreamer();
    installSinkWatch();
    const QString course = QStringLiteral(EJTETO_BENCH_COURSE_DIR);
    const QString vowel = course + QStringLiteral("/media/phones/%1.wav").arg(kTile);

    qputenv("EJTETO_AUDIO_SINK", kFixedSink); // the placeholders open as in the fixed rounds
    TForm1 form(course);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        fail(QStringLiteral("the main window was never shown"));
    QWidget* tile = form.findChild<QWidget*>(QStringLiteral("Image_Mosaic_%1").arg(kTile));
    if (tile == nullptr)
        fail(QStringLiteral("no tile %1 in the main window").arg(kTile));

    const ModeSamples fixed = measureClicks(tile, vowel, kFixedSink, o.rounds);
    const ModeSamples automatic = measureClicks(tile, vowel, QByteArray(), o.rounds);
    const ModeSamples choice = measureSinkChoice(o.rounds);
    if (!o.rowsOnly)
        printHeader();
    printRow(QStringLiteral("(b) tile click -> first audio, fixed sink"), fixed.program, fixed.floor,
             Unit::Milliseconds);
    printRow(QStringLiteral("(b) tile click -> first audio, automatic sink"), automatic.program, automatic.floor,
             Unit::Milliseconds);
    printRow(QStringLiteral("(b) automatic sink chosen per open"), choice.program, choice.floor, Unit::Milliseconds);
    return 0;
}
