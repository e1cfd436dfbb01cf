#include "i18n/CommaText.h"

namespace
{

// Spaces and control characters separate unquoted items; a NUL ends the text.
bool isBlank(char c)
{
    return c != '\0' && static_cast<unsigned char>(c) <= ' ';
}

bool endsItem(char c)
{
    return static_cast<unsigned char>(c) <= ' ' || c == ',';
}

std::string quotedItem(std::string_view text, std::size_t& pos)
{
    std::string item;
    ++pos;
    while (pos < text.size() && text[pos] != '\0') {
        if (text[pos] == '"') {
            if (pos + 1 < text.size() && text[pos + 1] == '"') {
                item += '"';
                pos += 2;
                continue;
            }
            ++pos;
            return item;
        }
        item += text[pos++];
    }
    return item;
}

} // namespace

namespace i18n
{

std::vector<std::string> ParseCommaText(std::string_view text)
{
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    std::vector<std::string> items;
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    while (pos < text.size()) {
        if (text[pos] == '"') {
            items.push_back(quotedItem(text, pos));
        } else {
            const std::size_t start = pos;
            while (pos < text.size() && !endsItem(text[pos]))
                ++pos;
            items.emplace_back(text.substr(start, pos - start));
        }
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
        if (pos < text.size() && text[pos] == ',') {
            if (pos + 1 == text.size())
                items.emplace_back();
            do {
                ++pos;
            } while (pos < text.size() && isBlank(text[pos]));
        }
    }
    return items;
}

std::string ComposeCommaText(const std::vector<std::string>& items)
{
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += ',';
        const std::string& item = items[i];
        bool quote = item.empty();
        for (const char c : item)
            quote = quote || endsItem(c) || c == '"';
        if (!quote) {
            out += item;
            continue;
        }
        out += '"';
        for (const char c : item) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    return out;
}

} // namespace i18n
