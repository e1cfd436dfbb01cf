#include "platform/DynamicLibrary.h"

#include "base/WideText.h"

#include <windows.h>

namespace platform
{

LibraryHandle LoadDynamicLibrary(const std::string& fileName)
{
    if (fileName.empty())
        return nullptr;
    // A missing or broken library is an ordinary answer here, never a system error box.
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryW(widetext::fromUtf8(fileName).c_str());
    SetErrorMode(previous);
    return reinterpret_cast<LibraryHandle>(module);
}

void* DynamicLibraryEntry(LibraryHandle library, const char* name)
{
    if (!library || !name)
        return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void FreeDynamicLibrary(LibraryHandle library)
{
    if (library)
        FreeLibrary(static_cast<HMODULE>(library));
}

} // namespace platform
