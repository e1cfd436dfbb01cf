#pragma once

#include <string>
#include <string_view>

// UTF-8 <-> the system's wide text (UTF-16 on Windows, UTF-32 elsewhere), for the OS calls that take
// wide strings. Malformed input becomes U+FFFD, so no text is dropped silently.
namespace widetext
{

std::wstring fromUtf8(std::string_view utf8);

std::string toUtf8(std::wstring_view wide);

} // namespace widetext
