#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A language file as its loader reads it: INI-like 8-bit text where the first occurrence of a section
// counts, the later line of a key counts, nothing is trimmed, and a NUL byte ends the text.
class LanguageFile
{
public:
    using Entry = std::pair<std::string, std::string>; // key and value, bytes as in the file

    static LanguageFile parse(std::string_view bytes);
    // Raises TavimoroError "Cannot open file ..." when path is no readable regular file.
    static LanguageFile load(const std::string& path);

    bool hasSection(std::string_view section) const;
    // The keys of a section, sorted without regard to case, each once.
    std::vector<Entry> entries(std::string_view section) const;
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string valueOr(std::string_view section, std::string_view key, std::string_view def) const;

private:
    using Section = std::map<std::string, Entry>; // by lower-cased key
    std::map<std::string, Section> m_sections;    // by lower-cased name
};
