// The floor of the start-up figures: a bare Qt window of the main window's
// size (761 x 541), built from the same Qt, writing the same start marks the
// same way. Everything the program's start costs beyond this is its own.
#include "ui/start_marks.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(761, 541);
    ejteto::installStartMarks(&window);
    window.show();
    return app.exec();
}
