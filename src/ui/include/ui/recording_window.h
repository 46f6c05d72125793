#pragma once
// The "Hangfelvétel" tool window: a speaker records a voice for the course
// item by item (the sixteen vowels, then every word), each shown with its
// spelling, its vowel's symbol and its place; R or Space records and stops,
// L plays the last take back, M the model recording, N and P (or the
// arrows) move on and back, H goes to the next item without a take. The
// voice is named by its folder under the user's voices; a kept take is on
// disk at once, so the window may be closed any time and the next session
// goes on where this one stopped. "Exportálás…" and "Importálás…" carry a
// voice as one pack file; "Lejátszás hangja:" chooses the voice the main
// window plays words and vowels in.
#include "content/recording_session.h"
#include "ui/tool_window.h"

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ejteto {

class SpokenNotice;

// What the window asks of the program around it.
class RecordingWindowHost {
public:
    virtual ~RecordingWindowHost() = default;
    // The session for the voice folder `name`, kept as the last voice; nothing
    // when it cannot be made (a name that cannot be a folder), with `error` set.
    virtual std::unique_ptr<RecordingSession> sessionFor(const QString& name, RecordingSessionView& view,
                                                         QString* error) = 0;
    // The voice pack of the voice `name` written to `packFile`; what was
    // done or why not, in Hungarian, and whether it was done.
    virtual std::pair<bool, QString> exportVoice(const QString& name, const QString& packFile) = 0;
    struct Import {
        enum class Outcome { Imported, Refused, NameTaken } outcome = Outcome::Refused;
        QString name;    // the voice's name from the pack
        QString message; // Hungarian
    };
    virtual Import importVoice(const QString& packFile, bool replace) = 0;
    // The voice last opened for recording, offered again; "" for none.
    virtual QString lastVoice() = 0;
    // The voices a learner may choose to hear, in order; and the chosen one
    // ("" for the course's own recordings).
    virtual QStringList voices() = 0;
    virtual QString playbackVoice() = 0;
    // An error text in Hungarian, or "".
    virtual QString choosePlaybackVoice(const QString& name) = 0;
};

class RecordingWindow : public ToolWindow, public RecordingSessionView {
    Q_OBJECT
public:
    explicit RecordingWindow(RecordingWindowHost& host, QWidget* parent = nullptr);
    ~RecordingWindow() override;

    // Shown over the main window, the voice name field focused until a voice is open.
    void openOver(QWidget* mainWindow);
    // Opens the voice named in the field; a name that cannot be a folder is refused.
    void openVoice();
    RecordingSession* session() const { return session_.get(); }

    // The file dialogs and the question before a voice is replaced; tests
    // answer them instead. `askFile(true)` asks where to save.
    std::function<QString(bool save)> askFile;
    std::function<bool(const QString& voice)> askReplace;

    // RecordingSessionView
    void showItem(const RecordingItem& item, int position, int count, bool kept) override;
    void showProgress(int keptCount, int count) override;
    void showMessage(const QString& text) override;
    void showRecording(bool recording) override;

    QLineEdit* Edit_Felvetel_Nev;
    QPushButton* Button_Felvetel_Megnyitas;
    QLabel* Label_Felvetel_Hely;
    QLabel* Label_Felvetel_Szo;
    QLabel* Label_Felvetel_Jel;
    QLabel* Label_Felvetel_Haladas;
    QLabel* Label_Felvetel_Uzenet;
    QPushButton* Button_Felvetel_Felvetel;
    QPushButton* Button_Felvetel_Visszahallgatas;
    QPushButton* Button_Felvetel_Minta;
    QPushButton* Button_Felvetel_Elozo;
    QPushButton* Button_Felvetel_Kovetkezo;
    QPushButton* Button_Felvetel_Hianyzo;
    QComboBox* ComboBox_Felvetel_Lejatszas;
    QPushButton* Button_Felvetel_Export;
    QPushButton* Button_Felvetel_Import;
    SpokenNotice* notice() const { return notice_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void buildLayout();
    void addKeys();
    void refreshButtons();
    void refreshVoices();
    // Runs `step` on the session unless a take is being recorded (a key
    // pressed meanwhile must not move the take to another item).
    void act(const std::function<void(RecordingSession&)>& step);
    void exportVoice();
    void importVoice();
    void tell(QLabel* label, const QString& text);

    RecordingWindowHost& host_;
    std::unique_ptr<RecordingSession> session_;
    QString voice_; // the open voice's name
    SpokenNotice* notice_;
};

} // namespace ejteto
