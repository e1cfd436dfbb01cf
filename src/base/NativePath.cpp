#include "base/NativePath.h"

#include <string>

std::filesystem::path NativePath(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
