#pragma once

#include <string>
#include <string_view>

namespace fup {

// Files are 8-bit Windows-1252; everything in memory is UTF-8. These two convert at the
// file boundary and nowhere else.

// Every one of the 256 byte values has a character: the five codes that Windows-1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control characters of
// the same number, as Windows itself maps them, so any file survives a read and a write.
std::string cp1252ToUtf8(std::string_view bytes);

// Characters that Windows-1252 cannot hold, and bytes that are not valid UTF-8, are
// written as "?".
std::string utf8ToCp1252(std::string_view text);

} // namespace fup
