#include "codegen/Wiring.h"
#include "persistence/FrameFiles.h"

#include "ScratchDirectory.h"
#include "shell/HauptFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace fup {
namespace {

// The file holds macro "Pumpe" with a negator inside.
std::filesystem::path pumpFile()
{
    const std::filesystem::path dir = test::scratchDirectory("fup-macro-checks-editor");
    std::filesystem::create_directories(dir);
    Document source;
    TKiste* macro = source.createBlock(187, 0, 0, 1, 10, 10, false);
    macro->childPage = source.allocateInstanceNumber();
    macro->param("nam")->value = "Pumpe";
    source.createBlock(17, 0, 0, macro->childPage, 2, 2, false);
    source.restoreInsideFirstOrder();
    return saveMacroFile(source, *macro, dir, {});
}

TEST(MacroChecksInTheEditor, RunAfterAMacroFileWasInserted)
{
    const std::filesystem::path file = pumpFile();
    ASSERT_FALSE(file.empty());

    struct Case {
        const char* what;
        bool overfullNet;
        std::string boxStart;
        Rgb insertedColour;
    };
    // A copy of another content is reported by the name check; a net beyond its limit
    // stops the checks before the names are looked at.
    const Case cases[] = {
        {"other content", false, "Ungleiche Macros gleichen Namens: ", colour::Red},
        {"overfull net", true, "Fehler: Zu viele Netz-Ziele: ", colour::Green},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::HauptRun run;
        Haupt& haupt = run.haupt;
        haupt.NURLESEN1Click(); // editable
        Document& doc = haupt.document();

        TKiste* existing = haupt.createBlockFromMenu(187);
        ASSERT_NE(existing, nullptr);
        existing->param("nam")->value = "Pumpe";
        doc.createBlock(13, 2, 1, existing->childPage, 2, 2, false);
        if (c.overfullNet) {
            TKiste* cons = doc.createBlock(12, 0, 0, 1, 2, 20, false);
            TKiste* add = doc.createBlock(13, 25, 1, 1, 10, 20, false);
            test::fanOut(doc, *cons->outputPin(1), test::inputsOf(*add));
        }
        doc.renumber();
        run.view.boxes.clear();

        run.dialogs.file = file;
        haupt.edit().loadMacro(false);
        TKiste* inserted = nullptr;
        for (TKiste* b : doc.blocks())
            if (b->type == 187 && b != existing)
                inserted = b;
        ASSERT_NE(inserted, nullptr);
        EXPECT_EQ(inserted->colour, c.insertedColour);
        ASSERT_EQ(run.view.boxes.size(), 1u) << ::testing::PrintToString(run.view.boxes);
        EXPECT_TRUE(run.view.boxes[0].starts_with(c.boxStart)) << run.view.boxes[0];
    }
}

} // namespace
} // namespace fup
