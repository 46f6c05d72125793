#pragma once
// libarchive's read and write handles in owners that free them on every path
// out, an early refusal included.
#include <archive.h>
#include <memory>

namespace ejteto {

struct ArchiveReadFree {
    void operator()(archive* a) const { archive_read_free(a); }
};
struct ArchiveWriteFree {
    void operator()(archive* a) const { archive_write_free(a); }
};
struct ArchiveEntryFree {
    void operator()(archive_entry* e) const;
};

using ArchiveReader = std::unique_ptr<archive, ArchiveReadFree>;
using ArchiveWriter = std::unique_ptr<archive, ArchiveWriteFree>;
using ArchiveEntry = std::unique_ptr<archive_entry, ArchiveEntryFree>;

} // namespace ejteto
