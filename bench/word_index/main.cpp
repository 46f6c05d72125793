// Word-index keystroke -> list repainted, on a generated table of 100,000
// words, against a QListView over a QStringListModel reset once per
// keystroke on the same words. Each round types "rea" into the filter box
// and deletes it again; the program and the floor take turns.
#include "support/big_installation.h"
#include "support/clock.h"
#include "support/figures.h"
#include "support/paint_watch.h"
#include "support/unattended.h"
#include "ui/form1.h"
#include "word_index/floor_index.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>

using namespace ejteto;
using namespace ejteto::bench;

namespace {

constexpr int kWords = 100000;

using ejteto::bench::PaintWatch;

struct Keystroke {
    const char* label;
    Qt::Key key;
    char text; // 0 for Backspace
};

// Typing and deleting "rea"; the figure of every keystroke is reported.
constexpr std::array<Keystroke, 6> kKeystrokes = {{
    {"'' -> 'r'", Qt::Key_R, 'r'},
    {"'r' -> 're'", Qt::Key_E, 'e'},
    {"'re' -> 'rea'", Qt::Key_A, 'a'},
    {"'rea' -> 're' (Backspace)", Qt::Key_Backspace, 0},
    {"'re' -> 'r' (Backspace)", Qt::Key_Backspace, 0},
    {"'r' -> '' (Backspace)", Qt::Key_Backspace, 0},
}};

// One key into the box, then the events run until the list has been painted.
double keystrokeMs(QLineEdit* edit, PaintWatch& watch, const Keystroke& k)
{
    QCoreApplication::processEvents();
    watch.reset();
    const int64_t start = nowNs();
    if (k.text != 0)
        QTest::keyClick(edit, k.text);
    else
        QTest::keyClick(edit, k.key);
    const int64_t deadline = start + 10'000'000'000;
    while (!watch.painted()) {
        if (nowNs() > deadline)
            fail(QStringLiteral("the list was not repainted after %1").arg(QLatin1String(k.label)));
        QCoreApplication::processEvents();
    }
    return msBetween(start, nowNs());
}

int countContaining(const QStringList& words, const QString& f)
{
    int n = 0;
    for (const QString& w : words)
        n += w.contains(f) ? 1 : 0;
    return n;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const BenchOptions o = parseOptions(argc, argv, 21);
    runUnattended();
    qputenv("EJTETO_AUDIO_SINK", "fakesink sync=true"); // nothing is played here
    const BigInstallation big(QStringLiteral(EJTETO_BENCH_COURSE_DIR), kWords, false);

    TForm1 form(big.dir());
    form.move(0, 0);
    form.show();
    FloorIndex floor(big.words());
    floor.setGeometry(form.width() + 4, 0, 515, 480); // beside the main window, never covering it
    floor.show();
    if (!QTest::qWaitForWindowExposed(&form) || !QTest::qWaitForWindowExposed(&floor))
        fail(QStringLiteral("the windows were never shown"));

    auto* open = form.findChild<QPushButton*>(QStringLiteral("Button_Szomutato"));
    auto* edit = form.findChild<QLineEdit*>(QStringLiteral("Edit_Szomutato_Szuro"));
    auto* list = form.findChild<QAbstractItemView*>(QStringLiteral("ListBox_Szomutato"));
    if (open == nullptr || edit == nullptr || list == nullptr)
        fail(QStringLiteral("the word index controls were not found"));
    QTest::mouseClick(open, Qt::LeftButton);
    edit->setFocus();
    PaintWatch programWatch(list->viewport());
    PaintWatch floorWatch(floor.listViewport());

    std::array<Samples, kKeystrokes.size()> program, floorSamples;
    // Round 0 settles the first layout of both lists and is not counted.
    for (int round = 0; round <= o.rounds; ++round) {
        for (size_t k = 0; k < kKeystrokes.size(); ++k) {
            const double p = keystrokeMs(edit, programWatch, kKeystrokes[k]);
            const double f = keystrokeMs(floor.edit(), floorWatch, kKeystrokes[k]);
            if (round > 0) {
                program[k].add(p);
                floorSamples[k].add(f);
            }
        }
    }
    if (!o.rowsOnly)
        printHeader();
    for (size_t k = 0; k < kKeystrokes.size(); ++k)
        printRow(QStringLiteral("(c) 100k words, %1").arg(QLatin1String(kKeystrokes[k].label)), program[k],
                 floorSamples[k], Unit::Milliseconds);
    printNote(QStringLiteral("words listed: '' %1, 'r' %2, 're' %3, 'rea' %4")
                  .arg(kWords)
                  .arg(countContaining(big.words(), QStringLiteral("r")))
                  .arg(countContaining(big.words(), QStringLiteral("re")))
                  .arg(countContaining(big.words(), QStringLiteral("rea"))));
    return 0;
}
