#pragma once
// The program-wide values of the main window: where the installation lies,
// the chosen level and lesson, and the module last started with its colour.
#include "content/module_id.h"

#include <QString>
#include <cstdint>

namespace ejteto {

struct ProgramState {
    QString AppDir;            // the executable's folder, ending in "/"
    QString MediaDir;          // AppDir + "/media"
    int32_t CurrentLevel = 0;  // 0 easy, 1 medium, 2 hard; -1 none chosen
    int32_t CurrentLesson = 0; // 1..16 once a tile was chosen; 0 before
    ModuleId CurrentModule = ModuleId::None;
    uint32_t ModuleColor = 0; // background of the running practice or test
};

} // namespace ejteto
