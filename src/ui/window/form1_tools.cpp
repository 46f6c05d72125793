// The windows beside the main one: the About window, the help page and the
// learning tools, each given the window's Esc and F1; and what a tool may
// ask of the window (`ToolHost`).
#include "app/user_choices.h"
#include "keyboard/key_dispatcher.h"
#include "keyboard/window_keys.h"
#include "listening/recording_sounds.h"
#include "listening/voice_compare.h"
#include "shared/help_page.h"
#include "ui/error_box.h"
#include "ui/form1.h"
#include "ui/help_window.h"
#include "ui/nevjegy.h"

namespace ejteto {

namespace {

// Esc and F1 in `window` do what they do in the main window; nothing before
// the keys exist (they take every window known by then when made).
void watchToolWindow(KeyDispatcher* keys, WindowKeys* windowKeys, ToolWindow* window)
{
    if (!keys || !windowKeys)
        return;
    keys->watch(window);
    windowKeys->addToolWindow(window);
}

} // namespace

void TForm1::setAboutWindow(TForm_About* about)
{
    aboutWindow_ = about;
    if (!about)
        return;
    about->setAppDir(installDir_); // its address is this installation's help page
    about->setHelpOpener([this] { runGuarded([this] { openHelp(); }); });
    watchToolWindow(keys_.get(), windowKeys_, about);
}

void TForm1::openHelp()
{
    // In a window of the program's own: no browser is needed.
    if (!help_) {
        help_ = std::make_unique<HelpWindow>();
        watchToolWindow(keys_.get(), windowKeys_, help_.get());
    }
    help_->showPage(helpPageUrl(installDir_).toLocalFile(), this);
}

void TForm1::addTool(ToolEntry entry)
{
    tools_.push_back(std::move(entry));
    ToolWindow* window = tools_.back().window;
    if (!window)
        return;
    window->setHelpOpener([this] { runGuarded([this] { openHelp(); }); });
    watchToolWindow(keys_.get(), windowKeys_, window);
}

CompareController& TForm1::compare() { return voice_->controller(); }

int TForm1::currentLesson() const { return state_.CurrentLesson; }

void TForm1::addLessonObserver(std::function<void(int lesson)> observer)
{
    lessonObservers_.push_back(std::move(observer));
}

RecordingPlayer& TForm1::recordings() { return *sounds_; }

QString TForm1::mediaFolder() const { return state_.MediaDir; }

const ContentTables& TForm1::contentTables() const { return content_; }

QString TForm1::playbackVoice() { return sounds_->voice(); }

QString TForm1::choosePlaybackVoice(const QString& voice)
{
    sounds_->setVoice(voice);
    return keepPlaybackVoiceChoice(voice);
}

QWidget& TForm1::mainWindow() { return *this; }

} // namespace ejteto
