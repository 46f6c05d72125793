// The "Haladás" window offscreen: a test run made with the keyboard alone is
// found by the sqlite3 tool with its score and its ten answers and shows in
// the window opened by Ctrl+H; a prepared history is shown figure by figure,
// exported and forgotten.
#include "access/keyboard_fixture.h"
#include "history/history_csv.h"
#include "history/history_files.h"
#include "history/history_recorder.h"
#include "history/history_store.h"
#include "history/sample_runs.h"
#include "ui/progress_window.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

class ProgressWindowTest : public KeyboardTest {
protected:
    QString sqlite3(const QString& sql)
    {
        QProcess p;
        p.start(QStandardPaths::findExecutable(QStringLiteral("sqlite3")), {path, sql});
        EXPECT_TRUE(p.waitForFinished(10000));
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
    QStringList row(const QTableWidget* t, int r)
    {
        QStringList cells;
        for (int c = 0; c < t->columnCount(); ++c)
            cells << (t->item(r, c) ? t->item(r, c)->text() : QString());
        return cells;
    }
    template <class W>
    W* part(const QWidget* window, const char* name)
    {
        W* w = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("ejteto/history.sqlite"));
};

} // namespace

TEST_F(ProgressWindowTest, AKeyboardTestRunIsKeptWithItsTenAnswersAndShownByCtrlH)
{
    HistoryRecorder history(path, nullptr, {});
    services.runs = &history;
    FormView& f = startForKeys();
    const std::unique_ptr<ProgressWindow> window = installProgressWindow(f.form.tools(), history);

    tabTo(f.Image_Mosaic[1]);
    key(Qt::Key_Return);
    tabTo(f.Button_Inditas_Teszt, true);
    key(Qt::Key_Space);
    ASSERT_TRUE(f.Panel_Modul_GyakTeszt->isVisible());
    for (int q = 1; q <= 10; ++q) {
        int right = 0;
        while (f.AnswerLabels[static_cast<size_t>(right)]->text() != f.CorrectWord)
            ++right;
        key(Qt::Key_1 + (q % 2 == 1 ? right : (right + 1) % 4));
        key(Qt::Key_Return);
    }
    ASSERT_TRUE(f.Panel_Ertekelo->isVisible());
    key(Qt::Key_Escape); // "Bezár"
    ASSERT_TRUE(history.flush(5000));

    EXPECT_EQ(sqlite3(QStringLiteral("SELECT kind, lesson, outcome, right_count, wrong_count, "
                                     "(SELECT COUNT(*) FROM answers WHERE run_id = runs.id) FROM runs;")),
              QStringLiteral("test|1|finished|5|5|10"));
    EXPECT_EQ(sqlite3(QStringLiteral("SELECT group_concat(chosen_place = correct_place, '') FROM "
                                     "(SELECT * FROM answers ORDER BY question);")),
              QStringLiteral("1010101010"));
    EXPECT_EQ(sqlite3(QStringLiteral("SELECT COUNT(*) FROM answers WHERE sound1 * sound2 * sound3 * sound4 = 0;")),
              QStringLiteral("0"))
        << "every offered word has its sound";

    // A run left with "Bezár" is kept as abandoned.
    key(Qt::Key_Space);
    key(Qt::Key_1);
    key(Qt::Key_Return);
    key(Qt::Key_Escape);
    ASSERT_TRUE(history.flush(5000));
    EXPECT_EQ(sqlite3(QStringLiteral("SELECT outcome, right_count + wrong_count FROM runs WHERE id = 2;")),
              QStringLiteral("abandoned|1"));

    // The tiles' right-click menu offers it too, with its key.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), f.Image_Mosaic[2]->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(f.Image_Mosaic[2], &rightClick);
    QMenu* menu = f.form.findChild<QMenu*>(QStringLiteral("ControlMenu"));
    ASSERT_NE(menu, nullptr);
    QStringList lines;
    for (const QAction* a : menu->actions())
        lines << a->text();
    EXPECT_TRUE(lines.contains(QStringLiteral("Haladás\tCtrl+H"))) << lines.join(QLatin1Char('|')).toStdString();
    menu->close();

    key(Qt::Key_H, Qt::ControlModifier);
    ASSERT_TRUE(window->isVisible());
    auto* lessons = part<QTableWidget>(window.get(), "Table_Haladas_Leckek");
    ASSERT_EQ(lessons->rowCount(), 1);
    EXPECT_EQ(row(lessons, 0).mid(0, 6), (QStringList{"1. lecke", "2", "1", "1", "5/10", "5/10"}));
    auto* confusions = part<QListWidget>(window.get(), "List_Haladas_Tevesztesek");
    ASSERT_GE(confusions->count(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^/.+/ helyett /.+/: \\d+-sz(e|o|ö)r$"))
                    .match(confusions->item(0)->text())
                    .hasMatch())
        << confusions->item(0)->text().toStdString();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    key(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ProgressWindowTest, APreparedHistoryIsShownExportedAndForgotten)
{
    {
        HistoryStore store(path);
        ASSERT_TRUE(store.recordRun(sampleRun(RunKind::Test, 3, 2, sampleTime(10), 4)).ok());
        ASSERT_TRUE(store.recordRun(sampleRun(RunKind::Test, 3, 7, sampleTime(20), 4)).ok());
        RunReport left = sampleRun(RunKind::Practice, 5, 0, sampleTime(30));
        left.end = RunEnd::Abandoned;
        ASSERT_TRUE(store.recordRun(left).ok());
        ASSERT_TRUE(store.recordPairsGame({1, sampleTime(40), sampleTime(41), 50, 12}).ok());
    }
    HistoryRecorder history(path, nullptr, {});
    ProgressWindow window(history);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    auto* lessons = part<QTableWidget>(&window, "Table_Haladas_Leckek");
    ASSERT_EQ(lessons->rowCount(), 2);
    EXPECT_EQ(row(lessons, 0), (QStringList{"3. lecke", "2", "0", "2", "3/10", "8/10", "romlik", "8, 3"}));
    EXPECT_EQ(row(lessons, 1), (QStringList{"5. lecke", "1", "1", "0", "–", "–", "–", ""}));
    EXPECT_EQ(part<QWidget>(&window, "Chart_Haladas_Tendencia")->accessibleDescription(),
              QStringLiteral("Időrendben, a 10-ből: 8, 3."));
    auto* confusions = part<QListWidget>(&window, "List_Haladas_Tevesztesek");
    ASSERT_EQ(confusions->count(), 1);
    EXPECT_EQ(confusions->item(0)->text(), QStringLiteral("/e/ helyett /æ/: 9-szer"));
    EXPECT_EQ(
        part<QLabel>(&window, "Label_Haladas_Javaslat")->text(),
        QStringLiteral("Ezt a leckét érdemes most gyakorolni: 3. lecke (az utolsó tesztek átlaga 5,5 a 10-ből)."));
    EXPECT_EQ(part<QLabel>(&window, "Label_Haladas_Jatekok")->text(), QStringLiteral("Befejezett játékok: 1"));

    // Tab reaches every figure: the suggestion, the table, the confusions,
    // the games, and the buttons.
    QSet<QString> reached;
    for (int i = 0; i < 12; ++i) {
        if (QWidget* w = QApplication::focusWidget())
            reached << w->objectName();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_Tab);
    }
    for (const char* name : {"Label_Haladas_Javaslat", "Table_Haladas_Leckek", "List_Haladas_Tevesztesek",
                             "Label_Haladas_Jatekok", "Button_Haladas_Export", "Button_Haladas_Torles"})
        EXPECT_TRUE(reached.contains(QString::fromLatin1(name))) << name;

    // The export writes what the reader reads; a folder that is not there
    // is told in the error box.
    const QString csv = dir.filePath(QStringLiteral("osztaly.csv"));
    window.setFileChooser([&] { return csv; });
    part<QPushButton>(&window, "Button_Haladas_Export")->click();
    QFile exported(csv);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll(), historyCsv(HistoryReader(path).runs()));
    window.setFileChooser([&] { return dir.filePath(QStringLiteral("nincs/ilyen.csv")); });
    part<QPushButton>(&window, "Button_Haladas_Export")->click();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("nem írhatók"))) << errors[0].toStdString();

    // Forgetting asks first.
    int asked = 0;
    window.setConfirmation([&] { return ++asked > 1; });
    part<QPushButton>(&window, "Button_Haladas_Torles")->click();
    EXPECT_EQ(countRows(path, QStringLiteral("runs")), 4) << "not confirmed: nothing forgotten";
    part<QPushButton>(&window, "Button_Haladas_Torles")->click();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(countRows(path, QStringLiteral("runs")), 0);
    EXPECT_EQ(lessons->rowCount(), 0);
    EXPECT_EQ(part<QLabel>(&window, "Label_Haladas_Allapot")->text(), QStringLiteral("Az előzmények törölve."));
}
