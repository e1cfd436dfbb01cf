#include "placement/PlacementStore.h"

#include "base/NativePath.h"

#include <filesystem>
#include <system_error>

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
    return m_file.readInteger(fileSection(section), key, def);
}

void PlacementStore::write(const std::string& section, const WindowPlacement& normal, bool savePosition,
                           bool saveSize)
{
    if (m_location == plRegistry) {
        // Like a registry key, the store is created on first use, folder included.
        std::error_code ec;
        const auto folder = NativePath(m_file.path()).parent_path();
        if (!folder.empty())
            std::filesystem::create_directories(folder, ec);
    }
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
    m_file.writeString(fileSection(section), key, text);
}
