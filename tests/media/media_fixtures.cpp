#include "media/media_fixtures.h"

#include "media/gst_handles.h"

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <gst/gst.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace ejteto::testing {

namespace {

void appendLe32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void appendLe16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

} // namespace

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file " + path.toStdString());
}

void writeToneWav(const QString& path, double seconds, int sampleRate)
{
    const int count = static_cast<int>(seconds * sampleRate);
    QByteArray data;
    for (int i = 0; i < count; ++i)
        appendLe16(data, static_cast<quint16>(static_cast<qint16>(8000 * std::sin(2 * M_PI * 440.0 * i / sampleRate))));
    QByteArray wav("RIFF");
    appendLe32(wav, 36 + data.size());
    wav.append("WAVEfmt ");
    appendLe32(wav, 16);
    appendLe16(wav, 1); // PCM
    appendLe16(wav, 1); // mono
    appendLe32(wav, sampleRate);
    appendLe32(wav, sampleRate * 2);
    appendLe16(wav, 2);
    appendLe16(wav, 16);
    wav.append("data");
    appendLe32(wav, data.size());
    wav.append(data);
    writeBytes(path, wav);
}

void writeTestAvi(const QString& path, int frames)
{
    gst_init(nullptr, nullptr);
    const QString description =
        QStringLiteral("videotestsrc num-buffers=%1 ! video/x-raw,width=400,height=300,framerate=5/1"
                       " ! jpegenc ! avimux name=mux ! filesink location=\"%2\""
                       " audiotestsrc num-buffers=%1 samplesperbuffer=1600"
                       " ! audio/x-raw,format=S16LE,rate=8000,channels=1 ! mux.")
            .arg(frames)
            .arg(path);
    GError* rawError = nullptr;
    GstElement* launched = gst_parse_launch(description.toUtf8().constData(), &rawError);
    const gst::PipelinePtr pipeline(launched != nullptr ? GST_ELEMENT(gst_object_ref_sink(launched)) : nullptr);
    const gst::ErrorPtr error(rawError);
    if (!pipeline)
        throw std::runtime_error(std::string("cannot build AVI writer: ") + (error ? error->message : "unknown"));
    gst_element_set_state(pipeline.get(), GST_STATE_PLAYING);
    const gst::ObjectPtr<GstBus> bus(gst_element_get_bus(pipeline.get()));
    const gst::MessagePtr message(gst_bus_timed_pop_filtered(
        bus.get(), 30 * GST_SECOND, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR)));
    if (!message || GST_MESSAGE_TYPE(message.get()) != GST_MESSAGE_EOS)
        throw std::runtime_error("writing the test AVI failed");
}

void writeJpeg(const QString& path, int width, int height, int components, const SampleFunction& sample)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width) * components);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x)
            sample(x, static_cast<int>(info.next_scanline), &row[static_cast<size_t>(x) * components]);
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&info, &rowPointer, 1);
    }
    jpeg_finish_compress(&info);
    const QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    jpeg_destroy_compress(&info);
    std::free(buffer);
    writeBytes(path, bytes);
}

} // namespace ejteto::testing
