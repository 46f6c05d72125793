#pragma once
// Tiny media files made in code for the media tests.
#include "support/scoped_env.h"

#include <QImage>
#include <QString>
#include <functional>

namespace ejteto::testing {

// A mono 16-bit PCM WAV of a 440 Hz tone.
void writeToneWav(const QString& path, double seconds, int sampleRate = 22050);

// An MJPEG AVI of 400 x 300 colour bars, `frames` frames at 5 per second,
// with a matching mono sound track; made with GStreamer's own muxer.
void writeTestAvi(const QString& path, int frames);

// A JPEG written with libjpeg: 1 (grayscale), 3 (RGB) or 4 (CMYK, stored the
// Adobe way, 255 = no ink) components; `sample` gives each pixel's components.
using SampleFunction = std::function<void(int x, int y, unsigned char* components)>;
void writeJpeg(const QString& path, int width, int height, int components, const SampleFunction& sample);

void writeBytes(const QString& path, const QByteArray& bytes);

} // namespace ejteto::testing
