#pragma once
// A tiny but complete installation in a temporary folder: both tables, plain
// coloured tile and speaker pictures, short recordings and the two media
// placeholders. Tests switch parts off to see how the program copes.
#include <QColor>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace ejteto::testing {

struct TinyInstallOptions {
    bool tables = true;
    bool tilePictures = true;
    bool speakerPictures = true;
    bool placeholders = true;
    bool vowelRecordings = true;
    bool wordRecordings = true;
    int recordingMs = 300; // length of every word and vowel recording
};

// Colours of the plain pictures, so a grab can tell them apart.
inline const QColor kInactiveTile(40, 120, 200);
inline const QColor kActiveTile(230, 120, 20);
inline const QColor kBlueSpeaker(20, 40, 160);
inline const QColor kBrownSpeaker(120, 70, 30);

class TinyInstall {
public:
    explicit TinyInstall(const TinyInstallOptions& options = {});

    // The installation folder, ending in "/".
    QString dir() const { return dir_->path() + QLatin1Char('/'); }
    QString file(const QString& relative) const { return dir() + relative; }

    // The words of the tiny word table: sound s has 12 words "s<s>w<k>", k = 1..12.
    static QString word(int sound, int k);

    void writeRecording(const QString& relativePath, int ms) const;
    // `word`, when given, is recorded as the picture's word, as the course
    // builder records a tile's.
    void writeJpeg(const QString& relativePath, QSize size, const QColor& color, const QString& word = {}) const;
    void writeText(const QString& relativePath, const QByteArray& bytes) const;
    // Copies the built program into the folder; returns its path.
    QString copyProgram() const;

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

} // namespace ejteto::testing
