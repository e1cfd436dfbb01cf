#pragma once

// A time of day or a duration of whole hours, minutes and seconds.
struct ClockTimeOfDay {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    bool operator==(const ClockTimeOfDay&) const = default;
};

// A calendar date.
struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
    bool operator==(const CalendarDate&) const = default;
};

// Everything the tool configures on the device, plus PCTime and four values that only settings files carry.
// Numbers are doubles because the editor may hand over fractions, which the encoder rounds by fixed rules.
struct DeviceSettings {
    double Odo1 = 0;          // odometer of bike 1, whole distance units
    double Odo2 = 0;          // odometer of bike 2
    double WheelSize1 = 2130; // wheel circumference of bike 1, mm
    double WheelSize2 = 2048; // wheel circumference of bike 2, mm
    double Weight = 80;       // user's weight
    double HomeAlt = 0;       // home altitude, m
    double HRUpper = 150;     // upper heart-rate limit, beats per minute
    double HRLower = 130;     // lower heart-rate limit, beats per minute
    ClockTimeOfDay ClockTime; // the window sets both to the PC clock at start-up
    CalendarDate ClockDate;
    int LapMode = 0;                 // 0 manual, 1 auto distance, 2 auto time
    double LapDist = 2.0;            // distance of an automatic lap
    ClockTimeOfDay LapTime{2, 0, 0}; // time of an automatic lap
    int SpeedUnit = 0;               // 0 km/h, 1 miles
    int TimeFormat = 0;              // 0 24-hour clock, 1 12-hour clock
    bool PCTime = true;              // the clock follows the PC clock; never sent to the device
    int Sex = 0;                     // 0 male, 1 female; only read from settings texts
    int WeightUnit = 0;              // 0 kg, 1 lb; only read from settings texts
    int TempUnit = 0;                // 0 degrees Celsius, 1 Fahrenheit; only read from settings texts
    int SampleRate = 2;              // 0 5 s, 1 10 s, 2 20 s; only read from settings texts

    bool operator==(const DeviceSettings&) const = default;
};

// The lap modes of LapMode.
enum LapModes { kLapManual = 0, kLapAutoDistance = 1, kLapAutoTime = 2 };
