#pragma once
// The "Mai gyakorlás" tool window: one session on what is due today. A
// hearing step plays a word and offers two vowels (1, 2; R again); a
// choosing step offers two words for the vowel shown (1, 2); a saying step
// records the learner (F or 1) and shows the verdict. Enter goes on, N
// begins a new session; the summary says what went well and when to come
// back. Hiding the window ends the session early, keeping every answer.
#include "content/today_session.h"
#include "ui/tool_window.h"

#include <array>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace ejteto {

class TodayWindow : public ToolWindow, public TodayView {
    Q_OBJECT
public:
    // `plan` makes the day's plan each time a session begins.
    explicit TodayWindow(std::function<TodayPlan()> plan, QWidget* parent = nullptr);
    ~TodayWindow() override;

    // The session behind the window; set once, before the window is shown.
    void setSession(std::unique_ptr<TodaySession> session);
    TodaySession* session() const { return session_.get(); }

    // Shown over the main window; a session begins unless one is going.
    void openOver(QWidget* mainWindow);
    void startSession();

    // TodayView
    void showStep(const TodayStep& step, int stepNo, int total) override;
    void showVerdict(bool right, const QString& text) override;
    void showSummary(const TodaySummary& summary) override;

    QLabel* Label_Mai_Allapot;
    QLabel* Label_Mai_Kerdes;
    std::array<QPushButton*, 2> Button_Mai_Valasz{};
    QLabel* Label_Mai_Itelet;
    QPushButton* Button_Mai_Ujra;
    QPushButton* Button_Mai_Tovabb;
    QPushButton* Button_Mai_Uj;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void buildLayout();
    void addKeys();
    void refreshButtons();
    void choose(int place);
    void tell(QLabel* label, const QString& text);

    std::function<TodayPlan()> plan_;
    std::unique_ptr<TodaySession> session_;
};

// The summary in words, as the window shows it.
QString todaySummaryText(const TodaySummary& summary, const QDateTime& now);

} // namespace ejteto
