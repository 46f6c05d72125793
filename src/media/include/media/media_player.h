#pragma once
// The media player control: the file name, the wait flag and the commands
// Open, Close, Play, Pause, Stop, Rewind and Mode, as the program uses them,
// over an engine that does the playing.
//
// Every command applies to the one file the player has open. Play, Pause,
// Stop and Rewind with nothing open raise "No MCI device open"; a file that
// cannot be opened raises the media service's own message.
#include "media/media_engine.h"

#include <QObject>
#include <QString>
#include <memory>

namespace ejteto {

class VideoSurface;

class MediaPlayer : public QObject {
    Q_OBJECT
public:
    enum ModeValue { NotReady = 0, Stopped = 1, Playing = 2, Recording = 3, Seeking = 4, Paused = 5, OpenMode = 6 };

    // A video's pictures are shown on `display`; without one, a video plays
    // unseen.
    explicit MediaPlayer(std::unique_ptr<MediaEngine> engine, VideoSurface* display = nullptr,
                         QObject* parent = nullptr);
    ~MediaPlayer() override; // closes the open file

    // The video area of the files opened from now on (none: videos play
    // unseen). A file opened lazily counts as opened at its first command.
    void setDisplay(VideoSurface* display);

    // Lets the media service start in the background, ahead of the first
    // file; returns at once.
    void prepareAhead() noexcept;

    void setFileName(const QString& fileName);
    QString fileName() const;
    // When set, the next command blocks until it has finished; that command
    // clears the flag again.
    void setWait(bool wait);
    // The speed of the next Play with the wait flag: 0.6 plays at 0.6 times
    // the normal speed, the pitch unchanged. Like the wait flag it applies to
    // the next command only; every other play runs at normal speed.
    void setRate(double rate);

    // Closes the open file, if any, then opens the file name. A freshly
    // opened file stands at its start and reports Stopped; a video shows its
    // first picture.
    void Open();
    // Open for a file that stays open but may never be played (the window's
    // placeholders): a file that is missing or cannot be read fails here, as
    // with Open, but the file is prepared only by the first command that
    // needs it, so opening costs next to nothing.
    void OpenLazily();
    void Close(); // never reports a failure

    // Plays from the current position; a file at its end starts again from
    // the beginning. With the wait flag it returns when the playback has
    // ended, without running the event loop, so input made meanwhile is
    // handled afterwards, in order. Failures while playing are not reported.
    void Play();
    void Pause();  // playing -> paused, paused -> playing, otherwise nothing
    void Stop();   // pauses where it is; the mode becomes Stopped
    void Rewind(); // stops and goes back to the start, waiting for the seek

    // NotReady with nothing open; Stopped after Open, Stop, Rewind and after
    // the playback has reached its end by itself; Playing; Paused. Asking
    // takes in what the engine has done since the last command.
    int Mode();
    bool isOpen() const;

signals:
    void opened(const QString& path);
    void playFinished(const QString& path); // a blocking play has returned

private:
    void requireOpen() const;
    void refuseSpecialFile(const QString& path);
    bool takeWait();

    std::unique_ptr<MediaEngine> engine_;
    QString fileName_;
    bool wait_ = false;
    double rate_ = 1.0;
};

// Plays one recording to its end on `player`: set the file name, open, set
// the wait flag (and the rate), play, close. The file is closed even when
// playing fails; an open failure propagates with nothing left open.
void playRecording(MediaPlayer& player, const QString& path, double rate = 1.0);

} // namespace ejteto
