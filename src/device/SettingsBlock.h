#pragma once

#include <array>
#include <cstdint>

// The byte image of the settings, as the device stores it.
using SettingsBlock = std::array<std::uint8_t, 28>;
// The command byte, the block and the checksum, as sent.
using TransferFrame = std::array<std::uint8_t, 30>;

inline constexpr std::uint8_t kSettingsCommand = 0x0C;
// The device's answer to an accepted frame: the command byte with its top bit set.
inline constexpr std::uint8_t kSettingsAcknowledge = 0x8C;

// Flag bits of the block's flags byte (offset 26) and of the text's flags field.
inline constexpr int kFlagBitMiles = 2;
inline constexpr int kFlagBit24Hours = 5;

// The length of the settings text as written.
inline constexpr std::size_t kSettingsTextLength = 46;
