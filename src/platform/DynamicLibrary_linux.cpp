#include "platform/DynamicLibrary.h"

#include <dlfcn.h>

namespace platform
{

LibraryHandle LoadDynamicLibrary(const std::string& fileName)
{
    if (fileName.empty())
        return nullptr;
    return dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* DynamicLibraryEntry(LibraryHandle library, const char* name)
{
    if (!library || !name)
        return nullptr;
    return dlsym(library, name);
}

void FreeDynamicLibrary(LibraryHandle library)
{
    if (library)
        dlclose(library);
}

} // namespace platform
