#pragma once
// Whether a widget has painted since the last reset: a benchmark's clock
// stops at the first paint after the work it measures.
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace ejteto::bench {

class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* watched) { watched->installEventFilter(this); }
    void reset() { painted_ = false; }
    bool painted() const { return painted_; }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            painted_ = true;
        return false;
    }

private:
    bool painted_ = false;
};

} // namespace ejteto::bench
