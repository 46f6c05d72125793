#pragma once
// The main window driven by keys alone: the window made active so the
// keyboard focus works offscreen, keys sent where the focus is, and paper
// time wherever a run would wait.
#include "support/fake_run_world.h"
#include "support/main_window_fixture.h"

#include <QApplication>
#include <QTest>

namespace ejteto::testing {

class KeyboardTest : public MainWindowTest {
protected:
    KeyboardTest()
    {
        time.passEvents = true;
        services.pump = &time;
        services.clock = &time;
    }

    // A window on short recordings, active and ready for keys.
    FormView& startForKeys(const TinyInstallOptions& options = shortRecordings())
    {
        FormView& f = start(options);
        f.form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f.form));
        return f;
    }
    static TinyInstallOptions shortRecordings()
    {
        TinyInstallOptions o;
        o.recordingMs = 40;
        return o;
    }

    static QWidget* focus() { return QApplication::focusWidget(); }
    // One key, sent where the keyboard focus is, as a learner's key goes.
    static void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = focus() ? focus() : QApplication::activeWindow();
        ASSERT_NE(target, nullptr) << "no window takes keys";
        QTest::keyClick(target, static_cast<Qt::Key>(k), modifiers);
    }
    // Tab (or Shift+Tab) until `target` has the focus.
    static void tabTo(QWidget* target, bool backwards = false)
    {
        for (int i = 0; i < 120 && focus() != target; ++i)
            key(Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        ASSERT_EQ(focus(), target) << "Tab never reaches " << target->objectName().toStdString();
    }

    RunLog log;
    PaperTime time{log};
};

} // namespace ejteto::testing
