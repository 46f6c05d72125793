#pragma once
// The text of one lecture, written by the course author in
// data/lectures/<n>.txt (UTF-8), one "key: value" per line:
//
//   név: hosszú í hang               how the narration names the sound
//   kulcsszó: sheep                  key word, also shown on the mosaic tile
//   képzés: ...                      how to form the sound, one sentence a line
//   magyar: ...                      the nearest Hungarian sound (optional)
//   írás: ee | see, green, tree      a spelling and its example words
//   pár: 2 | sheep ship | feet fit   word pairs against sound 2 (this sound first)
//
// Lines starting with "#" and empty lines are skipped.
#include "contentkit/table_checker.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace ejteto::contentkit {

struct Spelling {
    QString letters;
    QStringList examples;
};

struct Contrast {
    int sound = 0;
    int line = 0;
    std::vector<std::pair<QString, QString>> pairs;
};

struct LectureScript {
    int lesson = 0;
    QString fileName; // "lectures/1.txt", for messages
    QString soundName;
    QString keyWord;
    QStringList formation;
    QString hungarian;
    std::vector<Spelling> spellings;
    std::vector<Contrast> contrasts;
};

// Parses the script of `lesson`; every problem is added to `problems` as
// "fileName:line: what is wrong".
LectureScript parseLectureScript(const QString& text, int lesson, const QString& fileName,
                                 std::vector<TableProblem>& problems);

// The script must contrast the sound with exactly its two confusable sounds.
void checkContrasts(const LectureScript& script, int confusable1, int confusable2, std::vector<TableProblem>& problems);

} // namespace ejteto::contentkit
