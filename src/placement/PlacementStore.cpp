#include "placement/PlacementStore.h"

#include "platform/UserRegistry.h"

namespace
{

std::string withoutTrailingBackslashes(std::string path)
{
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

} // namespace

PlacementStore::PlacementStore(TPersistLocation location, const std::string& saveName,
                               const std::string& registryFile)
    : m_location(location), m_keyPath(location == plRegistry ? withoutTrailingBackslashes(saveName) : ""),
      m_file(location == plRegistry ? registryFile : saveName)
{
}

std::string PlacementStore::fileSection(const std::string& section) const
{
    return m_location == plRegistry ? m_keyPath + "\\" + section : section;
}

int PlacementStore::readInteger(const std::string& section, const std::string& key, int def) const
{
    if (m_location != plRegistry)
        return m_file.readInteger(section, key, def);
    const auto text = platform::ReadUserRegistryText(m_file.path(), fileSection(section), key);
    return text ? IniFile::parseInteger(text->substr(0, IniFile::kMaxValueLength)).value_or(def) : def;
}

void PlacementStore::write(const std::string& section, const WindowPlacement& normal, bool savePosition,
                           bool saveSize)
{
    if (savePosition) {
        writeValue(section, "Left", std::to_string(normal.bounds.left));
        writeValue(section, "Top", std::to_string(normal.bounds.top));
    }
    if (saveSize) {
        writeValue(section, "Right", std::to_string(normal.bounds.right));
        writeValue(section, "Bottom", std::to_string(normal.bounds.bottom));
        writeValue(section, "Maximized", normal.maximized ? "1" : "0");
    }
}

void PlacementStore::writeValue(const std::string& section, const std::string& key, const std::string& text)
{
    if (m_location == plRegistry)
        platform::WriteUserRegistryText(m_file.path(), fileSection(section), key, text);
    else
        m_file.writeString(section, key, text);
}
