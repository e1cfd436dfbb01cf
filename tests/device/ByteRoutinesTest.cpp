#include "device/ByteRoutines.h"
#include "device/Rounding.h"

#include <gtest/gtest.h>

namespace
{

struct WordCase {
    int value;
    std::uint8_t hi;
    std::uint8_t lo;
};

class WordSplit : public ::testing::TestWithParam<WordCase>
{
};

TEST_P(WordSplit, NegativeValuesAreTakenModulo65536)
{
    EXPECT_EQ(bytes::HiByte(GetParam().value), GetParam().hi);
    EXPECT_EQ(bytes::LoByte(GetParam().value), GetParam().lo);
}

INSTANTIATE_TEST_SUITE_P(Table, WordSplit,
                         ::testing::Values(WordCase{-381, 0xFE, 0x83}, WordCase{6000, 0x17, 0x70},
                                           WordCase{0, 0, 0}, WordCase{2130, 0x08, 0x52},
                                           WordCase{-1, 0xFF, 0xFF}, WordCase{-32768, 0x80, 0x00},
                                           WordCase{65535, 0xFF, 0xFF}));

TEST(ByteRoutines, SplitLongIsLeastSignificantFirst)
{
    EXPECT_EQ(bytes::SplitLong(99999), (std::array<std::uint8_t, 4>{0x9F, 0x86, 0x01, 0x00}));
    EXPECT_EQ(bytes::SplitLong(0x12345678), (std::array<std::uint8_t, 4>{0x78, 0x56, 0x34, 0x12}));
}

struct BcdCase {
    int value;
    std::uint8_t bcd;
};

class Bcd : public ::testing::TestWithParam<BcdCase>
{
};

TEST_P(Bcd, ReadsDecimalDigitsAsHexAndClampsOutside)
{
    EXPECT_EQ(bytes::ToBcd(GetParam().value), GetParam().bcd);
}

INSTANTIATE_TEST_SUITE_P(Table, Bcd,
                         ::testing::Values(BcdCase{0, 0x00}, BcdCase{9, 0x09}, BcdCase{45, 0x45},
                                           BcdCase{59, 0x59}, BcdCase{99, 0x99}, BcdCase{100, 0x99},
                                           BcdCase{-1, 0x00}));

TEST(ByteRoutines, BcdBackToDecimal)
{
    EXPECT_EQ(bytes::FromBcd(0x45), 45);
    EXPECT_EQ(bytes::FromBcd(0x99), 99);
    EXPECT_EQ(bytes::FromBcd(0x5A), std::nullopt);
    EXPECT_EQ(bytes::FromBcd(0xA0), std::nullopt);
}

TEST(ByteRoutines, BcdDigitsOrSameKeepsValuesWithLetters)
{
    EXPECT_EQ(bytes::BcdDigitsOrSame(0x30), 30);
    EXPECT_EQ(bytes::BcdDigitsOrSame(0x99), 99);
    EXPECT_EQ(bytes::BcdDigitsOrSame(0x00), 0);
    EXPECT_EQ(bytes::BcdDigitsOrSame(0x3A), 0x3A);
    EXPECT_EQ(bytes::BcdDigitsOrSame(0x0C), 0x0C);
    EXPECT_EQ(bytes::BcdDigitsOrSame(0xFF), 0xFF);
}

TEST(ByteRoutines, SetBitIgnoresBitsOutsideTheByte)
{
    std::uint8_t flags = 0;
    bytes::SetBit(flags, 2);
    bytes::SetBit(flags, 5);
    bytes::SetBit(flags, 8);
    bytes::SetBit(flags, -1);
    EXPECT_EQ(flags, 0x24);
}

struct RoundCase {
    double value;
    double halfToEven;
    double halfAway;
};

class Rounding : public ::testing::TestWithParam<RoundCase>
{
};

TEST_P(Rounding, HalvesGoToEvenOrAwayFromZero)
{
    EXPECT_EQ(rounding::HalfToEven(GetParam().value), GetParam().halfToEven);
    EXPECT_EQ(rounding::HalfAwayFromZero(GetParam().value), GetParam().halfAway);
}

INSTANTIATE_TEST_SUITE_P(Table, Rounding,
                         ::testing::Values(RoundCase{2.5, 2, 3}, RoundCase{3.5, 4, 4},
                                           RoundCase{-2.5, -2, -3}, RoundCase{-3.5, -4, -4},
                                           RoundCase{2.4, 2, 2}, RoundCase{2.6, 3, 3}, RoundCase{0.5, 0, 1},
                                           RoundCase{7, 7, 7}));

} // namespace
