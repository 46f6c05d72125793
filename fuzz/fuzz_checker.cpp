// The content checker (the program's rules and the course's stricter ones)
// on any pair of tables: it reports, it never crashes, and every problem it
// reports names one of the two files.
#include "fuzz_input.h"

#include "contentkit/table_checker.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace ejteto;
    const auto [sounds, words] = fuzz::twoFiles(data, size);
    for (const contentkit::TableProblem& p : contentkit::checkTables(sounds, words)) {
        if (p.file != QLatin1String("sounds.csv") && p.file != QLatin1String("words.csv"))
            std::abort();
        p.toString();
    }
    return 0;
}
