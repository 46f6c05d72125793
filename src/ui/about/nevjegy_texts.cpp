#include "ui/nevjegy_texts.h"

#include <QStringList>

namespace ejteto {

QString contributorsList()
{
    // Four lines of three, so each line fits the label's width unbroken.
    const QStringList lines{
        QStringLiteral("Qt, GStreamer, libjpeg-turbo,"),
        QStringLiteral("espeak-ng, Gentium, Liberation fonts,"),
        QStringLiteral("GoogleTest, CMake, GCC,"),
        QStringLiteral("GNU C Library, Debian, Linux."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QUrl addressTarget(const QString& labelText, const QString& appDir)
{
    return QUrl::fromUserInput(labelText, appDir, QUrl::AssumeLocalFile);
}

} // namespace ejteto
