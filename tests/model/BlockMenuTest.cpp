#include "model/Document.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

using Mode = EditContext::Mode;
using C = BlockCommand;

struct MenuCase {
    const char* what;
    int type;
    Mode mode;
    bool readOnly;
    bool connected;
    bool insideMother;
    std::vector<BlockCommand> expected;
};

class BlockMenu : public ::testing::TestWithParam<MenuCase> {};

TEST_P(BlockMenu, OfferedEntries)
{
    const MenuCase& c = GetParam();
    Document doc;
    TKiste* block = doc.createBlock(c.type, 2, 2, c.insideMother ? 200 : 1, 0, 0, false);
    std::vector<BlockCommand> commands;
    for (const BlockMenuItem& item :
         blockContextMenu(*block, {{c.mode, c.readOnly, c.connected}, c.insideMother}))
        commands.push_back(item.command);
    EXPECT_EQ(commands, c.expected) << c.what;
}

const std::vector<C> EditBasics{C::Parameter, C::Remove, C::Flip};

INSTANTIATE_TEST_SUITE_P(
    Table, BlockMenu,
    ::testing::Values(
        MenuCase{"adder, edit", 13, Mode::Edit, false, false, false, EditBasics},
        MenuCase{"no parameters", 14, Mode::Edit, false, false, false, {C::Remove, C::Flip}},
        MenuCase{"adder, read only", 13, Mode::Edit, true, false, false, {}},
        MenuCase{"adder, simulation", 13, Mode::Simulation, false, false, false, {}},
        MenuCase{"EEPROM limit, online connected", 35, Mode::Online, true, true, false, {C::Parameter}},
        MenuCase{"EEPROM limit, online not connected", 35, Mode::Online, false, false, false, {}},
        MenuCase{"flash constant, online", 12, Mode::Online, false, true, false, {}},
        MenuCase{
            "macro, edit",
            187,
            Mode::Edit,
            false,
            false,
            false,
            {C::Parameter, C::Remove, C::Flip, C::Save, C::Lock, C::Unlock, C::OpenInside, C::UpdateMacros}},
        MenuCase{"macro, read only", 187, Mode::Edit, true, false, false, {C::OpenInside}},
        MenuCase{"macro, simulation",
                 187,
                 Mode::Simulation,
                 false,
                 false,
                 false,
                 {C::Lock, C::Unlock, C::OpenInside}},
        MenuCase{"automat, edit",
                 188,
                 Mode::Edit,
                 false,
                 false,
                 false,
                 {C::Parameter, C::Remove, C::Flip, C::Save, C::Lock, C::Unlock, C::OpenInside}},
        MenuCase{"port inside a macro",
                 182,
                 Mode::Edit,
                 false,
                 false,
                 true,
                 {C::Parameter, C::Remove, C::Flip, C::ConnectPort, C::DisconnectPort}},
        MenuCase{"port without mother", 182, Mode::Edit, false, false, false, EditBasics},
        MenuCase{"automat port inside",
                 194,
                 Mode::Edit,
                 false,
                 false,
                 true,
                 {C::Parameter, C::Remove, C::Flip, C::ConnectPort, C::DisconnectPort}},
        MenuCase{"port, simulation", 185, Mode::Simulation, false, false, true, {}},
        MenuCase{"sub-process",
                 180,
                 Mode::Edit,
                 false,
                 false,
                 false,
                 {C::Parameter, C::Remove, C::Flip, C::OpenInside}},
        MenuCase{"sub-process, simulation", 180, Mode::Simulation, false, false, false, {C::OpenInside}},
        MenuCase{"function block", 186, Mode::Edit, true, false, false, {C::OpenInside}},
        MenuCase{"structured text",
                 81,
                 Mode::Edit,
                 false,
                 false,
                 false,
                 {C::Parameter, C::Remove, C::Flip, C::OpenEditor, C::Clone}},
        MenuCase{"structured text, read only", 81, Mode::Edit, true, false, false, {C::OpenEditor}},
        MenuCase{"clone",
                 82,
                 Mode::Edit,
                 false,
                 false,
                 false,
                 {C::Parameter, C::Remove, C::Flip, C::OpenEditor, C::CloneToOriginal}},
        MenuCase{"clone, online", 82, Mode::Online, false, true, false, {C::OpenEditor}}));

TEST(BlockMenuCaptions, GermanTextsOfTheEntries)
{
    Document doc;
    TKiste* macro = doc.createBlock(187, 0, 0, 1, 0, 0, false);
    std::vector<std::string> captions;
    for (const BlockMenuItem& item : blockContextMenu(*macro, {}))
        captions.push_back(item.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Parameter", "Loeschen", "Spiegeln", "Sichern/Save",
                                                  "Verriegeln", "Entriegeln", "Oeffnen", "Update Macros"}));
    TKiste* clone = doc.createBlock(82, 0, 0, 1, 0, 0, false);
    EXPECT_EQ(blockContextMenu(*clone, {}).back().caption, "Klone -> Original");
}

} // namespace
} // namespace fup
