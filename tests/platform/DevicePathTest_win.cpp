#include "platform/ComPortNames.h"

#include <gtest/gtest.h>

#include <ostream>

namespace
{

struct PathCase {
    const char* name;
    const char* port;
    const char* expected;

    friend void PrintTo(const PathCase& c, std::ostream* out) { *out << c.name; }
};

// The device namespace opens every COM number; the bare name would not open COM10 and above.
const PathCase kPaths[] = {
    {"LowPort", "COM1", "\\\\.\\COM1"},
    {"HighPort", "COM33", "\\\\.\\COM33"},
    {"LowerCaseName", "com12", "\\\\.\\COM12"},
    {"NoNumber", "COMX", ""},
    {"OtherDevice", "LPT1", ""},
    {"Empty", "", ""},
};

class DevicePathWin : public ::testing::TestWithParam<PathCase>
{
};

TEST_P(DevicePathWin, NamesThePortInTheDeviceNamespace)
{
    EXPECT_EQ(comport::devicePath(GetParam().port), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, DevicePathWin, ::testing::ValuesIn(kPaths),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
