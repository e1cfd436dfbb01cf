#include "platform/SerialOpenHint.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <grp.h>
#include <ostream>
#include <unistd.h>

namespace
{

struct HintCase {
    const char* name;
    int error;
    const char* expected; // %P: the path, %G: the group that owns it

    friend void PrintTo(const HintCase& hint, std::ostream* out) { *out << hint.name; }
};

class SerialOpenHintTest : public ::testing::TestWithParam<HintCase>
{
protected:
    void SetUp() override
    {
        m_path = (std::filesystem::temp_directory_path() / ("hint-" + std::to_string(::getpid()))).string();
        std::FILE* file = std::fopen(m_path.c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fclose(file);
        const group* entry = ::getgrgid(::getegid());
        m_group = entry ? entry->gr_name : std::to_string(::getegid());
    }
    void TearDown() override { std::filesystem::remove(m_path); }

    std::string expand(std::string text) const
    {
        for (const auto& [mark, value] :
             {std::pair{std::string("%P"), m_path}, std::pair{std::string("%G"), m_group}})
            for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark))
                text.replace(at, mark.size(), value);
        return text;
    }

    std::string m_path;
    std::string m_group;
};

TEST_P(SerialOpenHintTest, SaysWhatTheFailureMeansAndWhatToDo)
{
    EXPECT_EQ(platform::SerialOpenHint(GetParam().error, m_path), expand(GetParam().expected));
}

constexpr const char* kAccess =
    "Access to %P is denied: it belongs to the group '%G'. Add your user to that group "
    "(sudo usermod -aG %G $USER) and log in again, or install the udev rule "
    "70-tavimoro-interface.rules and plug the interface in again.";
constexpr const char* kBusy = "Another program is using %P. Close that program and try again.";
constexpr const char* kMissing =
    "The device %P is not there: the interface is unplugged, or another driver has claimed it.";

INSTANTIATE_TEST_SUITE_P(Errors, SerialOpenHintTest,
                         ::testing::Values(HintCase{"access", EACCES, kAccess},
                                           HintCase{"perm", EPERM, kAccess}, HintCase{"busy", EBUSY, kBusy},
                                           HintCase{"locked", EWOULDBLOCK, kBusy},
                                           HintCase{"missing", ENOENT, kMissing},
                                           HintCase{"nodevice", ENODEV, kMissing},
                                           HintCase{"noaddress", ENXIO, kMissing},
                                           HintCase{"other", EIO, "%P: Input/output error."}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(SerialOpenHint, NamesTheUsualGroupWhenTheNodeCannotBeExamined)
{
    EXPECT_NE(platform::SerialOpenHint(EACCES, "/nonexistent/ttyUSB9").find("group 'dialout'"),
              std::string::npos);
}

} // namespace
