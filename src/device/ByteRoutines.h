#pragma once

#include <array>
#include <cstdint>
#include <optional>

// The byte routines of the settings block and its text form.
namespace bytes
{

// The high and low byte of a 16-bit value; a negative value is first taken modulo 65536.
std::uint8_t HiByte(int value);
std::uint8_t LoByte(int value);

// The four bytes of a 32-bit value, least significant first.
std::array<std::uint8_t, 4> SplitLong(std::uint32_t value);

// 0..99 as two decimal digits in one byte (45 -> 0x45); values outside are clamped to 0..99 first.
std::uint8_t ToBcd(int value);

// A BCD byte back to 0..99; nothing when a nibble is no decimal digit.
std::optional<int> FromBcd(std::uint8_t bcd);

// A number whose hexadecimal digits are read as decimal ones (0x30 -> 30); a number whose hexadecimal
// form holds a letter is returned unchanged (0x3A -> 58).
int BcdDigitsOrSame(int value);

// Sets bit 0..7 of a flags byte.
void SetBit(std::uint8_t& flags, int bit);

} // namespace bytes
