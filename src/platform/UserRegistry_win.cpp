#include "platform/UserRegistry.h"

#include "base/Error.h"
#include "base/WideText.h"
#include "platform/Registry_win.h"

#include <windows.h>

namespace platform
{

std::optional<std::string> ReadUserRegistryText(const std::string&, const std::string& keyPath,
                                                const std::string& name)
{
    return registry::ReadText(registry::Hive::CurrentUser, keyPath, name);
}

void WriteUserRegistryText(const std::string&, const std::string& keyPath, const std::string& name,
                           const std::string& text)
{
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, widetext::fromUtf8(keyPath).c_str(), 0, nullptr,
                                     REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        const std::wstring data = widetext::fromUtf8(text);
        status = RegSetValueExW(key, widetext::fromUtf8(name).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(data.c_str()),
                                static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS)
        throw TavimoroError("In HKEY_CURRENT_USER\\" + keyPath + " kann nicht geschrieben werden");
}

} // namespace platform
