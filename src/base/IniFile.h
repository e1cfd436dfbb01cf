#pragma once

#include <string>
#include <vector>

// An INI profile file: [section] lines followed by key=value lines, 8-bit Windows-1252 on disk, UTF-8 here.
// Sections and keys compare without regard to case. Reading never creates anything; every write re-reads
// the file, changes one key, keeps every other section and key, and replaces the file atomically.
class IniFile
{
public:
    explicit IniFile(std::string path);

    const std::string& path() const { return m_path; }

    // Decimal, "$hex" or "0xhex"; anything else (or a missing file, section or key) gives def.
    int readInteger(const std::string& section, const std::string& key, int def) const;
    // The value, at most 2047 characters; def when the file, section or key is missing.
    std::string readString(const std::string& section, const std::string& key, const std::string& def) const;
    bool sectionExists(const std::string& section) const;
    bool valueExists(const std::string& section, const std::string& key) const;

    // Both raise TavimoroError "In <file> kann nicht geschrieben werden" when the file cannot be written.
    void writeInteger(const std::string& section, const std::string& key, int value);
    void writeString(const std::string& section, const std::string& key, const std::string& value);

private:
    std::string m_path;
};
