#include "persistence/CurveFile.h"

#include "model/Document.h"
#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fup {
namespace {

namespace fs = std::filesystem;
using test::RecordingReporter;

const fs::path Data = fs::path(FUP_TEST_DATA) / "persistence";
const std::string Summary = "E:kenlinienwerte nicht erfolgreich gelesen";

class Curves : public ::testing::Test {
  protected:
    TKiste& curveBlock(int type, const std::string& name)
    {
        TKiste* b = doc.createBlock(type, 1, 1, 1, 1, 1, false);
        b->param("KN")->value = name;
        return *b;
    }
    Document doc;
    RecordingReporter reporter;
};

TEST_F(Curves, TablesFromTheFixtureFiles)
{
    bool ok = true;
    // Names compare in upper case; blanks around the parameter do not count.
    const auto t10 = loadCurveTable(curveBlock(46, " t10 "), Data, reporter, ok);
    ASSERT_TRUE(ok) << ::testing::PrintToString(reporter.lines);
    ASSERT_EQ(t10.size(), 34u);
    for (int k = 1; k <= 33; ++k)
        EXPECT_EQ(t10[static_cast<std::size_t>(k)], (k - 1) * 1000) << k;

    const auto linear = loadCurveTable(curveBlock(46, "LINEAR"), Data, reporter, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(linear[1], INT32_MIN);
    EXPECT_EQ(linear[33], INT32_MAX);

    const auto umlaut = loadCurveTable(curveBlock(46, "\u00DCbergro\u00DF"), Data, reporter, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(umlaut[33], 7);

    for (const int type : {47, 48}) {
        const auto t20 = loadCurveTable(curveBlock(type, "T20"), Data, reporter, ok);
        ASSERT_TRUE(ok);
        ASSERT_EQ(t20.size(), 66u);
        EXPECT_EQ(t20[1], -32);
        EXPECT_EQ(t20[65], 32);
    }
    EXPECT_TRUE(reporter.lines.empty());
}

TEST_F(Curves, FaultsInTheText)
{
    struct Case {
        const char* what;
        const char* name;
        std::string text;
        std::vector<std::string> errors;
    };
    const std::string full = " T1B4 1 2 3 4  T1B4 1 2 3 4  T1B4 1 2 3 4  T1B4 1 2 3 4  T1B4 1 2 3 4"
                             "  T1B4 1 2 3 4  T1B4 1 2 3 4  T1B4 1 2 3 4  T1B1 9 ";
    const std::string k1 = "TXF1 K1" + full;
    const Case cases[] = {
        {"found", "K1", k1, {}},
        {"no such curve", "K2", k1, {"E:TXF..fuer K2 nicht gefunden", Summary}},
        {"empty file", "K1", "", {"E:TXF..fuer K1 nicht gefunden", Summary}},
        {"no name", "K1", "TXF1 (", {"E:nach TKF.. kein Name", Summary}},
        {"value not a number", "K1", "TXF1 K1 T1B4 1 2 drei 4", {"E:KennlinienWert erwartet", Summary}},
        {"too few values", "K1", "TXF1 K1 T1B4 1 2 3 4", {Summary}},
        // The next curve's values do not fill up a short one.
        {"short curve before another", "K1", "TXF1 K1 T1B4 1 2 3 4 TXF1 K9" + full, {Summary}},
        // Comments run to the end of the line; the rest of the lines are joined, so a
        // value at the end of a line runs into the first word of the next.
        {"comments", "K1", "TXF1 K1 ; Kommentar T1B1 5\n" + full + "* T1B1 5\n", {}},
        {"joined lines", "K1", "TXF1 K1 \nT1B1 5\nT1B1 6" + full, {"E:KennlinienWert erwartet", Summary}},
        {"other words are skipped", "K1", "TXF1 K1 Kommentar (x) \"Text\"" + full, {}},
    };
    for (const Case& c : cases) {
        reporter.lines.clear();
        bool ok = true;
        const auto table = readCurveTable(curveBlock(46, c.name), c.text, reporter, ok);
        EXPECT_EQ(reporter.lines, c.errors) << c.what;
        EXPECT_EQ(ok, c.errors.empty()) << c.what;
        EXPECT_EQ(table.empty(), !c.errors.empty()) << c.what;
        if (!table.empty()) {
            EXPECT_EQ(table[33], 9) << c.what;
        }
    }
}

TEST_F(Curves, FileFaults)
{
    const fs::path dir = fs::temp_directory_path() / ("fup_curves_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);

    bool ok = true;
    loadCurveTable(curveBlock(46, "T10"), dir, reporter, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(reporter.lines, (std::vector<std::string>{
                                  "E:Datei " + (dir / "TK33.A").string() + " nicht gefunden.", Summary}));

    // Made on a system that does not tell letter cases apart.
    fs::copy_file(Data / "TK65.A", dir / "tk65.a");
    reporter.lines.clear();
    ok = true;
    EXPECT_EQ(loadCurveTable(curveBlock(47, "t20"), dir, reporter, ok).size(), 66u);
    EXPECT_TRUE(ok);

    fs::create_directories(dir / "TK33.A");
    reporter.lines.clear();
    loadCurveTable(curveBlock(46, "T10"), dir, reporter, ok);
    EXPECT_EQ(reporter.lines, (std::vector<std::string>{"E:Reset " + (dir / "TK33.A").string(), Summary}));

    // A block without the curve parameter.
    TKiste* adder = doc.createBlock(13, 2, 1, 1, 1, 1, false);
    reporter.lines.clear();
    ok = true;
    loadCurveTable(*adder, Data, reporter, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(reporter.lines, (std::vector<std::string>{"E:Par:Name nicht gefunden", Summary}));
    fs::remove_all(dir);
}

} // namespace
} // namespace fup
