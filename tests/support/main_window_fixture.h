#pragma once
// Creates the main window on a tiny installation, offscreen, recording what
// the error box would show instead of showing it.
#include "support/form_view.h"
#include "support/instant_media_engine.h"
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
    FormView& start(const TinyInstallOptions& options = {});
    FormView& startOn(std::unique_ptr<TinyInstall> install);
    // The window as it is on screen now.
    QImage grab();
    // The colour at a point of the window's client area in `grab()`.
    static QColor colorAt(const QImage& grab, QPoint p);

    // What the next start() gives the window: real time, and media engines
    // that play at once and note it in `media`. A test of the sound itself
    // clears `services.engines` for GStreamer.
    std::shared_ptr<MediaLog> media = std::make_shared<MediaLog>();
    WindowServices services{nullptr, nullptr, InstantMediaEngine::factory(media), {}};

    std::unique_ptr<TinyInstall> install;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<FormView> view; // the window as the test reads it
    QStringList errors;             // texts the error box showed, in order
};

} // namespace ejteto::testing
