#include "base/IniDocument.h"

namespace
{

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Case folding of the Windows-1252 letters, so that "ÄRGER" and "ärger" name the same key.
char foldByte(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z')
        return static_cast<char>(b + 0x20);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7)
        return static_cast<char>(b + 0x20);
    switch (b) {
    case 0x8A: // S caron
    case 0x8C: // OE
    case 0x8E: // Z caron
        return static_cast<char>(b + 0x10);
    case 0x9F: // Y diaeresis
        return static_cast<char>(0xFF);
    default:
        return c;
    }
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
};

ParsedLine parseLine(std::string_view line)
{
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == ';')
        return {};
    if (text.front() == '[') {
        // The name ends at the first ']'; text after it is ignored, a missing ']' ends the name at the line
        // end.
        const std::string_view inner = text.substr(1);
        return {LineKind::Section, trimmed(inner.substr(0, inner.find(']'))), {}};
    }
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos)
        return {};
    // Spaces and tabs around the key and the value are not part of them, as with the Windows profile API.
    const std::string_view name = trimmed(text.substr(0, eq));
    if (name.empty())
        return {};
    return {LineKind::Key, name, trimmed(text.substr(eq + 1))};
}

} // namespace

bool IniDocument::isStorableValue(std::string_view value)
{
    return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool IniDocument::isStorableSectionName(std::string_view name)
{
    name = trimmed(name);
    return !name.empty() && isStorableValue(name) && name.find(']') == std::string_view::npos;
}

bool IniDocument::isStorableKeyName(std::string_view name)
{
    name = trimmed(name);
    return !name.empty() && isStorableValue(name) && name.find('=') == std::string_view::npos &&
           name.front() != '[' && name.front() != ';';
}

std::string IniDocument::foldName(std::string_view name)
{
    std::string folded(trimmed(name));
    for (char& c : folded)
        c = foldByte(c);
    return folded;
}

IniDocument::IniDocument(std::string_view bytes)
{
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            m_lines.emplace_back(bytes.substr(start));
            break;
        }
        m_lines.emplace_back(bytes.substr(start, end - start));
        start = end + ((bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1);
    }
    reindex();
}

void IniDocument::reindex()
{
    m_sections.clear();
    m_sectionIndex.clear();
    Section* current = nullptr;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const ParsedLine parsed = parseLine(m_lines[i]);
        if (parsed.kind == LineKind::Section) {
            m_sections.push_back(Section{i, std::string(parsed.name), {}, {}});
            current = &m_sections.back();
            // The first section of a name is the one that counts; later ones are kept but never read.
            m_sectionIndex.try_emplace(foldName(parsed.name), m_sections.size() - 1);
        } else if (parsed.kind == LineKind::Key && current) {
            current->keys.push_back(Key{i, std::string(parsed.name), std::string(parsed.value)});
            // The first key of a name in a section is the one that counts.
            current->keyIndex.try_emplace(foldName(parsed.name), current->keys.size() - 1);
        }
    }
}

const IniDocument::Section* IniDocument::findSection(std::string_view section) const
{
    const auto found = m_sectionIndex.find(foldName(section));
    return found == m_sectionIndex.end() ? nullptr : &m_sections[found->second];
}

std::optional<std::string_view> IniDocument::value(std::string_view section, std::string_view key) const
{
    const Section* s = findSection(section);
    if (!s)
        return std::nullopt;
    const auto found = s->keyIndex.find(foldName(key));
    if (found == s->keyIndex.end())
        return std::nullopt;
    return s->keys[found->second].value;
}

bool IniDocument::hasSection(std::string_view section) const
{
    return findSection(section) != nullptr;
}

std::vector<std::string> IniDocument::sections() const
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        if (m_sectionIndex.at(foldName(m_sections[i].name)) == i)
            names.emplace_back(m_sections[i].name);
    }
    return names;
}

std::vector<std::string> IniDocument::keys(std::string_view section) const
{
    std::vector<std::string> names;
    const Section* s = findSection(section);
    if (!s)
        return names;
    for (std::size_t i = 0; i < s->keys.size(); ++i) {
        if (s->keyIndex.at(foldName(s->keys[i].name)) == i)
            names.emplace_back(s->keys[i].name);
    }
    return names;
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    // The index is updated in place: parsing a large file again for every key written would be slow.
    const std::string trimmedKey(trimmed(key));
    const std::string newValue(value);
    const auto sectionAt = m_sectionIndex.find(foldName(section));
    if (sectionAt == m_sectionIndex.end()) {
        if (!m_lines.empty() && !trimmed(m_lines.back()).empty())
            m_lines.emplace_back();
        const std::string name(trimmed(section));
        m_lines.push_back('[' + name + ']');
        m_sections.push_back(Section{m_lines.size() - 1, name, {}, {}});
        m_sectionIndex.emplace(foldName(name), m_sections.size() - 1);
        appendKey(m_sections.back(), m_lines.size(), trimmedKey, newValue);
        return;
    }
    Section& s = m_sections[sectionAt->second];
    const auto found = s.keyIndex.find(foldName(key));
    if (found != s.keyIndex.end()) {
        Key& existing = s.keys[found->second];
        // Keep the key's spelling in the file; only its value changes.
        m_lines[existing.line] = existing.name + '=' + newValue;
        existing.value = std::string(trimmed(newValue));
        return;
    }
    const std::size_t at = (s.keys.empty() ? s.header : s.keys.back().line) + 1;
    for (Section& other : m_sections) {
        if (other.header >= at)
            ++other.header;
        for (Key& k : other.keys)
            if (k.line >= at)
                ++k.line;
    }
    appendKey(s, at, trimmedKey, newValue);
}

void IniDocument::appendKey(Section& section, std::size_t line, const std::string& key,
                            const std::string& value)
{
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(line), key + '=' + value);
    section.keys.push_back(Key{line, key, std::string(trimmed(value))});
    section.keyIndex.emplace(foldName(key), section.keys.size() - 1);
}

std::string IniDocument::bytes() const
{
    std::size_t size = 0;
    for (const std::string& line : m_lines)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const std::string& line : m_lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}
