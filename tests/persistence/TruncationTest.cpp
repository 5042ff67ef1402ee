#include "persistence/SampleDiagram.h"
#include "persistence/fuzz/ReaderFuzz.h"

#include "persistence/CurveFile.h"
#include "persistence/FileText.h"
#include "persistence/FrameText.h"
#include "persistence/ProgramWriter.h"
#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fup {
namespace {

std::string sampleFileBytes()
{
    Document doc;
    test::buildSampleDiagram(doc);
    test::addSampleTexts(doc);
    return encodeFileText(writeProgram(doc, test::sampleSettings(), "/prog/KLAER.KR2"));
}

TEST(Truncation, EveryPrefixOfAValidFileReadsCleanly)
{
    const std::string bytes = sampleFileBytes();
    ASSERT_EQ(fuzz::checkReader(bytes), "");
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        const std::string broken = fuzz::checkReader(std::string_view(bytes).substr(0, length));
        ASSERT_EQ(broken, "") << "cut after " << length << " bytes";
    }
}

TEST(Truncation, DamagedBytesReadCleanly)
{
    // Single-byte damage at random places, with characters that matter to the syntax.
    const std::string bytes = sampleFileBytes();
    const std::string replacements = "()\" 0123456789-$xKISTE\n\r\x00\xff";
    std::mt19937 random(20240501);
    for (int round = 0; round < 1500; ++round) {
        std::string damaged = bytes;
        const int hits = 1 + static_cast<int>(random() % 3);
        for (int h = 0; h < hits; ++h) {
            const std::size_t at = random() % damaged.size();
            const char c = replacements[random() % replacements.size()];
            switch (random() % 3) {
            case 0:
                damaged[at] = c;
                break;
            case 1:
                damaged.insert(damaged.begin() + static_cast<std::ptrdiff_t>(at), c);
                break;
            default:
                damaged.erase(at, 1 + random() % 8);
                break;
            }
        }
        ASSERT_EQ(fuzz::checkReader(damaged), "") << "round " << round;
    }
}

// Sheet 2 of the sample diagram as clipboard text: a macro with its inside, an automat,
// structured text, texts.
std::string sampleFrameText()
{
    Document doc;
    test::buildSampleDiagram(doc);
    test::addSampleTexts(doc);
    doc.restoreInsideFirstOrder();
    doc.setCurrentSheet(2);
    doc.selectInRect(0, 0, SheetWidth, SheetHeight);
    selectTextsInRect(doc, 0, 0, SheetWidth, SheetHeight);
    return clipboardText(doc, {0, 0, SheetWidth, SheetHeight});
}

// Pastes the text into a document that has content of its own: the paste either succeeds
// or leaves the document exactly as it was. Returns what broke, or empty.
std::string checkPaste(std::string_view text)
{
    test::RecordingReporter reporter;
    Document doc(&reporter);
    test::buildSampleDiagram(doc);
    const std::string before = writeProgram(doc, {}, "x");
    const PasteResult pasted = pasteClipboardText(doc, text, {300, 200});
    if (pasted.outcome == PasteOutcome::Pasted) {
        // Every block of the document stays in the numbering, every inside has its macro.
        for (const TKiste* b : doc.blocks())
            if (b->sheet >= FirstInstanceNumber && !doc.ownerOfInside(b->sheet))
                return "a pasted block lies on an inside without macro";
        if (doc.instanceCounter() < 202)
            return "the instance counter went down";
        return {};
    }
    if (writeProgram(doc, {}, "x") != before)
        return "a failed paste changed the document";
    return {};
}

TEST(Truncation, EveryPrefixOfAFrameTextPastesOrChangesNothing)
{
    const std::string text = sampleFrameText();
    Document whole;
    test::buildSampleDiagram(whole);
    ASSERT_EQ(pasteClipboardText(whole, text, {300, 200}).outcome, PasteOutcome::Pasted);
    ASSERT_EQ(whole.instanceCounter(), 204);
    ASSERT_EQ(checkPaste(text), "");
    for (std::size_t length = 0; length < text.size(); ++length)
        ASSERT_EQ(checkPaste(std::string_view(text).substr(0, length)), "") << "cut after " << length << " bytes";
}

TEST(Truncation, DamagedFrameTextsPasteOrChangeNothing)
{
    const std::string text = sampleFrameText();
    const std::string replacements = "()\" 0123456789-$xKISTE\n\r\x00\xff";
    std::mt19937 random(20240617);
    for (int round = 0; round < 800; ++round) {
        std::string damaged = text;
        const int hits = 1 + static_cast<int>(random() % 3);
        for (int h = 0; h < hits; ++h) {
            const std::size_t at = random() % damaged.size();
            const char c = replacements[random() % replacements.size()];
            switch (random() % 3) {
            case 0:
                damaged[at] = c;
                break;
            case 1:
                damaged.insert(damaged.begin() + static_cast<std::ptrdiff_t>(at), c);
                break;
            default:
                damaged.erase(at, 1 + random() % 8);
                break;
            }
        }
        ASSERT_EQ(checkPaste(damaged), "") << "round " << round;
    }
}

TEST(Truncation, EveryPrefixOfACurveFileReadsCleanly)
{
    std::ifstream in(std::filesystem::path(FUP_TEST_DATA) / "persistence" / "TK33.A", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string text = decodeFileText(bytes);
    Document doc;
    TKiste* block = doc.createBlock(46, 1, 1, 1, 1, 1, false);
    block->param("KN")->value = "Kurz"; // the last curve but one: most prefixes cut it
    test::RecordingReporter reporter;
    for (std::size_t length = 0; length <= text.size(); ++length) {
        bool ok = true;
        const auto table = readCurveTable(*block, std::string_view(text).substr(0, length), reporter, ok);
        ASSERT_TRUE(table.empty() || table.size() == 34u);
        ASSERT_EQ(ok, !table.empty());
    }
}

} // namespace
} // namespace fup
