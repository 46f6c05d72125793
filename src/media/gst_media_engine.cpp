// The GStreamer engine: one playbin per engine, kept warm from one file to
// the next, prerolled on open, with its bus read only inside the commands
// and refresh().
#include "media/gst_media_engine.h"

#include "gst_handles.h"
#include "gst_runtime.h"
#include "media/media_errors.h"
#include "playback_pipeline.h"

#include <atomic>
#include <utility>

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

class GstMediaEngine final : public MediaEngine {
public:
    // GStreamer starts with the first file that is really opened.
    GstMediaEngine() = default;
    ~GstMediaEngine() override
    {
        close();
        discardPipeline(); // while the picture handler can still reach this engine
    }
    GstMediaEngine(const GstMediaEngine&) = delete;
    GstMediaEngine& operator=(const GstMediaEngine&) = delete;

    void setFrameReceiver(std::shared_ptr<FrameReceiver> receiver) override { receiver_ = std::move(receiver); }
    void prepareAhead() noexcept override { startGstreamerInBackground(); }
    void open(const QString& path) override;
    void openLazily(const QString& path) override;
    void close() noexcept override;
    void play() override;
    void playToEnd() override;
    void pause() override;
    void resume() override;
    void stop() override;
    void seekToStart() override;
    void refresh() override;
    State state() const override { return state_; }

private:
    FrameHandler frameHandler();
    void forgetFrames() noexcept;
    GstElement* pipelineFor(const QString& path);
    void discardPipeline() noexcept;
    bool readyForCommand();
    void moveToStart();
    void waitForPlaybackEnd();

    std::shared_ptr<FrameReceiver> receiver_;
    // The playbin outlives its files: between them it waits in READY, its
    // output still open, so the next file skips building the pipeline and
    // starting the output. Built anew when the kind of file, the picture
    // receiver or the chosen audio output changes, and after anything went
    // wrong in it.
    gst::PipelinePtr pipeline_;
    gst::ObjectPtr<GstBus> bus_;
    bool pipelineAudioOnly_ = false;
    const FrameReceiver* pipelineReceiver_ = nullptr;
    QByteArray pipelineSink_;
    bool pipelineTroubled_ = false;
    // A file opened lazily: it can be read, and is prepared by the first
    // command that needs it.
    QString lazyPath_;
    State state_ = State::Closed;
    bool atEnd_ = false;
    // Pausing makes the video sink hold its next picture ready; that picture
    // is not due until playing resumes. Read on the streaming thread.
    std::atomic<bool> holdPreroll_{false};
};

FrameHandler GstMediaEngine::frameHandler()
{
    if (!receiver_)
        return {};
    // The handler keeps the receiver alive, and lives no longer than the
    // pipeline, which this engine ends before it goes.
    return [this, receiver = receiver_](QImage frame, bool preroll) {
        const bool held = preroll && holdPreroll_.load();
        receiver->receiveFrame(std::move(frame), held ? FrameKind::HeldAhead : FrameKind::Due);
    };
}

void GstMediaEngine::forgetFrames() noexcept
{
    if (receiver_)
        receiver_->clearFrames();
}

GstElement* GstMediaEngine::pipelineFor(const QString& path)
{
    const bool audioOnly = isAudioOnlyFile(path);
    const QByteArray sink = audioSinkSetting();
    if (pipeline_ && (pipelineTroubled_ || pipelineAudioOnly_ != audioOnly || pipelineReceiver_ != receiver_.get() ||
                      pipelineSink_ != sink))
        discardPipeline();
    if (!pipeline_) {
        pipeline_ = buildPlaybackPipeline(audioOnly, audioOnly ? FrameHandler() : frameHandler());
        bus_.reset(gst_element_get_bus(pipeline_.get()));
        pipelineAudioOnly_ = audioOnly;
        pipelineReceiver_ = receiver_.get();
        pipelineSink_ = sink;
        pipelineTroubled_ = false;
    }
    return pipeline_.get();
}

void GstMediaEngine::discardPipeline() noexcept
{
    bus_.reset();
    pipeline_.reset(); // joins the streaming threads: no picture comes later
}

void GstMediaEngine::open(const QString& path)
{
    close();
    holdPreroll_ = false; // the first picture shows as soon as the file is open
    GstElement* pipeline = pipelineFor(path);
    setPipelineFile(pipeline, path);
    const QString failure = preroll(pipeline, bus_.get());
    if (!failure.isEmpty()) {
        // Nothing of a file that failed is carried into the next one.
        discardPipeline();
        forgetFrames();
        throw mciDeviceError(failure);
    }
    state_ = State::Stopped;
    atEnd_ = false;
}

void GstMediaEngine::openLazily(const QString& path)
{
    close();
    const QString failure = unreadableFileText(path);
    if (!failure.isEmpty())
        throw mciDeviceError(failure);
    lazyPath_ = path;
    state_ = State::Stopped;
    atEnd_ = false;
}

void GstMediaEngine::close() noexcept
{
    lazyPath_.clear();
    if (state_ == State::Closed)
        return;
    state_ = State::Closed;
    atEnd_ = false;
    if (pipeline_) {
        // READY ends the streaming threads, so no picture of this file comes
        // later, and drops what the file left in the pipeline; the notices
        // it left on the bus go too.
        if (pipelineTroubled_ || gst_element_set_state(pipeline_.get(), GST_STATE_READY) == GST_STATE_CHANGE_FAILURE) {
            discardPipeline();
        } else {
            gst_bus_set_flushing(bus_.get(), TRUE);
            gst_bus_set_flushing(bus_.get(), FALSE);
        }
    }
    forgetFrames();
}

bool GstMediaEngine::readyForCommand()
{
    if (!lazyPath_.isEmpty()) {
        // Prepared now, at its start; a failure is the open's own.
        const QString path = std::exchange(lazyPath_, QString());
        state_ = State::Closed;
        open(path);
    }
    if (state_ == State::Closed)
        return false;
    refresh();
    return true;
}

void GstMediaEngine::refresh()
{
    if (state_ == State::Closed || !lazyPath_.isEmpty())
        return;
    while (const gst::MessagePtr message{gst_bus_pop_filtered(bus_.get(), kEndNotices)}) {
        // Both end the playback; an error while playing is not reported.
        if (GST_MESSAGE_TYPE(message.get()) == GST_MESSAGE_EOS)
            atEnd_ = true;
        else
            pipelineTroubled_ = true;
        if (state_ == State::Playing || state_ == State::Paused)
            state_ = State::Stopped;
    }
}

void GstMediaEngine::moveToStart()
{
    const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    holdPreroll_ = false; // the picture at the new place is the one to show
    if (!gst_element_seek_simple(pipeline_.get(), GST_FORMAT_TIME, flags, 0))
        return;
    // The flush also throws away the end notice of the previous run.
    waitForAsyncDone(bus_.get(), kSeekTimeout);
    atEnd_ = false;
}

void GstMediaEngine::play()
{
    if (!readyForCommand())
        return;
    if (atEnd_)
        moveToStart();
    if (gst_element_set_state(pipeline_.get(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        pipelineTroubled_ = true;
        refresh();
        return;
    }
    state_ = State::Playing;
}

void GstMediaEngine::playToEnd()
{
    play();
    if (state_ == State::Playing)
        waitForPlaybackEnd();
}

void GstMediaEngine::waitForPlaybackEnd()
{
    gint64 lastPosition = currentPosition(pipeline_.get());
    int stalledSeconds = 0;
    while (true) {
        const gst::MessagePtr message(gst_bus_timed_pop_filtered(bus_.get(), GST_SECOND, kEndNotices));
        if (message) {
            if (GST_MESSAGE_TYPE(message.get()) == GST_MESSAGE_EOS)
                atEnd_ = true;
            else
                pipelineTroubled_ = true;
            break;
        }
        // Only a position that is known and stands still counts as a stall.
        const gint64 position = currentPosition(pipeline_.get());
        if (position < 0 || position != lastPosition) {
            lastPosition = position;
            stalledSeconds = 0;
        } else if (++stalledSeconds >= kStallSeconds) {
            gst_element_set_state(pipeline_.get(), GST_STATE_PAUSED);
            pipelineTroubled_ = true;
            break;
        }
    }
    state_ = State::Stopped;
}

void GstMediaEngine::pause()
{
    if (!readyForCommand() || state_ != State::Playing)
        return;
    holdPreroll_ = true;
    gst_element_set_state(pipeline_.get(), GST_STATE_PAUSED);
    state_ = State::Paused;
}

void GstMediaEngine::resume()
{
    if (!readyForCommand() || state_ != State::Paused)
        return;
    gst_element_set_state(pipeline_.get(), GST_STATE_PLAYING);
    state_ = State::Playing;
}

void GstMediaEngine::stop()
{
    if (!readyForCommand())
        return;
    holdPreroll_ = true;
    gst_element_set_state(pipeline_.get(), GST_STATE_PAUSED);
    state_ = State::Stopped;
}

void GstMediaEngine::seekToStart()
{
    if (!readyForCommand())
        return;
    stop();
    // Let the pause settle so its own completion is not taken for the seek's.
    gst_element_get_state(pipeline_.get(), nullptr, nullptr, kSeekTimeout);
    moveToStart();
}

} // namespace

std::unique_ptr<MediaEngine> makeGstMediaEngine()
{
    return std::make_unique<GstMediaEngine>();
}

} // namespace ejteto
