#include "platform/Registry_win.h"

#include "base/Error.h"
#include "base/WideText.h"

#include <windows.h>

#include <vector>

namespace platform::registry
{
namespace
{

HKEY rootOf(Hive hive)
{
    return hive == Hive::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

} // namespace

std::optional<std::string> ReadText(Hive hive, const std::string& keyPath, const std::string& name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(rootOf(hive), widetext::fromUtf8(keyPath).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    const std::wstring valueName = widetext::fromUtf8(name);
    std::optional<std::string> text;
    DWORD type = 0;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS && type != REG_SZ && type != REG_EXPAND_SZ) {
        RegCloseKey(key);
        throw TavimoroError("Invalid data type for '" + name + "'");
    }
    // The value may grow between the two queries; the loop asks again with the new size.
    std::vector<wchar_t> data;
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        data.assign(size / sizeof(wchar_t) + 1, L'\0');
        DWORD bytes = static_cast<DWORD>((data.size() - 1) * sizeof(wchar_t));
        status = RegQueryValueExW(key, valueName.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(data.data()), &bytes);
        if (status == ERROR_SUCCESS) {
            // Stored text need not end in NUL, and may hold one early: the text ends at the first.
            text = widetext::toUtf8(std::wstring(data.data(), bytes / sizeof(wchar_t)).c_str());
            break;
        }
        size = bytes;
    }
    RegCloseKey(key);
    return text;
}

} // namespace platform::registry
