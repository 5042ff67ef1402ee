#include "shell/InfoFrame.h"
#include "ScratchDirectory.h"

#include "HauptFixture.h"
#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

namespace fup {
namespace {

struct Panel : ::testing::Test {
    Panel()
    {
        state.readOnly = false;
        frame.changed = [this] { ++changes; };
        frame.recorderRestart = [this](const ChartTimeBase&) { ++restarts; };
        frame.rememberCommandLine();
        frame.reset();
        changes = 0;
        restarts = 0;
    }

    EditorState state;
    ProgramSettings settings;
    test::ScriptedDialogs dialogs;
    test::RecordingReporter reporter;
    InfoFrame frame{state, settings, dialogs, reporter};
    int changes = 0;
    int restarts = 0;
};

TEST(ChartSeries, StepsOfOneTwoFive)
{
    struct Case {
        int value;
        int up;
        int down;
    };
    for (const Case& c :
         {Case{1, 2, 1}, Case{2, 5, 1}, Case{5, 10, 2}, Case{10, 20, 5}, Case{20, 50, 10}, Case{50, 100, 20},
          Case{200, 500, 100}, Case{500, 1000, 200}, Case{1000, 2000, 500}}) {
        EXPECT_EQ(seriesStepUp(c.value), c.up) << c.value;
        EXPECT_EQ(seriesStepDown(c.value), c.down) << c.value;
    }
}

TEST(ChartSeries, ButtonsWalkTheTimeBaseToItsEnds)
{
    ChartTimeBase base;
    // Lower: the pixels per sample grow up to 10, then nothing.
    for (int expected : {2, 5, 10, 10}) {
        base.lower();
        EXPECT_EQ(base, (ChartTimeBase{1, expected}));
    }
    // Upper while pixels are above 1: they come down first.
    base.upper();
    EXPECT_EQ(base, (ChartTimeBase{1, 5}));
    base.upper();
    base.upper();
    base.upper();
    EXPECT_EQ(base, (ChartTimeBase{2, 1}));
    // Then the samples climb to 1000 and stop there.
    for (int i = 0; i < 12; ++i)
        base.upper();
    EXPECT_EQ(base, (ChartTimeBase{1000, 1}));
    base.lower();
    EXPECT_EQ(base, (ChartTimeBase{500, 1}));
}

TEST_F(Panel, TimeBaseTextFollowsModeAndTarget)
{
    struct Case {
        EditorMode mode;
        int target;
        double cycleMs;
        ChartTimeBase base;
        const char* text;
    };
    for (const Case& c : {Case{EditorMode::Edit, 0, 100, {1, 1}, "5 sec"},
                          Case{EditorMode::Simulation, 0, 100, {1, 2}, "2.5 sec"},
                          Case{EditorMode::Simulation, 3, 20, {1000, 1}, "1000 sec"},
                          Case{EditorMode::Simulation, 3, 0, {1, 1}, "0 sec"},
                          Case{EditorMode::Simulation, 1, 7, {1, 1}, "0.35 sec"},
                          Case{EditorMode::Online, 0, 100, {1, 1}, "10 sec"},
                          Case{EditorMode::Online, 5, 100, {2, 1}, "25 sec"},
                          Case{EditorMode::Online, 10, 100, {1, 10}, "0.9 sec"},
                          Case{EditorMode::Online, 9, 100, {1, 5}, "1.8 sec"}}) {
        state.mode = c.mode;
        state.target = c.target;
        state.setCycleTime(c.cycleMs);
        frame.reset(); // time base 1/1, target and cycle time from the command line (none)
        state.target = c.target;
        state.setCycleTime(c.cycleMs);
        while (frame.timeBase().pixels < c.base.pixels)
            frame.timeBaseLower();
        while (frame.timeBase().samples < c.base.samples)
            frame.timeBaseUpper();
        ASSERT_EQ(frame.timeBase(), c.base);
        EXPECT_EQ(frame.timeBaseText(), c.text) << c.text;
    }
    // Every real change restarts the recorder; pressing at an end does not.
    frame.reset();
    restarts = 0;
    frame.timeBaseLower();
    frame.timeBaseUpper();
    frame.timeBaseUpper();
    for (int i = 0; i < 20; ++i)
        frame.timeBaseUpper();
    EXPECT_EQ(restarts, 11); // 1/2, 1/1, then 2 .. 1000 in nine steps
}

TEST_F(Panel, ResetShowsTheInitialTexts)
{
    settings.author = "Meier";
    settings.useTempVars = true;
    settings.digitalTempName = "Dig";
    settings.comment = "alt";
    state.optimisationLevel = 2;
    state.setCycleTime(50);
    frame.selectTarget(4);
    frame.timeBaseLower();
    frame.reset();

    const InfoFrameTexts t = frame.texts();
    EXPECT_EQ(t.projectName, "ohne Projektname");
    EXPECT_EQ(t.version, "ohne Version");
    EXPECT_EQ(t.author, "ohne Bearbeiter");
    EXPECT_EQ(t.saveDate, "ohne Savedatum");
    EXPECT_EQ(t.compileDate, "ohne Compiledatum");
    EXPECT_EQ(t.target, "???");
    EXPECT_EQ(t.compileMode, "optimieren");
    EXPECT_EQ(t.varMode, "temp. Var nicht autom. erzeugen");
    EXPECT_EQ(t.digitalName, "DxT");
    EXPECT_EQ(t.fixedName, "AxT");
    EXPECT_EQ(t.cycleTime, "0");
    EXPECT_EQ(t.comment, "");
    EXPECT_EQ(frame.timeBase(), ChartTimeBase{});
    EXPECT_FALSE(t.isEnabled(InfoButton::DigitalName));
    // The reset values are what a new file is saved with.
    EXPECT_EQ(settings.author, "ohne Bearbeiter");
    EXPECT_EQ(settings.target, -1);
    EXPECT_EQ(settings.optimisationLevel, 0);
}

TEST_F(Panel, CommandLineValuesOutliveEveryReset)
{
    state.projectName = "Klaeranlage";
    state.target = 7;
    state.setCycleTime(20);
    frame.rememberCommandLine();
    state.target = 2;
    state.setCycleTime(80);
    frame.reset();
    EXPECT_EQ(state.target, 7);
    EXPECT_EQ(state.cycleTimeMs, 20);
    EXPECT_EQ(settings.projectName, "Klaeranlage");
    const InfoFrameTexts t = frame.texts();
    EXPECT_EQ(t.projectName, "Klaeranlage");
    EXPECT_EQ(t.target, "HMR-Gateway");
    EXPECT_FALSE(t.isEnabled(InfoButton::ProjectName));
    frame.click(InfoButton::ProjectName);
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(Panel, TextFieldsAreCleanedAndEmptyAnswersChangeNothing)
{
    dialogs.inputs = {std::string("  \"Pumpe\" 3 "), std::string("   "), std::nullopt, std::string("V2")};
    frame.click(InfoButton::ProjectName);
    EXPECT_EQ(settings.projectName, "Pumpe  3");
    frame.click(InfoButton::ProjectName); // blanks only
    frame.click(InfoButton::ProjectName); // cancelled
    EXPECT_EQ(settings.projectName, "Pumpe  3");
    frame.click(InfoButton::Version);
    EXPECT_EQ(settings.processVersion, "V2");
    EXPECT_EQ(dialogs.asked.front(), "input:Projekt-Info|Projekt Name ?|ohne Projektname");
    EXPECT_EQ(dialogs.asked.back(), "input:Projekt-Info|Version ?|ohne Version");

    dialogs.inputs = {std::string("Schulz")};
    frame.click(InfoButton::Author);
    EXPECT_EQ(frame.texts().author, "Schulz");
}

TEST_F(Panel, TemporaryVariablesModeOpensTheNameRows)
{
    dialogs.inputs = {std::string("Dneu")};
    frame.click(InfoButton::DigitalName); // disabled while the mode is off
    EXPECT_TRUE(dialogs.asked.empty());

    frame.click(InfoButton::VarMode);
    InfoFrameTexts t = frame.texts();
    EXPECT_EQ(t.varMode, "temp. Var automatisch erzeugen");
    EXPECT_TRUE(t.isEnabled(InfoButton::DigitalName));
    EXPECT_TRUE(t.isEnabled(InfoButton::FixedName));
    frame.click(InfoButton::DigitalName);
    EXPECT_EQ(settings.digitalTempName, "Dneu");
    EXPECT_EQ(dialogs.asked.back(), "input:Temporaere digitale Variable|Variablen Name ?|DxT");
    dialogs.inputs = {std::string("A\"x")};
    frame.click(InfoButton::FixedName);
    EXPECT_EQ(settings.fixedTempName, "A x");
    EXPECT_EQ(dialogs.asked.back(), "input:Temporaere analoge Variable|Variablen Name ?|AxT");

    frame.click(InfoButton::VarMode);
    t = frame.texts();
    EXPECT_FALSE(settings.useTempVars);
    EXPECT_EQ(t.digitalName, "Dneu"); // shown either way
    EXPECT_FALSE(t.isEnabled(InfoButton::FixedName));
}

TEST_F(Panel, ReadOnlyDisablesEveryChangeButton)
{
    state.readOnly = true;
    settings.useTempVars = true;
    const InfoFrameTexts t = frame.texts();
    for (std::size_t i = 0; i < t.enabled.size(); ++i)
        EXPECT_FALSE(t.enabled[i]) << i;
    dialogs.inputs = {std::string("x"), std::string("5")};
    frame.click(InfoButton::Author);
    frame.click(InfoButton::CycleTime);
    frame.click(InfoButton::Target);
    frame.click(InfoButton::VarMode);
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(state.target, -1);
    EXPECT_TRUE(settings.useTempVars);

    state.readOnly = false;
    const InfoFrameTexts open = frame.texts();
    for (InfoButton b : {InfoButton::ProjectName, InfoButton::Version, InfoButton::Author, InfoButton::Target,
                         InfoButton::CompileMode, InfoButton::VarMode, InfoButton::DigitalName,
                         InfoButton::FixedName, InfoButton::CycleTime})
        EXPECT_TRUE(open.isEnabled(b)) << static_cast<int>(b);
}

TEST_F(Panel, TargetCompileModeAndCycleTimeOnlyInEditMode)
{
    const std::string editOnly = "BOX:nur in \"EDIT-Mode\" aenderbar";
    for (EditorMode mode : {EditorMode::Simulation, EditorMode::Online}) {
        state.mode = mode;
        dialogs.inputs = {std::string("50")};
        frame.click(InfoButton::Target);
        frame.click(InfoButton::CompileMode);
        frame.click(InfoButton::CycleTime);
        EXPECT_EQ(reporter.lines, (std::vector<std::string>{editOnly, editOnly, editOnly}));
        reporter.lines.clear();
    }
    EXPECT_EQ(state.target, -1);
    EXPECT_EQ(state.optimisationLevel, 0);
    EXPECT_EQ(state.cycleTimeMs, 0);
    EXPECT_TRUE(dialogs.asked.empty());

    // The texts are not tied to the mode.
    dialogs.inputs = {std::string("Lehmann")};
    frame.click(InfoButton::Author);
    EXPECT_EQ(settings.author, "Lehmann");
}

TEST_F(Panel, TargetButtonStepsRoundAndSetsTheLimits)
{
    std::vector<std::string> names;
    for (int i = 0; i < 12; ++i) {
        frame.click(InfoButton::Target);
        names.push_back(frame.texts().target);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"TQ810", "LVB300", "PDN-01", "PDN-02", "X-LVB300", "LVB312", "HMR70x",
                                        "HMR-Gateway", "FELNA", "WINDOWS", "BACHMANN", "TQ810"}));
    EXPECT_EQ(state.target, 0);
    EXPECT_EQ(settings.target, 0);
    EXPECT_EQ(frame.target().registers.text, "2048..29999");
    EXPECT_EQ(changes, 12);

    frame.selectTarget(42);
    EXPECT_EQ(state.target, -1);
    EXPECT_EQ(frame.texts().target, "???");
    EXPECT_EQ(frame.target().menuTarget, 0);
}

TEST_F(Panel, CompileModeToggles)
{
    struct Case {
        unsigned char from;
        unsigned char to;
        const char* text;
    };
    for (const Case& c :
         {Case{0, 1, "nicht optimieren"}, Case{1, 0, "optimieren"}, Case{2, 1, "nicht optimieren"}}) {
        state.optimisationLevel = c.from;
        frame.click(InfoButton::CompileMode);
        EXPECT_EQ(state.optimisationLevel, c.to);
        EXPECT_EQ(settings.optimisationLevel, c.to);
        EXPECT_EQ(frame.texts().compileMode, c.text);
    }
    state.optimisationLevel = 2;
    EXPECT_EQ(frame.texts().compileMode, "optimieren_2");
}

TEST_F(Panel, CycleTimeEntry)
{
    state.setCycleTime(100);
    frame.timeBaseLower();
    restarts = 0;

    struct Case {
        std::optional<std::string> answer;
        double cycleMs;
        const char* box; // "" for none
    };
    const std::vector<Case> cases{
        {std::string("zehn"), 100, "BOX:ungueltige Zykluszeit"},
        {std::string("12,5"), 100, "BOX:ungueltige Zykluszeit"},
        {std::string("-5"), 100, "BOX:ungueltige Zykluszeit"},
        {std::nullopt, 100, ""},
        {std::string(" 100 "), 100, ""}, // the same value: nothing happens
    };
    for (const Case& c : cases) {
        reporter.lines.clear();
        dialogs.inputs = {c.answer};
        frame.click(InfoButton::CycleTime);
        EXPECT_EQ(state.cycleTimeMs, c.cycleMs);
        EXPECT_EQ(reporter.lines,
                  std::string(c.box).empty() ? std::vector<std::string>{} : std::vector<std::string>{c.box});
    }
    EXPECT_EQ(frame.timeBase(), (ChartTimeBase{1, 2}));
    EXPECT_EQ(restarts, 0);
    EXPECT_EQ(dialogs.asked.back(), "input:Projekt-Info|Zykluszeit in mSec ?|100");

    dialogs.inputs = {std::string("\"12.5\"")};
    frame.click(InfoButton::CycleTime);
    EXPECT_EQ(state.cycleTimeMs, 12.5);
    EXPECT_DOUBLE_EQ(state.cycleTimeSeconds, 0.0125);
    EXPECT_EQ(settings.cycleTimeMs, 12.5);
    EXPECT_EQ(frame.timeBase(), ChartTimeBase{});
    EXPECT_EQ(restarts, 1);
    const InfoFrameTexts t = frame.texts();
    EXPECT_EQ(t.cycleTime, "12.5");
    EXPECT_EQ(t.timeBase, "0.625 sec");
}

TEST_F(Panel, CycleTimeBelongsToTheTopLevelProgram)
{
    frame.insideSubProcessFile = true;
    dialogs.inputs = {std::string("10")};
    frame.click(InfoButton::CycleTime);
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"BOX:nur auf oberster SPS-Ebene aenderbar"});
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(state.cycleTimeMs, 0);
}

TEST(PanelDragRule, MovesOnlyBeyondThirtyTwoPixels)
{
    PanelDrag drag;
    EXPECT_FALSE(drag.move(200, 200, 10, 10)); // no button held
    drag.press(5, 5);
    EXPECT_FALSE(drag.move(37, 37, 10, 10));
    EXPECT_FALSE(drag.move(5, -27, 10, 10));
    EXPECT_EQ(drag.move(38, 5, 10, 10), (std::array<int, 2>{43, 10}));
    EXPECT_EQ(drag.move(5, -28, 10, 10), (std::array<int, 2>{10, -23}));
    drag.release();
    EXPECT_FALSE(drag.move(100, 100, 10, 10));
}

TEST(ProjectPanelInEditor, SettingsTravelWithTheProgramFile)
{
    const std::filesystem::path dir = fup::test::scratchDirectory("fup-info-frame-test");
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string program = (dir / "anlage.KR2").string();
    {
        test::HauptRun run({program, "", "", "", "", "", "", "4"}, dir);
        InfoFrame& frame = run.haupt.infoFrame();
        EXPECT_EQ(frame.texts().target, "X-LVB300");
        EXPECT_EQ(frame.target().registers.text, "512..4011");
        EXPECT_EQ(run.view.lastMenu.blockMenuTarget, 4);
        EXPECT_EQ(frame.texts().projectName, "ohne Projektname");

        run.haupt.NURLESEN1Click();
        run.dialogs.inputs = {std::string("Nord \"2\""), std::string("Meier")};
        frame.click(InfoButton::ProjectName);
        frame.click(InfoButton::Author);
        frame.click(InfoButton::CompileMode);
        frame.click(InfoButton::VarMode);
        frame.setComment("Zulauf\nAblauf");
        for (int i = 0; i < 6; ++i)
            frame.click(InfoButton::Target); // 4 -> 10
        run.dialogs.inputs = {std::string("25")};
        frame.click(InfoButton::CycleTime);
        EXPECT_EQ(run.view.lastMenu.blockMenuTarget, 10);
        ASSERT_TRUE(run.haupt.saveProgramFile());
        EXPECT_NE(frame.texts().saveDate, "ohne Savedatum");
    }
    {
        test::HauptRun run({program}, dir);
        const InfoFrameTexts t = run.haupt.infoFrame().texts();
        EXPECT_EQ(t.projectName, "Nord  2");
        EXPECT_EQ(t.author, "Meier");
        EXPECT_EQ(t.version, "ohne Version");
        EXPECT_EQ(t.compileMode, "nicht optimieren");
        EXPECT_EQ(t.varMode, "temp. Var automatisch erzeugen");
        EXPECT_EQ(t.comment, "Zulauf\nAblauf");
        EXPECT_EQ(t.target, "BACHMANN");
        EXPECT_EQ(t.cycleTime, "25");
        EXPECT_EQ(run.haupt.infoFrame().target().timeLimit, 1073741823);
        EXPECT_EQ(run.view.lastMenu.blockMenuTarget, 10);
    }
    {
        // The command line's target and project name win over the file's.
        test::HauptRun run({program, "", "", "", "", "", "", "2", "Sued"}, dir);
        const InfoFrameTexts t = run.haupt.infoFrame().texts();
        EXPECT_EQ(t.target, "PDN-01");
        EXPECT_EQ(t.projectName, "Sued");
        EXPECT_FALSE(t.isEnabled(InfoButton::ProjectName));
        EXPECT_EQ(t.author, "Meier");
        EXPECT_EQ(run.view.lastMenu.blockMenuTarget, 2);
    }
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace fup
