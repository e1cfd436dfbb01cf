#pragma once

#include <string>
#include <vector>

namespace platform
{

// Appends to list the names (without path) of the entries of folder that match the wildcard mask
// ("*", "?", letter case ignored), in the order the file system lists them; folders are skipped,
// sub-folders not searched. Returns the size of list afterwards, or 0 without searching when list is null.
int FindFiles(const std::string& folder, const std::string& mask, std::vector<std::string>* list);

} // namespace platform
