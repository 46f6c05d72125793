#pragma once
// The bundled help page in a window of the program's own, so that F1 needs
// no web browser: the page in a text browser that the keyboard and screen
// readers read like a document (the arrows move a caret through it), and a
// search line over it (Ctrl+F; Enter finds the next match, Shift+Enter the
// one before). Links within the page stay in the window; an address on the
// web opens in the desktop's browser.
#include "ui/tool_window.h"

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace ejteto {

class HelpWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads the page at `file` and shows the window over `mainWindow` (or
    // raises it when it is already shown). A missing page raises
    // "A súgó nem található: <file>" and shows nothing.
    void showPage(const QString& file, QWidget* mainWindow);

    // Finds `text` from the caret on (backwards: before it), wrapping round
    // once; false, and "nincs találat" beside the line, when the page does
    // not hold it.
    bool find(const QString& text, bool backwards = false);

    QTextBrowser* page() const { return page_; }
    QLineEdit* searchLine() const { return search_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QTextBrowser* page_;
    QLineEdit* search_;
    QLabel* searchResult_;
};

} // namespace ejteto
