#pragma once
// Clicks with Shift or Ctrl held, on a control that plays a word or vowel:
// they ask for the recording slowly or for the learner's own take beside
// it. Such a click never reaches the control, so it does not also do what
// a plain click does (turn a card, play at normal speed); a click with no
// modifier, or with both, goes on to the control as always.
#include <QObject>
#include <functional>

class QWidget;

namespace ejteto {

enum class ListenWay {
    Slow,    // Shift: the recording slowly
    Compare, // Ctrl: record the learner, then the model and the take
};

class ModifierClicks : public QObject {
public:
    enum class Gesture {
        Click,       // pictures, labels, buttons: a press and release inside
        DoubleClick, // list rows: the single clicks still select
    };
    // Watches `target` (a list's viewport for a double click). `chooseRow`,
    // for a double click, makes the row under a point of the viewport the
    // chosen one, as a click does; false when no row lies there.
    ModifierClicks(QWidget* target, Gesture gesture, std::function<void(ListenWay)> listen,
                   std::function<bool(QPoint)> chooseRow = {});
    ~ModifierClicks() override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* target_;
    Gesture gesture_;
    std::function<void(ListenWay)> listen_;
    std::function<bool(QPoint)> chooseRow_;
    // The way a press with a modifier began; its release ends it, wherever
    // the modifier keys are by then.
    bool pressed_ = false;
    ListenWay pressedWay_ = ListenWay::Slow;
};

} // namespace ejteto
