#include "shell/cli/FormatCommand.h"

#include "model/Document.h"
#include "model/Translate.h"
#include "persistence/FileText.h"
#include "persistence/FrameText.h"
#include "persistence/ProgramReader.h"
#include "persistence/ProgramWriter.h"
#include "shell/cli/CliReporter.h"

#include <algorithm>
#include <cctype>

namespace fup::cli {

namespace {

std::string upperExtension(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension;
}

// Where a frame file's top level is read to. Any point does: the writer takes the same
// origin off again. It lies far enough in that a block stored at -1/-1 (a frame written
// without its rectangle) is not taken for one that asks for the default place.
constexpr int FrameOrigin = 1000;

// A frame, macro or automat file as the editor writes it again. The objects are read into
// an empty document whose shown sheet is 0, the number the file gives its top level, and
// keep the instance numbers of the file.
bool canonicalFrame(Document& document, const std::string& text, bool withRectangle, std::string& canonical)
{
    document.setCurrentSheet(0);
    FramePlacement placement = withRectangle ? FramePlacement::atOrigin({FrameOrigin, FrameOrigin})
                                             : FramePlacement::inPlace();
    // Block names carry the numbers of the program a frame was written from.
    placement.keepNames = true;
    const FrameReadResult read = readFrame(document, text, placement);
    if (!read.ok)
        return false;
    canonical = encodeFileText(writeFrame(document, read.rect));
    return true;
}

}  // namespace

FormatOutcome formatFile(const std::filesystem::path& file, bool check, bool json, std::ostream& err,
                         int& exitCode)
{
    CliReporter reporter(file.string(), err, json);
    const auto fail = [&](const std::string& text) {
        reporter.error(nullptr, text);
        exitCode = reporter.exitCode();
        return FormatOutcome::Failed;
    };
    const std::string extension = upperExtension(file);
    const bool frame = extension == ".KR3" || extension == ".KR4" || extension == ".KR5";
    if (extension != ".KR2" && !frame)
        return fail(tx("Unbekannter Dateityp") + ": " + file.filename().string());

    std::string bytes;
    if (const FileResult read = readFileBytes(file, bytes); !read.ok)
        return fail(read.error);

    Document document(&reporter);
    const std::string text = decodeFileText(bytes);
    std::string canonical;
    bool ok = false;
    if (frame) {
        ok = canonicalFrame(document, text, extension == ".KR3", canonical);
    } else {
        ProgramSettings settings;
        const ReadResult result = readProgram(document, settings, text);
        ok = result.ok;
        if (ok)
            canonical = encodeFileText(writeProgram(document, settings, result.fileName));
    }
    if (reporter.exitCode() != 0)
        exitCode = reporter.exitCode();
    if (!ok)
        return FormatOutcome::Failed;

    if (canonical == bytes)
        return FormatOutcome::Canonical;
    if (check)
        return FormatOutcome::NotCanonical;
    if (const FileResult written = saveFileAtomic(file, canonical); !written.ok)
        return fail(written.error);
    return FormatOutcome::Rewritten;
}

}  // namespace fup::cli
