#pragma once
// Creates the main window on a tiny installation, offscreen, recording what
// the error box would show instead of showing it.
#include "support/tiny_install.h"
#include "ui/form1.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace ejteto::testing {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the window on `install` (the default tiny one unless given).
    TForm1& start(const TinyInstallOptions& options = {});
    TForm1& startOn(std::unique_ptr<TinyInstall> install);
    // The window as it is on screen now.
    QImage grab();
    // The colour at a point of the window's client area in `grab()`.
    static QColor colorAt(const QImage& grab, QPoint p);

    std::unique_ptr<TinyInstall> install;
    std::unique_ptr<TForm1> form;
    QStringList errors; // texts the error box showed, in order
};

} // namespace ejteto::testing
