#include "model/Constants.h"
#include "model/Kanten.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>

namespace fup {
namespace {

struct Entry {
    std::uint8_t displayType;
    const char* text;
    TimeBase base;
    std::int32_t value;
    const char* shown; // the text the stored word is shown as
};

constexpr TimeBase NoTime{};
constexpr TimeBase Tq810{100.0, 0};  // 100 ms cycle, count in the lower half
constexpr TimeBase Serial{100.0, 3}; // count in the upper 16 bits
constexpr TimeBase Windows{100.0, 9};

std::int32_t floatBits(float f)
{
    return std::bit_cast<std::int32_t>(f);
}

class AcceptedConstant : public ::testing::TestWithParam<Entry> {};

TEST_P(AcceptedConstant, IsStoredAndShownAsItsDisplayTypeSays)
{
    const Entry& e = GetParam();
    const ConstantEntry entry = parseConstant(e.displayType, e.text, e.base);
    ASSERT_TRUE(entry.ok) << entry.message;
    EXPECT_EQ(entry.value, e.value);
    EXPECT_TRUE(entry.message.empty());
    EXPECT_EQ(valueText(e.displayType, entry.value, e.base), e.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AcceptedConstant,
    ::testing::Values(
        // fixed point: round(v * 2^31), limited to 32 bits
        Entry{dt::Fixed, "0.5", NoTime, 1073741824, "0.50000000"},
        Entry{dt::Fixed, "-1", NoTime, INT_MIN, "-1.00000000"},
        Entry{dt::Fixed, "1", NoTime, INT_MAX, "1.00000000"},
        Entry{dt::Fixed, "7.5", NoTime, INT_MAX, "1.00000000"},
        Entry{dt::Fixed, "-3", NoTime, INT_MIN, "-1.00000000"},
        Entry{dt::Fixed, " +0.25 ", NoTime, 536870912, "0.25000000"},
        Entry{dt::Fixed, ".125", NoTime, 268435456, "0.12500000"},
        // angles: normalised into [-180, 180), then a fraction of 180 degrees
        Entry{dt::Angle, "270", NoTime, -1073741824, "-90.0000 \xC2\xB0"},
        Entry{dt::Angle, "90", NoTime, 1073741824, "90.0000 \xC2\xB0"},
        Entry{dt::Angle, "180", NoTime, INT_MIN, "-180.0000 \xC2\xB0"},
        Entry{dt::Angle, "-180", NoTime, INT_MIN, "-180.0000 \xC2\xB0"},
        Entry{dt::Angle, "-450", NoTime, -1073741824, "-90.0000 \xC2\xB0"},
        Entry{dt::Angle, "1000", NoTime, -(INT_MAX / 9 * 4 + 1), "-80.0000 \xC2\xB0"},
        Entry{dt::Angle, "45 \xC2\xB0", NoTime, 536870912, "45.0000 \xC2\xB0"}, // a shown text re-entered
        // integers
        Entry{dt::Decimal, "-5", NoTime, -5, " -5"},
        Entry{dt::Decimal, "2147483647", NoTime, INT_MAX, " 2147483647"},
        Entry{dt::Decimal, "$ff", NoTime, 255, " 255"}, Entry{dt::Hex, "$FFFFFFFF", NoTime, -1, "$FFFFFFFF"},
        Entry{dt::Hex, "$1a2B", NoTime, 0x1A2B, "$00001A2B"},
        Entry{dt::Hex, "4096", NoTime, 4096, "$00001000"},
        // times: whole cycles; targets 1..8 keep the count in the upper 16 bits
        Entry{dt::Time, "2.5", Tq810, 25, "2.50 sec"}, Entry{dt::Time, "2.5", Serial, 25 * 65536, "2.50 sec"},
        Entry{dt::Time, "2.5", Windows, 25, "2.50 sec"}, Entry{dt::Time, "0.04", Tq810, 0, "0.00 sec"},
        Entry{dt::Time, "0.06", Tq810, 1, "0.10 sec"}, Entry{dt::Time, "-3", Windows, 0, "0.00 sec"},
        Entry{dt::Time, "6553.5", Serial, static_cast<std::int32_t>(0xFFFF0000U), "6553.50 sec"},
        Entry{dt::Time, "1e12", Windows, INT_MAX, "214748364.70 sec"},
        // floating point: the single's bits, shown with 7 significant digits
        Entry{dt::Float, "1.5", NoTime, floatBits(1.5F), "1.5"},
        Entry{dt::Float, "-0.1", NoTime, floatBits(-0.1F), "-0.1"}, Entry{dt::Float, "0", NoTime, 0, "0"},
        Entry{dt::Float, "1234567", NoTime, floatBits(1234567.0F), "1234567"},
        Entry{dt::Float, "12345678", NoTime, floatBits(12345678.0F), "1.234568E007"},
        Entry{dt::Float, "0.0000999999995", NoTime, floatBits(0.0000999999995F), "0.0001"},
        Entry{dt::Float, "0.0001", NoTime, floatBits(0.0001F), "0.0001"},
        Entry{dt::Float, "0.00001", NoTime, floatBits(0.00001F), "1E-005"},
        Entry{dt::Float, "-2.5e-20", NoTime, floatBits(-2.5e-20F), "-2.5E-020"},
        // digital
        Entry{dt::Value, "TRUE", NoTime, 1, " true"}, Entry{dt::Value, "false", NoTime, 0, " false"},
        Entry{dt::Value, " 1 ", NoTime, 1, " true"}));

struct Refusal {
    std::uint8_t displayType;
    const char* text;
    TimeBase base;
    const char* message;
};

class RefusedConstant : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedConstant, CarriesItsMessage)
{
    const Refusal& r = GetParam();
    const ConstantEntry entry = parseConstant(r.displayType, r.text, r.base);
    EXPECT_FALSE(entry.ok);
    EXPECT_EQ(entry.value, 0);
    EXPECT_EQ(entry.message, r.message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedConstant,
    ::testing::Values(Refusal{dt::Fixed, "abc", NoTime, "ungueltiger Wert :abc"},
                      Refusal{dt::Fixed, "", NoTime, "ungueltiger Wert :"},
                      Refusal{dt::Fixed, "0,5", NoTime, "ungueltiger Wert :0,5"},
                      Refusal{dt::Fixed, "nan", NoTime, "ungueltiger Wert :nan"},
                      Refusal{dt::Fixed, "inf", NoTime, "ungueltiger Wert :inf"},
                      Refusal{dt::Fixed, "1e999", NoTime, "ungueltiger Wert :1e999"},
                      Refusal{dt::Fixed, "0.5x", NoTime, "ungueltiger Wert :0.5x"},
                      Refusal{dt::Angle, "1000.5", NoTime, "Bitte Winkel<1000 Grad eingeben"},
                      Refusal{dt::Angle, "-1001", NoTime, "Bitte Winkel<1000 Grad eingeben"},
                      Refusal{dt::Angle, "\xC2\xB0", NoTime, "ungueltiger Wert :\xC2\xB0"},
                      Refusal{dt::Decimal, "2147483648", NoTime, "ungueltiger Wert :2147483648"},
                      Refusal{dt::Decimal, "12a", NoTime, "ungueltiger Wert :12a"},
                      Refusal{dt::Decimal, "1.5", NoTime, "ungueltiger Wert :1.5"},
                      Refusal{dt::Hex, "$123456789", NoTime, "ungueltiger Wert :$123456789"},
                      Refusal{dt::Hex, "$", NoTime, "ungueltiger Wert :$"},
                      Refusal{dt::Hex, "$-1", NoTime, "ungueltiger Wert :$-1"},
                      Refusal{dt::Time, "zwei", Tq810, "ungueltiger Wert :zwei"},
                      Refusal{dt::Time, "6553.6", Serial, "6553.6 :  Zeit zu gross (max. 65535 Zyklen)"},
                      Refusal{dt::Time, "1", NoTime, "Zykluszeit fehlt: Zeit-Konstante nicht moeglich"},
                      Refusal{dt::Float, "abc", NoTime, "abc :  ungültige Gleitpunktzahl"},
                      Refusal{dt::Float, "1e39", NoTime, "1e39 :  ungültige Gleitpunktzahl"},
                      Refusal{dt::Value, "ja", NoTime, "ungueltiger Wert :ja"},
                      Refusal{dt::VarName, "1", NoTime, "ungueltiger Wert :1"}));

TEST(ValueText, ShowsWhatNoConstantCanHold)
{
    EXPECT_EQ(valueText(dt::VarName, 42, NoTime), "    ");
    EXPECT_EQ(valueText(9, 42, NoTime), "?-Format-?");
    // Digital words count by their lowest byte only.
    EXPECT_EQ(valueText(dt::Value, 0x101, NoTime), " true");
    EXPECT_EQ(valueText(dt::Value, 2, NoTime), " false");
    EXPECT_EQ(floatText(std::bit_cast<std::int32_t>(0x7FC00000U)), "NAN");
    EXPECT_EQ(floatText(std::bit_cast<std::int32_t>(0xFF800000U)), "-INF");
}

TEST(ValueText, TimeWordsAreReadWhereTheTargetKeepsTheCount)
{
    // Target 0 reads the lower half unsigned, targets 1..8 the upper half unsigned.
    EXPECT_EQ(timeCountOf(static_cast<std::int32_t>(0xFFFF0003U), 0), 3);
    EXPECT_EQ(timeCountOf(static_cast<std::int32_t>(0xFFFF0003U), 5), 0xFFFF);
    EXPECT_EQ(timeCountOf(-7, 10), -7);
    EXPECT_EQ(valueText(dt::Time, 3 << 16, TimeBase{20.0, 1}), "0.06 sec");
}

TEST(VariableNames, TwelveCharactersWithoutBlanks)
{
    EXPECT_EQ(variableNameRefusal("ABCDEFGHIJKL"), std::nullopt);
    EXPECT_EQ(variableNameRefusal("ABCDEFGHIJKLM"), "Name zu lang: ABCDEFGHIJKLM");
    EXPECT_EQ(variableNameRefusal("A B"), "Name enthaelt Blank: A B");
    EXPECT_EQ(variableNameRefusal("A\tB"), "Name enthaelt Blank: A\tB");
    // Characters, not bytes: twelve umlauts are twenty-four bytes.
    EXPECT_EQ(
        variableNameRefusal("\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84"
                            "\xC3\x84\xC3\x84"),
        std::nullopt);
}

TEST(VariableNames, LabelsAndNameClasses)
{
    EXPECT_EQ(variableLabelText("x"), " x ");
    EXPECT_EQ(variableLabelText("ab"), " ab ");
    EXPECT_EQ(variableLabelText("abc"), "abc");
    EXPECT_TRUE(isTemporaryName("_t1"));
    EXPECT_FALSE(isTemporaryName("t_1"));
    EXPECT_TRUE(mayBeDefinedTwice("NIL_A"));
    EXPECT_TRUE(mayBeDefinedTwice("nil_a"));
    EXPECT_FALSE(mayBeDefinedTwice("NIL"));
    EXPECT_FALSE(mayBeDefinedTwice("NILA"));
}

} // namespace
} // namespace fup
