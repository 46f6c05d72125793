#include "support/instant_media_engine.h"

#include "media/media_errors.h"

#include <QDir>
#include <QFileInfo>

namespace ejteto::testing {

InstantMediaEngine::InstantMediaEngine(std::shared_ptr<MediaLog> log) : log_(std::move(log)) {}

InstantMediaEngine::~InstantMediaEngine() { close(); }

MediaEngineFactory InstantMediaEngine::factory(std::shared_ptr<MediaLog> log)
{
    return [log] { return std::make_unique<InstantMediaEngine>(log); };
}

void InstantMediaEngine::setFrameReceiver(std::shared_ptr<FrameReceiver> receiver) { receiver_ = std::move(receiver); }

void InstantMediaEngine::open(const QString& path)
{
    close();
    // The service reads the file at its absolute, cleaned path and names it so.
    const QFileInfo file(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (file.isDir())
        throw mciDeviceError(QStringLiteral("\"%1\" is a directory.").arg(file.filePath()));
    if (!file.exists())
        throw mciDeviceError(QStringLiteral("Resource not found."));
    path_ = path;
    state_ = State::Stopped;
    log_->opened << path;
}

void InstantMediaEngine::close() noexcept
{
    if (state_ == State::Closed)
        return;
    state_ = State::Closed;
    path_.clear();
    if (receiver_)
        receiver_->clearFrames();
}

void InstantMediaEngine::play() { playAt(1.0); }

void InstantMediaEngine::playAt(double rate)
{
    if (state_ == State::Closed)
        return;
    state_ = State::Playing;
    log_->played << path_;
    log_->rates << rate;
}

void InstantMediaEngine::playToEnd()
{
    play();
    reachEnd();
}

void InstantMediaEngine::playToEndAt(double rate)
{
    playAt(rate);
    reachEnd();
}

void InstantMediaEngine::reachEnd()
{
    if (state_ != State::Playing && state_ != State::Paused)
        return;
    state_ = State::Stopped;
}

void InstantMediaEngine::pause()
{
    if (state_ == State::Playing)
        state_ = State::Paused;
}

void InstantMediaEngine::resume()
{
    if (state_ == State::Paused)
        state_ = State::Playing;
}

void InstantMediaEngine::stop()
{
    if (state_ != State::Closed)
        state_ = State::Stopped;
}

void InstantMediaEngine::seekToStart()
{
    stop(); // there is no place to go back from
}

} // namespace ejteto::testing
