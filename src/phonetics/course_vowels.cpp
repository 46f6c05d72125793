#include "phonetics/course_vowels.h"

#include <QFile>
#include <QList>
#include <cmath>

namespace ejteto::phonetics {

QByteArray formatCourseVowels(const CourseVowels& vowels)
{
    QByteArray out = "sound;F1_25;F2_25;F3_25;F1_50;F2_50;F3_50;F1_75;F2_75;F3_75\n";
    for (const SoundId s : allSounds()) {
        const VowelMeasurement& v = vowels.of(s.value());
        out += QByteArray::number(s.value());
        for (const FormantPoint* p : {&v.onset, &v.mid, &v.offset})
            for (double hz : {p->f1, p->f2, p->f3})
                out += ';' + QByteArray::number(std::lround(hz));
        out += '\n';
    }
    return out;
}

std::optional<CourseVowels> parseCourseVowels(const QByteArray& text)
{
    CourseVowels vowels;
    std::array<bool, kSoundCount + 1> seen{};
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) { // the first line names the columns
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        const QList<QByteArray> fields = line.split(';');
        if (fields.size() != 10)
            return std::nullopt;
        bool ok = false;
        const int n = fields[0].toInt(&ok);
        if (!ok || !SoundId::isValid(n) || seen[static_cast<size_t>(n)])
            return std::nullopt;
        seen[static_cast<size_t>(n)] = true;
        std::array<double, 9> hz{};
        for (size_t k = 0; k < hz.size(); ++k) {
            hz[k] = fields[static_cast<qsizetype>(k + 1)].toInt(&ok);
            if (!ok || hz[k] <= 0 || hz[k] > 20000)
                return std::nullopt;
        }
        VowelMeasurement& v = vowels.sound[static_cast<size_t>(n)];
        v.onset = {hz[0], hz[1], hz[2]};
        v.mid = {hz[3], hz[4], hz[5]};
        v.offset = {hz[6], hz[7], hz[8]};
    }
    for (const SoundId s : allSounds())
        if (!seen[s.index()])
            return std::nullopt;
    return vowels;
}

QString courseVowelsPath(const QString& mediaDir) { return mediaDir + QStringLiteral("/phones/formants.csv"); }

std::optional<CourseVowels> readCourseVowels(const QString& mediaDir)
{
    QFile f(courseVowelsPath(mediaDir));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The file is a few hundred bytes; anything longer is not it.
    return parseCourseVowels(f.read(64 * 1024));
}

} // namespace ejteto::phonetics
