#pragma once
// A media engine for tests where the sound itself is not the subject: it
// checks a file the way the media service does when opening it, plays at
// once, and records what was opened and played, in order.
#include "media/media_engine.h"

#include <QStringList>
#include <memory>

namespace ejteto::testing {

// What instant engines did, shared by every engine of one factory.
struct MediaLog {
    QStringList opened;  // every path opened, as the caller named it
    QStringList played;  // the open path at every play, blocking or not
    QList<double> rates; // the speed asked for at every play: 1.0 unless slowed
};

class InstantMediaEngine final : public MediaEngine {
public:
    explicit InstantMediaEngine(std::shared_ptr<MediaLog> log = std::make_shared<MediaLog>());
    ~InstantMediaEngine() override;

    // Makes engines that all write to `log`.
    static MediaEngineFactory factory(std::shared_ptr<MediaLog> log);
    const MediaLog& log() const { return *log_; }

    // The playing file reaches its end by itself, as time would make it.
    void reachEnd();

    void setFrameReceiver(std::shared_ptr<FrameReceiver> receiver) override;
    // Raises the service's own text for a missing file and for a folder.
    void open(const QString& path) override;
    void close() noexcept override;
    void play() override;
    void playToEnd() override; // returns at once, at the end
    void playToEndAt(double rate) override;
    void pause() override;
    void resume() override;
    void stop() override;
    void seekToStart() override;
    void refresh() override {}
    State state() const override { return state_; }

private:
    void playAt(double rate);

    std::shared_ptr<MediaLog> log_;
    std::shared_ptr<FrameReceiver> receiver_;
    QString path_;
    State state_ = State::Closed;
};

} // namespace ejteto::testing
