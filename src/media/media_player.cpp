#include "media/media_player.h"

#include "app/regular_file.h"
#include "media/media_errors.h"
#include "media/video_surface.h"

#include <utility>

namespace ejteto {

MediaPlayer::MediaPlayer(std::unique_ptr<MediaEngine> engine, VideoSurface* display, QObject* parent)
    : QObject(parent), engine_(std::move(engine))
{
    if (display != nullptr)
        setDisplay(display);
}

void MediaPlayer::setDisplay(VideoSurface* display)
{
    engine_->setFrameReceiver(display != nullptr ? display->frameReceiver() : nullptr);
}

MediaPlayer::~MediaPlayer() { engine_->close(); }

void MediaPlayer::prepareAhead() noexcept { engine_->prepareAhead(); }

void MediaPlayer::setFileName(const QString& fileName) { fileName_ = fileName; }
QString MediaPlayer::fileName() const { return fileName_; }
void MediaPlayer::setWait(bool wait) { wait_ = wait; }
void MediaPlayer::setRate(double rate) { rate_ = rate; }
bool MediaPlayer::isOpen() const { return engine_->state() != MediaEngine::State::Closed; }

// The wait flag and the rate apply to the one command that takes them, and
// every command does.
bool MediaPlayer::takeWait()
{
    rate_ = 1.0;
    return std::exchange(wait_, false);
}

void MediaPlayer::requireOpen() const
{
    if (!isOpen())
        throw noDeviceOpenError();
}

void MediaPlayer::refuseSpecialFile(const QString& path)
{
    // The media service would wait for ever on a FIFO and play a device
    // without end; such a file is refused before it is handed over, and the
    // file open before it is closed, as a failed open closes it.
    if (!isSpecialFile(path))
        return;
    engine_->close();
    throw fileOpenError(path, QStringLiteral("Not a regular file"));
}

void MediaPlayer::Open()
{
    takeWait();
    const QString path = fileName_;
    refuseSpecialFile(path);
    engine_->open(path); // closes the open file first, even when this fails
    emit opened(path);
}

void MediaPlayer::OpenLazily()
{
    takeWait();
    const QString path = fileName_;
    refuseSpecialFile(path);
    engine_->openLazily(path);
    emit opened(path);
}

void MediaPlayer::Close()
{
    takeWait();
    engine_->close();
}

void MediaPlayer::Play()
{
    requireOpen();
    const double rate = rate_;
    if (!takeWait()) {
        engine_->play();
        return;
    }
    if (rate == 1.0)
        engine_->playToEnd();
    else
        engine_->playToEndAt(rate);
    emit playFinished(fileName_);
}

void MediaPlayer::Pause()
{
    requireOpen();
    takeWait();
    engine_->refresh();
    if (engine_->state() == MediaEngine::State::Playing)
        engine_->pause();
    else if (engine_->state() == MediaEngine::State::Paused)
        engine_->resume();
}

void MediaPlayer::Stop()
{
    requireOpen();
    takeWait();
    engine_->stop();
}

void MediaPlayer::Rewind()
{
    requireOpen();
    takeWait();
    engine_->seekToStart();
}

int MediaPlayer::Mode()
{
    if (!isOpen())
        return NotReady;
    engine_->refresh();
    switch (engine_->state()) {
    case MediaEngine::State::Closed:
        return NotReady;
    case MediaEngine::State::Stopped:
        return Stopped;
    case MediaEngine::State::Playing:
        return Playing;
    case MediaEngine::State::Paused:
        return Paused;
    }
    return NotReady;
}

} // namespace ejteto
