// The strict integer conversion of table fields and the settings value,
// checked against the value it gives: a decimal result prints back to a text
// that converts to the same value, and so does its hexadecimal form.
#include "app/int_conversion.h"
#include "content/cp1250.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace ejteto;
    const QString text = decodeCp1250(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    const auto value = parseStrictInt(text);
    if (!value)
        return 0;
    if (parseStrictInt(QString::number(*value)) != value)
        std::abort();
    const QString hex = QStringLiteral("$") + QString::number(static_cast<uint32_t>(*value), 16);
    if (parseStrictInt(hex) != value)
        std::abort();
    return 0;
}
