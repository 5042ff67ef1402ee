#include "persistence/FileText.h"
#include "persistence/Cp1252.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fup {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void put(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

// A fresh directory per test, removed afterwards.
class AtomicSave : public ::testing::Test {
  protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("fup_persist_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }
    std::vector<fs::path> entries() const
    {
        std::vector<fs::path> found;
        for (const auto& e : fs::directory_iterator(dir))
            found.push_back(e.path().filename());
        return found;
    }
    fs::path dir;
};

TEST(Cp1252, EveryByteSurvivesDecodeAndEncode)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_EQ(utf8ToCp1252(utf8), all);
}

TEST(Cp1252, CharactersOfTheUpperHalf)
{
    struct Case {
        unsigned char byte;
        const char* utf8;
    };
    const Case cases[] = {
        {0x80, "\u20AC"}, {0x8A, "\u0160"}, {0x93, "\u201C"}, {0x99, "\u2122"},
        {0x9F, "\u0178"}, {0x81, "\u0081"}, {0x9D, "\u009D"}, {0xA0, "\u00A0"},
        {0xC4, "\u00C4"}, {0xDC, "\u00DC"}, {0xDF, "\u00DF"}, {0xFF, "\u00FF"},
    };
    for (const Case& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(cp1252ToUtf8(byte), c.utf8) << int(c.byte);
        EXPECT_EQ(utf8ToCp1252(c.utf8), byte) << int(c.byte);
    }
}

TEST(Cp1252, WhatTheCodePageCannotHoldBecomesQuestionMark)
{
    EXPECT_EQ(utf8ToCp1252("a\u0100b"), "a?b");     // Latin Extended-A not in the page
    EXPECT_EQ(utf8ToCp1252("\u0080"), "?");         // a C1 control the page maps elsewhere
    EXPECT_EQ(utf8ToCp1252("x\U0001F600y"), "x?y"); // outside the BMP
    EXPECT_EQ(utf8ToCp1252("\u4E2D\u6587"), "??");
    // Malformed UTF-8: a stray continuation byte, a cut sequence, an overlong form, a
    // surrogate. Each bad byte is one "?", nothing is dropped or read past the end.
    EXPECT_EQ(utf8ToCp1252("a\x80z"), "a?z");
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a?");
    EXPECT_EQ(utf8ToCp1252("\xC0\xAF"), "??");
    EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80"), "???");
}

TEST(FileText, LineEndsAtTheBoundary)
{
    EXPECT_EQ(encodeFileText("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(encodeFileText("a\r\nb"), "a\r\nb"); // no doubled CR
    EXPECT_EQ(encodeFileText("\nx"), "\r\nx");
    EXPECT_EQ(decodeFileText("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(decodeFileText("a\nb\n"), "a\nb\n"); // files with bare LF read the same
    EXPECT_EQ(decodeFileText("a\rb"), "a\rb");     // a lone CR is kept
    EXPECT_EQ(decodeFileText("\xDC"
                             "ber\r\n"),
              "\u00DCber\n");
    EXPECT_EQ(encodeFileText("\u00DCber\n"), "\xDC"
                                             "ber\r\n");
}

TEST_F(AtomicSave, SaveCreatesAndReplacesWithoutLeavingTemporaries)
{
    const fs::path file = dir / "P.KR2";
    ASSERT_TRUE(saveFileAtomic(file, "first").ok);
    EXPECT_EQ(slurp(file), "first");
    ASSERT_TRUE(saveFileAtomic(file, std::string(200000, 'x')).ok);
    EXPECT_EQ(slurp(file).size(), 200000u);
    EXPECT_EQ(entries(), std::vector<fs::path>{"P.KR2"});

    std::string bytes;
    ASSERT_TRUE(readFileBytes(file, bytes).ok);
    EXPECT_EQ(bytes, std::string(200000, 'x'));
}

TEST_F(AtomicSave, SaveKeepsPermissionsAndFollowsLinks)
{
    const fs::path file = dir / "real.KR2";
    put(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(file, dir / "link.KR2");

    ASSERT_TRUE(saveFileAtomic(dir / "link.KR2", "new").ok);
    EXPECT_TRUE(fs::is_symlink(dir / "link.KR2"));
    EXPECT_EQ(slurp(file), "new");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicSave, FailedSaveLeavesTheOldFileAndSaysWhy)
{
    const fs::path file = dir / "P.KR2";
    const std::string old = "(VERSION 21 )\r\nold contents\r\n";
    put(file, old);

    // The target is a directory: the rename cannot replace it.
    fs::create_directories(dir / "sub.KR2");
    FileResult r = saveFileAtomic(dir / "sub.KR2", "new");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("sub.KR2"), std::string::npos) << r.error;

    // The directory does not exist.
    r = saveFileAtomic(dir / "missing" / "P.KR2", "new");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("missing"), std::string::npos) << r.error;

    // A file stands where the directory should be.
    put(dir / "notadir", "x");
    r = saveFileAtomic(dir / "notadir" / "P.KR2", "new");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());

    EXPECT_EQ(slurp(file), old);
    const auto left = entries();
    EXPECT_EQ(left.size(), 3u); // P.KR2, sub.KR2, notadir: no temporary left behind
}

TEST_F(AtomicSave, WriteFailingHalfWayKeepsOldFileByteIdentical)
{
    // A file-size limit makes the write of the temporary file fail after its first
    // kilobytes, as a full disk would; it stops root as well as anyone.
    const fs::path file = dir / "P.KR2";
    const std::string old = "old\r\n\xDC\r\n";
    put(file, old);

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult r = saveFileAtomic(file, std::string(100000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("P.KR2"), std::string::npos) << r.error;
    EXPECT_EQ(slurp(file), old);
    EXPECT_EQ(entries(), std::vector<fs::path>{"P.KR2"});
}

TEST_F(AtomicSave, ReadReportsMissingFilesAndDirectories)
{
    std::string bytes = "stale";
    FileResult r = readFileBytes(dir / "nothing.KR2", bytes);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("nothing.KR2"), std::string::npos);
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(readFileBytes(dir, bytes).ok);
}

} // namespace
} // namespace fup
