#pragma once
// The bundled help page: where it lies, and opening it on the desktop so
// that a failure is always said, never swallowed: a page that is missing,
// or a desktop that cannot open it (no opener installed), is reported in a
// Hungarian message that names the file.
#include <QString>
#include <QUrl>
#include <functional>

namespace ejteto {

// The desktop's "open" for an address; false when the desktop could not
// hand it to any program. Left empty, QDesktopServices::openUrl.
using UrlOpener = std::function<bool(const QUrl&)>;

// "help/index.html" in the program folder `appDir`.
QUrl helpPageUrl(const QString& appDir);

// Opens `target`, raising the error the error box shows when it cannot be:
// "A súgó nem található: <file>" for a local page that does not exist,
// "Nem sikerült megnyitni a súgót: <file or address>" when the desktop
// fails to open it.
void openHelpPage(const QUrl& target, const UrlOpener& opener);

} // namespace ejteto
