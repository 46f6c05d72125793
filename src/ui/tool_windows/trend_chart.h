#pragma once
// A small chart of one lesson's test scores in the order they were taken,
// 0 to 10 up the side. Screen readers get the same figures as its
// description; the lessons' table beside it holds them for the keyboard.
#include <QWidget>
#include <vector>

namespace ejteto {

class TrendChart : public QWidget {
public:
    explicit TrendChart(QWidget* parent = nullptr);
    // `scores` oldest first; an empty list draws the empty axes.
    void setScores(int lesson, const std::vector<int>& scores);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<int> scores_;
};

} // namespace ejteto
