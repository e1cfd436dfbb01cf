#include "device/SettingsEncoder.h"

#include "base/Error.h"
#include "device/ByteRoutines.h"

namespace
{

constexpr char kHexDigits[] = "0123456789ABCDEF";

} // namespace

void SettingsEncoder::AddToChecksum(std::uint8_t b)
{
    m_checksum = static_cast<std::uint8_t>(m_checksum + b);
    m_count = static_cast<std::uint16_t>(m_count + 1);
}

void SettingsEncoder::storeByte(std::uint8_t b)
{
    if (m_count < m_block.size())
        m_block[m_count] = b;
    AddToChecksum(b);
}

void SettingsEncoder::appendText(unsigned value, int width)
{
    for (int shift = (width - 1) * 4; shift >= 0; shift -= 4)
        m_text += kHexDigits[(value >> shift) & 0x0F];
}

NormalisedSettings SettingsEncoder::BuildSettingsData(DeviceSettings& settings)
{
    m_block.fill(0);
    m_checksum = 0;
    m_count = 0;
    m_text.clear();
    m_frame.reset();

    NormalisedSettings normalised = NormaliseSettings(settings);
    const EncodedSettings& v = normalised.values;

    for (const std::uint32_t odo : {v.odo1, v.odo2}) {
        const auto parts = bytes::SplitLong(odo);
        storeByte(parts[0]);
        storeByte(parts[1]);
        storeByte(parts[2]);
        appendText(odo, 6);
    }
    for (const int word : {v.wheelSize1, v.wheelSize2, v.weight, v.homeAlt}) {
        storeByte(bytes::LoByte(word));
        storeByte(bytes::HiByte(word));
        appendText(static_cast<unsigned>(word) & 0xFFFF, 4);
    }
    storeByte(static_cast<std::uint8_t>(v.hrUpper));
    appendText(static_cast<unsigned>(v.hrUpper), 2);
    storeByte(static_cast<std::uint8_t>(v.hrLower));
    appendText(static_cast<unsigned>(v.hrLower), 2);

    // The clock goes to the device only; minute before hour, the month plain, the rest BCD.
    storeByte(bytes::ToBcd(v.clockMinute));
    storeByte(bytes::ToBcd(v.clockHour));
    storeByte(bytes::ToBcd(v.clockDay));
    storeByte(static_cast<std::uint8_t>(v.clockMonth));
    storeByte(bytes::ToBcd(v.yearOffset));

    storeByte(static_cast<std::uint8_t>(v.lapMode));
    appendText(static_cast<unsigned>(v.lapMode), 2);
    storeByte(bytes::LoByte(v.lapDistTenths));
    storeByte(bytes::HiByte(v.lapDistTenths));
    appendText(static_cast<unsigned>(v.lapDistTenths), 4);
    const std::uint8_t lapMinutes = bytes::ToBcd(v.lapMinutes);
    storeByte(lapMinutes);
    appendText(lapMinutes, 2);
    storeByte(static_cast<std::uint8_t>(v.lapHours));
    appendText(static_cast<unsigned>(v.lapHours), 2);

    std::uint8_t flags = 0;
    if (v.speedUnit == 1)
        bytes::SetBit(flags, kFlagBitMiles);
    if (v.timeFormat == 0)
        bytes::SetBit(flags, kFlagBit24Hours);
    storeByte(flags);
    appendText(flags, 2);
    appendText(v.pcTime ? 1 : 0, 2);

    storeByte(0); // reserved
    m_built = true;
    return normalised;
}

TransferFrame SettingsEncoder::AssembleTransferFrame()
{
    if (!m_built)
        throw TavimoroError("No settings have been prepared for the transfer.");
    // Adding the command byte twice would spoil the checksum, so a frame is assembled once per build.
    if (!m_frame) {
        TransferFrame frame{};
        frame[0] = kSettingsCommand;
        AddToChecksum(kSettingsCommand);
        std::copy(m_block.begin(), m_block.end(), frame.begin() + 1);
        frame[29] = m_checksum;
        m_frame = frame;
    }
    return *m_frame;
}
