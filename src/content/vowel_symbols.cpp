#include "content/vowel_symbols.h"

namespace ejteto {

// The length mark is U+02D0 (modifier letter triangular colon), never an
// ASCII colon; sound 15 starts with a plain e.
const char16_t VowelSymbols[kSoundCount + 1][2] = {
    {0, 0},
    {u'\u0069', u'\u02D0'}, // 1  iː
    {u'\u026A', 0},         // 2  ɪ
    {u'\u0065', 0},         // 3  e
    {u'\u00E6', 0},         // 4  æ
    {u'\u0075', u'\u02D0'}, // 5  uː
    {u'\u028A', 0},         // 6  ʊ
    {u'\u0065', u'\u026A'}, // 7  eɪ
    {u'\u0061', u'\u026A'}, // 8  aɪ
    {u'\u0251', u'\u02D0'}, // 9  ɑː
    {u'\u028C', 0},         // 10 ʌ
    {u'\u0252', 0},         // 11 ɒ
    {u'\u0254', u'\u026A'}, // 12 ɔɪ
    {u'\u025C', u'\u02D0'}, // 13 ɜː
    {u'\u0254', u'\u02D0'}, // 14 ɔː
    {u'\u0065', u'\u028A'}, // 15 eʊ
    {u'\u0061', u'\u028A'}, // 16 aʊ
};

namespace {
constexpr char16_t kLengthMark = u'\u02D0';
}

QString bareSymbolText(int soundId)
{
    const std::optional<SoundId> s = SoundId::of(soundId);
    if (!s)
        return {};
    const char16_t(&units)[2] = VowelSymbols[s->index()];
    auto text = QString(QChar(units[0]));
    if (units[1] != 0)
        text += QChar(units[1]);
    return text;
}

QString symbolText(int soundId)
{
    if (!SoundId::isValid(soundId))
        return {};
    return QLatin1Char('/') + bareSymbolText(soundId) + QLatin1Char('/');
}

bool isDiphthong(SoundId sound)
{
    const char16_t second = VowelSymbols[sound.index()][1];
    return second != 0 && second != kLengthMark;
}

bool isDiphthong(int soundId)
{
    const std::optional<SoundId> s = SoundId::of(soundId);
    return s && isDiphthong(*s);
}

} // namespace ejteto
