#include "base/WideText.h"
#include "platform/ComPortNames.h"
#include "platform/SpecialFolders.h"

#include <windows.h>

#include <shlobj.h>

#include <cstdlib>
#include <vector>

namespace
{

std::wstring executablePath()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size())
            return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

namespace platform
{

std::string GetSpecialFolder()
{
    // Application data of the current user (CSIDL 26), through the shell's item list as the shell gives it.
    PIDLIST_ABSOLUTE location = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, CSIDL_APPDATA, &location) != S_OK || !location)
        return {};
    wchar_t path[MAX_PATH + 1] = {};
    const bool converted = SHGetPathFromIDListW(location, path);
    CoTaskMemFree(location);
    if (!converted)
        return {};
    path[MAX_PATH] = L'\0';
    return widetext::toUtf8(path); // cut at the first NUL
}

std::string ProgramFolder()
{
    if (const wchar_t* chosen = _wgetenv(L"TAVIMORO_PROGRAM_FOLDER"); chosen && *chosen)
        return widetext::toUtf8(chosen);
    const std::wstring exe = executablePath();
    const std::size_t slash = exe.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::string(".") : widetext::toUtf8(exe.substr(0, slash));
}

} // namespace platform

namespace comport
{

std::string devicePath(std::string_view name)
{
    // The device namespace opens COM10 and above too, which the bare name does not.
    const auto number = comNumber(name);
    return number ? "\\\\.\\" + comName(*number) : std::string();
}

} // namespace comport
