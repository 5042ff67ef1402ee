#include "shell/cli/CliReporter.h"

#include "model/Kisten.h"
#include "model/Translate.h"
#include "shell/MessageReporter.h"
#include "shell/cli/Json.h"

namespace fup::cli {

CliReporter::CliReporter(std::string file, std::ostream& err, bool json)
    : file_(std::move(file)), err_(err), json_(json)
{
}

void CliReporter::write(const TKiste* block, const char* severity, const std::string& prefix,
                        const std::string& text)
{
    if (json_) {
        JsonObject line;
        line.field("file", file_).field("severity", severity);
        if (block)
            line.field("block", block->number).field("label", block->label);
        else
            line.null("block").null("label");
        line.field("text", text);
        err_ << line.str() << '\n';
    } else {
        err_ << file_ << ": " << prefix;
        if (block)
            err_ << block->name << ": ";
        err_ << text << '\n';
    }
    err_.flush();
}

void CliReporter::error(const TKiste* block, const std::string& text, bool& ok)
{
    ok = false;
    exitCode_ = ExitError;
    write(block, "error", tx("Fehler: "), text);
}

void CliReporter::warning(const TKiste* block, const std::string& text)
{
    exitCode_ = ExitWarning;
    write(block, "warning", tx("Warnung: "), text);
}

void CliReporter::errorRaw(const TKiste* block, const std::string& text, bool& ok)
{
    ok = false;
    exitCode_ = ExitError;
    write(block, "error", {}, text);
}

void CliReporter::warningRaw(const TKiste* block, const std::string& text)
{
    exitCode_ = ExitWarning;
    write(block, "warning", {}, text);
}

void CliReporter::log(const std::string& text)
{
    if (showLog_)
        write(nullptr, "log", {}, text);
}

void CliReporter::box(const std::string& text) { write(nullptr, "info", {}, text); }

}  // namespace fup::cli
