#pragma once
// The window's announcer for screen readers: a notification object of no
// size, never drawn, that is shown anew with each text. Orca speaks a
// notification when it comes into view; a renamed control is spoken only
// when it has the focus, and Qt 6.4 sends the new name in a form Orca
// refuses. Texts said while one handler runs are joined and shown once it
// has returned to the event loop, after the focus has settled, so the
// focused control's own speech does not cut them off.
#include "ui/announcer.h"

#include <QStringList>
#include <QWidget>

namespace ejteto {

class SpokenNotice : public QWidget, public Announcer {
    Q_OBJECT
public:
    explicit SpokenNotice(QWidget* window);

    void announce(const QString& text) override;
    // The text screen readers were last given.
    QString lastNotice() const { return notice_; }

    // While a hold lasts (a handler that lets events run in its middle, as
    // the status slide does), texts wait for its end.
    class Hold {
    public:
        explicit Hold(SpokenNotice& notice) : notice_(notice) { ++notice_.holds_; }
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        SpokenNotice& notice_;
    };

private:
    void scheduleSpeaking();
    void speak();

    QStringList pending_;
    QString notice_;
    int holds_ = 0;
    bool scheduled_ = false;
};

} // namespace ejteto
