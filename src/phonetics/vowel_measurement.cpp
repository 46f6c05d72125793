#include "phonetics/vowel_measurement.h"

namespace ejteto::phonetics {

QString analysisFaultText(AnalysisFault fault)
{
    switch (fault) {
    case AnalysisFault::None:
        return {};
    case AnalysisFault::NoVoice:
        return QStringLiteral("Nem hallottam magánhangzót.");
    case AnalysisFault::TooShort:
        return QStringLiteral("Nem hallottam magánhangzót: a felvétel túl rövid. Mondd hosszabban!");
    case AnalysisFault::Clipped:
        return QStringLiteral("A felvétel túl hangos, torzít. Beszélj halkabban, vagy távolabb a mikrofontól!");
    case AnalysisFault::RateTooLow:
        return QStringLiteral("A felvétel mintavételi frekvenciája túl alacsony a magánhangzó méréséhez.");
    case AnalysisFault::NoFormants:
        return QStringLiteral("Nem hallottam magánhangzót: a hangban nincsenek egy magánhangzó formánsai.");
    case AnalysisFault::TwoWords:
        return QStringLiteral("Több szót hallottam, szünettel köztük. Egyszerre csak egy szót mondj!");
    }
    return {};
}

} // namespace ejteto::phonetics
