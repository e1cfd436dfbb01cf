#include "RegistryKeys.h"

#include "base/WideText.h"

#include <windows.h>

#include <stdexcept>

namespace
{

void deleteTree(const std::string& keyPath)
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, widetext::fromUtf8(keyPath).c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, widetext::fromUtf8(keyPath).c_str());
}

HKEY create(const std::string& keyPath)
{
    const std::wstring path = widetext::fromUtf8(keyPath);
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status == ERROR_CHILD_MUST_BE_VOLATILE)
        status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                                 KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS)
        throw std::runtime_error("cannot create registry key " + keyPath);
    return key;
}

void setValue(const std::string& keyPath, const std::string& name, DWORD type, const void* data, DWORD size)
{
    const HKEY key = create(keyPath);
    const LSTATUS status =
        RegSetValueExW(key, widetext::fromUtf8(name).c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        throw std::runtime_error("cannot set registry value " + keyPath + "\\" + name);
}

} // namespace

RegistryKeys::~RegistryKeys()
{
    for (const auto& key : m_owned)
        deleteTree(key);
}

void RegistryKeys::own(const std::string& keyPath)
{
    deleteTree(keyPath);
    m_owned.push_back(keyPath);
}

void RegistryKeys::setText(const std::string& keyPath, const std::string& name, const std::string& text)
{
    const std::wstring wide = widetext::fromUtf8(text);
    setValue(keyPath, name, REG_SZ, wide.c_str(), static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

void RegistryKeys::setNumber(const std::string& keyPath, const std::string& name, unsigned long number)
{
    const DWORD value = number;
    setValue(keyPath, name, REG_DWORD, &value, sizeof value);
}
