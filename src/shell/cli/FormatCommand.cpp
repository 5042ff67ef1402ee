#include "shell/cli/FormatCommand.h"

#include "model/Document.h"
#include "model/Translate.h"
#include "persistence/FileText.h"
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
    if (upperExtension(file) != ".KR2")
        return fail(tx("Unbekannter Dateityp") + ": " + file.filename().string());

    std::string bytes;
    if (const FileResult read = readFileBytes(file, bytes); !read.ok)
        return fail(read.error);

    Document document(&reporter);
    ProgramSettings settings;
    const ReadResult result = readProgram(document, settings, decodeFileText(bytes));
    if (reporter.exitCode() != 0)
        exitCode = reporter.exitCode();
    if (!result.ok)
        return FormatOutcome::Failed;

    const std::string canonical = encodeFileText(writeProgram(document, settings, result.fileName));
    if (canonical == bytes)
        return FormatOutcome::Canonical;
    if (check)
        return FormatOutcome::NotCanonical;
    if (const FileResult written = saveFileAtomic(file, canonical); !written.ok)
        return fail(written.error);
    return FormatOutcome::Rewritten;
}

}  // namespace fup::cli
