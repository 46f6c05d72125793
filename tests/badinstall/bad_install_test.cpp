// Broken installations: every file the program reads missing, empty, cut
// short, garbage, a folder, a FIFO, a link to /dev/zero, huge or unreadable,
// and a read-only installation folder. Whatever is broken, the start ends in
// the message the program gives for it (or, for a media placeholder, in the
// fatal box and exit code 1), the window stays usable, nothing hangs, and
// et.ini is never cut short.
#include "badinstall/broken_files.h"
#include "support/main_window_fixture.h"

#include "app/settings.h"
#include "support/headless_program.h"
#include "ui/controls/image_control.h"
#include "ui/controls/label.h"
#include "ui/controls/word_list.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

constexpr auto kCaseTimeLimit = std::chrono::seconds(90);

// Ends the whole test run with a failure when a case does not finish in
// time: a hung window thread cannot report anything by itself.
class Watchdog {
public:
    explicit Watchdog(std::string what) : what_(std::move(what)), thread_([this] { watch(); }) {}
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

private:
    void watch()
    {
        std::unique_lock lock(mutex_);
        if (!wake_.wait_for(lock, kCaseTimeLimit, [this] { return done_; })) {
            std::fprintf(stderr, "HANG: the case \"%s\" did not finish within %lld s\n", what_.c_str(),
                         static_cast<long long>(kCaseTimeLimit.count()));
            std::fflush(stderr);
            ::_exit(1);
        }
    }

    std::string what_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread thread_;
};

const QString kSounds = QStringLiteral("sounds.csv");
const QString kWords = QStringLiteral("words.csv");
const QString kIni = QStringLiteral("et.ini");
const QString kTile1 = QStringLiteral("images/lecke_i_1.jpg");
const QString kActiveTile1 = QStringLiteral("images/lecke_a_1.jpg");
const QString kVowel1 = QStringLiteral("media/phones/1.wav");
const QString kVideo1 = QStringLiteral("media/videos/1.avi");

// What a step is expected to show in the error box.
struct Shows {
    enum Kind { Nothing, SomeMessage, MessageWith } kind = Nothing;
    QString text; // for MessageWith: a piece of the one message, with the installation folder as %1

    static Shows nothing() { return {}; }
    static Shows someMessage() { return {SomeMessage, {}}; }
    static Shows message(const char* piece) { return {MessageWith, QString::fromUtf8(piece)}; }
};

struct WindowCase {
    const char* name;
    Breaker breakIt;
    Shows atStart;
    Shows onChoosingTile1 = Shows::nothing();
    Shows onOpeningLecture1 = Shows::nothing();
    Shows onClosing = Shows::nothing();
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

void expectShown(const Shows& expected, const QStringList& shown, const QString& installDir, const char* step)
{
    SCOPED_TRACE(step);
    switch (expected.kind) {
    case Shows::Nothing:
        EXPECT_EQ(shown, QStringList()) << "no message expected";
        break;
    case Shows::SomeMessage:
        EXPECT_EQ(shown.size(), 1) << shown.join(QLatin1Char('\n')).toStdString();
        break;
    case Shows::MessageWith:
        ASSERT_EQ(shown.size(), 1) << shown.join(QLatin1Char('\n')).toStdString();
        const QString piece =
            expected.text.contains(QLatin1String("%1")) ? expected.text.arg(installDir) : expected.text;
        EXPECT_TRUE(shown[0].contains(piece)) << shown[0].toStdString() << "\n  lacks: " << piece.toStdString();
        break;
    }
}

// The settings file as it lies on the disk: its bytes when it is a regular file.
std::optional<QByteArray> settingsBytes(const TinyInstall& install)
{
    const QString path = install.file(QStringLiteral("et.ini"));
    QFileInfo info(path);
    if (!info.exists() || !info.isFile() || info.isSymLink() || info.size() > 64 * 1024 * 1024)
        return std::nullopt;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

class BadInstallation : public MainWindowTest, public ::testing::WithParamInterface<WindowCase> {
protected:
    // Broken recordings and videos meet the real media service.
    BadInstallation() { services.engines = {}; }

    template <class T>
    T* control(const char* name)
    {
        T* c = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    QStringList takeErrors()
    {
        const QStringList shown = errors;
        errors.clear();
        return shown;
    }

    // Proves the window still works: a tile, a practice question answered
    // and closed (when the tile could be chosen), the word index, and the
    // lecture of lesson 1.
    void useTheWindow(const WindowCase& c)
    {
        QTest::mouseClick(control<ImageControl>("Image_Mosaic_1"), Qt::LeftButton);
        expectShown(c.onChoosingTile1, takeErrors(), install->dir(), "choosing tile 1");
        auto* practice = control<QPushButton>("Button_Inditas_Gyakorlat");
        const bool tileChosen =
            c.onChoosingTile1.kind == Shows::Nothing || !QString::fromLatin1(c.name).contains(QLatin1String("picture"));
        EXPECT_EQ(practice->isEnabled(), tileChosen) << "the lesson is chosen unless its picture failed";
        if (practice->isEnabled()) {
            QTest::mouseClick(practice, Qt::LeftButton);
            EXPECT_TRUE(control<QWidget>("Panel_Modul_GyakTeszt")->isVisible());
            QTest::mouseClick(control<Label>("Label_GyakTeszt_e1"), Qt::LeftButton);
            QTest::mouseClick(control<QPushButton>("Button_GyakTeszt_Tovabb"), Qt::LeftButton);
            QTest::mouseClick(control<QPushButton>("Button_Modul_GyakTeszt_Bezar"), Qt::LeftButton);
            EXPECT_FALSE(control<QWidget>("Panel_Modul_GyakTeszt")->isVisible());
            EXPECT_EQ(takeErrors(), QStringList()) << "the practice runs on whatever the tables hold";

            QTest::mouseClick(control<QPushButton>("Button_Inditas_Eloadas"), Qt::LeftButton);
            expectShown(c.onOpeningLecture1, takeErrors(), install->dir(), "opening the lecture");
            if (control<QWidget>("Panel_Modul_Eloadas")->isVisible())
                QTest::mouseClick(control<QPushButton>("Button_Modul_Eloadas_Bezar"), Qt::LeftButton);
        }
        QTest::mouseClick(control<QPushButton>("Button_Szomutato"), Qt::LeftButton);
        EXPECT_TRUE(control<QWidget>("Panel_Szomutato")->isVisible());
        QTest::mouseClick(control<QPushButton>("Button_Modul_Szomutato_Bezar"), Qt::LeftButton);
        EXPECT_TRUE(control<QPushButton>("Button_Jatek")->isEnabled());
        EXPECT_EQ(takeErrors(), QStringList());
    }
};

TEST_P(BadInstallation, StartsWithItsMessageStaysUsableAndKeepsTheSettings)
{
    const WindowCase& c = GetParam();
    const Watchdog watchdog(c.name);
    TinyInstallOptions options;
    options.recordingMs = 50;
    auto broken = std::make_unique<TinyInstall>(options);
    broken->writeText(QStringLiteral("et.ini"), "; written by hand\n[User]\nLevel=1\n");
    // Lesson 1 gets a lecture (the placeholder's one black frame will do).
    QFile::copy(broken->file(QStringLiteral("media/null.avi")), broken->file(kVideo1));
    c.breakIt(*broken);
    const std::optional<QByteArray> settingsBefore = settingsBytes(*broken);

    startOn(std::move(broken));
    expectShown(c.atStart, takeErrors(), install->dir(), "starting");
    useTheWindow(c);

    auto* level = control<QComboBox>("ComboBox_Nehezseg");
    level->setCurrentIndex(2);
    form->close();
    expectShown(c.onClosing, takeErrors(), install->dir(), "closing");
    form.reset();

    // The settings are replaced whole or not at all: never cut short.
    if (settingsBefore) {
        const std::optional<QByteArray> after = settingsBytes(*install);
        ASSERT_TRUE(after.has_value());
        EXPECT_TRUE(*after == *settingsBefore || *after == iniWithValue(*settingsBefore, QStringLiteral("User"),
                                                                        QStringLiteral("Level"), QStringLiteral("2")))
            << after->toStdString();
    }
}

constexpr qint64 kHugeTable = 100 * 1024 * 1024;
constexpr qint64 kHugePicture = 20 * 1024 * 1024;

QByteArray utf16(const QByteArray& ascii)
{
    QByteArray out = "\xFF\xFE";
    for (char c : ascii)
        out += QByteArray(1, c) + '\0';
    return out;
}

// A media file that is only text: the service finds no stream in it. (The
// binary garbage above begins like a PNG picture, which it would show.)
QByteArray plainText() { return QByteArray("Ez nem hangfelvétel és nem videó, csak szöveg.\n").repeated(40); }

const char* const kRulesBroken = "A tartalomtáblák hibásak";
const char* const kNotRegular = "Not a regular file";
constexpr qint64 kTwoGB = 2048ll * 1024 * 1024;
const char* const kTooLong = "A(z) %1/media/phones/1.wav felvétel túl hosszú (legfeljebb egy perc lehet).";

INSTANTIATE_TEST_SUITE_P(
    Tables, BadInstallation,
    ::testing::Values(
        WindowCase{"sounds_missing", missing(kSounds),
                   Shows::message("Cannot open file \"%1sounds.csv\". No such file")},
        WindowCase{"sounds_empty", emptied(kSounds), Shows::message("sounds.csv: üres fájl")},
        WindowCase{"sounds_truncated", truncated(kSounds), Shows::message("hang sora van, pontosan 16 kell")},
        WindowCase{"sounds_garbage", replacedBy(kSounds, garbageBytes()),
                   Shows::message("is not a valid integer value")},
        WindowCase{"sounds_folder", folderInstead(kSounds), Shows::message("sounds.csv\". Is a directory")},
        WindowCase{"sounds_fifo", fifoInstead(kSounds), Shows::message(kNotRegular)},
        WindowCase{"sounds_dev_zero", linkToDevZero(kSounds), Shows::message(kNotRegular)},
        WindowCase{"sounds_huge", huge(kSounds, kHugeTable), Shows::message("sounds.csv\". File too large")},
        WindowCase{"sounds_bad_fields", replacedBy(kSounds, "Id;Count;C1;C2\r\n1;5;1;17\r\n"),
                   Shows::message("sounds.csv, 2. sor: 5 szó kevés")},
        WindowCase{"words_missing", missing(kWords), Shows::message("Cannot open file \"%1words.csv\". No such file")},
        WindowCase{"words_empty", emptied(kWords), Shows::message("words.csv: üres fájl")},
        WindowCase{"words_truncated", truncated(kWords), Shows::message(kRulesBroken)},
        WindowCase{"words_utf16", replacedBy(kWords, utf16("Word;SoundId;Meaning\r\nsea;1;tenger\r\n")),
                   Shows::message("words.csv: UTF-16")},
        WindowCase{"words_with_nul", replacedBy(kWords, QByteArray("Word;Id;M\r\nsea;1;t\0enger\r\n", 26)),
                   Shows::message(kRulesBroken)},
        WindowCase{"words_folder", folderInstead(kWords), Shows::message("words.csv\". Is a directory")},
        WindowCase{"words_fifo", fifoInstead(kWords), Shows::message(kNotRegular)},
        WindowCase{"words_dev_zero", linkToDevZero(kWords), Shows::message(kNotRegular)},
        WindowCase{"words_huge", huge(kWords, kHugeTable), Shows::message("words.csv\". File too large")},
        WindowCase{"words_bad_sound_id", replacedBy(kWords, "Word;Id;M\r\nsea;s1;tenger\r\n"),
                   Shows::message("'s1' is not a valid integer value")}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Settings, BadInstallation,
    ::testing::Values(WindowCase{"settings_empty", emptied(kIni), Shows::nothing()},
                      WindowCase{"settings_truncated", replacedBy(kIni, "[User]\nLev"), Shows::nothing()},
                      WindowCase{"settings_garbage", replacedBy(kIni, garbageBytes()), Shows::nothing()},
                      WindowCase{"settings_folder", folderInstead(kIni), Shows::nothing(), Shows::nothing(),
                                 Shows::nothing(), Shows::message("Unable to write to %1et.ini")},
                      WindowCase{"settings_fifo", fifoInstead(kIni), Shows::nothing(), Shows::nothing(),
                                 Shows::nothing(), Shows::message("Unable to write to %1et.ini")},
                      WindowCase{"settings_dev_zero", linkToDevZero(kIni), Shows::nothing(), Shows::nothing(),
                                 Shows::nothing(), Shows::message("Unable to write to %1et.ini")},
                      WindowCase{"settings_huge",
                                 replacedBy(kIni, QByteArray(1024 * 1024, ';') + "\n[User]\nLevel=2\n"),
                                 Shows::nothing(), Shows::nothing(), Shows::nothing(),
                                 Shows::message("Unable to write to %1et.ini")}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Pictures, BadInstallation,
    ::testing::Values(
        WindowCase{"picture_missing", missing(kTile1), Shows::message("lecke_i_1.jpg\". No such file"),
                   Shows::message("lecke_i_1.jpg\". No such file")},
        WindowCase{"picture_empty", emptied(kTile1), Shows::someMessage(), Shows::someMessage()},
        WindowCase{"picture_truncated", truncated(kTile1), Shows::someMessage(), Shows::someMessage()},
        WindowCase{"picture_garbage", replacedBy(kTile1, garbageBytes()), Shows::message("Not a JPEG file"),
                   Shows::message("Not a JPEG file")},
        WindowCase{"picture_folder", folderInstead(kTile1), Shows::message("lecke_i_1.jpg\". Is a directory"),
                   Shows::message("Is a directory")},
        WindowCase{"picture_lying_header", lyingPictureHeader(kTile1),
                   Shows::message("lecke_i_1.jpg\". Picture too large (28160 x 28160 pixels"),
                   Shows::message("Picture too large")},
        WindowCase{"picture_huge", huge(kTile1, kHugePicture), Shows::message("lecke_i_1.jpg\". File too large"),
                   Shows::message("File too large")},
        WindowCase{"picture_fifo", fifoInstead(kTile1), Shows::message(kNotRegular), Shows::message(kNotRegular)},
        WindowCase{"picture_active_dev_zero", linkToDevZero(kActiveTile1), Shows::nothing(),
                   Shows::message("lecke_a_1.jpg\". Not a regular file")},
        WindowCase{"picture_speaker_garbage", replacedBy(QStringLiteral("images/speaker_blue.jpg"), garbageBytes()),
                   Shows::message("Not a JPEG file")},
        WindowCase{"picture_speaker_missing", missing(QStringLiteral("images/speaker_brown.jpg")),
                   Shows::message("speaker_brown.jpg\". No such file")}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Media, BadInstallation,
    ::testing::Values(
        WindowCase{"recording_missing", missing(kVowel1), Shows::nothing(), Shows::someMessage()},
        WindowCase{"recording_empty", emptied(kVowel1), Shows::nothing(), Shows::someMessage()},
        WindowCase{"recording_garbage", replacedBy(kVowel1, plainText()), Shows::nothing(), Shows::someMessage()},
        WindowCase{"recording_folder", folderInstead(kVowel1), Shows::nothing(), Shows::someMessage()},
        WindowCase{"recording_fifo", fifoInstead(kVowel1), Shows::nothing(),
                   Shows::message("phones/1.wav\". Not a regular file")},
        WindowCase{"recording_dev_zero", linkToDevZero(kVowel1), Shows::nothing(), Shows::message(kNotRegular)},
        // Sparse silence, on paper only: 2 GB, 13.5 hours as its header says;
        // 2 GB whose header claims one second; 68 seconds in 3 MB.
        WindowCase{"recording_2gb", longRecording(kVowel1, kTwoGB, kTwoGB - 44), Shows::nothing(),
                   Shows::message(kTooLong)},
        WindowCase{"recording_2gb_header_says_one_second", longRecording(kVowel1, kTwoGB, 44100), Shows::nothing(),
                   Shows::message(kTooLong)},
        WindowCase{"recording_68_seconds", longRecording(kVowel1, 68 * 44100 + 44, 68 * 44100), Shows::nothing(),
                   Shows::message(kTooLong)},
        WindowCase{"video_missing", missing(kVideo1), Shows::nothing(), Shows::nothing(), Shows::someMessage()},
        WindowCase{"video_garbage", replacedBy(kVideo1, plainText()), Shows::nothing(), Shows::nothing(),
                   Shows::someMessage()},
        WindowCase{"video_truncated", truncated(kVideo1), Shows::nothing(), Shows::nothing(), Shows::nothing()},
        WindowCase{"video_fifo", fifoInstead(kVideo1), Shows::nothing(), Shows::nothing(),
                   Shows::message("videos/1.avi\". Not a regular file")}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- cases run in the real program ------------------------------------

// A case run as a separate process: the placeholders, whose failure ends the
// program, and files that only an unprivileged user cannot read.
struct ProcessCase {
    const char* name;
    Breaker breakIt;
    int exitCode;
    const char* printed; // a piece of what the program prints, %1 the installation folder
    bool asOtherUser = false;
    bool readOnlyFolder = false;
    // The level goes to the user's own settings folder: the program folder
    // cannot take it, and closing reports nothing.
    bool levelKeptPerUser = false;
};

void PrintTo(const ProcessCase& c, std::ostream* os) { *os << c.name; }

class BadInstallationProcess : public ::testing::TestWithParam<ProcessCase> {};

TEST_P(BadInstallationProcess, EndsAsDesignedWithoutHanging)
{
    const ProcessCase& c = GetParam();
    TinyInstallOptions options;
    options.recordingMs = 50;
    TinyInstall install(options);
    const QString program = install.copyProgram();
    c.breakIt(install);
    // Another user must reach the folder and run the copy.
    const QByteArray dir = QFile::encodeName(install.dir());
    ::chmod(dir.constData(), c.readOnlyFolder ? 0555 : 0755);
    ::chmod(QFile::encodeName(program).constData(), 0755);
    const bool dropRights = c.asOtherUser && ::geteuid() == 0;
    if (c.asOtherUser && ::geteuid() != 0 && ::access(dir.constData(), W_OK) == 0 && c.readOnlyFolder)
        GTEST_SKIP() << "permissions are not enforced here";

    QProcess p;
    QProcessEnvironment env = headlessProgramEnvironment();
    // The other user's home, which that user may write.
    QTemporaryDir home;
    ASSERT_EQ(::chown(QFile::encodeName(home.path()).constData(), 65534, 65534), 0);
    if (dropRights) {
        env.insert(QStringLiteral("HOME"), home.path());
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    }
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(install.dir());
    if (dropRights)
        p.setChildProcessModifier([] {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(99);
        });
    p.start(program, {});
    const bool finished = p.waitForFinished(60000);
    if (!finished)
        p.kill();
    ::chmod(dir.constData(), 0755);
    ASSERT_TRUE(finished) << "the program hung";
    const QString printed = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << printed.toStdString();
    EXPECT_EQ(p.exitCode(), c.exitCode) << printed.toStdString();
    QString piece = QString::fromUtf8(c.printed);
    if (piece.contains(QLatin1String("%1")))
        piece = piece.arg(install.dir());
    EXPECT_TRUE(printed.contains(piece)) << printed.toStdString() << "\n  lacks: " << piece.toStdString();
    if (c.exitCode == 1) {
        EXPECT_TRUE(printed.contains(QLatin1String("Application Error: Exception"))) << printed.toStdString();
        EXPECT_FALSE(QFileInfo::exists(install.file(kIni))) << "no window, nothing written";
    }
    if (c.readOnlyFolder) {
        EXPECT_EQ(QDir(install.dir()).entryList({QStringLiteral("et*")}, QDir::Files | QDir::Hidden), QStringList())
            << "no settings file and no half-written copy";
    }
    if (c.levelKeptPerUser && dropRights) {
        EXPECT_FALSE(printed.contains(QLatin1String("Unable to write"))) << printed.toStdString();
        EXPECT_TRUE(QFileInfo::exists(home.path() + QStringLiteral("/.config/ejteto/et.ini")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Program, BadInstallationProcess,
    ::testing::Values(
        ProcessCase{"placeholder_wav_missing", missing(QStringLiteral("media/null.wav")), 1, "Application Error"},
        ProcessCase{"placeholder_wav_empty", emptied(QStringLiteral("media/null.wav")), 1, "Application Error"},
        ProcessCase{"placeholder_wav_fifo", fifoInstead(QStringLiteral("media/null.wav")), 1,
                    "null.wav\". Not a regular file"},
        ProcessCase{"placeholder_avi_garbage", replacedBy(QStringLiteral("media/null.avi"), plainText()), 1,
                    "Application Error"},
        ProcessCase{"placeholder_avi_folder", folderInstead(QStringLiteral("media/null.avi")), 1, "Application Error"},
        ProcessCase{"placeholder_avi_dev_zero", linkToDevZero(QStringLiteral("media/null.avi")), 1,
                    "null.avi\". Not a regular file"},
        ProcessCase{"sounds_unreadable", unreadable(kSounds), 0, "Cannot open file \"%1sounds.csv\". Permission denied",
                    true},
        ProcessCase{"words_unreadable", unreadable(kWords), 0, "Cannot open file \"%1words.csv\". Permission denied",
                    true},
        ProcessCase{"picture_unreadable", unreadable(kTile1), 0, "lecke_i_1.jpg\". Permission denied", true},
        ProcessCase{"settings_unreadable", both(replacedBy(kIni, "[User]\nLevel=0\n"), unreadable(kIni)), 0, "", true,
                    false, true},
        ProcessCase{"folder_read_only", missing(kIni), 0, "", true, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

// A word of the table that is a path out of the recordings' folder, with a
// recording lying where the path leads.
class WordThatIsAPath : public MainWindowTest {};

TEST_F(WordThatIsAPath, IsListedAtStartAndPlaysAsAMissingRecordingNeverOpened)
{
    TinyInstallOptions options;
    options.recordingMs = 50;
    auto tiny = std::make_unique<TinyInstall>(options);
    const QString path = QStringLiteral("../../outside");
    QFile table(tiny->file(kWords));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    QByteArray words = table.readAll();
    table.close();
    words.replace(QByteArray("\r\n" + TinyInstall::word(1, 1).toLatin1() + ";"),
                  QByteArray("\r\n" + path.toLatin1() + ";"));
    tiny->writeText(kWords, words);
    tiny->writeRecording(QStringLiteral("outside.wav"), 50);
    FormView& f = startOn(std::move(tiny));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(
        QStringLiteral("%1words.csv, 2. sor: a(z) '../../outside' szó nem lehet fájlnév").arg(install->dir())))
        << errors[0].toStdString();
    errors.clear();

    QTest::mouseClick(f.Button_Szomutato, Qt::LeftButton);
    WordList* list = f.ListBox_Szomutato;
    const auto play = [&](const QString& word) {
        for (int row = 0; row < list->count(); ++row) {
            if (list->rowText(row) == word) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(row).center());
                QTest::mouseClick(f.Image_Szomutato_Hanglejatszas, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "not listed: " << word.toStdString();
    };
    play(path);
    EXPECT_EQ(errors, QStringList{QStringLiteral("Resource not found.")});
    EXPECT_EQ(media->opened.filter(QStringLiteral("outside")), QStringList()) << "the path is never opened";
    errors.clear();
    play(TinyInstall::word(1, 2));
    EXPECT_EQ(errors, QStringList());
    ASSERT_FALSE(media->played.isEmpty());
    EXPECT_TRUE(media->played.last().endsWith(QStringLiteral("/words/%1.wav").arg(TinyInstall::word(1, 2))));
}

} // namespace
