#pragma once
// The things the learner's memory is kept for, of a size a learner feels:
// for hearing and for choosing, a lesson's vowel against one vowel it is
// mixed up with ("/e/ or /æ/?"); for saying, a word (or the lesson's vowel
// alone). Every answer the program keeps is turned into reviews of these.
#include "content/memory_model.h"
#include "content/tables.h"

#include <QString>
#include <array>
#include <optional>
#include <span>
#include <vector>

namespace ejteto {

enum class Skill { Hearing, Saying, Choosing };

struct PracticeItem {
    Skill skill = Skill::Hearing;
    int lesson = 0; // the lesson's vowel, 1..16
    int other = 0;  // hearing, choosing: the vowel it is told from; saying: 0
    QString word;   // saying: the word, empty for the vowel alone

    // "hear/3/4", "choose/3/4", "say/3/bed", "say/3/": the item's id in the history.
    QString key() const;
    static std::optional<PracticeItem> fromKey(const QString& key);
    friend bool operator==(const PracticeItem&, const PracticeItem&) = default;
};

QString skillName(Skill skill); // "hear", "say", "choose"

// The two vowels each vowel is mixed up with, most often first (the sound
// table's Confusable2, then Confusable1).
class CourseContrasts {
public:
    CourseContrasts() = default;
    static CourseContrasts from(const ContentTables& tables);
    static CourseContrasts fromPairs(const std::array<std::array<int, 2>, kSoundCount + 1>& pairs);

    const std::array<int, 2>& of(int sound) const;
    bool confusable(int lesson, int other) const;
    // The item that an answer hearing or choosing `other` for `expected`
    // belongs to, the same whichever of the two was expected: the lesson
    // whose own confusables name the other vowel (most mixed up first, then
    // the lower number); a mix-up of two vowels neither names keeps the
    // expected vowel's lesson.
    PracticeItem contrast(Skill skill, int expected, int other) const;
    // "2,3;1,3;...": what the kept schedule was built with.
    const QString& signature() const { return signature_; }
    bool empty() const { return signature_.isEmpty(); }

private:
    std::array<std::array<int, 2>, kSoundCount + 1> pairs_{};
    QString signature_;
};

struct ItemReview {
    PracticeItem item;
    Rating rating = Rating::Good;
};

// The reviews one answer of hearing or choosing gives: a wrong one rates its
// contrast Again; a right one rates Good (or `rightRating`) each contrast of
// the lesson's vowel with the vowels offered beside it, or, where the
// offered vowels were not kept (none of them valid), with its two confusables.
std::vector<ItemReview> answerReviews(const CourseContrasts& contrasts, Skill skill, int expected, int chosen,
                                      std::span<const int> offered, Rating rightRating = Rating::Good);

// Several answers judged together (the questions of one run): one review per
// item, the worst rating it had.
void mergeReviews(std::vector<ItemReview>& into, const std::vector<ItemReview>& more);

// A right answer that came slowly is rated Hard, a quick one Good; without
// a time, Good.
Rating ratingOfRightAnswer(qint64 responseMs);

// Whether a take's verdict, as the vowel feedback words it, found the
// lesson's vowel.
bool verdictFoundTarget(const QString& verdict);

// The items not yet met, in the order they are brought in: the lessons'
// most mixed-up pairs first (the pairs Hungarian learners confuse most),
// then the second ones; hearing before choosing of the same pair.
std::vector<PracticeItem> introductionOrder(const CourseContrasts& contrasts);

} // namespace ejteto
