#pragma once
// The rules of the two content tables that the program relies on: sixteen
// sound lines of four integers, every sound's words in one block of the size
// its line gives and at least twelve long, sound ids within 1..16, and plain
// single-byte text. The loader itself stays lenient and loads whatever it
// can; these rules say what will go wrong later (empty or foreign options in
// a practice run), so the learner or teacher is told at start. The content
// checker applies the same rules and adds the course's stricter ones.
#include <QByteArray>
#include <QString>
#include <vector>

namespace ejteto {

struct ContentFault {
    QString file; // "sounds.csv" or "words.csv"
    int line = 0; // 1-based line of the file (the header is line 1); 0 for the whole file
    QString rule; // what is wrong, in Hungarian

    // "file:line: rule", or "file: rule" for the whole file.
    QString toString() const;
};

// Every broken rule of the two tables, given as their raw bytes, sorted by
// file (sounds first) and line.
std::vector<ContentFault> checkContentRules(const QByteArray& soundsCsv, const QByteArray& wordsCsv);
// The same, for tables already split into lines as the loader splits them
// (splitTableLines), so a caller that loads them splits them once.
std::vector<ContentFault> checkContentRules(const QByteArray& soundsCsv, const QStringList& soundLines,
                                            const QByteArray& wordsCsv, const QStringList& wordLines);

// Sorts faults by file (sounds first) and line, keeping the order of faults
// on one line.
void sortInFileOrder(std::vector<ContentFault>& faults);

// The one message shown at start for `faults` found in the installation
// folder `appDir` (ending in "/"): the first five with their full paths and
// lines, then how many more there are. Empty when there is no fault.
QString contentFaultMessage(const std::vector<ContentFault>& faults, const QString& appDir);

} // namespace ejteto
