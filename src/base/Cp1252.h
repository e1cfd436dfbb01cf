#pragma once

#include <string>
#include <string_view>

// Windows-1252 is the code page of every 8-bit file the tool reads or writes, on every OS.
namespace cp1252
{

// Bytes as stored in a file -> UTF-8. The five bytes that the code page leaves undefined map to U+FFFD.
std::string toUtf8(std::string_view bytes);

// UTF-8 -> bytes for a file. Characters outside the code page (and invalid UTF-8) become '?'.
std::string fromUtf8(std::string_view utf8);

} // namespace cp1252
