#include "model/Document.h"
#include "persistence/FileText.h"
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

    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "fupc-format-test";
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

}  // namespace
}  // namespace fup::cli
