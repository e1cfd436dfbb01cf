#pragma once

#include <filesystem>
#include <string_view>

// The file-system path of a UTF-8 path text. Narrow paths mean the ANSI code page on Windows, so every
// file the tool opens by a UTF-8 name goes through here to keep names such as "C:\Users\Jörg" intact.
std::filesystem::path NativePath(std::string_view utf8);
