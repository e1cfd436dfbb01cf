#include "base/IniDocument.h"

#include <gtest/gtest.h>

#include <array>

#include <ostream>

namespace
{

struct SetCase {
    const char* name;
    std::string content;
    std::vector<std::array<const char*, 3>> writes; // section, key, value
    std::string expected;

    friend void PrintTo(const SetCase& c, std::ostream* out) { *out << c.name; }
};

class IniDocumentSetValue : public ::testing::TestWithParam<SetCase>
{
};

// Every lookup of a changed document answers as a fresh read of its bytes would.
void expectSameAsReread(const IniDocument& changed)
{
    const IniDocument reread(changed.bytes());
    ASSERT_EQ(changed.sections(), reread.sections());
    for (const std::string& section : reread.sections()) {
        ASSERT_EQ(changed.keys(section), reread.keys(section)) << section;
        for (const std::string& key : reread.keys(section))
            ASSERT_EQ(changed.value(section, key), reread.value(section, key)) << section << "/" << key;
    }
    ASSERT_EQ(changed.bytes(), reread.bytes());
}

TEST_P(IniDocumentSetValue, ChangesTheLinesAndKeepsTheIndexTrue)
{
    IniDocument document(GetParam().content);
    for (const auto& [section, key, value] : GetParam().writes) {
        document.setValue(section, key, value);
        expectSameAsReread(document);
    }
    EXPECT_EQ(document.bytes(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniDocumentSetValue,
    ::testing::Values(SetCase{"emptyFile", "", {{"MISC", "CPort", "-1"}}, "[MISC]\r\nCPort=-1\r\n"},
                      SetCase{"changesTheFirstOfRepeatedKeysInItsSpelling",
                              "[misc]\nCPORT=3\ncport=4\n",
                              {{"MISC", "CPort", "5"}},
                              "[misc]\r\nCPORT=5\r\ncport=4\r\n"},
                      SetCase{"addsAfterTheLastKeyOfTheFirstSectionOfThatName",
                              "[A]\nx=1\n; note\n[B]\ny=2\n[A]\nz=3\n",
                              {{"A", "w", "4"}, {"B", "v", "5"}, {"a", "x", "6"}},
                              "[A]\r\nx=6\r\nw=4\r\n; note\r\n[B]\r\ny=2\r\nv=5\r\n[A]\r\nz=3\r\n"},
                      SetCase{"addsToASectionWithoutKeys",
                              "[Empty]\n[Next]\nk=1\n",
                              {{"Empty", "a", "1"}, {"Empty", "b", "2"}},
                              "[Empty]\r\na=1\r\nb=2\r\n[Next]\r\nk=1\r\n"},
                      SetCase{"newSectionsGoAtTheEndAfterABlankLine",
                              "[A]\nx=1",
                              {{"B", "y", "2"}, {"C", "z", "3"}, {"B", "y2", "4"}},
                              "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\ny2=4\r\n\r\n[C]\r\nz=3\r\n"},
                      SetCase{"valueWithSurroundingSpacesReadsTrimmed",
                              "[A]\n",
                              {{"A", "k", "  spaced  "}},
                              "[A]\r\nk=  spaced  \r\n"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
