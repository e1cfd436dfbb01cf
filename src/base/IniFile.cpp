#include "base/IniFile.h"

#include "base/AtomicFile.h"
#include "base/Cp1252.h"
#include "base/Error.h"
#include "base/MessageFormat.h"
#include "base/NativePath.h"

#include <climits>
#include <fstream>
#include <mutex>
#include <sstream>
#include <system_error>

namespace
{

// Reads the whole file; nothing when it does not exist or cannot be read.
std::optional<std::string> readBytes(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path file = NativePath(path);
    if (!std::filesystem::is_regular_file(file, ec))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(content).str();
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

// The last document parsed or written by any IniFile, with the path and stamp it belongs to.
struct LastParsed {
    std::mutex lock;
    std::string path;
    std::filesystem::file_time_type modified{};
    std::uintmax_t size = 0;
    bool exists = false;
    std::shared_ptr<IniDocument> document;
};

LastParsed& lastParsed()
{
    static LastParsed last;
    return last;
}

} // namespace

IniFile::IniFile(std::string path) : m_path(std::move(path)) {}

std::optional<int> IniFile::parseInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long magnitude = 0;
    if (!text.empty() && (text.front() == '$' || text.starts_with("0x") || text.starts_with("0X"))) {
        text.remove_prefix(text.front() == '$' ? 1 : 2);
        if (text.empty())
            return std::nullopt;
        unsigned long long bits = 0;
        for (const char c : text) {
            if (!isHexDigit(c))
                return std::nullopt;
            bits = bits * 16 + static_cast<unsigned long long>(hexValue(c));
            if (bits > 0xFFFFFFFFull)
                return std::nullopt;
        }
        magnitude = static_cast<int>(static_cast<unsigned int>(bits));
    } else {
        if (text.empty())
            return std::nullopt;
        for (const char c : text) {
            if (c < '0' || c > '9')
                return std::nullopt;
            magnitude = magnitude * 10 + (c - '0');
            if (magnitude > static_cast<long long>(INT_MAX) + 1)
                return std::nullopt;
        }
    }
    const long long result = negative ? -magnitude : magnitude;
    if (result < INT_MIN || result > INT_MAX)
        return std::nullopt;
    return static_cast<int>(result);
}

IniFile::Stamp IniFile::stampOf(const std::string& path)
{
    std::error_code ec;
    Stamp stamp;
    const std::filesystem::path file = NativePath(path);
    if (!std::filesystem::is_regular_file(file, ec))
        return stamp;
    stamp.modified = std::filesystem::last_write_time(file, ec);
    stamp.size = std::filesystem::file_size(file, ec);
    stamp.exists = !ec;
    return stamp;
}

const IniDocument* IniFile::cachedFor(const Stamp& now) const
{
    if (m_document && now == m_stamp)
        return m_document.get();
    LastParsed& last = lastParsed();
    const std::lock_guard guard(last.lock);
    if (!last.document || last.path != m_path || last.exists != now.exists || last.modified != now.modified ||
        last.size != now.size)
        return nullptr;
    m_document = last.document;
    m_stamp = now;
    return m_document.get();
}

const IniDocument& IniFile::document() const
{
    const Stamp now = stampOf(m_path);
    if (const IniDocument* cached = cachedFor(now))
        return *cached;
    const std::optional<std::string> bytes = readBytes(m_path);
    if (!bytes) {
        // Not shared: a file that cannot be read now must not pass for an empty one when it is written.
        m_document = std::make_shared<IniDocument>();
        m_stamp = Stamp{};
        return *m_document;
    }
    m_stamp = now;
    keep(IniDocument(*bytes));
    return *m_document;
}

IniDocument IniFile::documentForWrite() const
{
    const Stamp now = stampOf(m_path);
    std::error_code ec;
    if (!now.exists) {
        // Something that is no file stands there.
        if (std::filesystem::exists(NativePath(m_path), ec))
            failWrite();
        return IniDocument();
    }
    if (const IniDocument* cached = cachedFor(now)) {
        if (std::shared_ptr<IniDocument> sole = takeSoleDocument())
            return std::move(*sole);
        return *cached;
    }
    // An existing file that cannot be read must not be replaced by one that lacks its keys.
    const std::optional<std::string> bytes = readBytes(m_path);
    if (!bytes)
        failWrite();
    return IniDocument(*bytes);
}

std::shared_ptr<IniDocument> IniFile::takeSoleDocument() const
{
    LastParsed& last = lastParsed();
    const std::lock_guard guard(last.lock);
    const long holders = last.document == m_document ? 2 : 1;
    if (m_document.use_count() != holders)
        return nullptr;
    last.document.reset();
    return std::move(m_document);
}

void IniFile::keep(IniDocument document) const
{
    m_document = std::make_shared<IniDocument>(std::move(document));
    LastParsed& last = lastParsed();
    const std::lock_guard guard(last.lock);
    last.path = m_path;
    last.exists = m_stamp.exists;
    last.modified = m_stamp.modified;
    last.size = m_stamp.size;
    last.document = m_document;
}

int IniFile::readInteger(const std::string& section, const std::string& key, int def) const
{
    const auto value = document().value(cp1252::fromUtf8(section), cp1252::fromUtf8(key));
    if (!value)
        return def;
    return parseInteger(value->substr(0, kMaxValueLength)).value_or(def);
}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& def) const
{
    const auto value = document().value(cp1252::fromUtf8(section), cp1252::fromUtf8(key));
    if (!value)
        return def;
    return cp1252::toUtf8(value->substr(0, kMaxValueLength));
}

bool IniFile::sectionExists(const std::string& section) const
{
    return document().hasSection(cp1252::fromUtf8(section));
}

bool IniFile::valueExists(const std::string& section, const std::string& key) const
{
    return document().value(cp1252::fromUtf8(section), cp1252::fromUtf8(key)).has_value();
}

std::vector<std::string> IniFile::readSections() const
{
    std::vector<std::string> names = document().sections();
    for (std::string& name : names)
        name = cp1252::toUtf8(name);
    return names;
}

std::vector<std::string> IniFile::readSection(const std::string& section) const
{
    std::vector<std::string> names = document().keys(cp1252::fromUtf8(section));
    for (std::string& name : names)
        name = cp1252::toUtf8(name);
    return names;
}

void IniFile::writeInteger(const std::string& section, const std::string& key, int value)
{
    writeString(section, key, std::to_string(value));
}

void IniFile::writeString(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string sectionBytes = cp1252::fromUtf8(section);
    const std::string keyBytes = cp1252::fromUtf8(key);
    if (!IniDocument::isStorableSectionName(sectionBytes))
        failWrite("ungültiger Abschnittsname");
    if (!IniDocument::isStorableKeyName(keyBytes))
        failWrite("ungültiger Schlüsselname");
    if (!IniDocument::isStorableValue(value))
        failWrite("Zeilenumbruch im Wert");

    // Starts from the file as it is now, so that keys written by others since the last read are kept.
    IniDocument updated = documentForWrite();
    updated.setValue(sectionBytes, keyBytes, cp1252::fromUtf8(value));
    if (ReplaceFileAtomically(m_path, updated.bytes()))
        failWrite();
    m_stamp = stampOf(m_path);
    keep(std::move(updated));
}

void IniFile::failWrite(std::string_view reason) const
{
    std::string message = FormatMessage("In %s kann nicht geschrieben werden", {m_path});
    if (!reason.empty())
        message += " (" + std::string(reason) + ")";
    throw TavimoroError(message);
}
