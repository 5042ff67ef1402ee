#include "codegen/Targets.h"

#include "model/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fup {
namespace {

TEST(Targets, NamesAsTheProjectPanelShowsThem)
{
    const std::vector<std::string> names{"TQ810",  "LVB300",      "PDN-01", "PDN-02",  "X-LVB300", "LVB312",
                                         "HMR70x", "HMR-Gateway", "FELNA",  "WINDOWS", "BACHMANN"};
    for (int code = 0; code <= 10; ++code)
        EXPECT_EQ(targetName(code), names[static_cast<std::size_t>(code)]);
    for (int code : {-1, -2, 11, 1000})
        EXPECT_EQ(targetName(code), "???") << code;
}

TEST(Targets, OnlineFamilyByCode)
{
    EXPECT_EQ(findTarget(0)->online, OnlineFamily::Tcp);
    for (int code = 1; code <= 8; ++code)
        EXPECT_EQ(findTarget(code)->online, OnlineFamily::Serial) << code;
    EXPECT_EQ(findTarget(9)->online, OnlineFamily::Udp);
    EXPECT_EQ(findTarget(10)->online, OnlineFamily::Udp);
    EXPECT_EQ(findTarget(-1), nullptr);
    EXPECT_EQ(findTarget(11), nullptr);
}

TEST(Targets, SelectionSetsRangesAndLimits)
{
    struct Case {
        int code;
        const char* minText;
        const char* maxText;
        const char* rangeText;
        std::int64_t timeLimit;
        double displayFactor;
    };
    for (const Case& c : {Case{0, "2048", "29999", "2048..29999", 0xFFFE, 10.0},
                          Case{2, "200", "2009", "200..2009", 0xFFFE, 12.5},
                          Case{3, "512", "4011", "512..4011", 0xFFFE, 12.5},
                          Case{8, "512", "4011", "512..4011", 0xFFFE, 12.5},
                          Case{9, "2048", "29999", "2048..29999", 0x3FFFFFFF, 9.0},
                          Case{10, "2048", "29999", "2048..29999", 0x3FFFFFFF, 9.0}}) {
        TargetSelection selection;
        selection.select(c.code);
        EXPECT_EQ(selection.code, c.code);
        EXPECT_EQ(selection.registers.minText, c.minText) << c.code;
        EXPECT_EQ(selection.registers.maxText, c.maxText) << c.code;
        EXPECT_EQ(selection.registers.text, c.rangeText) << c.code;
        EXPECT_EQ(selection.registers.min, std::stoi(c.minText));
        EXPECT_EQ(selection.registers.max, std::stoi(c.maxText));
        EXPECT_EQ(selection.timeLimit, c.timeLimit) << c.code;
        EXPECT_EQ(findTarget(c.code)->displayFactor, c.displayFactor) << c.code;
        EXPECT_EQ(selection.menuTarget, c.code);
    }
}

TEST(Targets, UndefinedSelectionKeepsWhatWasThere)
{
    TargetSelection selection;
    // Before any program: the LVB300's registers and the 16-bit time limit.
    EXPECT_EQ(selection.code, -1);
    EXPECT_EQ(selection.registers, RegisterRange::of(200, 2009));
    EXPECT_EQ(selection.timeLimit, 65534);
    EXPECT_EQ(selection.menuTarget, -1);

    selection.select(10);
    for (int undefined : {-1, 11, -7}) {
        selection.select(undefined);
        EXPECT_EQ(selection.code, -1) << undefined;
        EXPECT_EQ(selection.registers.text, "2048..29999");
        EXPECT_EQ(selection.timeLimit, 1073741823);
        EXPECT_EQ(selection.menuTarget, 10);
    }
}

TEST(Targets, ChangeButtonStepsRound)
{
    EXPECT_EQ(nextTarget(-1), 0);
    EXPECT_EQ(nextTarget(0), 1);
    EXPECT_EQ(nextTarget(9), 10);
    EXPECT_EQ(nextTarget(10), 0);
    EXPECT_EQ(nextTarget(57), 0);
    int code = -1;
    for (int step = 0; step < 11; ++step)
        code = nextTarget(code);
    EXPECT_EQ(code, 10);
}

// The group of a caption in the block menus, the first one it appears in.
std::string groupOf(std::string_view caption)
{
    for (const BlockMenuGroup& group : blockMenus())
        for (const BlockMenuEntry& entry : group.entries)
            if (entry.caption == caption)
                return group.caption;
    return "(none)";
}

std::string groupOfType(int type)
{
    for (const BlockMenuGroup& group : blockMenus())
        for (const BlockMenuEntry& entry : group.entries)
            if (entry.type == type)
                return group.caption;
    return "(none)";
}

TEST(Targets, MenusOfferedBySwitchingFromLvb300ToWindows)
{
    const std::string floatGroup = "--- Gleitpunkt ----";
    const auto shown = [](int target, std::string_view caption) {
        return menuEntryOffered(target, groupOf(caption), caption);
    };
    EXPECT_TRUE(shown(1, "LA  Sende"));
    EXPECT_FALSE(menuGroupOffered(1, floatGroup));
    EXPECT_FALSE(shown(1, "Average"));
    EXPECT_TRUE(shown(1, "Dividierer (32-Bit)"));

    EXPECT_FALSE(shown(9, "LA  Sende"));
    EXPECT_TRUE(menuGroupOffered(9, floatGroup));
    EXPECT_TRUE(menuEntryOffered(9, floatGroup, "Addierer"));
    EXPECT_TRUE(shown(9, "Average"));
    EXPECT_FALSE(shown(9, "Dividierer (32-Bit)"));

    // The fixed-point adder is offered everywhere; its floating-point namesake is not.
    EXPECT_TRUE(menuEntryOffered(1, groupOfType(13), "Addierer"));
    EXPECT_NE(groupOfType(13), floatGroup);
    EXPECT_FALSE(menuEntryOffered(1, floatGroup, "Addierer"));
}

TEST(Targets, MenuRowsByTarget)
{
    struct Case {
        const char* caption;
        std::vector<int> offeredOn;
    };
    const std::vector<Case> cases{
        {"SST Control", {0}},
        {"UDP MODBUS Slave", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"Uhrzeit", {1, 2, 3, 4, 5, 6, 7, 8}},
        {"MES  Empfange", {2, 3, 7}},
        {"LCD Blink-Ausgabe", {2, 3, 6}},
        {"LA  Empfange", {1}},
        {"Multiplizierer (32-Bit)", {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Case& c : cases)
        for (int target = 0; target <= 10; ++target) {
            const bool expected =
                std::find(c.offeredOn.begin(), c.offeredOn.end(), target) != c.offeredOn.end();
            EXPECT_EQ(menuEntryOffered(target, groupOf(c.caption), c.caption), expected)
                << c.caption << " on " << target;
        }
    // Without a defined target nothing is hidden.
    EXPECT_TRUE(menuEntryOffered(-1, groupOf("LA  Sende"), "LA  Sende"));
}

TEST(Targets, EveryMenuRowNamesEntriesOfTheBlockMenus)
{
    // A caption that differs by one blank would silently leave its entry on every target.
    for (const MenuOffer& offer : menuOffers()) {
        if (offer.captions.empty()) {
            const auto& menus = blockMenus();
            EXPECT_TRUE(std::any_of(menus.begin(), menus.end(), [&](const BlockMenuGroup& g) {
                return g.caption == offer.group;
            })) << offer.group;
            continue;
        }
        for (std::string_view caption : offer.captions)
            EXPECT_NE(groupOf(caption), "(none)") << caption;
    }
}

} // namespace
} // namespace fup
