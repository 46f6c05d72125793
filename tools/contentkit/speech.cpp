#include "contentkit/speech.h"

#include "app/app_error.h"

#include <QProcess>

namespace ejteto::contentkit {

namespace {

AppError speechError(const QString& text) { return AppError(QStringLiteral("ESpeech"), text); }

constexpr int kTimeoutMs = 60000;

QString voiceName(Voice v)
{
    switch (v) {
    case Voice::Hungarian:
        return QStringLiteral("hu");
    case Voice::BritishRp:
        return QStringLiteral("en-gb-x-rp+m4");
    case Voice::BritishEnglish:
        break;
    }
    return QStringLiteral("en-gb");
}

QByteArray runEspeak(const QStringList& args, const QString& what)
{
    QProcess p;
    p.setProgram(QStringLiteral("espeak-ng"));
    p.setArguments(args);
    p.start();
    if (!p.waitForStarted(kTimeoutMs))
        throw speechError(
            QStringLiteral("espeak-ng cannot be started (%1); install the espeak-ng package").arg(p.errorString()));
    p.closeWriteChannel();
    if (!p.waitForFinished(kTimeoutMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw speechError(
            QStringLiteral("espeak-ng failed on %1: %2").arg(what, QString::fromLocal8Bit(p.readAllStandardError())));
    return p.readAllStandardOutput();
}

QString espeakVoiceOf(const SpeechRequest& r) { return r.variant.isEmpty() ? voiceName(r.voice) : r.variant; }
} // namespace

// The model voice's keys stay as they were, so adding voices renews nothing.
QString SpeechRequest::key() const
{
    return QStringLiteral("%1|%2|%3|%4").arg(espeakVoiceOf(*this)).arg(phonemes ? 1 : 0).arg(wordsPerMinute).arg(text);
}

PcmAudio synthesize(const SpeechRequest& r)
{
    const QString text = r.phonemes ? QStringLiteral("[[%1]]").arg(r.text) : r.text;
    const QByteArray wav = runEspeak({QStringLiteral("-v"), espeakVoiceOf(r), QStringLiteral("-s"),
                                      QString::number(r.wordsPerMinute), QStringLiteral("--stdout"), text},
                                     QStringLiteral("\"%1\"").arg(r.text));
    PcmAudio audio = parseWav(wav, QStringLiteral("espeak-ng \"%1\"").arg(r.text));
    if (audio.samples.empty())
        throw speechError(QStringLiteral("espeak-ng gave no sound for \"%1\"").arg(r.text));
    return audio;
}

QString synthesizerVersion()
{
    return QString::fromLocal8Bit(runEspeak({QStringLiteral("--version")}, QStringLiteral("--version"))).trimmed();
}

} // namespace ejteto::contentkit
