#pragma once

#include "base/IniFile.h"
#include "placement/PlacementBounds.h"
#include "placement/TPersistLocation.h"

#include <string>

// The keys Left, Top, Right, Bottom and Maximized of one placement section, as decimal text and "1"/"0".
// plIniFile keeps them in the INI file saveName. plRegistry treats saveName as a key path below the user's
// hive (HKEY_CURRENT_USER) and keeps them as text values of its subkey "<saveName>\<section>"; where the
// system has no registry, registryFile plays the hive, each key path a section of it.
class PlacementStore
{
public:
    PlacementStore(TPersistLocation location, const std::string& saveName, const std::string& registryFile);

    const std::string& filePath() const { return m_file.path(); }
    // The section of the file that holds the named placement section.
    std::string fileSection(const std::string& section) const;

    // The integer of a key; def when the store, the section or the key is missing or holds no integer.
    int readInteger(const std::string& section, const std::string& key, int def) const;

    // Left and Top when savePosition; Right, Bottom and Maximized when saveSize. Raises TavimoroError
    // when the store cannot be written.
    void write(const std::string& section, const WindowPlacement& normal, bool savePosition, bool saveSize);

private:
    void writeValue(const std::string& section, const std::string& key, const std::string& text);

    TPersistLocation m_location;
    std::string m_keyPath;
    IniFile m_file;
};
