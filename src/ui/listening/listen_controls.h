#pragma once
// The controls that play a word or vowel, and the other two ways of hearing
// what they play. Shift+click or L does what a click does, with the
// recording slowed. Ctrl+click or F records the learner and then plays the
// control's recording and the take, and does nothing else to the control
// (a tile is not chosen, a card not turned); pressed again while the take
// is being recorded, it ends the take. The mouse and the keys reach the
// same actions through this one registry.
#include "content/recording_player.h"
#include "controls/modifier_clicks.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace ejteto {

class WordList;

struct Listening {
    // Shift+click, L: the control's own click, its recording played slowly.
    std::function<void()> slow;
    // Ctrl+click, F: the recording the learner is compared with; none when
    // the control offers none now (an empty place, a face-down card).
    std::function<std::optional<CourseRecording>()> model;
};

// The recording of `word` to compare with; none for an empty word (an empty
// place, a face-down card: nothing there to say).
std::optional<CourseRecording> wordModel(const QString& word);

class ListenControls {
public:
    // `compare` records the learner against a model; called with none, it
    // only ends a take that is being recorded.
    using Compare = std::function<void(const std::optional<CourseRecording>&)>;
    explicit ListenControls(Compare compare);
    ~ListenControls();
    ListenControls(const ListenControls&) = delete;
    ListenControls& operator=(const ListenControls&) = delete;

    // A picture, label or button: Shift or Ctrl with a click, and L or F
    // while it has the focus. `description` says so; screen readers hear it
    // once, in the window's description (keyHints), not on every control.
    void addClickable(QWidget* control, Listening listening, const QString& description);
    // The word list: Shift or Ctrl with a double click on a row (a single
    // click still only selects), and L or F while it has the focus.
    void addList(WordList* list, Listening listening, const QString& description);
    // A control reached by L and F only (an answer, its "HU" button).
    void addKeysOnly(QWidget* control, Listening listening);
    // Every distinct description given, in the order first given.
    QString keyHints() const { return hints_.join(QLatin1Char(' ')); }

    // Hears `control`'s recording the `way` asked; false when it plays none.
    bool listen(const QWidget* control, ListenWay way) const;
    // Hears `listening` the `way` asked; a failure goes to the error box.
    void listen(const Listening& listening, ListenWay way) const;

private:
    Compare compare_;
    std::vector<std::pair<const QWidget*, Listening>> controls_;
    std::vector<std::unique_ptr<ModifierClicks>> clicks_;
    QStringList hints_;
    void addHint(const QString& description);
};

} // namespace ejteto
