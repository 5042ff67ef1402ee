// libFuzzer entry for the program-file reader. The same check runs in the ordinary test
// executable over every prefix of a valid file (TruncationTest.cpp).
#include "persistence/fuzz/ReaderFuzz.h"

#include "model/Document.h"
#include "model/Reporter.h"
#include "persistence/FileText.h"
#include "persistence/ProgramReader.h"
#include "persistence/ProgramWriter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fup::fuzz {

namespace {

class QuietReporter final : public Reporter {
  public:
    void error(const TKiste*, const std::string&, bool& ok) override { ok = false; }
    void warning(const TKiste*, const std::string&) override {}
    void errorRaw(const TKiste*, const std::string&, bool& ok) override { ok = false; }
    void warningRaw(const TKiste*, const std::string&) override {}
    void log(const std::string&) override {}
    void box(const std::string&) override {}
};

} // namespace

std::string checkReader(std::string_view bytes)
{
    QuietReporter reporter;
    Document doc(&reporter);
    ProgramSettings settings;
    const ReadResult first = readProgram(doc, settings, decodeFileText(bytes));
    if (!first.ok) {
        if (!doc.blocks().empty() || !doc.kanten().empty() || !doc.texts().empty() || doc.sheetCount() != 1)
            return "a failed read left content in the document";
        return {};
    }
    // What was accepted is written; that text must read back and write the same.
    const std::string written = writeProgram(doc, settings, first.fileName);
    Document again(&reporter);
    ProgramSettings settingsAgain = settings;
    if (!readProgram(again, settingsAgain, written).ok)
        return "the written text of an accepted file does not read back";
    if (writeProgram(again, settingsAgain, first.fileName) != written)
        return "writing the read-back document gives another text";
    return {};
}

} // namespace fup::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string broken =
        fup::fuzz::checkReader(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!broken.empty()) {
        std::fprintf(stderr, "%s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
