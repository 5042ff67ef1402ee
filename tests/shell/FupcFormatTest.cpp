#include "model/Document.h"
#include "ScratchDirectory.h"
#include "persistence/FileText.h"
#include "persistence/FrameText.h"
#include "persistence/ProgramWriter.h"
#include "shell/cli/Fupc.h"

#include "RecordingReporter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fup::cli {
namespace {

std::string readAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeAll(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

struct FormatFixture : ::testing::Test {
    FormatFixture()
    {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        test::RecordingReporter reporter;
        Document document(&reporter);
        document.appendSheet("Pumpen Übersicht");
        document.createBlock(13, 3, 1, 1, 10, 10, false);
        document.createBlock(92, 2, 1, 2, 30, 10, false);
        document.renumber();
        ProgramSettings settings;
        settings.target = 3;
        settings.cycleTimeMs = 20;
        canonical = encodeFileText(writeProgram(document, settings, "anlage"));
    }
    ~FormatFixture() override { std::filesystem::remove_all(dir); }

    int run(std::vector<std::string> args)
    {
        out.str({});
        err.str({});
        return runFupc(args, out, err);
    }

    const std::filesystem::path dir = fup::test::scratchDirectory("fupc-format-test");
    std::string canonical;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(FormatFixture, OddlySpacedFileBecomesCanonical)
{
    // LF line ends and blanks doubled between the tokens.
    std::string odd = std::regex_replace(canonical, std::regex("\r\n"), "\n");
    odd = std::regex_replace(odd, std::regex(" \\("), "   (");
    ASSERT_NE(odd, canonical);
    const auto file = dir / "anlage.KR2";
    writeAll(file, odd);

    EXPECT_EQ(run({"format", "--check", file.string()}), 1);
    EXPECT_EQ(out.str(), file.string() + "\n");
    EXPECT_EQ(readAll(file), odd);  // --check writes nothing

    EXPECT_EQ(run({"format", file.string()}), 0) << err.str();
    EXPECT_EQ(readAll(file), canonical);
    EXPECT_EQ(run({"format", "--check", file.string()}), 0);
}

TEST_F(FormatFixture, FaultyFileIsReportedAndLeftAlone)
{
    const auto file = dir / "kaputt.KR2";
    const std::string truncated = canonical.substr(0, canonical.size() / 2);
    writeAll(file, truncated);
    EXPECT_EQ(run({"format", file.string()}), 10);
    EXPECT_NE(err.str().find(file.string() + ": "), std::string::npos) << err.str();
    EXPECT_EQ(readAll(file), truncated);

    EXPECT_EQ(run({"format", (dir / "fehlt.KR2").string()}), 10);
    EXPECT_EQ(run({"format", "--bogus", file.string()}), ExitUsage);
    EXPECT_EQ(run({"format"}), ExitUsage);
}

// Frame, macro and automat files: the canonical text of each, made as the editor makes it.
struct FrameFormat : FormatFixture {
    FrameFormat()
    {
        Document document;
        TKiste* macro = document.createBlock(187, 0, 0, 1, 20, 20, false);
        macro->childPage = document.allocateInstanceNumber();
        TKiste* inner = document.createBlock(13, 2, 1, macro->childPage, 4, 4, false);
        TKante* point = document.createPoint(12, 5, macro->childPage, vt::None);
        linkNeighbours(*inner->outputPin(1), *point);
        document.createText(2, 2, macro->childPage, true, true).text = "innen";
        TKiste* automat = document.createBlock(188, 0, 0, 1, 40, 20, false);
        automat->childPage = document.allocateInstanceNumber();
        TKiste* port = document.createBlock(191, 0, 1, automat->childPage, 4, 4, false);
        port->connected = true;
        document.createText(25, 30, 1, false, false).text = "oben";
        document.restoreInsideFirstOrder();

        document.selectInRect(10, 10, 60, 40);
        selectTextsInRect(document, 10, 10, 60, 40);
        frameText = encodeFileText(writeFrame(document, FrameRect{10, 10, 60, 40}));
        deselectAll(document);
        for (TKiste* block : {macro, automat}) {
            block->selected = true;
            for (TKante* pin : block->pins)
                pin->selected = true;
            (block == macro ? macroText : automatText) = encodeFileText(writeFrame(document, std::nullopt));
            deselectAll(document);
        }
    }
    std::string frameText;
    std::string macroText;
    std::string automatText;
};

TEST_F(FrameFormat, CanonicalFilesStayAndOddOnesAreRewritten)
{
    for (const auto& [name, text] : {std::pair{"teil.KR3", frameText}, std::pair{"PUMPE.kr4", macroText},
                                     std::pair{"ABLAUF.KR5", automatText}}) {
        const auto file = dir / name;
        writeAll(file, text);
        EXPECT_EQ(run({"format", "--check", file.string()}), 0) << name << err.str();
        EXPECT_EQ(run({"format", file.string()}), 0) << name;
        EXPECT_EQ(readAll(file), text) << name;

        // LF line ends, blanks doubled, and a text record of an old file without its style.
        std::string odd = std::regex_replace(text, std::regex("\r\n"), "\n");
        odd = std::regex_replace(odd, std::regex(" \\("), "   (");
        odd = std::regex_replace(odd, std::regex("(\\(TEXT [-0-9]+ [-0-9]+ [0-9]+) 0 "), "$1 ");
        ASSERT_NE(odd, text);
        writeAll(file, odd);
        EXPECT_EQ(run({"format", "--check", file.string()}), 1) << name;
        EXPECT_EQ(run({"format", file.string()}), 0) << name << err.str();
        EXPECT_EQ(readAll(file), text) << name;
    }
}

TEST_F(FrameFormat, MacroFileIsNoFrameFileAndDamageIsReported)
{
    // A macro file has no size: as a frame file it cannot be read.
    const auto frame = dir / "makro.KR3";
    writeAll(frame, macroText);
    EXPECT_EQ(run({"format", frame.string()}), 10);
    EXPECT_NE(err.str().find("BREITE erwartet"), std::string::npos) << err.str();
    EXPECT_EQ(readAll(frame), macroText);

    const auto cut = dir / "kaputt.KR4";
    writeAll(cut, macroText.substr(0, macroText.size() / 2));
    EXPECT_EQ(run({"format", cut.string()}), 10);
    EXPECT_EQ(readAll(cut), macroText.substr(0, macroText.size() / 2));
}

}  // namespace
}  // namespace fup::cli
