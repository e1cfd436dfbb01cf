#pragma once

#include <string>
#include <vector>

// Registry keys below HKEY_LOCAL_MACHINE that a test writes in the throw-away Wine prefix. Every key tree
// named with own() is deleted again when the object goes, so no case sees another case's keys.
class RegistryKeys
{
public:
    RegistryKeys() = default;
    RegistryKeys(const RegistryKeys&) = delete;
    RegistryKeys& operator=(const RegistryKeys&) = delete;
    ~RegistryKeys();

    // Deletes the key tree now (if there) and again at the end.
    void own(const std::string& keyPath);
    // Creates the key (volatile keys below volatile parents, such as HARDWARE) and sets a text value.
    void setText(const std::string& keyPath, const std::string& name, const std::string& text);
    void setNumber(const std::string& keyPath, const std::string& name, unsigned long number);

private:
    std::vector<std::string> m_owned;
};
