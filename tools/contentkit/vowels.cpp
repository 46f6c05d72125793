#include "contentkit/vowels.h"

namespace ejteto::contentkit {

namespace {
struct Vowel {
    char16_t first;
    char16_t second;
    const char* phoneme;
};
// Sound 15 is written with a plain e, as the program shows it; espeak-ng's
// British voice says its GOAT vowel for it.
constexpr Vowel kVowels[kVowelCount] = {
    {u'i', u'\u02D0', "i:"},      {u'\u026A', 0, "I"},          {u'e', 0, "E"},          {u'\u00E6', 0, "a"},
    {u'u', u'\u02D0', "u:"},      {u'\u028A', 0, "U"},          {u'e', u'\u026A', "eI"}, {u'a', u'\u026A', "aI"},
    {u'\u0251', u'\u02D0', "A:"}, {u'\u028C', 0, "V"},          {u'\u0252', 0, "0"},     {u'\u0254', u'\u026A', "OI"},
    {u'\u025C', u'\u02D0', "3:"}, {u'\u0254', u'\u02D0', "O:"}, {u'e', u'\u028A', "oU"}, {u'a', u'\u028A', "aU"},
};

const Vowel& vowel(int n) { return kVowels[(n >= 1 && n <= kVowelCount ? n : 1) - 1]; }
} // namespace

QString vowelSymbol(int n)
{
    const Vowel& v = vowel(n);
    QString s(QChar(v.first));
    if (v.second)
        s.append(QChar(v.second));
    return s;
}

Voice vowelVoice(int n) { return n == 4 ? Voice::BritishRp : Voice::BritishEnglish; }

QString vowelPhoneme(int n) { return QLatin1Char('\'') + QLatin1String(vowel(n).phoneme); }

} // namespace ejteto::contentkit
