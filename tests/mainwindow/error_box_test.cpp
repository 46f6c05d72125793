// The one error path: the full-stop rule, the "Ejteto!" box itself, and the
// wrapper through which handlers are bound.
#include "app/app_error.h"
#include "ui/error_box.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Records what the box would show, for the lifetime of the object.
class ShownErrors {
public:
    ShownErrors()
    {
        ejteto::setErrorSink([this](const QString& t) { texts.append(t); });
    }
    ~ShownErrors() { ejteto::setErrorSink({}); }
    QStringList texts;
};

struct StopCase {
    const char* message;
    const char* shown;
};

void PrintTo(const StopCase& c, std::ostream* os) { *os << '"' << c.message << '"'; }

class FullStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(FullStopTest, AppendsAStopAfterACharacterAboveTheFullStop)
{
    EXPECT_EQ(ejteto::withFullStop(QString::fromUtf8(GetParam().message)), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    ErrorBox, FullStopTest,
    ::testing::Values(StopCase{"Resource not found", "Resource not found."},
                      StopCase{"Ends in a stop.", "Ends in a stop."}, StopCase{"Bang!", "Bang!"},
                      StopCase{"(in brackets)", "(in brackets)"}, StopCase{"dash -", "dash -"}, // '-' is just below '.'
                      StopCase{"slash /", "slash /."},                                          // '/' is just above '.'
                      StopCase{"Unable to write to /x/et.ini", "Unable to write to /x/et.ini."},
                      StopCase{"'7 ' is not a valid integer value", "'7 ' is not a valid integer value."},
                      StopCase{"quoted \"x\"", "quoted \"x\""}, StopCase{"digit 7", "digit 7."},
                      StopCase{"Hiba: nem található", "Hiba: nem található."},
                      StopCase{"trailing blank ", "trailing blank "}, StopCase{"", ""}));

TEST(ErrorBox, IsAModalBoxCaptionedWithTheProgramTitle)
{
    // Take the real box: no recorder, no redirection to standard error.
    const QByteArray savedMode = qgetenv("EJTETO_ERRORS");
    qunsetenv("EJTETO_ERRORS");
    QString caption, text;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        caption = box->windowTitle();
        text = box->text();
        modal = box->isModal();
        box->accept();
    });
    // Failsafe so a box that was not found still closes.
    QTimer failsafe;
    failsafe.setInterval(2000);
    QObject::connect(&failsafe, &QTimer::timeout, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    failsafe.start();
    ejteto::showErrorBox(QStringLiteral("Cannot open file \"/x/sounds.csv\". No such file or directory"));
    failsafe.stop();
    if (!savedMode.isNull())
        qputenv("EJTETO_ERRORS", savedMode);

    EXPECT_EQ(caption, QStringLiteral("Ejteto!"));
    EXPECT_EQ(text, QStringLiteral("Cannot open file \"/x/sounds.csv\". No such file or directory."));
    EXPECT_TRUE(modal);
}

TEST(RunGuarded, ShowsWhateverTheBodyThrowsAndReportsFailure)
{
    ShownErrors shown;
    EXPECT_FALSE(ejteto::runGuarded([] {
        throw ejteto::AppError(QStringLiteral("EConvertError"), QStringLiteral("'x' is not a valid integer value"));
    }));
    EXPECT_FALSE(ejteto::runGuarded(
        [] { throw ejteto::fileOpenError(QStringLiteral("/a/words.csv"), QStringLiteral("Permission denied")); }));
    EXPECT_FALSE(ejteto::runGuarded([] { throw std::runtime_error("Out of memory"); }));
    EXPECT_FALSE(ejteto::runGuarded([] { throw 42; }));
    EXPECT_EQ(shown.texts, (QStringList{QStringLiteral("'x' is not a valid integer value."),
                                        QStringLiteral("Cannot open file \"/a/words.csv\". Permission denied."),
                                        QStringLiteral("Out of memory."), QStringLiteral("Unknown error.")}));
}

TEST(RunGuarded, ShowsNothingWhenTheBodySucceeds)
{
    ShownErrors shown;
    int runs = 0;
    EXPECT_TRUE(ejteto::runGuarded([&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(shown.texts.isEmpty());
}

TEST(Guarded, BindsHandlersWithFewerArgumentsThanTheSignal)
{
    ShownErrors shown;
    QPushButton button;
    QComboBox combo;
    combo.addItems({QStringLiteral("Könnyű"), QStringLiteral("Közepes"), QStringLiteral("Nehéz")});
    int clicks = 0;
    QList<int> indexes;
    QObject::connect(&button, &QPushButton::clicked, ejteto::guarded([&] { ++clicks; }));
    QObject::connect(&combo, &QComboBox::currentIndexChanged, ejteto::guarded([&](int i) { indexes.append(i); }));
    QTest::mouseClick(&button, Qt::LeftButton);
    combo.setCurrentIndex(2);
    combo.setCurrentIndex(-1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(indexes, (QList<int>{2, -1}));
    EXPECT_TRUE(shown.texts.isEmpty());
}

TEST(Guarded, AFailingHandlerShowsTheBoxAndTheEventLoopGoesOn)
{
    ShownErrors shown;
    QPushButton button;
    int attempts = 0;
    QObject::connect(&button, &QPushButton::clicked, ejteto::guarded([&] {
        ++attempts;
        throw ejteto::AppError(QStringLiteral("EMCIDeviceError"), QStringLiteral("Resource not found."));
    }));

    // Two clicks delivered by the event loop itself, then the loop is asked to end.
    QEventLoop loop;
    QTimer::singleShot(0, &button, [&] { QTest::mouseClick(&button, Qt::LeftButton); });
    QTimer::singleShot(0, &button, [&] { QTest::mouseClick(&button, Qt::LeftButton); });
    QTimer::singleShot(0, &loop, [&] { loop.exit(7); });
    const int exitCode = loop.exec();

    EXPECT_EQ(exitCode, 7);
    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(shown.texts, (QStringList{QStringLiteral("Resource not found."), QStringLiteral("Resource not found.")}));
}

} // namespace
