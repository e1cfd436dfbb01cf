#include "i18n/LanguageFile.h"

#include "base/Error.h"
#include "base/NativePath.h"
#include "i18n/TextCase.h"
#include "i18n/TextLines.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace
{

std::string openError(const std::string& path, const std::string& reason)
{
    return "Cannot open file \"" + path + "\". " + reason;
}

} // namespace

LanguageFile LanguageFile::parse(std::string_view bytes)
{
    const std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    LanguageFile file;
    Section* current = nullptr;
    for (const std::string_view line : i18n::SplitLines(bytes)) {
        if (line.empty() || line.front() == ';')
            continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const auto [it, inserted] =
                file.m_sections.try_emplace(i18n::AsciiLower(line.substr(1, line.size() - 2)));
            current = inserted ? &it->second : nullptr;
            continue;
        }
        if (!current)
            continue;
        const std::size_t eq = line.find('=');
        const std::string_view key = line.substr(0, eq);
        const std::string_view value =
            eq == std::string_view::npos ? std::string_view() : line.substr(eq + 1);
        (*current)[i18n::AsciiLower(key)] = Entry(std::string(key), std::string(value));
    }
    return file;
}

LanguageFile LanguageFile::load(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path file = NativePath(path);
    if (std::filesystem::is_directory(file, ec))
        throw TavimoroError(openError(path, std::strerror(EISDIR)));
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw TavimoroError(openError(path, std::strerror(errno ? errno : ENOENT)));
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw TavimoroError(openError(path, std::strerror(EIO)));
    return parse(bytes);
}

bool LanguageFile::hasSection(std::string_view section) const
{
    return m_sections.contains(i18n::AsciiLower(section));
}

std::vector<LanguageFile::Entry> LanguageFile::entries(std::string_view section) const
{
    std::vector<Entry> out;
    const auto it = m_sections.find(i18n::AsciiLower(section));
    if (it == m_sections.end())
        return out;
    for (const auto& [folded, entry] : it->second)
        out.push_back(entry);
    return out;
}

std::optional<std::string> LanguageFile::value(std::string_view section, std::string_view key) const
{
    const auto it = m_sections.find(i18n::AsciiLower(section));
    if (it == m_sections.end())
        return std::nullopt;
    const auto entry = it->second.find(i18n::AsciiLower(key));
    if (entry == it->second.end())
        return std::nullopt;
    return entry->second.second;
}

std::string LanguageFile::valueOr(std::string_view section, std::string_view key, std::string_view def) const
{
    return value(section, key).value_or(std::string(def));
}
