#pragma once

#include "model/Reporter.h"

#include <string>
#include <vector>

namespace fup::test {

// Keeps every report as one line: "E:text", "W:text", "LOG:text", "BOX:text".
class RecordingReporter final : public Reporter {
public:
    void error(const TKiste*, const std::string& text, bool& ok) override
    {
        ok = false;
        lines.push_back("E:" + text);
    }
    void warning(const TKiste*, const std::string& text) override { lines.push_back("W:" + text); }
    void errorRaw(const TKiste* block, const std::string& text, bool& ok) override { error(block, text, ok); }
    void warningRaw(const TKiste* block, const std::string& text) override { warning(block, text); }
    void log(const std::string& text) override { lines.push_back("LOG:" + text); }
    void box(const std::string& text) override { lines.push_back("BOX:" + text); }
    using Reporter::error;

    std::vector<std::string> lines;
};

}  // namespace fup::test
