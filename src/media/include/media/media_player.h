#pragma once
// The media player control: open a recording or a video, play it with or
// without waiting for its end, pause and resume, stop, rewind, and report
// its mode. The widget itself is the video's display area; the newest frame
// is drawn at its top-left corner, unscaled, on black.
//
// Every command applies to the one file the player has open. Play, Pause,
// Stop and Rewind with nothing open raise "No MCI device open"; a file that
// cannot be opened raises the media service's own message.
#include <QImage>
#include <QMutex>
#include <QString>
#include <QWidget>
#include <atomic>

typedef struct _GstElement GstElement;
typedef struct _GstBus GstBus;

namespace ejteto {

class MediaPlayer : public QWidget {
    Q_OBJECT
public:
    enum ModeValue { NotReady = 0, Stopped = 1, Playing = 2, Recording = 3, Seeking = 4, Paused = 5, OpenMode = 6 };

    explicit MediaPlayer(QWidget* parent = nullptr);
    ~MediaPlayer() override; // closes the open file

    void setFileName(const QString& fileName);
    QString fileName() const;
    // When set, the next command blocks until it has finished; that command
    // clears the flag again.
    void setWait(bool wait);

    // Closes the open file, if any, then opens the file name. The device
    // follows the extension: ".wav" is audio only; anything else may carry
    // video, which is drawn inside this widget. A freshly opened file stands
    // at its start and reports Stopped.
    void Open();
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
    // the playback has reached its end by itself; Playing; Paused.
    int Mode() const;
    bool isOpen() const;

    QSize sizeHint() const override;

signals:
    void opened(const QString& path);
    void playFinished(const QString& path); // a blocking play has returned

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void requireOpen() const;
    bool takeWait();
    // Takes the end-of-stream and error notices the service has posted.
    void pollBus() const;
    void waitForPlaybackEnd();
    bool seekToStart();
    void receiveFrame(QImage frame, bool preroll); // streaming thread
    void showPendingFrame();          // window thread

    QString fileName_;
    bool wait_ = false;
    GstElement* pipeline_ = nullptr;
    GstBus* bus_ = nullptr;
    mutable ModeValue mode_ = NotReady;
    mutable bool atEnd_ = false;

    QImage frame_; // shown
    QMutex frameMutex_;
    QImage pendingFrame_;      // guarded by frameMutex_
    bool frameQueued_ = false; // guarded by frameMutex_
    std::atomic<bool> holdPreroll_{false}; // a pause's ready frame is not shown
};

// Plays one recording to its end on `player`: set the file name, open, set
// the wait flag, play, close. The file is closed even when playing fails;
// an open failure propagates with nothing left open.
void playRecording(MediaPlayer& player, const QString& path);

} // namespace ejteto
