#pragma once
// "Haladás": the learner's progress from the kept history, in a tool window
// beside the main one. Per lesson the last and best test, the runs and the
// trend; the vowels taken most often for one another; one lesson to practise
// next; and the export for a teacher and the forgetting of the history.
// Every figure is a table cell or a list line, so the keyboard reaches it
// and screen readers read it; the chart draws the selected lesson's tests.
#include "ui/tool_window.h"

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace ejteto {

class HistoryRecorder;
class ToolHost;
class TrendChart;
struct HistorySummary;

class ProgressWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit ProgressWindow(HistoryRecorder& history, QWidget* parent = nullptr);

    // Reads the history anew; every showing does.
    void refresh();

    // Tests answer the two questions the window asks: where to export
    // (empty: the learner cancelled) and whether to forget everything.
    void setFileChooser(std::function<QString()> choose) { chooseFile_ = std::move(choose); }
    void setConfirmation(std::function<bool()> confirm) { confirmClear_ = std::move(confirm); }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void display(const HistorySummary& summary);
    void showLesson(int row);
    void exportToFile();
    void clearHistory();

    HistoryRecorder& history_;
    std::function<QString()> chooseFile_;
    std::function<bool()> confirmClear_;
    std::vector<std::vector<int>> rowScores_; // the tests of each table row's lesson
    std::vector<int> rowLessons_;
    int gamesShown_ = 0;

    QLabel* problem_ = nullptr;
    QLabel* suggestion_ = nullptr;
    QTableWidget* lessons_ = nullptr;
    TrendChart* chart_ = nullptr;
    QListWidget* confusions_ = nullptr;
    QLabel* games_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* clear_ = nullptr;
};

// Makes the window and offers it on the main window: Ctrl+H and the
// "Haladás" line of the tiles' right-click menu. A window of its own, like
// the About window (a child of the main window would not take the keyboard
// focus when it comes up); the caller keeps it while `host` lives, and
// `history` must outlive it.
std::unique_ptr<ProgressWindow> installProgressWindow(ToolHost& host, HistoryRecorder& history);

} // namespace ejteto
