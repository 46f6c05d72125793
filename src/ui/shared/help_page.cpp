#include "shared/help_page.h"

#include "app/app_error.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace ejteto {

QUrl helpPageUrl(const QString& appDir)
{
    return QUrl::fromLocalFile(QDir(appDir).absoluteFilePath(QStringLiteral("help/index.html")));
}

void openHelpPage(const QUrl& target, const UrlOpener& opener)
{
    const QString shown = target.isLocalFile() ? QDir::toNativeSeparators(target.toLocalFile()) : target.toString();
    // The desktop's opener starts detached and cannot tell a missing page;
    // the learner would see nothing at all.
    if (target.isLocalFile() && !QFileInfo(target.toLocalFile()).isFile())
        throw AppError(QStringLiteral("EHelpNotFound"), QStringLiteral("A súgó nem található: ") + shown);
    const bool opened = opener ? opener(target) : QDesktopServices::openUrl(target);
    if (!opened)
        throw AppError(QStringLiteral("EHelpNotOpened"), QStringLiteral("Nem sikerült megnyitni a súgót: ") + shown);
}

} // namespace ejteto
