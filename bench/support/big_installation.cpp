#include "support/big_installation.h"

#include "content/cp1250.h"
#include "content/line_reader.h"
#include "support/figures.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cstdint>

namespace ejteto::bench {

namespace {

// A fixed linear congruential source: the same table on every machine.
class Draw {
public:
    uint32_t below(uint32_t n)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<uint32_t>((uint64_t(state_) * n) >> 32);
    }

private:
    uint32_t state_ = 20240611u;
};

template <size_t N>
QLatin1String pick(Draw& d, const std::array<const char*, N>& from)
{
    return QLatin1String(from[d.below(N)]);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1: %2").arg(path, f.errorString()));
}

// Hungarian meanings with every accented letter the code page holds for them.
QByteArray meaningBytes(Draw& d)
{
    static const std::array<const char*, 12> meanings = {"szó",       "kérdés",   "hűség",    "ötlet",
                                                         "könyv",     "gyümölcs", "erdő",     "úszik",
                                                         "íróasztal", "tündér",   "őszi eső", "bátor"};
    return *encodeCp1250(QString::fromUtf8(meanings[d.below(meanings.size())]));
}

} // namespace

QStringList generatedWords(int count)
{
    static const std::array<const char*, 31> onsets = {"",   "",   "b",  "c",  "d",  "f",  "g",  "h",  "j",  "k",  "l",
                                                       "m",  "n",  "p",  "r",  "s",  "t",  "v",  "w",  "br", "cr", "dr",
                                                       "fr", "gr", "pr", "tr", "st", "sp", "sh", "ch", "th"};
    static const std::array<const char*, 13> vowels = {"a",  "e",  "i",  "o",  "u",  "ee", "ea",
                                                       "oo", "ou", "ai", "ow", "oa", "ie"};
    static const std::array<const char*, 12> codas = {"", "", "n", "t", "r", "s", "d", "ck", "ng", "ll", "rt", "nd"};
    Draw d;
    QStringList words;
    words.reserve(count);
    for (int i = 0; i < count; ++i) {
        QString w;
        const uint32_t syllables = 1 + d.below(3);
        for (uint32_t s = 0; s < syllables; ++s) {
            w += pick(d, onsets);
            w += pick(d, vowels);
        }
        w += pick(d, codas);
        words << w;
    }
    return words;
}

BigInstallation::BigInstallation(const QString& course, int wordCount, bool withProgram)
{
    if (!dir_.isValid())
        fail(QStringLiteral("no temporary folder: %1").arg(dir_.errorString()));
    words_ = generatedWords(wordCount);

    // The bundled sounds with their confusable sounds, each now owning one
    // block of the generated words (the last block takes the remainder).
    const QStringList sounds = readTableLines(course + QStringLiteral("/sounds.csv"));
    if (sounds.size() < 17)
        fail(QStringLiteral("%1/sounds.csv has fewer than 16 sounds").arg(course));
    const int perSound = wordCount / 16;
    QByteArray soundsCsv = *encodeCp1250(sounds[0]) + "\r\n";
    for (int s = 1; s <= 16; ++s) {
        const QStringList fields = sounds[s].split(QLatin1Char(';'));
        const int n = s < 16 ? perSound : wordCount - 15 * perSound;
        soundsCsv += QStringLiteral("%1;%2;%3;%4\r\n").arg(s).arg(n).arg(fields.value(2), fields.value(3)).toLatin1();
    }
    writeFile(dir() + QStringLiteral("sounds.csv"), soundsCsv);

    Draw d;
    QByteArray wordsCsv = *encodeCp1250(readTableLines(course + QStringLiteral("/words.csv")).value(0)) + "\r\n";
    wordsCsv.reserve(wordCount * 24);
    for (int i = 0; i < wordCount; ++i) {
        const int sound = std::min(16, 1 + i / perSound);
        wordsCsv += words_[i].toLatin1() + ';' + QByteArray::number(sound) + ';' + meaningBytes(d) + "\r\n";
    }
    writeFile(dir() + QStringLiteral("words.csv"), wordsCsv);

    for (const QString& folder : {QStringLiteral("images"), QStringLiteral("media")})
        if (!QFile::link(course + QLatin1Char('/') + folder, dir() + folder))
            fail(QStringLiteral("cannot link %1 into %2").arg(folder, dir()));
    if (withProgram && !QFile::copy(course + QStringLiteral("/ejteto"), program()))
        fail(QStringLiteral("cannot copy the program into %1").arg(dir()));
}

} // namespace ejteto::bench
