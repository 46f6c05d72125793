#pragma once
// Strict conversion of a text to a signed 32-bit integer, shared by the
// content tables and the settings file: optional leading blanks, an optional
// sign, then decimal digits, or hexadecimal digits after "$", "x" or "0x".
// The digits must run to the end of the text.
#include <QString>
#include <cstdint>
#include <optional>

namespace ejteto {

// The value, or nothing when the text is not a valid integer. Hexadecimal
// values take the full 32 bits ("$FFFFFFFF" is -1), as the platform's own
// conversion does; decimal values must lie in -2147483648..2147483647.
std::optional<int32_t> parseStrictInt(const QString& text);

// As above, but raises "'%s' is not a valid integer value".
int32_t StrToInt(const QString& text);

} // namespace ejteto
