#include "base/Paths.h"

std::string AddTrailingBackslash(const std::string& path)
{
    if (!path.empty() && path.back() == kPathSeparator)
        return path;
    return path + kPathSeparator;
}
