#pragma once

#include "device/DeviceSettings.h"
#include "device/SettingsBlock.h"
#include "device/SettingsNormaliser.h"

#include <cstdint>
#include <optional>
#include <string>

// Turns a DeviceSettings record into the settings block, its running checksum and its text form, and
// the block into the frame that carries it to the device.
class SettingsEncoder
{
public:
    // Normalises settings (writing the corrections back into it), then builds the block, the checksum,
    // the count and the settings text in one pass. Returns which fields were corrected or limited.
    NormalisedSettings BuildSettingsData(DeviceSettings& settings);

    // Adds b to the checksum with 8-bit wrap-around and counts it.
    void AddToChecksum(std::uint8_t b);

    // The frame of the last build: the command byte, the block and a checksum over both. The first call
    // after a build adds the command byte to the running checksum; later calls return the same frame
    // and change nothing. Raises TavimoroError when nothing has been built yet.
    TransferFrame AssembleTransferFrame();

    const SettingsBlock& block() const { return m_block; }
    std::uint8_t checksum() const { return m_checksum; }
    std::uint16_t count() const { return m_count; }
    const std::string& settingsText() const { return m_text; }

private:
    void storeByte(std::uint8_t b);
    void appendText(unsigned value, int width);

    SettingsBlock m_block{};
    std::uint8_t m_checksum = 0;
    std::uint16_t m_count = 0;
    std::string m_text;
    bool m_built = false;
    std::optional<TransferFrame> m_frame;
};
