#pragma once

#include "device/DeviceSettings.h"
#include "device/SettingsBlock.h"

#include <string>
#include <vector>

// What a settings block tells the device, read back the way the device reads it.
struct DecodedSettingsBlock {
    // The values; the text-only fields (PCTime, Sex, WeightUnit, TempUnit, SampleRate) keep their defaults.
    DeviceSettings settings;
    // One line for logs: "odo1=12345 odo2=0 wheel1=2096 ... clock=2013-11-28 23:59 lap=auto-distance ...".
    std::string description;
    // What the tool would never send: digits that are no BCD, values out of range, stray flag bits.
    std::vector<std::string> faults;

    bool valid() const { return faults.empty(); }
};

struct DecodedTransferFrame {
    bool commandOk = false;  // byte 0 is the settings command
    bool checksumOk = false; // byte 29 is the sum of bytes 0..28 modulo 256
    DecodedSettingsBlock block;

    bool valid() const { return commandOk && checksumOk && block.valid(); }
};

DecodedSettingsBlock DecodeSettingsBlock(const SettingsBlock& block);
DecodedTransferFrame DecodeTransferFrame(const TransferFrame& frame);
