#include "ui/start_ahead.h"

#include "app/paths.h"
#include "content/sound_id.h"
#include "media/jpeg_loader.h"

#include <QFileInfo>
#include <fontconfig/fontconfig.h>

namespace ejteto {

namespace {

// The pictures the start-up sequence loads, named as it names them.
QStringList startPictures()
{
    // The executable's folder, found as the application object finds it.
    const QString appDir = appDirOf(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    QStringList paths;
    for (const SoundId s : allSounds())
        paths << inactiveTilePath(appDir, s.value());
    paths << answerSpeakerPath(appDir) << wordIndexSpeakerPath(appDir);
    return paths;
}

} // namespace

StartAhead::StartAhead()
{
    try {
        helper_ = std::thread([] {
            FcInit(); // the window's first text would wait for this
            decodeAhead(startPictures());
        });
    } catch (const std::exception&) {
        // No helper: the window does all the work itself.
    }
}

StartAhead::~StartAhead()
{
    if (helper_.joinable())
        helper_.join();
}

} // namespace ejteto
