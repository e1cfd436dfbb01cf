#pragma once

#include <string>
#include <string_view>
#include <system_error>

// Replaces the file at path with bytes so that readers see either the old or the new file, never a part:
// a temporary file in the same folder is written fully, flushed to disk and renamed over the old one.
// On failure the temporary file is removed, the old file is untouched, and the error is returned.
// A symbolic link is followed, so the file it points to is replaced and the link stays.
std::error_code ReplaceFileAtomically(const std::string& path, std::string_view bytes);
