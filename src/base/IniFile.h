#pragma once

#include "base/IniDocument.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An INI profile file: [section] lines followed by key=value lines, 8-bit Windows-1252 on disk, UTF-8 here.
// Sections and keys compare without regard to case. Reading never creates anything; every write re-reads
// the file, changes one key, keeps every other section and key, and replaces the file atomically.
// The file is parsed once and kept until it changes on disk.
class IniFile
{
public:
    // The longest text value that is read, in characters.
    static constexpr std::size_t kMaxValueLength = 2047;

    explicit IniFile(std::string path);

    const std::string& path() const { return m_path; }

    // Decimal, "$hex" or "0xhex"; anything else (or a missing file, section or key) gives def.
    int readInteger(const std::string& section, const std::string& key, int def) const;
    // The value, at most 2047 characters; def when the file, section or key is missing.
    std::string readString(const std::string& section, const std::string& key, const std::string& def) const;
    bool sectionExists(const std::string& section) const;
    bool valueExists(const std::string& section, const std::string& key) const;
    // Section names in file order; a repeated section is listed once.
    std::vector<std::string> readSections() const;
    // Key names of a section in file order; a repeated key is listed once; empty when the section is missing.
    std::vector<std::string> readSection(const std::string& section) const;

    // Both raise TavimoroError "In <file> kann nicht geschrieben werden" when the file cannot be written,
    // and when a name or value could not be read back as written (line breaks, NUL, '=' in a key).
    void writeInteger(const std::string& section, const std::string& key, int value);
    void writeString(const std::string& section, const std::string& key, const std::string& value);

    // An optional sign, then decimal digits, or "$" / "0x" and at most 32 bits of hex digits (taken as a
    // 32-bit two's complement number, so $FFFFFFFF is -1); nothing else, and no value outside int.
    static std::optional<int> parseInteger(std::string_view text);

private:
    struct Stamp {
        bool exists = false;
        std::filesystem::file_time_type modified{};
        std::uintmax_t size = 0;
        bool operator==(const Stamp&) const = default;
    };

    static Stamp stampOf(const std::string& path);
    // The file as it is on disk now, parsed again only when it changed since the last parse of this path by
    // any IniFile: the tool opens its configuration many times in a row, and it may be large.
    const IniDocument& document() const;
    // The cached document when it matches the stamp now on disk.
    const IniDocument* cachedFor(const Stamp& now) const;
    // The file as it is now, to be changed; raises the write error when an existing file cannot be read.
    IniDocument documentForWrite() const;
    // The cached document itself when no other IniFile holds it, which spares copying it for a write.
    std::shared_ptr<IniDocument> takeSoleDocument() const;
    void keep(IniDocument document) const;
    [[noreturn]] void failWrite(std::string_view reason = {}) const;

    std::string m_path;
    mutable std::shared_ptr<IniDocument> m_document;
    mutable Stamp m_stamp;
};
