#include "voice_packs/voice_pack_export.h"

#include "archive_owner.h"
#include "content/sound_id.h"
#include "voice_packs/pack_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <archive_entry.h>

namespace ejteto {

void ArchiveEntryFree::operator()(archive_entry* e) const { archive_entry_free(e); }

namespace {

la_ssize_t writeToSaveFile(archive* /*a*/, void* client, const void* buffer, size_t length)
{
    auto* file = static_cast<QSaveFile*>(client);
    return file->write(static_cast<const char*>(buffer), static_cast<qint64>(length));
}

QString archiveError(archive* a)
{
    const char* text = archive_error_string(a);
    return text ? QString::fromUtf8(text) : QStringLiteral("ismeretlen hiba");
}

// One regular file of the pack; false on a write error.
bool addEntry(archive* a, const QString& path, const QByteArray& bytes)
{
    const ArchiveEntry entry(archive_entry_new());
    archive_entry_set_pathname_utf8(entry.get(), path.toUtf8().constData());
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_size(entry.get(), bytes.size());
    if (archive_write_header(a, entry.get()) != ARCHIVE_OK)
        return false;
    return archive_write_data(a, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size();
}

// The layout's files of a voice folder, vowels first, words by name.
QStringList recordingsOf(const QString& voiceFolder)
{
    QStringList out;
    const QDir folder(voiceFolder);
    for (const SoundId s : allSounds()) {
        const QString rel = QStringLiteral("phones/%1.wav").arg(s.value());
        if (QFileInfo(folder.filePath(rel)).isFile())
            out << rel;
    }
    const QStringList words =
        QDir(folder.filePath(QStringLiteral("words"))).entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
    for (const QString& w : words)
        out << QStringLiteral("words/") + w;
    return out;
}

} // namespace

VoicePackExport exportVoicePack(const QString& voiceFolder, const VoiceManifest& manifest, const QString& packFile)
{
    VoicePackExport result;
    if (!QFileInfo(voiceFolder).isDir()) {
        result.error = QStringLiteral("Nincs ilyen hang: %1").arg(voiceFolder);
        return result;
    }
    const QStringList recordings = recordingsOf(voiceFolder);
    if (recordings.isEmpty()) {
        result.error = QStringLiteral("A(z) „%1” hangnak még nincs egyetlen felvétele sem.").arg(manifest.name);
        return result;
    }
    QSaveFile out(packFile);
    if (!out.open(QIODevice::WriteOnly)) {
        result.error = QStringLiteral("A hangcsomag nem írható ide: %1 (%2)").arg(packFile, out.errorString());
        return result;
    }
    const ArchiveWriter a(archive_write_new());
    archive_write_set_format_pax_restricted(a.get());
    archive_write_add_filter_gzip(a.get());
    if (archive_write_open2(a.get(), &out, nullptr, writeToSaveFile, nullptr, nullptr) != ARCHIVE_OK) {
        result.error = QStringLiteral("A hangcsomag nem írható: %1").arg(archiveError(a.get()));
        return result;
    }
    bool ok = addEntry(a.get(), kManifestFileName, manifestText(manifest));
    const QDir folder(voiceFolder);
    for (const QString& rel : recordings) {
        if (!ok)
            break;
        QFile f(folder.filePath(rel));
        if (!f.open(QIODevice::ReadOnly) || f.size() > limitsForCourse(0).maxEntryBytes) {
            result.error = QStringLiteral("Nem olvasható vagy túl nagy felvétel: %1").arg(f.fileName());
            out.cancelWriting();
            return result;
        }
        ok = addEntry(a.get(), rel, f.readAll());
        ++result.recordings;
    }
    if (!ok || archive_write_close(a.get()) != ARCHIVE_OK || !out.commit()) {
        result.error = QStringLiteral("A hangcsomag nem írható: %1 %2").arg(archiveError(a.get()), out.errorString());
        out.cancelWriting();
        result.recordings = 0;
    }
    return result;
}

} // namespace ejteto
