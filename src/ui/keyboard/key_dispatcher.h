#pragma once
// The one place where the windows' keys are decided. Every key a learner
// presses in a watched window comes here first, before the control with the
// focus sees it, and is offered to each concern in turn (the panels' keys,
// replaying, the mosaic, pressing the focused control, ...); the first that
// uses it ends the key's way. Keys no concern wants go on to the control as
// usual, so typing, Tab and the lists' own arrows work as they always do.
#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class QKeyEvent;
class QWidget;

namespace ejteto {

class KeyConcern {
public:
    virtual ~KeyConcern() = default;
    // `focus` is the control the key was meant for (the window itself when
    // no control has the focus). True when the key was used.
    virtual bool keyPressed(QWidget* focus, const QKeyEvent& key) = 0;
};

class KeyDispatcher : public QObject {
public:
    explicit KeyDispatcher(QObject* parent = nullptr);
    ~KeyDispatcher() override;

    // Keys meant for `window` or any control on it.
    void watch(QWidget* window);
    // Concerns are asked in the order they were added.
    void add(std::unique_ptr<KeyConcern> concern);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    std::vector<QPointer<QWidget>> windows_;
    std::vector<std::unique_ptr<KeyConcern>> concerns_;
};

// Held keys repeat; an action that plays a recording or opens a window must
// run once per press, so concerns take a repeat only for moving the focus.
bool isRepeat(const QKeyEvent& key);
// True for a plain key: no Ctrl, Alt or Meta (Shift and the keypad allowed).
bool isPlain(const QKeyEvent& key);
// True when `focus` takes typed text (the filter box): letter and digit
// keys belong to it.
bool takesText(const QWidget* focus);

} // namespace ejteto
