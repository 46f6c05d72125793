// Program entry: the application title, the main window and the hidden
// About window, then the event loop until the main window closes. A failure
// while the main window is created (a media placeholder that cannot be
// opened) is fatal: it is reported in the "Application Error" box and the
// program ends with exit code 1. --help and --version answer without a
// window.
#include "app/app_error.h"
#include "app/command_line.h"
#include "app/paths.h"
#include "app/qt_translation.h"
#include "app/screen_fit.h"
#include "content/listening_answer_sink.h"
#include "history/history_csv.h"
#include "history/history_reader.h"
#include "history/history_recorder.h"
#include "history/history_store.h"
#include "ui/error_box.h"
#include "ui/form1.h"
#include "ui/kiejtes.h"
#include "ui/listening_tool.h"
#include "ui/nevjegy.h"
#include "ui/progress_window.h"
#include "ui/recording_tool.h"
#include "ui/start_ahead.h"
#include "ui/start_marks.h"
#include "ui/today_tool.h"
#include "voice_packs/voice_pack_commands.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

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

// Every answer of the listening drill goes to the kept history, every field
// of it.
class ListeningHistory : public ejteto::ListeningAnswerSink {
public:
    explicit ListeningHistory(ejteto::HistoryRecorder& history) : history_(history) {}
    void recordAnswer(const ejteto::ListeningAnswer& a) override { history_.recordListeningAnswer(a); }

private:
    ejteto::HistoryRecorder& history_;
};

// `ejteto --export-voice NAME FILE` and `--import-voice FILE [--replace]`:
// voice packs for a teacher's scripts, without a window.
int runVoiceCommand(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    ejteto::VoiceCommandAnswer answer;
    try {
        answer = ejteto::runVoiceCommand(
            QCoreApplication::arguments(),
            ejteto::placesOfInstallation(ejteto::currentAppDir(), QStringLiteral(EJTETO_VERSION)));
    } catch (const ejteto::AppError& e) { // the course's word table unreadable
        answer = {1, ejteto::withFullStop(e.message()) + QLatin1Char('\n')};
    }
    std::fputs(answer.text.toUtf8().constData(), answer.exitCode == 0 ? stdout : stderr);
    return answer.exitCode;
}

bool asksForExport(int argc, char** argv) { return argc >= 2 && std::strcmp(argv[1], "--export-history") == 0; }

// A main window that does not fit the screen at the chosen scale cannot be
// moved into view: the program starts again, once, at the largest scale
// that fits, and says how to choose another.
void startAgainIfTooLarge(char** argv)
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal") ||
        qEnvironmentVariableIsSet("EJTETO_SCALE_FITTED"))
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const double scale = screen->devicePixelRatio();
    const QSize freePixels = screen->availableGeometry().size() * scale;
    const QSize mainWindow(761, 541); // the main window's fixed size
    const std::optional<double> fitted = ejteto::fittingScale(mainWindow, freePixels, scale);
    if (!fitted)
        return;
    bool set = false;
    double chosenFactor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    if (!set || chosenFactor <= 0)
        chosenFactor = 1;
    const double factor = chosenFactor * *fitted / scale;
    std::fprintf(stderr, "%s\n", ejteto::fittedScaleMessage(scale, *fitted).toUtf8().constData());
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 4));
    qputenv("EJTETO_SCALE_FITTED", "1");
    ::execv("/proc/self/exe", argv);
    // Could not start again: the window opens at the chosen scale.
}

} // namespace

int main(int argc, char** argv)
{
    // --help and --version answer without a window, before anything starts.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto answer = ejteto::answerCommandLine(arguments, QStringLiteral(EJTETO_VERSION))) {
        std::fputs(answer->text.toUtf8().constData(), stdout);
        return answer->exitCode;
    }

    if (asksForExport(argc, argv))
        return exportHistoryTo(argc, argv);
    if (ejteto::asksForVoiceCommand(arguments))
        return runVoiceCommand(argc, argv);
    // Begun before the application object, whose start mostly waits on the
    // window system; joined when main ends.
    const ejteto::StartAhead ahead;
    QApplication app(argc, argv);
    startAgainIfTooLarge(argv);
    QApplication::setApplicationName(QStringLiteral("ejteto"));
    QApplication::setApplicationVersion(QStringLiteral(EJTETO_VERSION));
    // Qt's own texts (the filter box's menu, the standard buttons) in
    // Hungarian, as every text of the program is; without the translation
    // they stay English.
    ejteto::installQtTranslation(app);
    // Lets the desktop match the window with its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(EJTETO_DESKTOP_FILE_NAME));

    // The history is opened on its own thread once the window is on screen
    // (nothing before the first paint reads or writes it); a problem with it
    // is told from the event loop.
    ejteto::HistoryRecorder history(
        ejteto::defaultHistoryPath(), &app, [](const QString& message) { ejteto::showErrorBox(message); }, {},
        ejteto::HistoryRecorder::Opening::WhenAsked);
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
    // The schedule turns answers into items by the course's confusable vowels.
    history.useCourse(ejteto::CourseContrasts::from(form->content()));
    // The About window and the tool windows are hidden until asked for:
    // they are made once the main window is on screen.
    std::unique_ptr<ejteto::TForm_About> about;
    std::unique_ptr<ejteto::ProgressWindow> progress;
    ListeningHistory listeningHistory(history);
    std::unique_ptr<ejteto::ListeningTool> listening;
    std::unique_ptr<ejteto::ToolWindow> kiejtes;
    std::unique_ptr<ejteto::TodayTool> today;
    std::unique_ptr<ejteto::RecordingTool> recording;
    QObject::connect(form.get(), &ejteto::TForm1::firstPainted, form.get(),
                     [&form, &about, &progress, &history, &listening, &listeningHistory, &kiejtes, &today, &recording] {
                         history.open();
                         about = std::make_unique<ejteto::TForm_About>();
                         form->setAboutWindow(about.get());
                         // The learner's scale as the last session left it.
                         const ejteto::KeptSpeakerScale kept = ejteto::HistoryReader(history.path()).speakerScale();
                         kiejtes = ejteto::installKiejtes(
                             form->tools(),
                             [&history, &today](const ejteto::phonetics::JudgedTake& t) {
                                 history.recordTake(ejteto::takeReport(t, QDateTime::currentDateTimeUtc()));
                                 if (today)
                                     today->takeJudged(t);
                             },
                             {ejteto::phonetics::SpeakerScale::restored(kept.factor, kept.takes),
                              [&history] { history.startNewSpeaker(QDateTime::currentDateTimeUtc()); }});
                         progress = ejteto::installProgressWindow(form->tools(), history);
                         listening = ejteto::installListeningDrill(form->tools());
                         listening->setAnswerSink(&listeningHistory);
                         today = ejteto::installTodayPractice(form->tools(), history);
                         ejteto::RecordingToolServices voices;
                         voices.courseVersion = QStringLiteral(EJTETO_VERSION);
                         // An imported voice is heard in the drills at once, even while they are open.
                         voices.voicesChanged = [&listening, &today] {
                             if (listening)
                                 listening->reloadVoices();
                             if (today)
                                 today->reloadVoices();
                         };
                         recording = ejteto::installVoiceRecording(form->tools(), voices);
                     });
    ejteto::installStartMarks(form.get()); // only with EJTETO_BENCH_MARKS set
    form->show();
    if (qEnvironmentVariableIsSet("EJTETO_QUIT_AFTER_START"))
        QMetaObject::invokeMethod(form.get(), &QWidget::close, Qt::QueuedConnection);
    return app.exec();
}
