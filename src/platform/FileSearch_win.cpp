#include "platform/FileSearch.h"

#include "base/WideText.h"

#include <windows.h>

namespace platform
{

int FindFiles(const std::string& folder, const std::string& mask, std::vector<std::string>* list)
{
    if (!list)
        return 0;
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/')
        pattern += '\\';
    pattern += mask;
    WIN32_FIND_DATAW entry{};
    const HANDLE search = FindFirstFileExW(widetext::fromUtf8(pattern).c_str(), FindExInfoBasic, &entry,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return static_cast<int>(list->size());
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            list->push_back(widetext::toUtf8(entry.cFileName));
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return static_cast<int>(list->size());
}

} // namespace platform
