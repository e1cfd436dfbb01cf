#include "device/DeviceSettingsSink.h"
#include "device/SettingsBlockDecoder.h"
#include "device/SettingsEncoder.h"
#include "device/SettingsTextLoader.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Any text loads into a record whose encoding keeps every field at its width; any 28 bytes decode.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    DeviceSettings settings;
    DeviceSettingsSink sink(settings);
    LoadSettingsText(text, sink);
    SettingsEncoder encoder;
    encoder.BuildSettingsData(settings);
    if (encoder.settingsText().size() != kSettingsTextLength)
        __builtin_trap();
    SettingsBlock block{};
    for (std::size_t i = 0; i < block.size() && i < size; ++i)
        block[i] = data[i];
    DecodeSettingsBlock(block);
    return 0;
}
