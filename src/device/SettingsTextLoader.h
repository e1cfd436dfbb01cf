#pragma once

#include "device/SettingsSink.h"

#include <string>

// Reads the fields of a settings text in order and hands each value to sink as soon as it is read.
// An empty text changes nothing (returns false). A field that is missing from a short text or holds a
// character that is no hexadecimal digit is skipped and its value stays as it was; the other fields
// still load. Weights above 485 load as 485; a lap time that is no time of day loads as 2:00; a lap mode
// above 2 loads as manual laps. The flags switch units only one way: they never set km/h, kg, degrees
// Celsius or the 24-hour clock.
bool LoadSettingsText(const std::string& text, SettingsSink& sink);
