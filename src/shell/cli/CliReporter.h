#pragma once

#include "model/Reporter.h"

#include <ostream>
#include <string>

namespace fup::cli {


// The command line's reporter: one line on the error stream per report.
//   plain: "FILE: Fehler: NAME: TEXT" (NAME = the block's name), "FILE: Warnung: TEXT", raw texts without prefix
//   JSON:  {"file":..,"severity":"error"|"warning"|"info"|"log","block":N|null,
//           "label":..|null,"text":..} per line
// Errors and warnings set the exit code (the last report decides); boxes are shown as
// "info" lines, log lines only when asked for.
class CliReporter final : public Reporter {
public:
    CliReporter(std::string file, std::ostream& err, bool json);

    void error(const TKiste* block, const std::string& text, bool& ok) override;
    void warning(const TKiste* block, const std::string& text) override;
    void errorRaw(const TKiste* block, const std::string& text, bool& ok) override;
    void warningRaw(const TKiste* block, const std::string& text) override;
    void log(const std::string& text) override;
    void box(const std::string& text) override;
    using Reporter::error;

    void setShowLog(bool show) { showLog_ = show; }
    int exitCode() const { return exitCode_; }

private:
    void write(const TKiste* block, const char* severity, const std::string& prefix, const std::string& text);

    std::string file_;
    std::ostream& err_;
    bool json_;
    bool showLog_ = false;
    int exitCode_ = 0;
};

}  // namespace fup::cli
