#include "platform/FileSearch.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <memory>

namespace platform
{

int FindFiles(const std::string& folder, const std::string& mask, std::vector<std::string>* list)
{
    if (!list)
        return 0;
    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + '/';
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(base.empty() ? "." : base.c_str()), closedir);
    if (!dir)
        return static_cast<int>(list->size());
    while (const dirent* entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || fnmatch(mask.c_str(), name.c_str(), FNM_CASEFOLD) != 0)
            continue;
        struct stat info {
        };
        // A link is taken for what it points at; a dangling one is still an entry.
        if (stat((base + name).c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            continue;
        list->push_back(name);
    }
    return static_cast<int>(list->size());
}

} // namespace platform
