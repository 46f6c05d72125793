#include "ui/error_box.h"

#include "app/app_error.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <exception>

namespace ejteto {

namespace {
ErrorSink& sink()
{
    static ErrorSink s;
    return s;
}
} // namespace

QString withFullStop(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void setErrorSink(ErrorSink s) { sink() = std::move(s); }

void showErrorBox(const QString& message)
{
    const QString text = withFullStop(message);
    if (sink()) {
        sink()(text);
        return;
    }
    if (qEnvironmentVariable("EJTETO_ERRORS") == QLatin1String("stderr")) {
        std::fprintf(stderr, "Ejteto!: %s\n", text.toUtf8().constData());
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Ejteto!"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool runGuarded(const std::function<void()>& body)
{
    try {
        body();
        return true;
    } catch (const AppError& e) {
        showErrorBox(e.message());
    } catch (const std::exception& e) {
        showErrorBox(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showErrorBox(QStringLiteral("Unknown error"));
    }
    return false;
}

} // namespace ejteto
