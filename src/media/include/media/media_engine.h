#pragma once
// The engine behind a media player: one sound or video file at a time,
// opened, played in the background or to its end, paused, stopped and taken
// back to its start. The player's command rules ("No MCI device open", the
// wait flag, the mode numbers) live above it in MediaPlayer, so an engine
// only has to play; tests give the player one that plays instantly.
#include <QImage>
#include <QString>
#include <functional>
#include <memory>

namespace ejteto {

enum class FrameKind {
    Due,       // the picture for now: while playing, or at the place an open or seek reached
    HeldAhead, // the next picture, which a pause holds ready for resuming; not due yet
};

// Where an engine sends the decoded pictures of a video.
class FrameReceiver {
public:
    virtual ~FrameReceiver() = default;
    // Called on a streaming thread, never on the window thread; must be thread
    // safe and must not block for long.
    virtual void receiveFrame(QImage frame, FrameKind kind) = 0;
    // The file was closed: no picture is on view any more. Called on the
    // thread that drives the engine, after the last receiveFrame has returned.
    virtual void clearFrames() noexcept = 0;
};

class MediaEngine {
public:
    enum class State { Closed, Stopped, Playing, Paused };

    virtual ~MediaEngine() = default; // closes the open file

    // The receiver of the video pictures of the files opened from now on;
    // without one, a video plays unseen. Shared, because the streaming
    // threads may still hold it for a moment after its owner has gone.
    virtual void setFrameReceiver(std::shared_ptr<FrameReceiver> receiver) = 0;

    // Lets the engine do its one-time start-up work (a service to start, an
    // output to choose) now, in the background, and returns at once: the
    // first file opened later does not wait for it. Engines with no such
    // work do nothing.
    virtual void prepareAhead() noexcept {}

    // Closes the open file, then opens `path` (relative paths resolve
    // against the working directory) and waits until it is ready: it stands
    // at its start, Stopped, with its first picture sent. Raises AppError
    // with the media service's own text and leaves the engine Closed.
    virtual void open(const QString& path) = 0;
    // For a file that is kept open but may never be played: raises at once
    // what open() raises for a file that is missing or cannot be read, and
    // leaves the engine Stopped, but prepares the file only when a command
    // first needs it (and raises open()'s error then, if it fails). Engines
    // whose open is cheap simply open.
    virtual void openLazily(const QString& path) { open(path); }
    virtual void close() noexcept = 0;

    // With nothing open the commands below do nothing.
    //
    // Starts playing from the current place, or from the start when the file
    // stands at its end, and returns at once. A failure is not reported.
    virtual void play() = 0;
    // The same, but returns only when the playback has ended (or failed, or
    // stalled for long), without running the Qt event loop: input made
    // meanwhile stays queued and is handled afterwards, in order.
    virtual void playToEnd() = 0;
    // The same at `rate` times the normal speed with the pitch unchanged
    // (0.6 plays slowly). A rate of 1.0 is playToEnd() itself; the rate
    // holds for this playback only, a later play runs at normal speed.
    virtual void playToEndAt(double rate) = 0;
    virtual void pause() = 0;  // Playing -> Paused, otherwise nothing
    virtual void resume() = 0; // Paused -> Playing, otherwise nothing
    virtual void stop() = 0;   // stays where it is; Stopped
    // Stops and goes back to the start, returning when the picture there is
    // ready; Stopped.
    virtual void seekToStart() = 0;

    // Takes in what happened since the last command: a playback that ended
    // or failed by itself leaves the engine Stopped.
    virtual void refresh() = 0;
    // The state as of the last command or refresh(); reading it changes nothing.
    virtual State state() const = 0;
};

// For owners that make an engine per player (the main window makes two).
using MediaEngineFactory = std::function<std::unique_ptr<MediaEngine>()>;

} // namespace ejteto
