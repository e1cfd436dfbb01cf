#include "platform/SysfsAttribute.h"
#include "SysfsTree.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace
{

struct AttributeCase {
    const char* label;
    std::string bytes;
    std::optional<std::string> expected;
};

void PrintTo(const AttributeCase& c, std::ostream* os)
{
    *os << c.label;
}

class SysfsAttributeBytes : public ::testing::TestWithParam<AttributeCase>
{
};

TEST_P(SysfsAttributeBytes, ReadsCappedAndTrimsOneNewline)
{
    SysfsTree tree;
    tree.writeFile("attr", GetParam().bytes);
    EXPECT_EQ(platform::ReadSysfsAttribute(tree.root() + "/attr"), GetParam().expected);
}

const std::string kLong(10000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Table, SysfsAttributeBytes,
    ::testing::Values(AttributeCase{"plain", "10c4\n", "10c4"}, AttributeCase{"noNewline", "10c4", "10c4"},
                      AttributeCase{"twoNewlines", "0001\n\n", "0001\n"},
                      AttributeCase{"carriageReturn", "0001\r\n", "0001\r"}, AttributeCase{"empty", "", ""},
                      AttributeCase{"embeddedNul",
                                    std::string("00\0"
                                                "01\n",
                                                6),
                                    std::string("00\0"
                                                "01",
                                                5)},
                      AttributeCase{"highBytes", "\xff\xfe\x80\n", "\xff\xfe\x80"},
                      AttributeCase{"overCap", kLong, std::string(platform::kSysfsAttributeCap, 'x')}),
    [](const auto& row) { return std::string(row.param.label); });

TEST(SysfsAttribute, MissingFolderAndFifoGiveNoValueOrEmptyWithoutHanging)
{
    SysfsTree tree;
    EXPECT_EQ(platform::ReadSysfsAttribute(tree.root() + "/missing"), std::nullopt);
    EXPECT_EQ(platform::ReadSysfsAttribute(tree.root() + "/class"), std::nullopt);
    const std::string fifo = tree.scratch() + "/fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(platform::ReadSysfsAttribute(fifo), std::string());
}

} // namespace
