#include "keyboard/listen_keys.h"

#include <QKeyEvent>
#include <QWidget>

namespace ejteto {

ListenKeys::ListenKeys(QWidget* window, const ListenControls& controls, Listening lessonVowel)
    : window_(window), controls_(controls), lessonVowel_(std::move(lessonVowel))
{
}

bool ListenKeys::keyPressed(QWidget* focus, const QKeyEvent& key)
{
    const bool slow = key.key() == Qt::Key_L;
    if (!(slow || key.key() == Qt::Key_F) || !isPlain(key) || isRepeat(key) || takesText(focus) ||
        focus->window() != window_)
        return false;
    const ListenWay way = slow ? ListenWay::Slow : ListenWay::Compare;
    if (!controls_.listen(focus, way))
        controls_.listen(lessonVowel_, way);
    return true;
}

} // namespace ejteto
