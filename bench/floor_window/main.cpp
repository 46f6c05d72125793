// The floor of the start-up figures: a bare Qt window of the main window's
// size (761 x 541), built from the same Qt, writing the same start marks the
// same way. Everything the program's start costs beyond this is its own.
// With --text it also shows one line: the title in the title's face, the
// least a window with any text at all has to load, match and shape.
#include "ui/start_marks.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(761, 541);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto* title = new QLabel(QStringLiteral("Ejteto!"), &window);
        QFont font;
        font.setFamilies({QStringLiteral("Gentium Plus"), QStringLiteral("Gentium")});
        font.setBold(true);
        font.setPixelSize(36);
        title->setFont(font);
        title->move(510, 171);
        title->adjustSize();
    }
    ejteto::installStartMarks(&window);
    window.show();
    return app.exec();
}
