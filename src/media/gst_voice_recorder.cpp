// The GStreamer microphone: source ! audioconvert ! audioresample ! appsink,
// pulled on the window thread between passes of the window's events.
#include "media/gst_voice_recorder.h"

#include "media/gst_runtime.h"
#include "media/media_errors.h"
#include "recording_source.h"
#include "take_playback.h"

#include <QElapsedTimer>
#include <algorithm>
#include <gst/app/gstappsink.h>
#include <optional>

namespace ejteto {

namespace {

// Mono at the course recordings' rate: plenty for a voice.
constexpr int kTakeRate = 22050;
// How long the window waits for sound between two passes of its events.
constexpr GstClockTime kPullTimeout = 20 * GST_MSECOND;
// A microphone that gives no sound this soon after starting does not work.
constexpr qint64 kFirstSoundMs = 2000;
// A source that stalls cannot hold the window longer than the longest take
// and this.
constexpr qint64 kStallGraceMs = 2000;

class GstVoiceRecorder final : public VoiceRecorder {
public:
    // GStreamer starts with the first take, never with the window.
    explicit GstVoiceRecorder(const RecordingLimits& limits) : limits_(limits) {}

    bool start() override;
    VoiceTake finish(EventPump& pump, const std::function<bool()>& stopAsked) override;
    void playTake(const VoiceTake& take) override { playVoiceTake(take); }

private:
    bool build(const RecordingSource& source);
    bool awaitFirstSound();
    bool pullSound(GstClockTime timeout);
    bool sourceEnded();
    void closeMicrophone() noexcept;
    VoiceTake voicedTake() const;

    RecordingLimits limits_;
    gst::PipelinePtr pipeline_;
    GstAppSink* sink_ = nullptr; // belongs to pipeline_
    QByteArray samples_;
    std::optional<SpeechWatch> watch_;
};

bool GstVoiceRecorder::build(const RecordingSource& source)
{
    gst::PipelinePtr pipeline(GST_ELEMENT(gst_object_ref_sink(gst_pipeline_new(nullptr))));
    auto convert = gst::adoptFloating(gst_element_factory_make("audioconvert", nullptr));
    auto resample = gst::adoptFloating(gst_element_factory_make("audioresample", nullptr));
    auto sink = gst::adoptFloating(gst_element_factory_make("appsink", nullptr));
    if (!convert || !resample || !sink)
        throw mciDeviceError(genericFailureText());

    const gst::CapsPtr caps(gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, "S16LE", "layout",
                                                G_TYPE_STRING, "interleaved", "rate", G_TYPE_INT, kTakeRate, "channels",
                                                G_TYPE_INT, 1, nullptr));
    // In step with the clock, so a source that is not live (a test signal)
    // also gives its sound in real time, as a microphone does.
    g_object_set(sink.get(), "caps", caps.get(), "sync", TRUE, nullptr);
    gst_bin_add_many(GST_BIN(pipeline.get()), source.element.get(), convert.get(), resample.get(), sink.get(), nullptr);
    if (!gst_element_link_many(source.element.get(), convert.get(), resample.get(), sink.get(), nullptr))
        return false;
    keepOnlyNotices(pipeline.get(), kEndNotices);
    pipeline_ = std::move(pipeline);
    sink_ = GST_APP_SINK(sink.get());
    return true;
}

bool GstVoiceRecorder::start()
{
    ensureGstreamer();
    closeMicrophone();
    const RecordingSource source = makeRecordingSource();
    if (!source.element || !build(source)) {
        closeMicrophone();
        return false;
    }
    samples_.clear();
    watch_.emplace(limits_, kTakeRate);
    const bool started = gst_element_set_state(pipeline_.get(), GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE &&
                         !(source.automatic && isSilentStandIn(source.element.get())) && awaitFirstSound();
    if (!started)
        closeMicrophone();
    return started;
}

bool GstVoiceRecorder::awaitFirstSound()
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kFirstSoundMs) {
        if (pullSound(kPullTimeout))
            return true;
        if (sourceEnded())
            return false;
    }
    return false;
}

VoiceTake GstVoiceRecorder::finish(EventPump& pump, const std::function<bool()>& stopAsked)
{
    QElapsedTimer recording;
    recording.start();
    while (pipeline_ && !watch_->done() && recording.elapsed() < limits_.longestMs + kStallGraceMs) {
        pump.processPendingEvents();
        // Whatever ran meanwhile may have asked for the end.
        if (stopAsked() || !pipeline_)
            break;
        if (!pullSound(kPullTimeout) && sourceEnded())
            break;
    }
    closeMicrophone();
    VoiceTake take = voicedTake();
    // The take lives on with the caller only.
    samples_.clear();
    watch_.reset();
    return take;
}

bool GstVoiceRecorder::pullSound(GstClockTime timeout)
{
    const gst::SamplePtr sample(gst_app_sink_try_pull_sample(sink_, timeout));
    if (!sample)
        return false;
    GstBuffer* buffer = gst_sample_get_buffer(sample.get());
    GstMapInfo map;
    if (buffer == nullptr || !gst_buffer_map(buffer, &map, GST_MAP_READ))
        return true;
    // Never past the longest take, even when a sound arrives whole.
    const qsizetype room = watch_->longestSamples() - watch_->sampleCount();
    const qsizetype count = std::min<qsizetype>(static_cast<qsizetype>(map.size / 2), std::max<qsizetype>(0, room));
    samples_.append(reinterpret_cast<const char*>(map.data), count * 2);
    watch_->add(reinterpret_cast<const qint16*>(map.data), count);
    gst_buffer_unmap(buffer, &map);
    return true;
}

bool GstVoiceRecorder::sourceEnded()
{
    if (gst_app_sink_is_eos(sink_))
        return true;
    const gst::ObjectPtr<GstBus> bus(gst_element_get_bus(pipeline_.get()));
    return gst::MessagePtr(gst_bus_pop_filtered(bus.get(), kEndNotices)) != nullptr;
}

void GstVoiceRecorder::closeMicrophone() noexcept
{
    sink_ = nullptr;
    pipeline_.reset();
}

VoiceTake GstVoiceRecorder::voicedTake() const
{
    if (!watch_)
        return {};
    const auto [first, last] = watch_->voicedSpan();
    const auto* all = reinterpret_cast<const int16_t*>(samples_.constData());
    const qsizetype end = std::min(last, samples_.size() / 2);
    const qsizetype begin = std::clamp<qsizetype>(first, 0, end);
    return {kTakeRate, 1, std::vector<int16_t>(all + begin, all + end)};
}

} // namespace

std::unique_ptr<VoiceRecorder> makeGstVoiceRecorder(const RecordingLimits& limits)
{
    return std::make_unique<GstVoiceRecorder>(limits);
}

} // namespace ejteto
