// Program entry: the application title, the main window and the hidden
// About window, then the event loop until the main window closes. A failure
// while the main window is created (a media placeholder that cannot be
// opened) is fatal: it is reported in the "Application Error" box and the
// program ends with exit code 1.
#include "app/app_error.h"
#include "content/listening_answer_sink.h"
#include "history/history_csv.h"
#include "history/history_recorder.h"
#include "history/history_store.h"
#include "ui/error_box.h"
#include "ui/form1.h"
#include "ui/listening_tool.h"
#include "ui/nevjegy.h"
#include "ui/progress_window.h"
#include "ui/start_ahead.h"
#include "ui/start_marks.h"
#include "ui/kiejtes.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

void showFatalError(const ejteto::AppError& e)
{
    const QString text = QStringLiteral("Exception %1 in module %2 at %3.\n%4")
                             .arg(e.className(), QCoreApplication::applicationName())
                             .arg(static_cast<qulonglong>(e.address()), 8, 16, QLatin1Char('0'))
                             .arg(ejteto::withFullStop(e.message()));
    if (qEnvironmentVariable("EJTETO_ERRORS") == QLatin1String("stderr")) {
        std::fprintf(stderr, "Application Error: %s\n", text.toUtf8().constData());
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Application Error"), text);
    box.exec();
}

// `ejteto --export-history FILE`: the history as CSV, for a teacher's
// scripts; no window, no display needed. Returns the exit code.
int exportHistoryTo(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "%s\n", "Használat: ejteto --export-history FÁJL");
        return 2;
    }
    const QString error = ejteto::exportHistory(ejteto::defaultHistoryPath(), args[2]);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 1;
    }
    return 0;
}

// Every answer of the listening drill goes to the kept history.
class ListeningHistory : public ejteto::ListeningAnswerSink {
public:
    explicit ListeningHistory(ejteto::HistoryRecorder& history) : history_(history) {}
    void recordAnswer(const ejteto::ListeningAnswer& a) override
    {
        history_.recordListeningAnswer({a.at, a.soundId, a.chosen, a.word});
    }

private:
    ejteto::HistoryRecorder& history_;
};

bool asksForExport(int argc, char** argv) { return argc >= 2 && std::strcmp(argv[1], "--export-history") == 0; }

} // namespace

int main(int argc, char** argv)
{
    if (asksForExport(argc, argv))
        return exportHistoryTo(argc, argv);
    // Begun before the application object, whose start mostly waits on the
    // window system; joined when main ends.
    const ejteto::StartAhead ahead;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ejteto"));
    // Lets the desktop match the window with its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(EJTETO_DESKTOP_FILE_NAME));
    // Other command-line arguments are not used.

    // The history is opened on its own thread while the window is made; a
    // problem with it is told once the event loop runs.
    ejteto::HistoryRecorder history(ejteto::defaultHistoryPath(), &app,
                                    [](const QString& message) { ejteto::showErrorBox(message); });
    std::unique_ptr<ejteto::TForm1> form;
    try {
        ejteto::WindowServices services;
        services.runs = &history;
        services.panelsAfterFirstPaint = true; // shown right below
        form = std::make_unique<ejteto::TForm1>(QString(), services);
    } catch (const ejteto::AppError& e) {
        showFatalError(e);
        return 1;
    } catch (const std::exception& e) {
        showFatalError(ejteto::AppError(QStringLiteral("Exception"), QString::fromLocal8Bit(e.what())));
        return 1;
    }
    // The About window and the tool windows are hidden until asked for:
    // they are made once the main window is on screen.
    std::unique_ptr<ejteto::TForm_About> about;
    std::unique_ptr<ejteto::ProgressWindow> progress;
    ListeningHistory listeningHistory(history);
    std::unique_ptr<ejteto::ListeningTool> listening;
    std::unique_ptr<ejteto::ToolWindow> kiejtes;
    QObject::connect(form.get(), &ejteto::TForm1::firstPainted, form.get(),
                     [&form, &about, &progress, &history, &listening, &listeningHistory, &kiejtes] {
                         about = std::make_unique<ejteto::TForm_About>();
                         form->setAboutWindow(about.get());
                         kiejtes = ejteto::installKiejtes(*form, [&history](const ejteto::JudgedTake& t) {
                             history.recordTake(
                                 {QDateTime::currentDateTimeUtc(), t.target, t.verdict, t.f1, t.f2, t.f3});
                         });
                         progress = ejteto::installProgressWindow(*form, history);
                         listening = ejteto::installListeningDrill(*form);
                         listening->setAnswerSink(&listeningHistory);
                     });
    ejteto::installStartMarks(form.get()); // only with EJTETO_BENCH_MARKS set
    form->show();
    if (qEnvironmentVariableIsSet("EJTETO_QUIT_AFTER_START"))
        QMetaObject::invokeMethod(form.get(), &QWidget::close, Qt::QueuedConnection);
    return app.exec();
}
