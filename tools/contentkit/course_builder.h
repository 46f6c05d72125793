#pragma once
// Makes the whole bundled course from the content folder (the two tables and
// the lecture scripts) into an installation folder: tables, pictures, word and
// vowel recordings, lecture videos and the two placeholders.
#include "contentkit/table_checker.h"

#include <QString>
#include <functional>
#include <vector>

namespace ejteto::contentkit {

struct CourseBuildOptions {
    QString dataDir;                              // holds sounds.csv, words.csv and lectures/<n>.txt
    QString outDir;                               // the installation folder
    QString manifestPath;                         // what was built from what; empty: <outDir>/.course-manifest
    int threads = 4;                              // espeak-ng mostly waits, so more than the cores pays
    std::function<void(const QString&)> progress; // one short status line at a time
};

struct CourseBuildResult {
    std::vector<TableProblem> problems; // content errors: nothing was built
    int written = 0;
    int unchanged = 0;
    std::vector<std::pair<int, double>> lectureSeconds; // lesson, length of the rebuilt videos
};

// Raises AppError on failures of the machine (espeak-ng missing, disk full);
// content errors come back in `problems`.
CourseBuildResult buildCourse(const CourseBuildOptions& options);

} // namespace ejteto::contentkit
