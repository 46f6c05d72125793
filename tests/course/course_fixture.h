#pragma once
// Helpers of the course tests: where the built installation lies, and a
// small valid pair of tables to break one rule at a time.
#include "content/cp1250.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace ejteto::coursetest {

// Writes `bytes` to `path`, making its folders.
inline void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The installation folder: the folder of the built program.
inline QString installationDir()
{
    const QByteArray binary = qgetenv("EJTETO_BINARY");
    return binary.isEmpty() ? QString() : QFileInfo(QString::fromLocal8Bit(binary)).absolutePath();
}

// A complete valid course of 16 sounds, 25 words each (words "aab" ... made
// of letters only), as lines without line breaks.
struct Tables {
    QStringList sounds;
    QStringList words;

    Tables()
    {
        sounds << QStringLiteral("Sorszám;Szószám;Tévesztett1;Tévesztett2");
        words << QStringLiteral("Szó;Hang;Jelentés");
        for (int s = 1; s <= 16; ++s) {
            sounds << QStringLiteral("%1;25;%2;%3").arg(s).arg(s % 16 + 1).arg((s + 1) % 16 + 1);
            for (int k = 0; k < 25; ++k)
                words << QStringLiteral("%1%2;%3;szó őrző").arg(QChar(u'a' + s - 1)).arg(QChar(u'a' + k)).arg(s);
        }
    }

    static QByteArray bytes(const QStringList& lines)
    {
        return *encodeCp1250(lines.join(QStringLiteral("\r\n")) + "\r\n");
    }
    QByteArray soundBytes() const { return bytes(sounds); }
    QByteArray wordBytes() const { return bytes(words); }

    void writeTo(const QString& dir) const
    {
        for (const auto& [name, data] : {std::pair{QStringLiteral("sounds.csv"), soundBytes()},
                                         std::pair{QStringLiteral("words.csv"), wordBytes()}}) {
            QFile f(QDir(dir).filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(data);
        }
    }
};

} // namespace ejteto::coursetest
