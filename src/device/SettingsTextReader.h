#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Walks a settings text field by field.
class SettingsTextReader
{
public:
    explicit SettingsTextReader(std::string text) : m_text(std::move(text)) {}

    // Reads width (1..7) characters at the current position as a hexadecimal number, upper or lower case,
    // and advances by width whatever the outcome. Signed reads the 4 x width bits as two's complement
    // (width 4: 8000..FFFF are negative). Nothing when the text ends inside the field or a character is
    // no hexadecimal digit; the next field is read all the same. Never reads past the end of the text.
    std::optional<int> TakeHexField(int width, bool isSigned = false);

    std::size_t position() const { return m_position; }
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
    std::size_t m_position = 0;
};
