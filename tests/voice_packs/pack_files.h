#pragma once
// Packs made in the tests with libarchive's own writer: good ones, and
// hostile ones no export would ever write (links, devices, "..", lying sizes).
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <archive.h>
#include <archive_entry.h>
#include <functional>

namespace ejteto::testing {

// A short audible 16-bit mono WAV; `seconds` long, a square tone.
inline QByteArray toneWav(double seconds = 0.1, int16_t level = 4000)
{
    QByteArray data;
    const int samples = int(22050 * seconds);
    for (int i = 0; i < samples; ++i) {
        const int16_t s = (i % 50 < 25) ? level : int16_t(-level);
        data.append(reinterpret_cast<const char*>(&s), 2);
    }
    const auto u32 = [](uint32_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [](uint16_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    return "RIFF" + u32(uint32_t(36 + data.size())) + "WAVE" + "fmt " + u32(16) + u16(1) + u16(1) + u32(22050) +
           u32(22050 * 2) + u16(2) + u16(16) + "data" + u32(uint32_t(data.size())) + data;
}

inline QByteArray manifestBytes(const QString& name)
{
    return "ejteto-voice 1\nname=" + name.toUtf8() + "\ndescription=tanár\naccent=brit\nlicence=CC BY 4.0\n";
}

// Writes a pax tar (gzip when asked) entry by entry into `file`.
class PackWriter {
public:
    explicit PackWriter(const QString& file, bool gzip = true) : a_(archive_write_new())
    {
        archive_write_set_format_pax_restricted(a_);
        if (gzip)
            archive_write_add_filter_gzip(a_);
        // Unbuffered: a header is on disk as soon as it is written, so a pack
        // may end right after a header that declares more than it holds.
        archive_write_set_bytes_per_block(a_, 0);
        archive_write_open_filename(a_, QFile::encodeName(file).constData());
    }
    ~PackWriter()
    {
        if (!failed_)
            archive_write_close(a_);
        archive_write_free(a_);
    }
    PackWriter(const PackWriter&) = delete;
    PackWriter& operator=(const PackWriter&) = delete;

    // A regular file of the given bytes.
    void file(const QString& path, const QByteArray& bytes)
    {
        entry(path, AE_IFREG, [&](archive_entry* e) { archive_entry_set_size(e, bytes.size()); });
        archive_write_data(a_, bytes.constData(), size_t(bytes.size()));
    }
    void entry(const QString& path, unsigned type, const std::function<void(archive_entry*)>& more = {})
    {
        archive_entry* e = archive_entry_new();
        archive_entry_set_pathname(e, path.toUtf8().constData());
        archive_entry_set_filetype(e, type);
        archive_entry_set_perm(e, 0644);
        if (more)
            more(e);
        archive_write_header(a_, e);
        archive_entry_free(e);
    }
    // Ends the pack right after the last header (its data never written).
    void cutShort()
    {
        archive_write_fail(a_);
        failed_ = true;
    }

private:
    archive* a_;
    bool failed_ = false;
};

} // namespace ejteto::testing
