#include "accessibility/accessible_texts.h"

#include "media/vowel_symbols.h"

namespace ejteto {

QString tileName(int lesson, const QString& keyWord)
{
    QString name = QStringLiteral("%1. lecke, %2").arg(lesson).arg(symbolText(lesson));
    if (!keyWord.isEmpty())
        name += QStringLiteral(", ") + keyWord;
    return name;
}

QString vowelSpeakerName(int lesson)
{
    const QString symbol = symbolText(lesson);
    return symbol.isEmpty() ? QStringLiteral("Meghallgatás: a lecke hangja")
                            : QStringLiteral("Meghallgatás: a lecke hangja, ") + symbol;
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
