#include "app/app_error.h"

#include <dlfcn.h>

namespace ejteto {

AppError::AppError(QString className, QString message)
    : className_(std::move(className)), message_(std::move(message)), utf8_(message_.toUtf8())
{
    // Remember where in the executable the error was raised, relative to the
    // module's load address, as the fatal error box reports it.
    void* caller = __builtin_return_address(0);
    Dl_info info{};
    if (dladdr(caller, &info) != 0 && info.dli_fbase != nullptr)
        address_ = reinterpret_cast<quintptr>(caller) - reinterpret_cast<quintptr>(info.dli_fbase);
    else
        address_ = reinterpret_cast<quintptr>(caller);
}

AppError fileOpenError(const QString& path, const QString& reason)
{
    return AppError(QStringLiteral("EFOpenError"), QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
}

AppError outOfMemoryError() { return AppError(QStringLiteral("EOutOfMemory"), QStringLiteral("Out of memory")); }

AppError convertError(const QString& text)
{
    return AppError(QStringLiteral("EConvertError"), QStringLiteral("'%1' is not a valid integer value").arg(text));
}

AppError settingsWriteError(const QString& path)
{
    return AppError(QStringLiteral("EIniFileException"), QStringLiteral("Unable to write to %1").arg(path));
}

} // namespace ejteto
