#include "media/video_surface.h"

#include <QMutex>
#include <QMutexLocker>
#include <QPainter>

namespace ejteto {

// The hand-over between the streaming thread and the window thread: the
// newest picture waits here, and at most one call to show it is queued.
class VideoSurface::Mailbox final : public FrameReceiver {
public:
    explicit Mailbox(VideoSurface* surface) : surface_(surface) {}

    void receiveFrame(QImage frame, FrameKind kind) override
    {
        // A pause's picture held ahead is not due: the picture on view when
        // the video was paused stays there.
        if (kind == FrameKind::HeldAhead)
            return;
        QMutexLocker lock(&mutex_);
        if (surface_ == nullptr)
            return;
        pending_ = std::move(frame);
        if (queued_)
            return;
        queued_ = true;
        // Posted while the lock keeps the surface alive; a surface deleted
        // later takes the queued call with it.
        VideoSurface* surface = surface_;
        QMetaObject::invokeMethod(
            surface, [surface] { surface->showPendingFrame(); }, Qt::QueuedConnection);
    }

    void clearFrames() noexcept override
    {
        VideoSurface* surface = nullptr;
        {
            QMutexLocker lock(&mutex_);
            pending_ = QImage();
            surface = surface_;
        }
        if (surface != nullptr)
            surface->clearFrame();
    }

    QImage takePending()
    {
        QMutexLocker lock(&mutex_);
        queued_ = false;
        return std::exchange(pending_, QImage());
    }

    void detach()
    {
        QMutexLocker lock(&mutex_);
        surface_ = nullptr;
        pending_ = QImage();
    }

private:
    QMutex mutex_;
    VideoSurface* surface_; // guarded by mutex_
    QImage pending_;        // guarded by mutex_
    bool queued_ = false;   // guarded by mutex_
};

VideoSurface::VideoSurface(QWidget* parent) : QWidget(parent), mailbox_(std::make_shared<Mailbox>(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

VideoSurface::~VideoSurface() { mailbox_->detach(); }

std::shared_ptr<FrameReceiver> VideoSurface::frameReceiver() const { return mailbox_; }

QSize VideoSurface::sizeHint() const { return {400, 300}; }

void VideoSurface::showPendingFrame()
{
    QImage next = mailbox_->takePending();
    if (next.isNull())
        return; // cleared meanwhile
    frame_ = std::move(next);
    update();
}

void VideoSurface::clearFrame()
{
    frame_ = QImage();
    update();
}

void VideoSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!frame_.isNull())
        painter.drawImage(0, 0, frame_);
}

} // namespace ejteto
