#include "shell/CommandLine.h"

#include "RecordingReporter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

namespace fup {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

struct Started {
    EditorState state;
    StartupRequest request;
    std::vector<std::string> lines;
};

// Directories that "exist" for these tests.
const std::set<std::string> Existing = {"/opt/fup/data", "/proj", "/proj/data", "/work/a.b"};

Started start(std::vector<std::string> arguments)
{
    Started run;
    run.state.executableDirectory = "/opt/fup/";
    test::RecordingReporter reporter;
    run.request = readCommandLine(arguments, run.state, reporter, [](const std::filesystem::path& p) {
        std::string text = p.string();
        if (text.size() > 1 && text.back() == '/')
            text.pop_back();
        return Existing.contains(text);
    });
    for (const auto& line : reporter.lines)
        if (line.rfind("LOG:", 0) != 0)
            run.lines.push_back(line);
    return run;
}

TEST(CommandLine, NoArgumentsGiveUnnamedDocumentInDataDirectory)
{
    const Started run = start({});
    EXPECT_EQ(run.state.processName, "Unbenannt");
    EXPECT_EQ(run.state.programDirectory, "/opt/fup/data/");
    EXPECT_EQ(run.state.dataDirectory, "/opt/fup/data/");
    EXPECT_EQ(run.state.target, -1);
    EXPECT_EQ(run.state.cycleNumber, -1);
    EXPECT_FALSE(run.state.batchMode);
    EXPECT_FALSE(run.state.ideDriven);
    EXPECT_THAT(run.lines, IsEmpty());
}

TEST(CommandLine, ProgramPathSplits)
{
    struct Case {
        std::string path, directory, name;
    };
    for (const Case& c : std::vector<Case>{
             {"C:\\proj\\pump.KR2", "C:\\proj\\", "pump"},
             {"/proj/pump.KR2", "/proj/", "pump"},
             {"/proj/pump.xyz", "/proj/", "pump"},
             {"/proj/pump", "/proj/", "pump"},
             {"/work/a.b/pump", "/work/a.b/", "pump"},
             {"pump.KR2", "", "pump"},
             {"C:pump", "C:", "pump"},
             {"", "", ""},
         }) {
        const PathSplit split = splitProgramPath(c.path);
        EXPECT_EQ(split.directory, c.directory) << c.path;
        EXPECT_EQ(split.name, c.name) << c.path;
    }
}

TEST(CommandLine, ProgramFileInExistingDirectory)
{
    const Started run = start({"/proj/pump.KR2"});
    EXPECT_EQ(run.state.programDirectory, "/proj/");
    EXPECT_EQ(run.state.processName, "pump");
    // Backslashes are accepted as separators too.
    EXPECT_EQ(start({"\\proj\\pump.KR2"}).state.programDirectory, "/proj/");
}

TEST(CommandLine, MissingProgramDirectory)
{
    const Started run = start({"/nowhere/pump.KR2"});
    EXPECT_EQ(run.state.programDirectory, "");
    EXPECT_EQ(run.state.processName, "pump");
    EXPECT_THAT(run.lines, ElementsAre("BOX:Verzeichnis existiert nicht: /nowhere/"));
    // Without a name nobody asked for that directory: no box.
    EXPECT_THAT(start({"", "", "/nowhere"}).lines, IsEmpty());
}

TEST(CommandLine, ProgramDirectoryArgumentWinsOverFileDirectory)
{
    EXPECT_EQ(start({"/nowhere/pump", "", "/proj/data"}).state.programDirectory, "/proj/data/");
}

TEST(CommandLine, TargetNumbers)
{
    struct Case {
        std::string text;
        int target;
        bool warned;
    };
    for (const Case& c : std::vector<Case>{{"0", 0, false},
                                            {" 3 ", 3, false},
                                            {"10", 10, false},
                                            {"11", -1, true},
                                            {"-1", -1, true},
                                            {"03", -1, true},
                                            {"abc", -1, true},
                                            {"", -1, false}}) {
        const Started run = start({"", "", "", "", "", "", "", c.text});
        EXPECT_EQ(run.state.target, c.target) << c.text;
        EXPECT_EQ(run.lines == std::vector<std::string>{"W:Unbekanntes Zielsystem"}, c.warned) << c.text;
    }
}

TEST(CommandLine, CycleNumbers)
{
    struct Case {
        std::string text;
        int number;
        std::vector<std::string> lines;
    };
    for (const Case& c : std::vector<Case>{
             {"0", 0, {}},
             {"64", 64, {}},
             {"65", -1, {"E:Ungueltige ZyklusNr, nur(0..64): 65"}},
             {"-3", -1, {"E:Ungueltige ZyklusNr, nur(0..64): -3"}},
             {"x1", -1, {"E:Ungueltige ZyklusNr: x1"}},
             {"1.5", -1, {"E:Ungueltige ZyklusNr: 1.5"}},
         }) {
        const Started run = start({"", "", "", "", "", c.text});
        EXPECT_EQ(run.state.cycleNumber, c.number) << c.text;
        EXPECT_EQ(run.lines, c.lines) << c.text;
    }
}

TEST(CommandLine, CycleTime)
{
    const Started good = start({"", "12.5"});
    EXPECT_DOUBLE_EQ(good.state.cycleTimeMs, 12.5);
    EXPECT_DOUBLE_EQ(good.state.cycleTimeSeconds, 0.0125);
    EXPECT_DOUBLE_EQ(good.request.cycleTimeOverrideMs, 12.5);

    // A comma is no decimal separator here, whatever the locale says.
    const Started bad = start({"", "12,5"});
    EXPECT_DOUBLE_EQ(bad.state.cycleTimeMs, 0);
    EXPECT_DOUBLE_EQ(bad.request.cycleTimeOverrideMs, 0);
    EXPECT_THAT(bad.lines, ElementsAre("BOX:Ungueltige Zykluszeit: 12,5"));

    // Zero leaves the file's cycle time alone.
    EXPECT_DOUBLE_EQ(start({"", "0"}).request.cycleTimeOverrideMs, 0);
}

TEST(CommandLine, BatchWord)
{
    EXPECT_TRUE(start({"", "", "", "", "", "", " leer "}).state.batchMode);
    EXPECT_FALSE(start({"", "", "", "", "", "", "LEER"}).state.batchMode);
    EXPECT_FALSE(start({"", "", "", "", "", "", "batch"}).state.batchMode);
}

TEST(CommandLine, DataDirectory)
{
    const Started given = start({"/proj/pump", "", "", "\"/proj/data\""});
    EXPECT_EQ(given.state.dataDirectory, "/proj/data/");
    EXPECT_TRUE(given.state.ideDriven);
    EXPECT_TRUE(given.request.dataDirectoryOverride);

    const Started missing = start({"/proj/pump", "", "", "/gone"});
    EXPECT_EQ(missing.state.dataDirectory, "/proj/");
    EXPECT_FALSE(missing.state.ideDriven);
    EXPECT_THAT(missing.lines, ElementsAre("BOX:DatenVerzeichnis existiert nicht: /gone"));
}

TEST(CommandLine, AddressProjectAndBlockArgument)
{
    const Started run = start({"", "", "", "", " 192.168.0.7 ", "", "", "", "Anlage 1", "17"});
    EXPECT_EQ(run.state.targetAddress, "192.168.0.7");
    EXPECT_TRUE(run.state.targetAddressConfigured());
    EXPECT_EQ(run.state.projectName, "Anlage 1");
    EXPECT_EQ(run.request.showBlockArgument, "17");
    EXPECT_FALSE(start({"", "", "", "", NotConfiguredAddress}).state.targetAddressConfigured());
}

TEST(CommandLine, EchoLinesInStartOrder)
{
    EditorState state;
    state.executableDirectory = "/opt/fup/";
    test::RecordingReporter reporter;
    readCommandLine({"/proj/pump", "", "/proj", "/proj/data", "10.0.0.1", "", "", "9"}, state, reporter,
                    [](const std::filesystem::path&) { return true; });
    EXPECT_THAT(reporter.lines, ElementsAre("LOG:TargetStr=9", "LOG:Prog-Directory=/proj",
                                            "LOG:Daten-Directory=/proj/data", "LOG:IP Adresse =10.0.0.1",
                                            "LOG:ProzessName=pump"));
}

}  // namespace
}  // namespace fup
