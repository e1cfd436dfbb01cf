#pragma once

#include <string>

// The separator of the paths the tool builds: '\' on Windows, '/' elsewhere.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The path with one separator appended unless it already ends in one; an empty path gives a lone separator.
std::string AddTrailingBackslash(const std::string& path);
