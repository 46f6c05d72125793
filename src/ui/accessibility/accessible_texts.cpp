#include "accessibility/accessible_texts.h"

#include "content/vowel_symbols.h"

namespace ejteto {

QString tileName(int lesson, const QString& keyWord)
{
    QString name = QStringLiteral("%1. lecke, %2").arg(lesson).arg(vowelSpokenName(lesson));
    if (!keyWord.isEmpty())
        name += QStringLiteral(", ") + keyWord;
    return name;
}

QString vowelSpeakerName(int lesson)
{
    const QString vowel = vowelSpokenName(lesson);
    return vowel.isEmpty() ? QStringLiteral("Meghallgatás: a lecke hangja")
                           : QStringLiteral("Meghallgatás: a lecke hangja, ") + vowel;
}

QString answerName(const QString& word) { return word.isEmpty() ? QStringLiteral("Üres válaszlehetőség") : word; }

QString listenName(const QString& word)
{
    return word.isEmpty() ? QStringLiteral("Meghallgatás: nincs szó") : QStringLiteral("Meghallgatás: ") + word;
}

QString meaningName(const QString& word)
{
    return word.isEmpty() ? QStringLiteral("Jelentés: nincs szó") : QStringLiteral("Jelentés: ") + word;
}

QString resultName(const QString& word, ResultOutcome outcome)
{
    switch (outcome) {
    case ResultOutcome::Right:
        return word + QStringLiteral(", helyes válasz");
    case ResultOutcome::Wrong:
        return word + QStringLiteral(", helytelen válasz");
    case ResultOutcome::MissedRight:
        return word + QStringLiteral(", kimaradt helyes válasz");
    case ResultOutcome::Plain:
        break;
    }
    return answerName(word);
}

QString cardName(int number, CardSide side, const QString& face)
{
    const QString card = QStringLiteral("Kártya %1").arg(number);
    switch (side) {
    case CardSide::Down:
        return card + QStringLiteral(", lefordítva");
    case CardSide::Found:
        return card + QStringLiteral(", megtalálva");
    case CardSide::Up:
        break;
    }
    // Blind play shows "?" on the card: the name keeps the word hidden too.
    if (face.isEmpty() || face == QLatin1String("?"))
        return card + QStringLiteral(", felfordítva");
    return card + QStringLiteral(": ") + face;
}

QString listenWaysDescription(ListenTarget target)
{
    const QString compare = QStringLiteral("saját kiejtés összehasonlítása");
    switch (target) {
    case ListenTarget::Tile:
        return QStringLiteral("Shift+kattintás vagy L: a lecke kiválasztása és lassított lejátszás; "
                              "Ctrl+kattintás vagy F: ") +
               compare + QStringLiteral(" (a leckét nem választja ki)");
    case ListenTarget::Card:
        return QStringLiteral("Shift+kattintás vagy L: felfordítás és lassított lejátszás; "
                              "Ctrl+kattintás vagy F a felfordított kártyán: ") +
               compare + QStringLiteral(" (a kártyát nem fordítja meg)");
    case ListenTarget::WordList:
        return QStringLiteral("Shift+dupla kattintás vagy L: lassított lejátszás; Ctrl+dupla kattintás vagy F: ") +
               compare;
    case ListenTarget::Answer:
        return QStringLiteral("L: lassított lejátszás; F: ") + compare;
    case ListenTarget::Recording:
        break;
    }
    return QStringLiteral("Shift+kattintás vagy L: lassított lejátszás; Ctrl+kattintás vagy F: ") + compare;
}

} // namespace ejteto

namespace ejteto {

QString vowelSpokenName(int soundId)
{
    static const char* const names[17] = {
        "",
        "hosszú i",      // iː
        "rövid i",       // ɪ
        "rövid e",       // e
        "nyílt e",       // æ
        "hosszú u",      // uː
        "rövid u",       // ʊ
        "éj kettőshang", // eɪ
        "áj kettőshang", // aɪ
        "hosszú á",      // ɑː
        "rövid a",       // ʌ
        "rövid o",       // ɒ
        "oj kettőshang", // ɔɪ
        "hosszú ö",      // ɜː
        "hosszú o",      // ɔː
        "ou kettőshang", // eʊ
        "au kettőshang", // aʊ
    };
    return SoundId::isValid(soundId) ? QString::fromUtf8(names[soundId]) : QString();
}

QString vowelDescription(int soundId)
{
    QString symbol = symbolText(soundId);
    if (symbol.isEmpty())
        return symbol;
    return QStringLiteral("IPA: ") + symbol.mid(1, symbol.size() - 2);
}

QString windowKeyHints()
{
    return QStringLiteral("Billentyűk: Tab és a nyilak léptetnek, Enter vagy szóköz megnyom, 1–4 választ, "
                          "R újra lejátssza a szót, Esc bezárja a panelt, F1 a súgó, Ctrl+I a névjegy.");
}

QString lessonChosenNotice(int lesson) { return QStringLiteral("%1. lecke kiválasztva").arg(lesson); }

QString questionNotice(int question, const QStringList& words)
{
    QStringList shown;
    for (const QString& w : words)
        shown << (w.isEmpty() ? QStringLiteral("üres") : w);
    return QStringLiteral("%1. kérdés: ").arg(question) + shown.join(QStringLiteral(", "));
}

QString levelNotice(const QString& level)
{
    return QStringLiteral("Szint: ") + (level.isEmpty() ? QStringLiteral("nincs kiválasztva") : level);
}

QString matchCountNotice(int count)
{
    return count == 0 ? QStringLiteral("nincs találat") : QStringLiteral("%1 találat").arg(count);
}

QString wordDetailsNotice(const QString& meaning, int soundId)
{
    QString text = QStringLiteral("Magyar jelentés: ") + (meaning.isEmpty() ? QStringLiteral("nincs") : meaning);
    if (const QString vowel = vowelSpokenName(soundId); !vowel.isEmpty())
        text += QStringLiteral(". Hang: ") + vowel;
    return text;
}

QString turnedCardNotice(const QString& face)
{
    return face.isEmpty() || face == QLatin1String("?") ? QStringLiteral("felfordítva") : face;
}

QString pairNotice(bool found) { return found ? QStringLiteral("Pár megtalálva") : QStringLiteral("Nem pár"); }

QString lecturePlayNotice(bool playing)
{
    return playing ? QStringLiteral("Az előadás megy; a gomb most: Szünet")
                   : QStringLiteral("Az előadás áll; a gomb most: Lejátszás");
}

} // namespace ejteto
