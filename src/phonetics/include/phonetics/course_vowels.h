#pragma once
// The course's own sixteen vowels as measured from its recordings at build
// time: what the chart shows and what a take is judged against. Stored as
// media/phones/formants.csv beside the recordings, one line per sound:
//   sound;F1;F2;F3 at 25 %;F1;F2;F3 at 50 %;F1;F2;F3 at 75 %   (Hz)
#include "content/sound_id.h"
#include "phonetics/vowel_measurement.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace ejteto::phonetics {

struct CourseVowels {
    std::array<VowelMeasurement, kSoundCount + 1> sound; // [1..16]; [0] unused

    const VowelMeasurement& of(int soundId) const { return sound.at(static_cast<size_t>(soundId)); }
};

QByteArray formatCourseVowels(const CourseVowels& vowels);
// Nothing unless every sound has a line of ten positive whole numbers.
std::optional<CourseVowels> parseCourseVowels(const QByteArray& text);

// The file's place in an installation: <media folder>/phones/formants.csv.
QString courseVowelsPath(const QString& mediaDir);
// The file read from an installation's media folder; nothing when it is
// missing, unreadable or no such file.
std::optional<CourseVowels> readCourseVowels(const QString& mediaDir);

} // namespace ejteto::phonetics
