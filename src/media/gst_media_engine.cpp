// The GStreamer engine: one playbin per engine, kept warm from one file to
// the next, prerolled on open, with its bus read only inside the commands
// and refresh(). A slow play puts scaletempo into the chain for that file.
#include "media/gst_media_engine.h"

#include "media/gst_handles.h"
#include "media/gst_runtime.h"
#include "media/media_errors.h"
#include "playback_pipeline.h"
#include "playback_wait.h"

#include <algorithm>
#include <atomic>
#include <utility>

namespace ejteto {

namespace {

constexpr GstClockTime kSeekTimeout = 5 * GST_SECOND;
constexpr double kNormalRate = 1.0;

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
    void playToEndAt(double rate) override;
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
    bool startPlayingAt(double rate);
    bool addTempoFilter();
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
    // The rate of the file's current run; only a slow play changes it.
    double rate_ = kNormalRate;
    // scaletempo is in the audio chain. Such a pipeline is not kept for the
    // next file, so every normal play runs the plain chain.
    bool tempoFilter_ = false;
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
        tempoFilter_ = false;
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
    QString failure = preroll(pipeline, bus_.get());
    if (failure.isEmpty() && isAudioOnlyFile(path) && !hasAudioStream(pipeline))
        failure = wrongStreamTypeText(); // a .wav that holds no sound would never end
    if (!failure.isEmpty()) {
        // Nothing of a file that failed is carried into the next one.
        discardPipeline();
        forgetFrames();
        throw mciDeviceError(failure);
    }
    state_ = State::Stopped;
    atEnd_ = false;
    rate_ = kNormalRate;
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
    rate_ = kNormalRate;
    if (pipeline_) {
        // READY ends the streaming threads, so no picture of this file comes
        // later, and drops what the file left in the pipeline; the notices
        // it left on the bus go too.
        if (pipelineTroubled_ || tempoFilter_ ||
            gst_element_set_state(pipeline_.get(), GST_STATE_READY) == GST_STATE_CHANGE_FAILURE) {
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
    rate_ = kNormalRate;
}

void GstMediaEngine::play()
{
    if (!readyForCommand())
        return;
    // After a slow play that did not reach its end, the file starts over at
    // normal speed rather than go on slowly.
    if (atEnd_ || rate_ != kNormalRate)
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

void GstMediaEngine::playToEndAt(double rate)
{
    if (rate == kNormalRate) {
        playToEnd();
        return;
    }
    if (readyForCommand() && startPlayingAt(rate))
        waitForPlaybackEnd();
}

bool GstMediaEngine::startPlayingAt(double rate)
{
    // The place to go on from, taken before the filter is put in: that
    // takes the file back to its start.
    const gint64 from = atEnd_ ? 0 : std::max<gint64>(0, playbackPosition(pipeline_.get()));
    if (!tempoFilter_ && !addTempoFilter()) {
        state_ = State::Stopped; // a failure while playing is not reported
        return false;
    }
    const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    holdPreroll_ = false;
    if (gst_element_seek(pipeline_.get(), rate, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, from, GST_SEEK_TYPE_NONE,
                         GST_CLOCK_TIME_NONE)) {
        waitForAsyncDone(bus_.get(), kSeekTimeout);
        atEnd_ = false;
        rate_ = rate;
    }
    if (gst_element_set_state(pipeline_.get(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        pipelineTroubled_ = true;
        refresh();
        state_ = State::Stopped;
        return false;
    }
    state_ = State::Playing;
    return true;
}

bool GstMediaEngine::addTempoFilter()
{
    // The audio chain is made as the file prerolls, so the filter goes in
    // with the pipeline back in READY (the output stays open) and the file
    // prerolls again. A rate seek alone would slow the sound by lowering its
    // pitch as well; scaletempo stretches it at the same pitch.
    gst_element_set_state(pipeline_.get(), GST_STATE_READY);
    gst_element_get_state(pipeline_.get(), nullptr, nullptr, kSeekTimeout);
    if (const auto tempo = gst::adoptFloating(gst_element_factory_make("scaletempo", nullptr)))
        g_object_set(pipeline_.get(), "audio-filter", tempo.get(), nullptr);
    tempoFilter_ = true;
    return preroll(pipeline_.get(), bus_.get()).isEmpty();
}

void GstMediaEngine::waitForPlaybackEnd()
{
    const PlaybackEnd end = ejteto::waitForPlaybackEnd(pipeline_.get(), bus_.get());
    atEnd_ = end == PlaybackEnd::Finished;
    // A file that failed or stalled leaves the pipeline to be built anew.
    if (end != PlaybackEnd::Finished)
        pipelineTroubled_ = true;
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

std::unique_ptr<MediaEngine> makeGstMediaEngine() { return std::make_unique<GstMediaEngine>(); }

} // namespace ejteto
