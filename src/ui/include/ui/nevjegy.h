#pragma once
// The About window: title, credit, licence notice, thanks, and the address
// of the help page. A stay-on-top tool window with no title-bar buttons,
// created hidden at start, shown by the main window's About button and
// hidden again by its own "Bezár" button; it never blocks the main window.
#include "ui/tool_window.h"

#include <QUrl>
#include <functional>

class QPushButton;

namespace ejteto {

class Label;
class ImageControl;

class TForm_About : public ToolWindow {
    Q_OBJECT
public:
    explicit TForm_About(QWidget* parent = nullptr);

    // Tests replace the desktop's "open" with a recorder; an empty function
    // restores QDesktopServices::openUrl. False: the desktop could not open it.
    using UrlOpener = std::function<bool(const QUrl&)>;
    void setUrlOpener(UrlOpener opener);
    // The program folder a relative address lies in: the executable's own
    // unless the main window names its installation.
    void setAppDir(const QString& appDir) { appDir_ = appDir; }

    // Handlers. A help page that is missing or that the desktop cannot open
    // raises its error, naming the file.
    void FormActivate();
    void Label_URLClick();
    void Button_BezarClick();

    // Esc presses "Bezár"; F1 opens the help window, as in every window,
    // while a click on the address opens it in the desktop's browser.
    void closeByKey() override;

    Label* Label_Cim;
    Label* Label_Developer;
    Label* Label_CC;
    ImageControl* Image_CC;
    Label* Label_CC_Licence;
    Label* Label_Voice;
    Label* Label_Kudos;
    Label* Label_Support;
    Label* Label_URL;
    QPushButton* Button_Bezar;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void buildLayout();

    UrlOpener urlOpener_;
    QString appDir_;
};

} // namespace ejteto
