#include "first_sound/floor_player.h"

#include "support/figures.h"

#include <QFileInfo>
#include <QUrl>

namespace ejteto::bench {

namespace {
constexpr unsigned kPlayAudio = 1u << 1;
constexpr unsigned kPlaySoftVolume = 1u << 4;

GstElement* owned(GstElement* e)
{
    if (e == nullptr)
        fail(QStringLiteral("GStreamer could not make the floor's audio output"));
    return GST_ELEMENT(gst_object_ref_sink(e));
}
} // namespace

GstElement* chooseFloorSink(const QByteArray& fixedDescription)
{
    if (!fixedDescription.isEmpty())
        return owned(gst_parse_bin_from_description(fixedDescription.constData(), TRUE, nullptr));
    GstElement* automatic = owned(gst_element_factory_make("autoaudiosink", nullptr));
    const bool opens = gst_element_set_state(automatic, GST_STATE_READY) != GST_STATE_CHANGE_FAILURE;
    gst_element_set_state(automatic, GST_STATE_NULL);
    if (opens)
        return automatic;
    gst_object_unref(automatic);
    GstElement* fake = owned(gst_element_factory_make("fakesink", nullptr));
    g_object_set(fake, "sync", TRUE, nullptr);
    return fake;
}

FloorPlayer::FloorPlayer(GstElement* audioSink)
{
    playbin_ = owned(gst_element_factory_make("playbin", nullptr));
    g_object_set(playbin_, "audio-sink", audioSink, "flags", kPlayAudio | kPlaySoftVolume, nullptr);
    gst_object_unref(audioSink);
    bus_ = gst_element_get_bus(playbin_);
}

FloorPlayer::~FloorPlayer()
{
    gst_element_set_state(playbin_, GST_STATE_NULL);
    gst_object_unref(bus_);
    gst_object_unref(playbin_);
}

void FloorPlayer::play(const QString& path)
{
    const QByteArray uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded();
    g_object_set(playbin_, "uri", uri.constData(), nullptr);
    gst_element_set_state(playbin_, GST_STATE_PLAYING);
    const auto end = static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR);
    GstMessage* m = gst_bus_timed_pop_filtered(bus_, 10 * GST_SECOND, end);
    const bool failed = m == nullptr || GST_MESSAGE_TYPE(m) == GST_MESSAGE_ERROR;
    if (m != nullptr)
        gst_message_unref(m);
    gst_element_set_state(playbin_, GST_STATE_READY);
    if (failed)
        fail(QStringLiteral("the floor player could not play %1").arg(path));
}

} // namespace ejteto::bench
