#pragma once
// The one error type of the program. Every failure that a learner may see is
// raised as an AppError and shown by the error box; the class name and the
// place it arose are kept for the fatal start-up box.
#include <QString>
#include <exception>

namespace ejteto {

class AppError : public std::exception {
public:
    AppError(QString className, QString message);

    const QString& message() const { return message_; }
    const QString& className() const { return className_; }
    // Offset of the code that raised the error inside the executable.
    quintptr address() const { return address_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString className_;
    QString message_;
    QByteArray utf8_;
    quintptr address_ = 0;
};

// One maker per class of error the program raises, so a class name is
// written once.

// "Cannot open file "%s". %s"
AppError fileOpenError(const QString& path, const QString& reason);
// "Out of memory", for a buffer the program could not get.
AppError outOfMemoryError();

// "'%s' is not a valid integer value"
AppError convertError(const QString& text);
// "Unable to write to %s": the settings file could not be written.
AppError settingsWriteError(const QString& path);

} // namespace ejteto
