#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The lines of an INI file as Windows-1252 bytes, indexed for lookups by section and key without regard
// to case. Every line the tool does not change is kept byte for byte; only line ends become CR LF.
class IniDocument
{
public:
    IniDocument() = default;
    // Accepts any bytes: CR LF, LF and lone CR end a line; NUL bytes and huge lines are ordinary text.
    explicit IniDocument(std::string_view bytes);

    // The trimmed value of the first such key in the first such section, or nothing.
    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    // Section names in file order, each once, in the spelling of its first occurrence.
    std::vector<std::string> sections() const;
    // Key names of the first such section in file order, each once, in the spelling of its first occurrence.
    std::vector<std::string> keys(std::string_view section) const;

    // What setValue can store so that the file reads back the same: a section name without ']', a key name
    // without '=' that does not start like a section or a comment, each non-empty once trimmed, and a value;
    // none of them holding a line break or NUL.
    static bool isStorableSectionName(std::string_view name);
    static bool isStorableKeyName(std::string_view name);
    static bool isStorableValue(std::string_view value);

    // Sets the value of the key that value() finds, or adds the key (and the section) when it is missing.
    // Names and value must be storable (the caller checks).
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // The whole file with CR LF after every line.
    std::string bytes() const;

    // Section and key names as looked up: spaces and tabs trimmed, letters folded to lower case.
    static std::string foldName(std::string_view name);

private:
    struct Key {
        std::size_t line;
        std::string name;
        std::string value;
    };
    struct Section {
        std::size_t header;
        std::string name;
        std::vector<Key> keys;
        std::unordered_map<std::string, std::size_t> keyIndex; // folded name -> first index into keys
    };

    void reindex();
    // Inserts the line "key=value" at line and adds the key to the section, which holds all lines before it.
    void appendKey(Section& section, std::size_t line, const std::string& key, const std::string& value);
    const Section* findSection(std::string_view section) const;

    std::vector<std::string> m_lines;
    std::vector<Section> m_sections;
    std::unordered_map<std::string, std::size_t> m_sectionIndex; // folded name -> first index into m_sections
};
