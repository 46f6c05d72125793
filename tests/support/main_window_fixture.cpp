#include "support/main_window_fixture.h"

#include "ui/error_box.h"

#include <QApplication>
#include <QTest>

namespace ejteto::testing {

void MainWindowTest::SetUp()
{
    setErrorSink([this](const QString& text) { errors << text; });
}

void MainWindowTest::TearDown()
{
    view.reset();
    form.reset();
    setErrorSink({});
}

FormView& MainWindowTest::start(const TinyInstallOptions& options)
{
    return startOn(std::make_unique<TinyInstall>(options));
}

FormView& MainWindowTest::startOn(std::unique_ptr<TinyInstall> i)
{
    install = std::move(i);
    form = std::make_unique<TForm1>(install->dir(), services);
    view = std::make_unique<FormView>(*form);
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    return *view;
}

QImage MainWindowTest::grab()
{
    QApplication::processEvents();
    return form->grab().toImage();
}

QColor MainWindowTest::colorAt(const QImage& image, QPoint p) { return image.pixelColor(p); }

} // namespace ejteto::testing
