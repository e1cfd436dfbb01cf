#include "platform/PresentPorts.h"

#include "base/Error.h"
#include "base/WideText.h"
#include "platform/SystemErrorText.h"

#include <windows.h>

namespace platform
{

std::vector<PresentPort> EnumComPorts()
{
    std::vector<PresentPort> ports;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return ports;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256;
        // Room for a terminating NUL that the stored data may lack.
        wchar_t data[256 / sizeof(wchar_t) + 1] = {};
        DWORD dataSize = 256;
        DWORD type = 0;
        const LSTATUS status = RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                             reinterpret_cast<BYTE*>(data), &dataSize);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS) {
            RegCloseKey(key);
            throw TavimoroError("COM Port Error: " + SystemErrorText(static_cast<DWORD>(status)) +
                                " on EnumComPorts");
        }
        // The data, not the name, is the port name; the name tells where the port lives ("\Device\Serial0").
        ports.push_back({widetext::toUtf8(data), widetext::toUtf8(std::wstring_view(name, nameLength))});
    }
    RegCloseKey(key);
    SortPresentPorts(ports);
    return ports;
}

} // namespace platform
