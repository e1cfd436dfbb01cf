#include "i18n/MessageTexts.h"
#include "platform/SerialOpenHint.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <ostream>

namespace
{

using Cause = SerialOpenFacts::Cause;

const std::string kPort = "\\\\.\\COM7";

struct CauseCase {
    const char* name;
    DWORD error;
    Cause cause;

    friend void PrintTo(const CauseCase& c, std::ostream* out) { *out << c.name; }
};

const CauseCase kCauses[] = {
    {"AccessDeniedMeansHeldElsewhere", ERROR_ACCESS_DENIED, Cause::Busy},
    {"SharingViolationMeansHeldElsewhere", ERROR_SHARING_VIOLATION, Cause::Busy},
    {"NoSuchPort", ERROR_FILE_NOT_FOUND, Cause::Missing},
    {"NoSuchDevice", ERROR_DEV_NOT_EXIST, Cause::Missing},
    {"AnythingElse", ERROR_GEN_FAILURE, Cause::Other},
};

class SerialOpenFailureWin : public ::testing::TestWithParam<CauseCase>
{
protected:
    void TearDown() override { MessageTexts::setLanguage({}); }
};

TEST_P(SerialOpenFailureWin, NamesTheCause)
{
    const SerialOpenFacts facts =
        platform::ExamineSerialOpenFailure(static_cast<int>(GetParam().error), kPort);
    EXPECT_EQ(facts.cause, GetParam().cause);
    EXPECT_EQ(facts.devicePath, kPort);
    EXPECT_EQ(facts.holderProcess, 0);
    EXPECT_FALSE(facts.bridgePlugged);
    // Only an unknown failure carries the system's text, in one line.
    EXPECT_EQ(facts.errorText.empty(), GetParam().cause != Cause::Other) << facts.errorText;
    EXPECT_EQ(facts.errorText.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Table, SerialOpenFailureWin, ::testing::ValuesIn(kCauses),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(SerialOpenFailureWin, HintFollowsTheActiveLanguage)
{
    MessageTexts::setLanguage("English");
    EXPECT_EQ(platform::SerialOpenHint(ERROR_ACCESS_DENIED, kPort),
              "Another program is using " + kPort + ". Close that program and try again.");
    EXPECT_EQ(platform::SerialOpenHint(ERROR_GEN_FAILURE, kPort).rfind(kPort + ": ", 0), 0u);
    MessageTexts::setLanguage("German");
    EXPECT_EQ(platform::SerialOpenHint(ERROR_ACCESS_DENIED, kPort)
                  .rfind("Ein anderes Programm verwendet " + kPort, 0),
              0u);
}

} // namespace
