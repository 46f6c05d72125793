#pragma once
// The learning module last started, as the window keeps it and the module
// list names it ("Modul:", "Előadás", "Gyakorlat", "Teszt"): the id is the
// place of the module's name in that list.
#include <cstdint>

namespace ejteto {

enum class ModuleId : int32_t {
    None = 0, // before the first start
    Lecture = 1,
    Practice = 2,
    Test = 3,
};

} // namespace ejteto
