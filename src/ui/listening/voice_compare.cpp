#include "listening/voice_compare.h"

#include "ui/error_box.h"

#include <QAccessible>
#include <QWidget>

namespace ejteto {

namespace {

class WindowCompareView final : public CompareView {
public:
    explicit WindowCompareView(QWidget* window) : window_(window) {}

    void showRecordingCue(bool on) override
    {
        if (on) {
            title_ = window_->windowTitle();
            window_->setWindowTitle(title_ + QStringLiteral(" — felvétel…"));
        } else {
            window_->setWindowTitle(title_);
        }
        // Qt does not tell screen readers of a new title; they read the
        // window's name again on this event.
        QAccessibleEvent renamed(window_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }

    void tell(const QString& message) override { showErrorBox(message); }

private:
    QWidget* window_;
    QString title_; // the title to return to
};

} // namespace

VoiceCompare::VoiceCompare(QWidget* window, std::unique_ptr<VoiceRecorder> recorder, RecordingPlayer& player,
                           EventPump& pump)
    : recorder_(std::move(recorder)), view_(std::make_unique<WindowCompareView>(window)),
      controller_(std::make_unique<CompareController>(*recorder_, player, pump, *view_))
{
}

VoiceCompare::~VoiceCompare() = default;

void VoiceCompare::recordAndCompare(const std::optional<CourseRecording>& model)
{
    if (controller_->recording())
        controller_->stop();
    else if (model)
        controller_->press(*model);
}

} // namespace ejteto
