#pragma once
// A minimal AVI writer: one MJPEG video stream and, optionally, one mono
// 16-bit PCM sound stream, interleaved frame by frame, with an idx1 index.
// GStreamer's avidemux, jpegdec and the PCM path of playbin play it.
#include "contentkit/wav_file.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace ejteto::contentkit {

struct AviMovie {
    int width = 0;
    int height = 0;
    int framesPerSecond = 2;
    std::vector<QByteArray> jpegFrames; // every frame a complete JPEG of width x height
    bool hasSound = true;
    // Cut or padded with silence to exactly the length of the frames, so
    // picture and sound end together.
    PcmAudio sound;
};

QByteArray aviBytes(const AviMovie& movie);
void writeAvi(const QString& path, const AviMovie& movie);

// Convenience: encodes `frames` (all of one size) as JPEG at `quality`.
void writeAvi(const QString& path, const std::vector<QImage>& frames, int framesPerSecond, const PcmAudio& sound,
              int quality = 85);

} // namespace ejteto::contentkit
