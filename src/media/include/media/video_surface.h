#pragma once
// The area a video is shown in: the newest picture at its top-left corner,
// unscaled, on black. Pictures arrive from an engine's streaming thread and
// are painted on the window thread.
#include "media/media_engine.h"

#include <QImage>
#include <QWidget>
#include <memory>

namespace ejteto {

class VideoSurface : public QWidget {
    Q_OBJECT
public:
    explicit VideoSurface(QWidget* parent = nullptr);
    ~VideoSurface() override;

    // What an engine sends its pictures to. It may outlive the surface: once
    // the surface is gone, pictures sent there are dropped.
    std::shared_ptr<FrameReceiver> frameReceiver() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    class Mailbox;
    void showPendingFrame();
    void clearFrame();

    std::shared_ptr<Mailbox> mailbox_;
    QImage frame_; // on view
};

} // namespace ejteto
