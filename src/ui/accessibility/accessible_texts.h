#pragma once
// The Hungarian names screen readers give the window's controls: what a
// sighted learner reads off the picture, the colour or the place of each.
#include <QString>
#include <QStringList>

namespace ejteto {

// A lesson's tile: "5. lecke, hosszú u, food", with the word its picture
// shows (left out when the picture records none).
QString tileName(int lesson, const QString& keyWord);
// The vowel speaker of the practice: the chosen lesson's vowel.
QString vowelSpeakerName(int lesson);
// An answer place: its word ("Üres válaszlehetőség" when the place is empty).
QString answerName(const QString& word);
// A speaker that plays a word ("Meghallgatás: pool"), and the button that
// shows its meaning ("Jelentés: pool").
QString listenName(const QString& word);
QString meaningName(const QString& word);

// How a word of the results table came out, as its colour shows it.
enum class ResultOutcome { Plain, Right, Wrong, MissedRight };
QString resultName(const QString& word, ResultOutcome outcome);

// Game card `number` (1..20) face down, face up with `face` ("?" hides the
// word), or found.
enum class CardSide { Down, Up, Found };
QString cardName(int number, CardSide side, const QString& face = QString());

// What Shift and Ctrl with a click, and the keys L and F, do on a control
// that plays a word or vowel: its accessible description.
enum class ListenTarget {
    Recording, // a speaker, a word of the results table
    Tile,      // chosen as by a click, then heard slowly
    Card,      // turned as by a press, then heard slowly
    WordList,  // a double click on a row
    Answer,    // the keys only
};
QString listenWaysDescription(ListenTarget target);

} // namespace ejteto

namespace ejteto {

// A vowel as a Hungarian learner says it: "hosszú i", "rövid i", "áj
// kettőshang"; empty for an id outside 1..16. The IPA goes in the
// description ("IPA: iː"), without the slashes a screen reader reads out.
QString vowelSpokenName(int soundId);
QString vowelDescription(int soundId);

// The window's keys, said once as its description.
QString windowKeyHints();

// What the window announces when it changes.
QString lessonChosenNotice(int lesson);                         // "5. lecke kiválasztva"
QString questionNotice(int question, const QStringList& words); // "2. kérdés: cat, dog, …"
QString levelNotice(const QString& level);                      // "Szint: Nehéz"
QString matchCountNotice(int count);                            // "25 találat", "nincs találat"
QString wordDetailsNotice(const QString& meaning, int soundId);
QString turnedCardNotice(const QString& face); // the word, or "felfordítva" for "?"
QString pairNotice(bool found);
QString lecturePlayNotice(bool playing);

} // namespace ejteto
