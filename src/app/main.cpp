// Program entry: the application title, the main window and the hidden
// About window, then the event loop until the main window closes. A failure
// while the main window is created (a media placeholder that cannot be
// opened) is fatal: it is reported in the "Application Error" box and the
// program ends with exit code 1. --help and --version answer without a
// window.
#include "app/app_error.h"
#include "app/command_line.h"
#include "app/qt_translation.h"
#include "ui/error_box.h"
#include "ui/start_ahead.h"
#include "ui/start_marks.h"
#include "ui/form1.h"
#include "ui/nevjegy.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
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

    // Begun before the application object, whose start mostly waits on the
    // window system; joined when main ends.
    const ejteto::StartAhead ahead;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ejteto"));
    QApplication::setApplicationVersion(QStringLiteral(EJTETO_VERSION));
    // Qt's own texts (the filter box's menu, the standard buttons) in
    // Hungarian, as every text of the program is; without the translation
    // they stay English.
    ejteto::installQtTranslation(app);
    // Lets the desktop match the window with its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(EJTETO_DESKTOP_FILE_NAME));

    std::unique_ptr<ejteto::TForm1> form;
    try {
        ejteto::WindowServices services;
        services.panelsAfterFirstPaint = true; // shown right below
        form = std::make_unique<ejteto::TForm1>(QString(), services);
    } catch (const ejteto::AppError& e) {
        showFatalError(e);
        return 1;
    } catch (const std::exception& e) {
        showFatalError(ejteto::AppError(QStringLiteral("Exception"), QString::fromLocal8Bit(e.what())));
        return 1;
    }
    // The About window is hidden until asked for: it is made once the main
    // window is on screen.
    std::unique_ptr<ejteto::TForm_About> about;
    QObject::connect(form.get(), &ejteto::TForm1::firstPainted, form.get(), [&form, &about] {
        about = std::make_unique<ejteto::TForm_About>();
        form->setAboutWindow(about.get());
    });
    ejteto::installStartMarks(form.get()); // only with EJTETO_BENCH_MARKS set
    form->show();
    if (qEnvironmentVariableIsSet("EJTETO_QUIT_AFTER_START"))
        QMetaObject::invokeMethod(form.get(), &QWidget::close, Qt::QueuedConnection);
    return app.exec();
}
