#pragma once

#include "device/DeviceSettings.h"
#include "device/SettingsField.h"

#include <cstdint>
#include <vector>

// The whole numbers that the block and the text carry, after the settings rules have been applied.
struct EncodedSettings {
    std::uint32_t odo1 = 0;
    std::uint32_t odo2 = 0;
    int wheelSize1 = 0;
    int wheelSize2 = 0;
    int weight = 0;
    int homeAlt = 0;
    int hrUpper = 0;
    int hrLower = 0;
    int clockMinute = 0;
    int clockHour = 0;
    int clockDay = 1;
    int clockMonth = 1;
    int yearOffset = 0; // years since 2000
    int lapMode = 0;
    int lapDistTenths = 0;
    int lapMinutes = 0;
    int lapHours = 0;
    int speedUnit = 0;
    int timeFormat = 0;
    bool pcTime = false;
};

struct NormalisedSettings {
    EncodedSettings values;
    // Fields whose corrected value was written back into the record (the editor shows them).
    std::vector<SettingsField> corrected;
    // Fields sent with a limited value while the record keeps its own.
    std::vector<SettingsField> limited;
};

// Applies the settings rules in their fixed order: the weight limit, the home-altitude range, the two
// heart-rate limits, the clock, the lap distance and the lap hours. Corrections of the altitude, the
// heart-rate limits and the lap distance are written back into settings; the others only limit what is
// sent. Whole numbers are rounded halves to even, the weight halves away from zero. Never fails: every
// value is also brought into the range its bytes can hold.
NormalisedSettings NormaliseSettings(DeviceSettings& settings);
