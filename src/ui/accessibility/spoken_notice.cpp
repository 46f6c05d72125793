#include "ui/spoken_notice.h"

#include <QTimer>
#include <utility>

namespace ejteto {

SpokenNotice::SpokenNotice(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("SpokenNotice"));
    // Takes no room and no focus: the window's fixed layout stays as it is.
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

SpokenNotice::Hold::~Hold()
{
    if (--notice_.holds_ == 0 && !notice_.pending_.isEmpty())
        notice_.scheduleSpeaking();
}

void SpokenNotice::announce(const QString& text)
{
    if (text.trimmed().isEmpty())
        return;
    pending_ << text;
    if (holds_ == 0)
        scheduleSpeaking();
}

void SpokenNotice::scheduleSpeaking()
{
    if (std::exchange(scheduled_, true))
        return;
    QTimer::singleShot(0, this, [this] {
        scheduled_ = false;
        if (holds_ == 0)
            speak();
    });
}

void SpokenNotice::speak()
{
    if (pending_.isEmpty())
        return;
    // Each text ends as a sentence does, so a speech synthesiser pauses
    // between them.
    for (QString& text : pending_) {
        text = text.trimmed();
        if (!text.endsWith(QLatin1Char('.')) && !text.endsWith(QLatin1Char('!')) && !text.endsWith(QLatin1Char('?')) &&
            !text.endsWith(QLatin1Char(':')))
            text += QLatin1Char('.');
    }
    notice_ = pending_.join(QLatin1Char(' '));
    pending_.clear();
    // Coming into view is what a screen reader speaks.
    hide();
    show();
}

} // namespace ejteto
