#include "voice_packs/voice_pack_import.h"

#include "app/wav_check.h"
#include "archive_owner.h"
#include "voice_packs/pack_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <archive_entry.h>
#include <array>
#include <functional>

namespace ejteto {

namespace {

using Outcome = VoicePackImport::Outcome;

VoicePackImport refusal(const QString& message) { return {Outcome::Refused, message, {}, 0}; }

QString entryRefusal(const QString& entry, const QString& why)
{
    return QStringLiteral("A hangcsomag „%1” bejegyzése nem vehető át: %2. A csomagból semmi sem került át.")
        .arg(entry, why);
}

QString entryPath(archive_entry* e)
{
    if (const char* utf8 = archive_entry_pathname_utf8(e))
        return QString::fromUtf8(utf8);
    const char* raw = archive_entry_pathname(e);
    return raw ? QString::fromUtf8(raw) : QString();
}

// Why an entry of this type may not be unpacked; empty for a file or folder.
QString typeRefusal(archive_entry* e)
{
    if (archive_entry_hardlink(e) != nullptr || archive_entry_symlink(e) != nullptr)
        return QStringLiteral("hivatkozás (link), nem felvétel");
    switch (archive_entry_filetype(e)) {
    case AE_IFREG:
    case AE_IFDIR:
        return {};
    case AE_IFLNK:
        return QStringLiteral("hivatkozás (link), nem felvétel");
    case AE_IFCHR:
    case AE_IFBLK:
        return QStringLiteral("eszközfájl, nem felvétel");
    default:
        return QStringLiteral("különleges fájl (cső vagy foglalat), nem felvétel");
    }
}

// One pass over the pack into `staging`; a refusal message or "".
class Unpacker {
public:
    Unpacker(const VoicePackImportRequest& request, QString staging)
        : request_(request), staging_(std::move(staging)),
          words_(request.courseWords.begin(), request.courseWords.end()),
          limits_(limitsForCourse(static_cast<int>(words_.size())))
    {
    }

    // Two passes: the first reads the headers alone and refuses a pack of
    // too many entries or of an entry declaring too many bytes before any
    // data is looked at; the second checks and unpacks entry by entry.
    QString run()
    {
        if (QString why = eachEntry([this](archive*, archive_entry* e, const QString&) { return countEntry(e); });
            !why.isEmpty())
            return why;
        if (QString why =
                eachEntry([this](archive* a, archive_entry* e, const QString& path) { return takeEntry(a, e, path); });
            !why.isEmpty())
            return why;
        if (manifest_.name.isEmpty())
            return QStringLiteral("A hangcsomagban nincs manifest.txt: nem tudni, kinek a hangja. "
                                  "A csomagból semmi sem került át.");
        if (recordings_ == 0)
            return QStringLiteral("A hangcsomagban egyetlen felvétel sincs. A csomagból semmi sem került át.");
        return {};
    }

    const VoiceManifest& manifest() const { return manifest_; }
    int recordings() const { return recordings_; }

private:
    static constexpr size_t kBlock = 64 * 1024;
    using EntryStep = std::function<QString(archive*, archive_entry*, const QString&)>;

    // Opens the pack and hands `step` each entry; the first refusal, naming
    // its entry, or "" when every entry passed.
    QString eachEntry(const EntryStep& step) const
    {
        const ArchiveReader a(archive_read_new());
        archive_read_support_format_tar(a.get());
        archive_read_support_format_zip(a.get());
        archive_read_support_filter_gzip(a.get());
        archive_read_support_filter_none(a.get());
        const QByteArray file = QFile::encodeName(request_.packFile);
        if (archive_read_open_filename(a.get(), file.constData(), kBlock) != ARCHIVE_OK)
            return QStringLiteral("A(z) %1 nem hangcsomag, vagy nem olvasható: %2")
                .arg(request_.packFile, QString::fromUtf8(archive_error_string(a.get())));
        for (;;) {
            archive_entry* e = nullptr;
            const int r = archive_read_next_header(a.get(), &e);
            if (r == ARCHIVE_EOF)
                return {};
            if (r != ARCHIVE_OK && r != ARCHIVE_WARN)
                return QStringLiteral("A hangcsomag sérült: %1. A csomagból semmi sem került át.")
                    .arg(QString::fromUtf8(archive_error_string(a.get())));
            const QString path = entryPath(e);
            if (QString why = step(a.get(), e, path); !why.isEmpty())
                return entryRefusal(path, why);
        }
    }

    QString countEntry(archive_entry* e)
    {
        if (++entries_ > limits_.maxEntries)
            return QStringLiteral("több fájl van a csomagban, mint ahány szava és hangja a tananyagnak van "
                                  "(legfeljebb %1)")
                .arg(limits_.maxEntries);
        if (archive_entry_size_is_set(e) && archive_entry_size(e) > limits_.maxEntryBytes)
            return tooLarge(archive_entry_size(e), limits_.maxEntryBytes);
        return {};
    }

    static QString tooLarge(qint64 size, qint64 cap)
    {
        return QStringLiteral("túl nagy (%1 bájt; egy felvétel legfeljebb %2 bájt)").arg(size).arg(cap);
    }

    QString takeEntry(archive* a, archive_entry* e, const QString& path)
    {
        const PackEntryName name = classifyPackEntry(path, words_);
        // The path's own fault first: "../../x" is named as leaving the
        // folder even when it is also a link.
        if (name.escapes)
            return name.why;
        if (QString why = typeRefusal(e); !why.isEmpty())
            return why;
        if (name.kind == PackEntryName::Kind::Refused)
            return name.why;
        const bool folder = archive_entry_filetype(e) == AE_IFDIR;
        if (folder != (name.kind == PackEntryName::Kind::Folder))
            return QStringLiteral("nem illik a hangcsomag felépítésébe");
        if (folder)
            return {};
        if (seen_.contains(name.relativePath))
            return QStringLiteral("kétszer szerepel a csomagban");
        seen_.insert(name.relativePath);
        const qint64 cap =
            name.kind == PackEntryName::Kind::Manifest ? limits_.maxManifestBytes : limits_.maxEntryBytes;
        if (archive_entry_size_is_set(e) && archive_entry_size(e) > cap)
            return tooLarge(archive_entry_size(e), cap);
        if (archive_entry_size_is_set(e) && totalBytes_ + archive_entry_size(e) > limits_.maxTotalBytes)
            return totalRefusal();
        QByteArray bytes;
        if (QString why = readData(a, cap, bytes); !why.isEmpty())
            return why;
        if (name.kind == PackEntryName::Kind::Manifest) {
            QString why;
            const auto m = parseManifest(bytes, &why);
            if (!m)
                return why;
            manifest_ = *m;
            return writeFile(name.relativePath, bytes);
        }
        const WavCheck wav = checkWavBytes(bytes);
        if (!wav.playable())
            return QStringLiteral("nem használható WAV-felvétel (%1)").arg(wav.detail);
        ++recordings_;
        return writeFile(name.relativePath, bytes);
    }

    QString totalRefusal() const
    {
        return QStringLiteral("a csomag több bájtot tartalmaz, mint amennyi egy teljes hangba fér (legfeljebb %1)")
            .arg(limits_.maxTotalBytes);
    }

    // The entry's bytes, stopped as soon as they pass the caps, whatever
    // its header declared.
    QString readData(archive* a, qint64 cap, QByteArray& bytes)
    {
        std::array<char, kBlock> buffer{};
        for (;;) {
            const la_ssize_t got = archive_read_data(a, buffer.data(), buffer.size());
            if (got == 0)
                return {};
            if (got < 0)
                return QStringLiteral("nem olvasható (%1)").arg(QString::fromUtf8(archive_error_string(a)));
            totalBytes_ += got;
            if (bytes.size() + got > cap)
                return QStringLiteral("túl nagy (több mint %1 bájt)").arg(cap);
            if (totalBytes_ > limits_.maxTotalBytes)
                return totalRefusal();
            bytes.append(buffer.data(), got);
        }
    }

    QString writeFile(const QString& relativePath, const QByteArray& bytes) const
    {
        const QDir staging(staging_);
        const QString target = staging.filePath(relativePath);
        if (!staging.mkpath(QFileInfo(target).path()))
            return QStringLiteral("a mappa nem hozható létre: %1").arg(QFileInfo(target).path());
        QFile f(target);
        if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly) || f.write(bytes) != bytes.size() || !f.flush())
            return QStringLiteral("nem írható ki (%1)").arg(f.errorString());
        return {};
    }

    const VoicePackImportRequest& request_;
    QString staging_;
    QSet<QString> words_;
    PackLimits limits_;
    QSet<QString> seen_;
    VoiceManifest manifest_;
    int recordings_ = 0;
    int entries_ = 0;
    qint64 totalBytes_ = 0;
};

// Moves the staged voice to `target`, replacing what is there when asked;
// on a failure the old voice stays. An error text or "".
QString putInPlace(const QString& staging, const QString& target, const QString& voicesDir)
{
    if (!QFileInfo::exists(target))
        return QDir().rename(staging, target) ? QString()
                                              : QStringLiteral("A hang nem tehető a helyére: %1").arg(target);
    // The old voice goes aside under a hidden name, the new one in, then the
    // old one away; a failed step puts the old one back.
    QTemporaryDir aside(QDir(voicesDir).filePath(QStringLiteral(".replaced-XXXXXX")));
    if (!aside.isValid() || !QDir().rmdir(aside.path()) || !QDir().rename(target, aside.path()))
        return QStringLiteral("A régi hang nem cserélhető: %1").arg(target);
    if (!QDir().rename(staging, target)) {
        QDir().rename(aside.path(), target);
        return QStringLiteral("A hang nem tehető a helyére: %1").arg(target);
    }
    return {}; // `aside` removes the old voice
}

} // namespace

VoicePackImport importVoicePack(const VoicePackImportRequest& request)
{
    if (!QFileInfo(request.packFile).isFile())
        return refusal(QStringLiteral("Nincs ilyen hangcsomag: %1").arg(request.packFile));
    if (!QDir().mkpath(request.voicesDir))
        return refusal(QStringLiteral("A hangok mappája nem hozható létre: %1").arg(request.voicesDir));
    QTemporaryDir staging(QDir(request.voicesDir).filePath(QStringLiteral(".import-XXXXXX")));
    if (!staging.isValid())
        return refusal(QStringLiteral("A hangok mappájába nem lehet írni: %1").arg(request.voicesDir));
    Unpacker unpacker(request, staging.path());
    if (QString why = unpacker.run(); !why.isEmpty())
        return refusal(why);
    VoicePackImport result{Outcome::Imported, {}, unpacker.manifest(), unpacker.recordings()};
    const QString name = result.manifest.name;
    const QString target = QDir(request.voicesDir).filePath(name);
    if (QFileInfo::exists(target) && !request.replaceExisting) {
        result.outcome = Outcome::NameTaken;
        result.message = QStringLiteral("Már van „%1” nevű hang. Lecseréled az újra?").arg(name);
        return result;
    }
    if (QString why = putInPlace(staging.path(), target, request.voicesDir); !why.isEmpty())
        return refusal(why);
    result.message = QStringLiteral("A(z) „%1” hang átvéve: %2 felvétel.").arg(name).arg(result.recordings);
    return result;
}

} // namespace ejteto
