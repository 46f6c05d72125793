#include "media/media_player.h"

#include "app/app_error.h"
#include "app/regular_file.h"
#include "media/gst_runtime.h"
#include "media/playback_pipeline.h"

#include <QMutexLocker>
#include <QPainter>
#include <gst/gst.h>

namespace ejteto {

namespace {

constexpr GstClockTime kSeekTimeout = 5 * GST_SECOND;
// A blocking play whose position has not moved for this long is given up,
// so a stalled output can never freeze the window for good.
constexpr int kStallSeconds = 10;

const auto kEndNotices = static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR);

gint64 currentPosition(GstElement* pipeline)
{
    gint64 position = -1;
    if (!gst_element_query_position(pipeline, GST_FORMAT_TIME, &position))
        return -1;
    return position;
}

} // namespace

MediaPlayer::MediaPlayer(QWidget* parent) : QWidget(parent)
{
    ensureGstreamer();
    setAttribute(Qt::WA_OpaquePaintEvent);
}

MediaPlayer::~MediaPlayer()
{
    Close();
}

void MediaPlayer::setFileName(const QString& fileName) { fileName_ = fileName; }
QString MediaPlayer::fileName() const { return fileName_; }
void MediaPlayer::setWait(bool wait) { wait_ = wait; }
bool MediaPlayer::isOpen() const { return pipeline_ != nullptr; }
QSize MediaPlayer::sizeHint() const { return {400, 300}; }

bool MediaPlayer::takeWait()
{
    const bool wait = wait_;
    wait_ = false;
    return wait;
}

void MediaPlayer::requireOpen() const
{
    if (pipeline_ == nullptr)
        throw AppError(QStringLiteral("EMCIDeviceError"), QStringLiteral("No MCI device open"));
}

void MediaPlayer::Open()
{
    Close();
    takeWait();
    holdPreroll_ = false; // the first frame shows as soon as the file is open
    const QString path = fileName_;
    // The media service would wait for ever on a FIFO and play a device
    // without end; such a file is refused before it is handed over.
    if (isSpecialFile(path))
        throw fileOpenError(path, QStringLiteral("Not a regular file"));
    GstElement* pipeline =
        buildPlaybackPipeline(path, [this](QImage frame, bool preroll) { receiveFrame(std::move(frame), preroll); });
    GstBus* bus = gst_element_get_bus(pipeline);
    QString failure = preroll(pipeline, bus);
    if (failure.isEmpty() && isAudioOnlyFile(path) && !hasAudioStream(pipeline))
        failure = wrongStreamTypeText(); // a .wav that holds no sound would never end
    if (!failure.isEmpty()) {
        gst_element_set_state(pipeline, GST_STATE_NULL);
        gst_object_unref(bus);
        gst_object_unref(pipeline);
        {
            QMutexLocker lock(&frameMutex_);
            pendingFrame_ = QImage();
        }
        throw AppError(QStringLiteral("EMCIDeviceError"), failure);
    }
    pipeline_ = pipeline;
    bus_ = bus;
    mode_ = Stopped;
    atEnd_ = false;
    emit opened(path);
}

void MediaPlayer::Close()
{
    takeWait();
    if (pipeline_ == nullptr)
        return;
    // Going to NULL joins the streaming threads, so no frame arrives later.
    gst_element_set_state(pipeline_, GST_STATE_NULL);
    gst_object_unref(bus_);
    gst_object_unref(pipeline_);
    bus_ = nullptr;
    pipeline_ = nullptr;
    mode_ = NotReady;
    atEnd_ = false;
    {
        QMutexLocker lock(&frameMutex_);
        pendingFrame_ = QImage();
    }
    frame_ = QImage();
    update();
}

void MediaPlayer::pollBus() const
{
    if (bus_ == nullptr)
        return;
    while (GstMessage* message = gst_bus_pop_filtered(bus_, kEndNotices)) {
        // Both end the playback; an error while playing is not reported.
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS)
            atEnd_ = true;
        if (mode_ == Playing || mode_ == Paused)
            mode_ = Stopped;
        gst_message_unref(message);
    }
}

bool MediaPlayer::seekToStart()
{
    const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    holdPreroll_ = false; // the frame at the new place is the one to show
    if (!gst_element_seek_simple(pipeline_, GST_FORMAT_TIME, flags, 0))
        return false;
    // The flush also throws away the end notice of the previous run.
    waitForAsyncDone(bus_, kSeekTimeout);
    atEnd_ = false;
    return true;
}

void MediaPlayer::Play()
{
    requireOpen();
    const bool wait = takeWait();
    pollBus();
    if (atEnd_)
        seekToStart();
    if (gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        pollBus();
        return;
    }
    mode_ = Playing;
    if (!wait)
        return;
    waitForPlaybackEnd();
    emit playFinished(fileName_);
}

void MediaPlayer::waitForPlaybackEnd()
{
    gint64 lastPosition = currentPosition(pipeline_);
    int stalledSeconds = 0;
    while (true) {
        GstMessage* message = gst_bus_timed_pop_filtered(bus_, GST_SECOND, kEndNotices);
        if (message != nullptr) {
            if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS)
                atEnd_ = true;
            gst_message_unref(message);
            break;
        }
        // A position that stands still counts as a stall, and so does one
        // that stays unknown: nothing is playing that would ever end.
        const gint64 position = currentPosition(pipeline_);
        if (position != lastPosition) {
            lastPosition = position;
            stalledSeconds = 0;
        } else if (++stalledSeconds >= kStallSeconds) {
            gst_element_set_state(pipeline_, GST_STATE_PAUSED);
            break;
        }
    }
    mode_ = Stopped;
}

void MediaPlayer::Pause()
{
    requireOpen();
    takeWait();
    pollBus();
    if (mode_ == Playing) {
        holdPreroll_ = true;
        gst_element_set_state(pipeline_, GST_STATE_PAUSED);
        mode_ = Paused;
    } else if (mode_ == Paused) {
        gst_element_set_state(pipeline_, GST_STATE_PLAYING);
        mode_ = Playing;
    }
}

void MediaPlayer::Stop()
{
    requireOpen();
    takeWait();
    pollBus();
    holdPreroll_ = true;
    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    mode_ = Stopped;
}

void MediaPlayer::Rewind()
{
    requireOpen();
    takeWait();
    pollBus();
    holdPreroll_ = true;
    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    // Let the pause settle so its own completion is not taken for the seek's.
    gst_element_get_state(pipeline_, nullptr, nullptr, kSeekTimeout);
    seekToStart();
    mode_ = Stopped;
}

int MediaPlayer::Mode() const
{
    if (pipeline_ == nullptr)
        return NotReady;
    pollBus();
    return mode_;
}

void MediaPlayer::receiveFrame(QImage frame, bool preroll)
{
    // Pausing a playing video makes the sink hold the next frame ready; it
    // is not due yet, so the picture stays on the frame that was on view.
    if (preroll && holdPreroll_)
        return;
    {
        QMutexLocker lock(&frameMutex_);
        pendingFrame_ = std::move(frame);
        if (frameQueued_)
            return;
        frameQueued_ = true;
    }
    QMetaObject::invokeMethod(this, [this] { showPendingFrame(); }, Qt::QueuedConnection);
}

void MediaPlayer::showPendingFrame()
{
    QImage next;
    {
        QMutexLocker lock(&frameMutex_);
        frameQueued_ = false;
        next = std::move(pendingFrame_);
        pendingFrame_ = QImage();
    }
    if (next.isNull())
        return; // closed meanwhile
    frame_ = std::move(next);
    update();
}

void MediaPlayer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!frame_.isNull())
        painter.drawImage(0, 0, frame_);
}

} // namespace ejteto
