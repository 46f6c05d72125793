#include "listening/listen_controls.h"

#include "ui/error_box.h"

#include "ui/controls/word_list.h"

namespace ejteto {

std::optional<CourseRecording> wordModel(const QString& word)
{
    if (word.isEmpty())
        return std::nullopt;
    return CourseRecording::ofWord(word);
}

ListenControls::ListenControls(Compare compare) : compare_(std::move(compare)) {}

ListenControls::~ListenControls() = default;

void ListenControls::addClickable(QWidget* control, Listening listening, const QString& description)
{
    addHint(description);
    clicks_.push_back(std::make_unique<ModifierClicks>(control, ModifierClicks::Gesture::Click,
                                                       [this, listening](ListenWay way) { listen(listening, way); }));
    addKeysOnly(control, std::move(listening));
}

void ListenControls::addList(WordList* list, Listening listening, const QString& description)
{
    addHint(description);
    clicks_.push_back(std::make_unique<ModifierClicks>(
        list->viewport(), ModifierClicks::Gesture::DoubleClick,
        [this, listening](ListenWay way) { listen(listening, way); },
        [list](QPoint at) {
            const int row = list->rowAt(at);
            if (row >= 0)
                list->setCurrentRow(row);
            return row >= 0;
        }));
    addKeysOnly(list, std::move(listening));
}

void ListenControls::addHint(const QString& description)
{
    const QString hint = description.endsWith(QLatin1Char('.')) ? description : description + QLatin1Char('.');
    if (!description.isEmpty() && !hints_.contains(hint))
        hints_ << hint;
}

void ListenControls::addKeysOnly(QWidget* control, Listening listening)
{
    controls_.emplace_back(control, std::move(listening));
}

bool ListenControls::listen(const QWidget* control, ListenWay way) const
{
    for (const auto& [c, listening] : controls_) {
        if (c == control) {
            listen(listening, way);
            return true;
        }
    }
    return false;
}

void ListenControls::listen(const Listening& listening, ListenWay way) const
{
    runGuarded([&] {
        if (way == ListenWay::Slow)
            listening.slow();
        else
            compare_(listening.model());
    });
}

} // namespace ejteto
