#include "i18n/TranslationData.h"

#include "base/Utf8.h"

#include "base/Cp1252.h"
#include "i18n/TextCase.h"
#include "i18n/TextLines.h"

#include <optional>

namespace
{

constexpr char kStoredCr = '\x19';
constexpr char kStoredLf = '\x1A';

// UTF-16 LE -> 8-bit code page; an odd last byte and unpaired surrogates do not survive.
std::string fromUtf16(std::string_view data)
{
    std::string text;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        char32_t unit = static_cast<unsigned char>(data[i]) | (static_cast<unsigned char>(data[i + 1]) << 8);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < data.size()) {
            const char32_t low =
                static_cast<unsigned char>(data[i + 2]) | (static_cast<unsigned char>(data[i + 3]) << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF)
            unit = '?';
        utf8::append(text, unit);
    }
    return cp1252::fromUtf8(text);
}

std::optional<std::size_t> tableOfLine(std::string_view line)
{
    for (std::size_t i = 0; i < i18n::kStringsTypeNames.size(); ++i) {
        if (i18n::SameAsciiText(line, i18n::kStringsTypeNames[i]))
            return i;
    }
    return std::nullopt;
}

std::string restoreLineBreaks(std::string_view line)
{
    std::string row(line);
    for (char& c : row) {
        if (c == kStoredCr)
            c = '\r';
        else if (c == kStoredLf)
            c = '\n';
    }
    return row;
}

} // namespace

namespace i18n
{

void ReadTranslationData(std::string_view data, std::string_view className, TranslationTables& tables)
{
    std::string converted;
    if (data.size() >= 2 && data[1] == '\0') {
        converted = fromUtf16(data);
        data = converted;
    }
    TranslationTable* current = nullptr;
    bool inSection = false;
    for (const std::string_view line : SplitLines(data)) {
        if (const auto table = tableOfLine(line)) {
            inSection = true;
            current = *table < tables.size() ? &tables[*table] : nullptr;
            if (current)
                current->clear();
            continue;
        }
        if (!inSection || !current || line.empty())
            continue;
        std::string row = restoreLineBreaks(line);
        if (SameAsciiText(RowKey(row), className))
            current->insert(current->begin(), std::move(row));
        else
            current->push_back(std::move(row));
    }
}

std::string WriteTranslationData(const TranslationTables& tables)
{
    std::string out;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        out += kStringsTypeNames[i];
        out += "\r\n";
        for (const auto& row : tables[i]) {
            for (const char c : row)
                out += c == '\r' ? kStoredCr : (c == '\n' ? kStoredLf : c);
            out += "\r\n";
        }
    }
    return out;
}

} // namespace i18n
