#pragma once
// The lecture videos: MJPEG pictures and, optionally, one mono 16-bit PCM
// sound track, written by GStreamer (jpegenc, avimux) from raw frames, so
// the files are the ones the lecture player's own demuxer is built for.
// The same movie always gives the same bytes.
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
    // Every frame width x height; a still shown for several frames is the
    // same (shared) picture several times.
    std::vector<QImage> frames;
    int jpegQuality = 85;
    bool hasSound = true;
    // Cut or padded with silence to exactly the length of the frames, so
    // picture and sound end together.
    PcmAudio sound;
};

// Raises AppError when the movie has no frames or GStreamer cannot write it.
QByteArray aviBytes(const AviMovie& movie);
void writeAvi(const QString& path, const AviMovie& movie);

// Convenience: `frames` (all of one size) at `quality`.
void writeAvi(const QString& path, const std::vector<QImage>& frames, int framesPerSecond, const PcmAudio& sound,
              int quality = 85);

} // namespace ejteto::contentkit
