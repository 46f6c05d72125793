#pragma once
// libsndfile over bytes in memory: the program reads recordings it has
// already read whole (and bounded in size), and writes WAV files whole, so
// the library never touches a path of its own.
#include <QByteArray>
#include <QString>
#include <memory>
#include <sndfile.h>

namespace ejteto {

class SoundFile {
public:
    // Opens `bytes` for reading; `bytes` must outlive the SoundFile.
    static SoundFile reading(const QByteArray& bytes);
    // Opens an empty buffer for writing in `format` (SF_FORMAT_*).
    static SoundFile writing(QByteArray& out, int sampleRate, int channels, int format);

    SoundFile(SoundFile&&) noexcept;
    SoundFile& operator=(SoundFile&&) = delete;
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;
    ~SoundFile();

    bool isOpen() const { return handle_ != nullptr; }
    // libsndfile's own words for why the open failed.
    const QString& openError() const { return openError_; }
    const SF_INFO& info() const { return info_; }
    SNDFILE* get() const { return handle_.get(); }
    // Writes the header's final sizes and lets go of the buffer.
    void close() { handle_.reset(); }

private:
    // Where libsndfile's callbacks read and write; kept at one address,
    // since the library holds a pointer to it.
    struct Buffer {
        const QByteArray* in = nullptr;
        QByteArray* out = nullptr;
        sf_count_t pos = 0;
    };
    struct Closer {
        void operator()(SNDFILE* f) const { sf_close(f); }
    };

    SoundFile() = default;
    void open(int mode);

    std::unique_ptr<Buffer> buffer_ = std::make_unique<Buffer>();
    SF_INFO info_{};
    std::unique_ptr<SNDFILE, Closer> handle_;
    QString openError_;
};

} // namespace ejteto
