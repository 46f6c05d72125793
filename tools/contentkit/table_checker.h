#pragma once
// The rules the bundled course and any teacher's content must satisfy: those
// the program itself checks at start (content/content_rules.h) and the
// course's stricter ones, reported together before the program is shipped.
#include "content/content_rules.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace ejteto::contentkit {

// A broken rule as the program reports it at start; `file` may also be a
// path in an installation.
using TableProblem = ContentFault;

// Every violation in the two tables, given as their raw Windows-1250 bytes.
// A sound needs 25, 29 or 31 words: at least 12 so the picking walk stays in
// its block, and a count sharing no factor with 12 so ten picks (twelve
// places apart) never repeat a word and three distractor rows differ.
// Every word must also fit its column of the results table, which is measured
// in the window's own font and so needs a QGuiApplication.
std::vector<TableProblem> checkTables(const QByteArray& soundsCsv, const QByteArray& wordsCsv);

// Checks "sounds.csv" and "words.csv" in `folder`. When the folder also holds
// "images" or "media" (an installation), every picture, recording and video
// the tables call for must be there too.
std::vector<TableProblem> checkContentFolder(const QString& folder);

// The installation files the tables call for that are missing in `folder`,
// relative to it: pictures, every word's and vowel's recording, the lecture
// videos and the two placeholders.
QStringList requiredInstallationFiles(const QStringList& words);

} // namespace ejteto::contentkit
