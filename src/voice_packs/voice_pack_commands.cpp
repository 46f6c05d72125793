#include "voice_packs/voice_pack_commands.h"

#include "app/paths.h"
#include "app/voice_paths.h"
#include "content/line_reader.h"
#include "content/tables.h"
#include "voice_packs/voice_pack_export.h"
#include "voice_packs/voice_pack_import.h"

#include <QDir>
#include <QFileInfo>

namespace ejteto {

namespace {
const QString kExport = QStringLiteral("--export-voice");
const QString kImport = QStringLiteral("--import-voice");
const QString kReplace = QStringLiteral("--replace");

VoiceCommandAnswer usage()
{
    return {2, QStringLiteral("Használat: ejteto --export-voice NÉV FÁJL\n"
                              "           ejteto --import-voice FÁJL [--replace]\n")};
}

VoiceCommandAnswer exportVoice(const QString& name, const QString& file, const VoiceCommandPlaces& places)
{
    // The learner's own voice first: a voice of the same name there is the
    // one the program plays.
    QString folder;
    for (const QString& dir : {places.userVoicesDir, places.installedVoicesDir}) {
        const QString candidate = QDir(dir).filePath(name);
        if (isVoiceName(name) && QFileInfo(candidate).isDir()) {
            folder = candidate;
            break;
        }
    }
    if (folder.isEmpty())
        return {1, QStringLiteral("Nincs „%1” nevű hang.\n").arg(name)};
    VoiceManifest manifest = manifestOfFolder(folder);
    manifest.courseVersion = places.courseVersion;
    const VoicePackExport done = exportVoicePack(folder, manifest, file);
    if (!done.error.isEmpty())
        return {1, done.error + QLatin1Char('\n')};
    return {0, QStringLiteral("A(z) „%1” hang kimentve: %2 (%3 felvétel).\n").arg(name, file).arg(done.recordings)};
}

VoiceCommandAnswer importVoice(const QString& file, bool replace, const VoiceCommandPlaces& places)
{
    const VoicePackImport done = importVoicePack({file, places.userVoicesDir, places.courseWords, replace});
    switch (done.outcome) {
    case VoicePackImport::Outcome::Imported:
        return {0, done.message + QLatin1Char('\n')};
    case VoicePackImport::Outcome::NameTaken:
        return {1, QStringLiteral("Már van „%1” nevű hang; nem írtam felül. Cseréhez: ejteto --import-voice %2 "
                                  "--replace\n")
                       .arg(done.manifest.name, file)};
    case VoicePackImport::Outcome::Refused:
        break;
    }
    return {1, done.message + QLatin1Char('\n')};
}
} // namespace

VoiceCommandPlaces placesOfInstallation(const QString& appDir, const QString& courseVersion)
{
    VoiceCommandPlaces places;
    places.installedVoicesDir = voicesDirOf(mediaDirOf(appDir));
    places.userVoicesDir = userVoicesDir();
    places.courseVersion = courseVersion;
    ContentTables tables;
    loadWordTable(tables, LoadLines(appDir, QStringLiteral("words.csv")),
                  [&places](const QString& word) { places.courseWords << word; });
    return places;
}

bool asksForVoiceCommand(const QStringList& arguments)
{
    return arguments.size() >= 2 && (arguments[1] == kExport || arguments[1] == kImport);
}

VoiceCommandAnswer runVoiceCommand(const QStringList& arguments, const VoiceCommandPlaces& places)
{
    if (arguments.size() == 4 && arguments[1] == kExport)
        return exportVoice(arguments[2], arguments[3], places);
    if (arguments.size() == 3 && arguments[1] == kImport)
        return importVoice(arguments[2], false, places);
    if (arguments.size() == 4 && arguments[1] == kImport && arguments[3] == kReplace)
        return importVoice(arguments[2], true, places);
    return usage();
}

} // namespace ejteto
