// The settings reader and writer: whatever et.ini holds, writing the level
// and reading it back gives that level, writing the same value again changes
// nothing, and the other values of the file read as they did before.
#include "app/int_conversion.h"
#include "app/settings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace ejteto;
    const QByteArray ini(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString user = QStringLiteral("User"), level = QStringLiteral("Level");
    if (const auto text = iniValue(ini, user, level))
        parseStrictInt(*text);

    const int32_t stored = size > 0 ? int32_t(data[0] % 5) - 1 : 0;
    const QString value = QString::number(stored);
    const QByteArray written = iniWithValue(ini, user, level, value);
    const auto readBack = iniValue(written, user, level);
    if (!readBack || parseStrictInt(*readBack) != stored)
        std::abort(); // the level written is not the level read
    if (iniWithValue(written, user, level, value) != written)
        std::abort(); // a second write of the same value changed the file
    // Keys the program does not own keep their values.
    const QString other = QStringLiteral("Window"), note = QStringLiteral("Note");
    if (iniValue(written, user, note) != iniValue(ini, user, note) ||
        iniValue(written, other, level) != iniValue(ini, other, level))
        std::abort();
    return 0;
}
