#pragma once
// The vowel chart as phoneticians draw it: F1 downwards, F2 reversed
// across, so the chart stands like the mouth (close vowels at the top,
// front vowels on the left), on the Bark scale or in Hz. It shows the
// course's sixteen vowels carried to the learner's voice, the lesson's
// vowel (a point, or a glide for a diphthong) and the learner's last takes.
#include "phonetics/vowel_coach.h"

#include <QWidget>

namespace ejteto {

class VowelChart : public QWidget {
    Q_OBJECT
public:
    explicit VowelChart(QWidget* parent);

    // What to draw: `coach`'s course and takes; `showTakes` false draws the
    // course alone (the last take held no vowel, so none is shown).
    void showCoach(const phonetics::VowelCoach* coach, int target, bool showTakes);
    void setBark(bool bark);
    bool bark() const { return bark_; }

    // Where a point of F1 and F2 lies on the chart, clamped to its frame.
    QPointF place(double f1, double f2) const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QRectF plot() const;
    double across(double f2) const; // 0 at the left (high F2) .. 1
    double down(double f1) const;   // 0 at the top (low F1) .. 1

    const phonetics::VowelCoach* coach_ = nullptr;
    int target_ = 0;
    bool showTakes_ = false;
    bool bark_ = true;
};

} // namespace ejteto
