#pragma once
// What a learning tool beside the main window may ask of it: to be offered
// (its key and its line in the right-click menu), record-and-compare (a take
// asked for, and every take heard of), the lesson chosen, where the course's
// media lie, the content tables, and the main window to place itself over
// and to give the learner's keys back to. Tools see nothing else of the
// window.
#include "content/compare_controller.h"
#include "ui/tool_window.h"

#include <QString>
#include <functional>

namespace ejteto {

struct ContentTables;

class ToolHost {
public:
    virtual ~ToolHost() = default;

    // Offers a learning tool: its key and its line in the right-click menu
    // of the tiles and cards open it, and its window gets Esc and F1.
    virtual void addTool(ToolEntry entry) = 0;
    // Record-and-compare itself: a tool may ask the learner to say a word
    // or vowel (a press), and hear of every take as soon as it is recorded.
    virtual CompareController& compare() = 0;
    void addTakeObserver(TakeObserver observer) { compare().addTakeObserver(std::move(observer)); }

    // The lesson chosen in the mosaic, 1..16; 0 before the first choice.
    virtual int currentLesson() const = 0;
    // Told of each lesson chosen in the mosaic, before its vowel plays.
    virtual void addLessonObserver(std::function<void(int lesson)> observer) = 0;
    // The course's recordings, played as the window plays them (blocking).
    virtual RecordingPlayer& recordings() = 0;
    // The installation's media folder (the program's `MediaDir`).
    virtual QString mediaFolder() const = 0;
    virtual const ContentTables& contentTables() const = 0;
    // The voice the window plays words and vowels in where it has their
    // recordings ("" for the course's own), as the learner chose it; the
    // choice is kept in the user's settings.
    virtual QString playbackVoice() = 0;
    // An error text in Hungarian, or "".
    virtual QString choosePlaybackVoice(const QString& voice) = 0;

    // The main window: a tool window is placed over it, and activating it
    // gives the learner's keys back to it.
    virtual QWidget& mainWindow() = 0;
};

} // namespace ejteto
