#include "device/ByteRoutines.h"

#include <algorithm>

namespace bytes
{

std::uint8_t HiByte(int value)
{
    return static_cast<std::uint8_t>((static_cast<unsigned>(value) >> 8) & 0xFF);
}

std::uint8_t LoByte(int value)
{
    return static_cast<std::uint8_t>(static_cast<unsigned>(value) & 0xFF);
}

std::array<std::uint8_t, 4> SplitLong(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
            static_cast<std::uint8_t>((value >> 16) & 0xFF), static_cast<std::uint8_t>((value >> 24) & 0xFF)};
}

std::uint8_t ToBcd(int value)
{
    const int clamped = std::clamp(value, 0, 99);
    return static_cast<std::uint8_t>((clamped / 10) << 4 | (clamped % 10));
}

std::optional<int> FromBcd(std::uint8_t bcd)
{
    const int tens = bcd >> 4;
    const int units = bcd & 0x0F;
    if (tens > 9 || units > 9)
        return std::nullopt;
    return tens * 10 + units;
}

int BcdDigitsOrSame(int value)
{
    if (value < 0)
        return value;
    int decimal = 0;
    int scale = 1;
    for (int rest = value; rest > 0; rest >>= 4) {
        const int digit = rest & 0x0F;
        if (digit > 9)
            return value;
        decimal += digit * scale;
        scale *= 10;
    }
    return decimal;
}

void SetBit(std::uint8_t& flags, int bit)
{
    if (bit >= 0 && bit < 8)
        flags = static_cast<std::uint8_t>(flags | (1u << bit));
}

} // namespace bytes
