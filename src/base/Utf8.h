#pragma once

#include <string>
#include <string_view>

namespace utf8
{

// Appends the UTF-8 bytes of one code point.
void append(std::string& out, char32_t codePoint);

// Decodes the sequence at pos and moves pos past it; malformed input gives U+FFFD and still advances.
char32_t next(std::string_view text, std::size_t& pos);

} // namespace utf8
