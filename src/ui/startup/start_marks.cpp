#include "ui/start_marks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace ejteto {

namespace {

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// Watches the application's events only until both marks are written: the
// window's native counterpart exists only once it is shown, and an offscreen
// platform exposes it inside show() itself, so a filter on the application is
// the one place that sees the first exposure whatever the platform.
class StartMarks : public QObject {
public:
    StartMarks(QWidget* window, int fd) : QObject(window), window_(window), fd_(fd) {}
    ~StartMarks() override { finish(); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Expose && !mapped_ && watched == window_->windowHandle() &&
            window_->windowHandle()->isExposed()) {
            mapped_ = true;
            write("mapped");
        } else if (e->type() == QEvent::Paint && !paintSeen_ && watched == window_) {
            paintSeen_ = true;
            // The children paint in the same pass, which ends by flushing the
            // window to the window system; a zero timer fires after all that.
            QTimer::singleShot(0, this, [this] {
                write("painted");
                finish();
            });
        }
        return false;
    }

private:
    void write(const char* what)
    {
        char line[64];
        const int n = std::snprintf(line, sizeof line, "%s %lld\n", what, monotonicNs());
        if (fd_ >= 0 && n > 0) {
            // A mark that cannot be written is lost; the benchmark says so.
            const ssize_t written = ::write(fd_, line, static_cast<size_t>(n));
            (void)written;
        }
    }

    void finish()
    {
        if (fd_ < 0)
            return;
        QCoreApplication::instance()->removeEventFilter(this);
        ::close(fd_);
        fd_ = -1;
    }

    QWidget* window_;
    int fd_;
    bool mapped_ = false;
    bool paintSeen_ = false;
};

} // namespace

void installStartMarks(QWidget* window)
{
    const QByteArray path = qgetenv("EJTETO_BENCH_MARKS");
    if (path.isEmpty() || QCoreApplication::instance() == nullptr)
        return;
    const int fd = ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    QCoreApplication::instance()->installEventFilter(new StartMarks(window, fd));
}

} // namespace ejteto
