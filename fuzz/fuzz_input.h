#pragma once
// Splits one fuzz input into two files: the first byte says where the first
// file ends (as a share of the rest), so both tables can be fuzzed together.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace ejteto::fuzz {

inline std::pair<QByteArray, QByteArray> twoFiles(const uint8_t* data, size_t size)
{
    if (size == 0)
        return {};
    const size_t rest = size - 1;
    const size_t first = rest * data[0] / 255;
    const auto* bytes = reinterpret_cast<const char*>(data + 1);
    return {QByteArray(bytes, qsizetype(first)), QByteArray(bytes + first, qsizetype(rest - first))};
}

} // namespace ejteto::fuzz
