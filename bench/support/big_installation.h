#pragma once
// A temporary installation with a generated word table of many words (the
// bundled course has a few hundred): the program's start and its word index
// are measured on it. The pictures and the media folder are the bundled
// course's, linked in; the generated words have no recordings, which only
// playing one would need. Nothing of it is ever written into the source tree.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace ejteto::bench {

class BigInstallation {
public:
    // `wordCount` words in 16 consecutive blocks, one per sound, as the
    // content rules want them. With `withProgram` the executable is copied in
    // too: the program finds its content beside its own file.
    BigInstallation(const QString& course, int wordCount, bool withProgram);

    QString dir() const { return dir_.path() + QLatin1Char('/'); } // ends in "/"
    QString program() const { return dir() + QStringLiteral("ejteto"); }
    const QStringList& words() const { return words_; }

private:
    QTemporaryDir dir_;
    QStringList words_;
};

// Pronounceable made-up words, the same ones on every run.
QStringList generatedWords(int count);

} // namespace ejteto::bench
