#include "persistence/ProgramFile.h"

#include "model/Document.h"
#include "model/Reporter.h"
#include "model/Translate.h"
#include "persistence/FileText.h"
#include "persistence/ProgramWriter.h"

#include <ctime>

namespace fup {

OpenResult openProgram(Document& doc, ProgramSettings& settings, const std::filesystem::path& file)
{
    OpenResult result;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return result;

    std::string bytes;
    const FileResult read = readFileBytes(file, bytes);
    if (!read.ok) {
        doc.reporter().error(nullptr, tx("Create:") + file.string());
        doc.reporter().log(read.error);
        doc.clear();
        result.status = OpenStatus::Failed;
        return result;
    }
    result.read = readProgram(doc, settings, decodeFileText(bytes));
    result.status = result.read.ok ? OpenStatus::Loaded : OpenStatus::Failed;
    return result;
}

std::string currentSaveDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return formatSaveDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                          local.tm_sec);
}

bool saveProgram(Document& doc, ProgramSettings& settings, const std::filesystem::path& file,
                 const SaveOptions& options)
{
    if (options.readOnly && !options.batchMode) {
        doc.reporter().box(tx("read only !"));
        return false;
    }
    ProgramSettings written = settings;
    if (!options.batchMode)
        written.saveDate = options.now ? *options.now : currentSaveDate();

    const std::string bytes = encodeFileText(writeProgram(doc, written, file.string()));
    const FileResult saved = saveFileAtomic(file, bytes);
    if (!saved.ok) {
        doc.reporter().error(nullptr, saved.error);
        return false;
    }
    settings.saveDate = written.saveDate;
    return true;
}

} // namespace fup
