// Voice packs: a voice exported and imported whole, a name never overwritten
// unasked, and every kind of hostile pack refused with its entry named,
// leaving nothing outside the voices folder and no voice half made.
#include "pack_files.h"

#include "app/voice_paths.h"
#include "content/voice_library.h"
#include "voice_packs/voice_pack_commands.h"
#include "voice_packs/voice_pack_export.h"
#include "voice_packs/voice_pack_import.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/sysmacros.h>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

const QStringList kWords = {"see", "ship", "cat"};

void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file and folder under `root`, hidden ones and links included.
QStringList treeOf(const QString& root)
{
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(root).relativeFilePath(it.next());
    out.sort();
    return out;
}

// A place with a voices folder inside it, so that what a pack might write
// beside or above the voices folder is seen.
struct Place {
    QTemporaryDir root;
    QString voices() const { return root.filePath("share/ejteto/voices"); }
    QString pack(const QString& name = "pack.tar.gz") const { return root.filePath(name); }
    VoicePackImport import(const QString& file, bool replace = false) const
    {
        return importVoicePack({file, voices(), kWords, replace});
    }
};

void makeVoice(const QString& folder, const QByteArray& see)
{
    put(folder + "/words/see.wav", see);
    put(folder + "/words/cat.wav", toneWav(0.2));
    put(folder + "/phones/1.wav", toneWav(0.3));
    put(folder + "/phones/16.wav", toneWav(0.3));
    put(folder + "/notes.odt", "not part of a voice");
}

} // namespace

TEST(VoicePacks, ExportedVoiceComesBackWholeAndIsNeverOverwrittenUnasked)
{
    Place place;
    const QString anna = place.root.filePath("recorded/anna");
    makeVoice(anna, toneWav(0.1));
    const VoiceManifest manifest{"anna", "Anna, angoltanár", "brit (Leeds)", "CC BY 4.0", "2.1.0"};
    const VoicePackExport exported = exportVoicePack(anna, manifest, place.pack());
    ASSERT_EQ(exported.error, QString());
    EXPECT_EQ(exported.recordings, 4) << "the odt file stays out";

    const VoicePackImport first = place.import(place.pack());
    ASSERT_EQ(first.outcome, VoicePackImport::Outcome::Imported) << first.message.toStdString();
    EXPECT_EQ(first.manifest, manifest);
    const QString in = place.voices() + "/anna";
    EXPECT_EQ(treeOf(in), QStringList({"manifest.txt", "phones", "phones/1.wav", "phones/16.wav", "words",
                                       "words/cat.wav", "words/see.wav"}));
    EXPECT_EQ(bytesOf(in + "/words/see.wav"), bytesOf(anna + "/words/see.wav"));
    EXPECT_EQ(manifestOfFolder(in), manifest);

    // The same name again: nothing changes until the caller says yes.
    makeVoice(anna, toneWav(0.5));
    ASSERT_EQ(exportVoicePack(anna, manifest, place.pack()).error, QString());
    const VoicePackImport again = place.import(place.pack());
    EXPECT_EQ(again.outcome, VoicePackImport::Outcome::NameTaken);
    EXPECT_EQ(bytesOf(in + "/words/see.wav"), toneWav(0.1));
    EXPECT_EQ(treeOf(place.voices()), treeOf(place.voices()).filter(QRegularExpression("^anna")))
        << "no temporary folder left behind";
    const VoicePackImport replaced = place.import(place.pack(), true);
    EXPECT_EQ(replaced.outcome, VoicePackImport::Outcome::Imported);
    EXPECT_EQ(bytesOf(in + "/words/see.wav"), toneWav(0.5));
    EXPECT_EQ(voiceFoldersIn(place.voices()), QStringList({"anna"}));
    EXPECT_EQ(treeOf(place.voices()).filter(QRegularExpression("^\\.")), QStringList());
}

// One hostile kind each; every one must be refused with its entry named and
// leave the whole place as it was.
TEST(VoicePacks, HostilePacksAreRefusedNamingTheEntryAndLeaveNothingBehind)
{
    struct Case {
        const char* what;
        QString entry; // named in the refusal
        std::function<void(PackWriter&, const QString& root)> add;
        bool gzip = true;
    };
    const std::vector<Case> cases = {
        {"leaves the folder", "../../x", [](PackWriter& w, const QString&) { w.file("../../x", toneWav()); }},
        {"leaves it inside a word", "words/../../../y.wav",
         [](PackWriter& w, const QString&) { w.file("words/../../../y.wav", toneWav()); }},
        {"absolute path", "ABS", [](PackWriter& w, const QString& root) { w.file(root + "/abs.wav", toneWav()); }},
        {"symbolic link", "words/ship.wav",
         [](PackWriter& w, const QString&) {
             w.entry("words/ship.wav", AE_IFLNK, [](archive_entry* e) { archive_entry_set_symlink(e, "/etc/passwd"); });
         }},
        {"hard link", "words/ship.wav",
         [](PackWriter& w, const QString&) {
             w.entry("words/ship.wav", AE_IFREG,
                     [](archive_entry* e) { archive_entry_set_hardlink(e, "words/see.wav"); });
         }},
        {"device", "words/ship.wav",
         [](PackWriter& w, const QString&) {
             w.entry("words/ship.wav", AE_IFCHR, [](archive_entry* e) { archive_entry_set_rdev(e, makedev(1, 3)); });
         }},
        {"pipe", "phones/2.wav", [](PackWriter& w, const QString&) { w.entry("phones/2.wav", AE_IFIFO); }},
        {"2 GB entry", "words/ship.wav",
         [](PackWriter& w, const QString&) {
             w.entry("words/ship.wav", AE_IFREG, [](archive_entry* e) { archive_entry_set_size(e, 2LL << 30); });
             w.cutShort();
         },
         false},
        {"not a WAV", "words/ship.wav", [](PackWriter& w, const QString&) { w.file("words/ship.wav", "MZ\x90"); }},
        {"outside the layout", "voice.exe", [](PackWriter& w, const QString&) { w.file("voice.exe", toneWav()); }},
        {"not a word of the course", "words/dog.wav",
         [](PackWriter& w, const QString&) { w.file("words/dog.wav", toneWav()); }},
        {"vowel 17", "phones/17.wav", [](PackWriter& w, const QString&) { w.file("phones/17.wav", toneWav()); }},
        {"the same entry twice", "words/see.wav",
         [](PackWriter& w, const QString&) { w.file("words/see.wav", toneWav()); }},
        {"more bytes than a full voice", "phones/3.wav",
         [](PackWriter& w, const QString&) {
             // Three words and sixteen vowels hold 38 MiB; two takes of 20 do not fit.
             const QByteArray take = toneWav(20 * 1024 * 1024 / 44100.0);
             w.file("phones/2.wav", take);
             w.file("phones/3.wav", take);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Place place;
        put(place.voices() + "/bob/words/see.wav", toneWav()); // a voice already there
        const QStringList before = treeOf(place.root.path());
        const QString file = place.root.filePath("pack");
        {
            PackWriter w(file, c.gzip);
            w.file("manifest.txt", manifestBytes("anna"));
            w.file("words/see.wav", toneWav());
            c.add(w, place.root.path());
        }
        const VoicePackImport result = place.import(file);
        EXPECT_EQ(result.outcome, VoicePackImport::Outcome::Refused);
        const QString entry = c.entry == "ABS" ? place.root.filePath("abs.wav") : c.entry;
        EXPECT_TRUE(result.message.contains("„" + entry + "”")) << result.message.toStdString();
        QStringList after = treeOf(place.root.path());
        after.removeAll("pack");
        EXPECT_EQ(after, before);
    }
}

TEST(VoicePacks, PackOfAHundredThousandFilesIsRefusedAtTheCourseSize)
{
    Place place;
    {
        PackWriter w(place.pack());
        w.file("manifest.txt", manifestBytes("anna"));
        for (int i = 0; i < 100000; ++i)
            w.entry(QStringLiteral("phones/%1.wav").arg(i), AE_IFREG);
    }
    const VoicePackImport result = place.import(place.pack());
    EXPECT_EQ(result.outcome, VoicePackImport::Outcome::Refused);
    // 3 words + 16 vowels + the manifest and two folders: the 23rd entry.
    EXPECT_TRUE(result.message.contains("„phones/21.wav”")) << result.message.toStdString();
    EXPECT_TRUE(result.message.contains("legfeljebb 22")) << result.message.toStdString();
    EXPECT_EQ(treeOf(place.root.path()), QStringList({"pack.tar.gz", "share", "share/ejteto", "share/ejteto/voices"}));
}

// The drill's library finds an imported voice beside the installation's, and
// the teacher's command line moves voices both ways.
TEST(VoicePacks, ImportedVoiceJoinsTheDrillsVoicesAndTheCommandsSayWhatHappened)
{
    Place place;
    const QString media = place.root.filePath("install/media");
    put(media + "/voices/synth-a/words/see.wav", toneWav());
    makeVoice(place.voices() + "/anna", toneWav());
    VoiceCommandPlaces places{media + "/voices", place.voices(), kWords, "2.1.0"};

    const VoiceCommandAnswer exported =
        runVoiceCommand({"ejteto", "--export-voice", "anna", place.pack("anna.voice")}, places);
    EXPECT_EQ(exported.exitCode, 0) << exported.text.toStdString();
    EXPECT_EQ(runVoiceCommand({"ejteto", "--export-voice", "nobody", place.pack("x")}, places).exitCode, 1);
    const VoiceCommandAnswer taken = runVoiceCommand({"ejteto", "--import-voice", place.pack("anna.voice")}, places);
    EXPECT_EQ(taken.exitCode, 1);
    EXPECT_TRUE(taken.text.contains("--replace")) << taken.text.toStdString();

    places.userVoicesDir = place.root.filePath("other-user/voices");
    const VoiceCommandAnswer imported = runVoiceCommand({"ejteto", "--import-voice", place.pack("anna.voice")}, places);
    EXPECT_EQ(imported.exitCode, 0) << imported.text.toStdString();
    EXPECT_EQ(manifestOfFolder(places.userVoicesDir + "/anna").courseVersion, "2.1.0");

    FolderVoiceLibrary library(media, places.userVoicesDir);
    EXPECT_EQ(library.voices(), QStringList({"anna", "synth-a"}));
    const CourseRecording see = CourseRecording::ofWord("see");
    EXPECT_TRUE(library.playable(see, "anna"));
    EXPECT_EQ(library.pathOf(see, "anna"), places.userVoicesDir + "/anna/words/see.wav");
    EXPECT_TRUE(library.playable(see, "synth-a"));
    // A voice arriving while the program runs joins at the next reading.
    put(places.userVoicesDir + "/bob/words/see.wav", toneWav());
    library.rescan();
    EXPECT_TRUE(library.voices().contains("bob"));
}
