#include "platform/SerialOpenHint.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <ostream>

namespace
{

struct HintCase {
    const char* name;
    DWORD error;
    const char* expected;

    friend void PrintTo(const HintCase& hint, std::ostream* out) { *out << hint.name; }
};

const HintCase kHints[] = {
    {"AccessDeniedMeansHeldElsewhere", ERROR_ACCESS_DENIED,
     "Another program is using \\\\.\\COM7. Close that program and try again."},
    {"SharingViolationMeansHeldElsewhere", ERROR_SHARING_VIOLATION,
     "Another program is using \\\\.\\COM7. Close that program and try again."},
    {"MissingPort", ERROR_FILE_NOT_FOUND,
     "The device \\\\.\\COM7 is not there: the interface is unplugged, or its driver is not installed."},
};

class SerialOpenHintWin : public ::testing::TestWithParam<HintCase>
{
};

TEST_P(SerialOpenHintWin, NamesTheCauseAndTheRemedy)
{
    EXPECT_EQ(platform::SerialOpenHint(static_cast<int>(GetParam().error), "\\\\.\\COM7"),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, SerialOpenHintWin, ::testing::ValuesIn(kHints),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(SerialOpenHintWin, OtherErrorsGiveTheSystemsText)
{
    const std::string hint = platform::SerialOpenHint(ERROR_GEN_FAILURE, "\\\\.\\COM7");
    EXPECT_EQ(hint.rfind("\\\\.\\COM7: ", 0), 0u) << hint;
    EXPECT_GT(hint.size(), std::string("\\\\.\\COM7: .").size()) << hint;
    EXPECT_EQ(hint.back(), '.');
    EXPECT_EQ(hint.find('\n'), std::string::npos) << hint;
}

} // namespace
