// The video surface as engines feed it from their streaming threads.
#include "media/video_surface.h"

#include <QTest>
#include <gtest/gtest.h>
#include <thread>

namespace ejteto {
namespace {

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Sends `frame` from another thread, as a streaming thread does, and lets
// the window thread take it in.
void sendFromStream(FrameReceiver& receiver, QImage frame, FrameKind kind)
{
    std::thread stream([&] { receiver.receiveFrame(std::move(frame), kind); });
    stream.join();
    QCoreApplication::processEvents();
}

TEST(VideoSurfaceTest, ShowsTheDuePictureAtTheTopLeftUnscaledOnBlack)
{
    VideoSurface surface;
    surface.resize(500, 400);
    const auto receiver = surface.frameReceiver();
    sendFromStream(*receiver, filled({400, 300}, Qt::red), FrameKind::Due);
    QImage shown = surface.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(399, 299), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(400, 0), QColor(Qt::black)) << "no scaling";
    EXPECT_EQ(shown.pixelColor(0, 300), QColor(Qt::black));

    // The picture a pause holds ready is not due: the one on view stays.
    sendFromStream(*receiver, filled({400, 300}, Qt::green), FrameKind::HeldAhead);
    EXPECT_EQ(surface.grab().toImage().pixelColor(10, 10), QColor(Qt::red));
    sendFromStream(*receiver, filled({400, 300}, Qt::blue), FrameKind::Due);
    EXPECT_EQ(surface.grab().toImage().pixelColor(10, 10), QColor(Qt::blue));

    receiver->clearFrames();
    EXPECT_EQ(surface.grab().toImage().pixelColor(10, 10), QColor(Qt::black));
}

} // namespace
} // namespace ejteto
