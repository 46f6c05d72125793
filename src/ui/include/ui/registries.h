#pragma once
// The registries: fixed arrays through which the window addresses its like
// controls (the tile of lesson n, the panel of module i, answer place k, the
// results-table word of question q and place v, ...). They refer to
// controls and own none; the window fills them once while it starts, and
// afterwards only the two status lines swap places.
#include <array>

class QPushButton;
class QWidget;

namespace ejteto {

// The module panels, by their place in ModulePanels.
enum class ModulePanel { Practice = 0, WordIndex = 1, Game = 2, Lecture = 3 };

class ImageControl;
class Label;

struct Registries {
    std::array<ImageControl*, 17> MosaicImages{};         // [1..16]: tile n
    std::array<QWidget*, 4> ModulePanels{};               // practice, word index, game, lecture
    std::array<QPushButton*, 5> LauncherButtons{};        // lecture, practice, test, word index, game
    std::array<Label*, 4> AnswerLabels{};                 // the four answer places
    std::array<Label*, 4> MeaningButtons{};               // their "HU" buttons
    std::array<Label*, 4> MeaningLabels{};                // their meanings
    std::array<Label*, 2> StatusLabels{};                 // [0] the line in view, [1] the one waiting
    std::array<std::array<Label*, 4>, 11> ResultLabels{}; // [1..10][0..3]
    std::array<ImageControl*, 4> SpeakerImages{};         // the answer places' speakers
    std::array<QPushButton*, 20> GameButtons{};

    QWidget* panel(ModulePanel p) const { return ModulePanels[static_cast<size_t>(p)]; }
};

} // namespace ejteto
