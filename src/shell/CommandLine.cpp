#include "shell/CommandLine.h"

#include "model/Constants.h"
#include "model/Reporter.h"
#include "model/Translate.h"

#include <algorithm>

namespace fup {
namespace {

std::string argumentAt(const std::vector<std::string>& arguments, std::size_t position)
{
    return position >= 1 && position <= arguments.size() ? arguments[position - 1] : std::string();
}

// Paths from the command line may be written with backslashes; this program runs on a
// system whose separator is "/".
std::filesystem::path nativePath(std::string text)
{
    std::replace(text.begin(), text.end(), '\\', '/');
    return std::filesystem::path(text);
}

}  // namespace

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

PathSplit splitProgramPath(const std::string& path)
{
    const auto isSeparator = [](char c) { return c == '\\' || c == '/' || c == ':'; };
    const auto lastSeparator = std::find_if(path.rbegin(), path.rend(), isSeparator);
    const std::size_t nameStart = lastSeparator == path.rend() ? 0 : path.rend() - lastSeparator;
    PathSplit split;
    split.directory = path.substr(0, nameStart);
    split.name = path.substr(nameStart);
    // Only the name part carries an extension; a "." in a directory name is no extension.
    if (const auto dot = split.name.rfind('.'); dot != std::string::npos)
        split.name.erase(dot);
    return split;
}

std::filesystem::path withTrailingSeparator(const std::filesystem::path& directory)
{
    std::string text = directory.string();
    if (!text.empty() && text.back() != '/')
        text += '/';
    return std::filesystem::path(text);
}

StartupRequest readCommandLine(const std::vector<std::string>& arguments, EditorState& state, Reporter& reporter,
                               const std::function<bool(const std::filesystem::path&)>& directoryExists)
{
    StartupRequest request;
    const auto arg = [&](std::size_t position) { return argumentAt(arguments, position); };

    state.projectName = arg(9);

    const std::string targetText = trimmed(arg(8));
    reporter.log("TargetStr=" + arg(8));
    state.target = -1;
    if (!targetText.empty()) {
        const auto target = parseIntegerText(targetText);
        if (target && *target >= 0 && *target <= 10 && std::to_string(*target) == targetText)
            state.target = static_cast<int>(*target);
        else
            reporter.warning(nullptr, tx("Unbekanntes Zielsystem"));
    }

    state.batchMode = trimmed(arg(7)) == "leer";

    state.cycleNumber = -1;
    if (const std::string text = arg(6); !text.empty()) {
        const auto number = parseIntegerText(text);
        if (!number)
            reporter.error(nullptr, tx("Ungueltige ZyklusNr: ") + text);
        else if (*number < 0 || *number > 64)
            reporter.error(nullptr, tx("Ungueltige ZyklusNr, nur(0..64): ") + std::to_string(*number));
        else
            state.cycleNumber = static_cast<int>(*number);
    }

    reporter.log("Prog-Directory=" + arg(3));
    reporter.log("Daten-Directory=" + arg(4));
    state.targetAddress = trimmed(arg(5));
    reporter.log("IP Adresse =" + state.targetAddress);

    const PathSplit split = splitProgramPath(arg(1));

    std::filesystem::path programDirectory;
    if (!arg(3).empty())
        programDirectory = nativePath(arg(3));
    else if (!split.directory.empty())
        programDirectory = nativePath(split.directory);
    else
        programDirectory = state.executableDirectory / "data";
    if (directoryExists(programDirectory)) {
        state.programDirectory = withTrailingSeparator(programDirectory);
    } else {
        state.programDirectory.clear();
        if (!split.name.empty())
            reporter.box(tx("Verzeichnis existiert nicht") + ": " + programDirectory.string());
    }

    state.processName = split.name.empty() ? "Unbenannt" : split.name;
    reporter.log("ProzessName=" + state.processName);

    std::string dataText = arg(4);
    std::replace(dataText.begin(), dataText.end(), '"', ' ');
    dataText = trimmed(dataText);
    if (!dataText.empty() && directoryExists(nativePath(dataText))) {
        state.dataDirectory = withTrailingSeparator(nativePath(dataText));
        state.ideDriven = true;
        request.dataDirectoryOverride = true;
    } else {
        state.ideDriven = false;
        state.dataDirectory = state.programDirectory;
        if (!arg(4).empty())
            reporter.box(tx("DatenVerzeichnis existiert nicht") + ": " + arg(4));
    }

    if (const std::string text = arg(2); !text.empty()) {
        const auto cycleTime = parseRealText(text);
        if (!cycleTime || *cycleTime < 0) {
            reporter.box(tx("Ungueltige Zykluszeit") + ": " + text);
            state.setCycleTime(0);
        } else {
            state.setCycleTime(*cycleTime);
            request.cycleTimeOverrideMs = *cycleTime;
        }
    }

    if (const std::string text = arg(10); !text.empty())
        request.showBlockArgument = text;
    return request;
}

}  // namespace fup
