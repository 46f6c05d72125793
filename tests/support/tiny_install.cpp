#include "support/tiny_install.h"

#include "contentkit/avi_writer.h"
#include "contentkit/wav_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cmath>
#include <stdexcept>

namespace ejteto::testing {

namespace {
contentkit::PcmAudio tone(int ms)
{
    contentkit::PcmAudio a;
    a.sampleRate = 22050;
    const int n = a.sampleRate * ms / 1000;
    for (int i = 0; i < n; ++i)
        a.samples.push_back(static_cast<int16_t>(8000 * std::sin(2 * M_PI * 440.0 * i / a.sampleRate)));
    return a;
}
} // namespace

QString TinyInstall::word(int sound, int k) { return QStringLiteral("s%1w%2").arg(sound).arg(k); }

TinyInstall::TinyInstall(const TinyInstallOptions& o) : dir_(std::make_unique<QTemporaryDir>())
{
    if (!dir_->isValid())
        throw std::runtime_error("no temporary folder");
    QDir(dir_->path()).mkpath(QStringLiteral("images"));
    QDir(dir_->path()).mkpath(QStringLiteral("media/words"));
    QDir(dir_->path()).mkpath(QStringLiteral("media/phones"));
    QDir(dir_->path()).mkpath(QStringLiteral("media/videos"));

    if (o.tables) {
        QByteArray sounds = "Id;WordCount;Confusable1;Confusable2\r\n";
        QByteArray words = "Word;SoundId;Meaning\r\n";
        for (int s = 1; s <= 16; ++s) {
            sounds += QByteArray::number(s) + ";12;" + QByteArray::number(s % 16 + 1) + ';' +
                      QByteArray::number((s + 1) % 16 + 1) + "\r\n";
            for (int k = 1; k <= 12; ++k)
                words += word(s, k).toLatin1() + ';' + QByteArray::number(s) + ";jelent\xE9s " + QByteArray::number(k) +
                         "\r\n";
        }
        writeText(QStringLiteral("sounds.csv"), sounds);
        writeText(QStringLiteral("words.csv"), words);
    }
    if (o.tilePictures) {
        for (int n = 1; n <= 16; ++n) {
            writeJpeg(QStringLiteral("images/lecke_i_%1.jpg").arg(n), {110, 110}, kInactiveTile, word(n, 2));
            writeJpeg(QStringLiteral("images/lecke_a_%1.jpg").arg(n), {110, 110}, kActiveTile);
        }
    }
    if (o.speakerPictures) {
        writeJpeg(QStringLiteral("images/speaker_blue.jpg"), {36, 32}, kBlueSpeaker);
        writeJpeg(QStringLiteral("images/speaker_brown.jpg"), {36, 32}, kBrownSpeaker);
    }
    if (o.placeholders) {
        writeRecording(QStringLiteral("media/null.wav"), 50);
        QImage black(400, 300, QImage::Format_RGB32);
        black.fill(Qt::black);
        contentkit::writeAvi(file(QStringLiteral("media/null.avi")), {black}, 1, tone(0));
    }
    if (o.vowelRecordings)
        for (int n = 1; n <= 16; ++n)
            writeRecording(QStringLiteral("media/phones/%1.wav").arg(n), o.recordingMs);
    if (o.wordRecordings)
        for (int s = 1; s <= 16; ++s)
            for (int k = 1; k <= 12; ++k)
                writeRecording(QStringLiteral("media/words/%1.wav").arg(word(s, k)), o.recordingMs);
}

void TinyInstall::writeRecording(const QString& relativePath, int ms) const
{
    // Written plainly: the builder's atomic, synced writes would make every
    // fixture wait on the disk.
    writeText(relativePath, contentkit::wavBytes(tone(ms)));
}

void TinyInstall::writeJpeg(const QString& relativePath, QSize size, const QColor& color, const QString& word) const
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    if (!word.isEmpty())
        img.setText(QStringLiteral("Word"), word); // Qt writes it as the comment "Word: ..."
    if (!img.save(file(relativePath), "JPG", 95))
        throw std::runtime_error("cannot write test picture");
}

void TinyInstall::writeText(const QString& relativePath, const QByteArray& bytes) const
{
    QFile f(file(relativePath));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QString TinyInstall::copyProgram() const
{
    const QString source = qEnvironmentVariable("EJTETO_BINARY");
    const QString target = file(QStringLiteral("ejteto"));
    QFile::remove(target);
    if (source.isEmpty() || !QFile::copy(source, target))
        throw std::runtime_error("cannot copy the program (is EJTETO_BINARY set?)");
    QFile(target).setPermissions(QFileDevice::ExeOwner | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return target;
}

} // namespace ejteto::testing
