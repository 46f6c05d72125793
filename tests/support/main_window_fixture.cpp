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
    form.reset();
    setErrorSink({});
}

TForm1& MainWindowTest::start(const TinyInstallOptions& options)
{
    return startOn(std::make_unique<TinyInstall>(options));
}

TForm1& MainWindowTest::startOn(std::unique_ptr<TinyInstall> i)
{
    install = std::move(i);
    form = std::make_unique<TForm1>(install->dir());
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    return *form;
}

QImage MainWindowTest::grab()
{
    QApplication::processEvents();
    return form->grab().toImage();
}

QColor MainWindowTest::colorAt(const QImage& image, QPoint p) { return image.pixelColor(p); }

} // namespace ejteto::testing
