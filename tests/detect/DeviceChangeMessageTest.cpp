#include "detect/DeviceChangeMessage.h"

#include <gtest/gtest.h>

#include <ostream>

namespace
{

struct MessageCase {
    const char* name;
    unsigned message;
    std::uintptr_t wParam;
    bool handled;
    int eventCode;

    friend void PrintTo(const MessageCase& c, std::ostream* out) { *out << c.name; }
};

const MessageCase kMessages[] = {
    {"Arrival", 0x0219, 0x8000, true, 0x8000},
    {"CompleteRemoval", 0x0219, 0x8004, true, 0x8004},
    {"NodesChangedIsAnsweredOnly", 0x0219, 0x0007, true, 0},
    {"QueryRemoveIsAnsweredOnly", 0x0219, 0x8001, true, 0},
    {"RemovePendingIsAnsweredOnly", 0x0219, 0x8003, true, 0},
    {"OtherMessagePassesOn", 0x0010, 0x8000, false, 0},
};

class DeviceChangeMessage : public ::testing::TestWithParam<MessageCase>
{
};

TEST_P(DeviceChangeMessage, AnswersTrueAndReactsToArrivalAndRemoval)
{
    const MessageCase& c = GetParam();
    const devicechange::Answer answer = devicechange::AnswerWindowMessage(c.message, c.wParam);
    EXPECT_EQ(answer.handled, c.handled);
    EXPECT_EQ(answer.result, c.handled ? 1 : 0);
    EXPECT_EQ(answer.eventCode, c.eventCode);
}

INSTANTIATE_TEST_SUITE_P(Table, DeviceChangeMessage, ::testing::ValuesIn(kMessages),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
