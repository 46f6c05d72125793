#pragma once
// What a voice pack may hold, the same layout as a voice folder:
//   manifest.txt        who speaks, the licence, the course version
//   phones/<n>.wav      the vowel of lesson n (1..16)
//   words/<word>.wav    a word of the course
// and the folders words/ and phones/ themselves. Anything else is refused.
#include <QSet>
#include <QString>
#include <QStringList>

namespace ejteto {

struct PackEntryName {
    enum class Kind { Refused, Folder, Manifest, Vowel, Word };
    Kind kind = Kind::Refused;
    QString relativePath; // where it goes inside the voice folder
    QString why;          // for a refused name, in Hungarian
    bool escapes = false; // refused for pointing outside the voice folder
};

inline const QString kManifestFileName = QStringLiteral("manifest.txt");

// Classifies an entry's path as stored in the archive ("./" in front and "/"
// at the end of a folder are allowed). `courseWords` are the words a voice of
// this course may hold.
PackEntryName classifyPackEntry(const QString& path, const QSet<QString>& courseWords);

// The limits of one voice of a course of `wordCount` distinct words: no more
// files than the course has words and vowels (plus the manifest and the two
// folders), no recording larger than a recording can be, and no more bytes in
// all than a full voice of long takes.
struct PackLimits {
    int maxEntries = 0;
    qint64 maxEntryBytes = 0;
    qint64 maxTotalBytes = 0;
    qint64 maxManifestBytes = 0;
};
PackLimits limitsForCourse(int wordCount);

} // namespace ejteto
