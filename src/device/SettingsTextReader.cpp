#include "device/SettingsTextReader.h"

namespace
{

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::optional<int> SettingsTextReader::TakeHexField(int width, bool isSigned)
{
    if (width <= 0)
        return std::nullopt;
    const std::size_t start = m_position;
    const auto length = static_cast<std::size_t>(width);
    m_position += length;
    if (width > 7 || start > m_text.size() || m_text.size() - start < length)
        return std::nullopt;
    int value = 0;
    for (std::size_t i = start; i < start + length; ++i) {
        const int digit = hexDigit(m_text[i]);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
    }
    const int bits = 4 * width;
    if (isSigned && value >= (1 << (bits - 1)))
        value -= 1 << bits;
    return value;
}
