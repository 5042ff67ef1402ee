#pragma once

#include "model/Reporter.h"
#include "model/Types.h"

#include <string>

namespace fup {

class TErrListBox;
struct EditorState;

// What the reporter needs from the window around it.
class ReporterView {
public:
    virtual ~ReporterView() = default;
    virtual void showMainWindow() = 0;
    // Shows the block's sheet and colours the block and every mother block above it.
    virtual void highlightBlock(const TKiste& block, Rgb colour) = 0;
    virtual int blockNumber(const TKiste& block) const = 0;
    // Moves the message window to 10,10, brings it to the front and shows it.
    virtual void raiseMessageWindow() = 0;
    virtual void appendMessage(const std::string& line) = 0;
    virtual void messageBox(const std::string& text) = 0;
    virtual void showErrorList() = 0;
};

// Exit codes of the process: the last report decides.
constexpr int ExitWarning = 9;
constexpr int ExitError = 10;

// The editor's message reporter: boxes and coloured blocks in interactive use, the
// error list while a compile runs (and for errors in Simulation mode).
class MessageReporter final : public Reporter {
public:
    MessageReporter(EditorState& state, TErrListBox& errorList, ReporterView& view);

    void error(const TKiste* block, const std::string& text, bool& ok) override;
    void warning(const TKiste* block, const std::string& text) override;
    void errorRaw(const TKiste* block, const std::string& text, bool& ok) override;
    void warningRaw(const TKiste* block, const std::string& text) override;
    void log(const std::string& text) override;
    void box(const std::string& text) override;
    using Reporter::error;

    int exitCode() const { return exitCode_; }
    void setCompileRunning(bool running) { compileRunning_ = running; }
    bool compileRunning() const { return compileRunning_; }

private:
    void report(const TKiste* block, const std::string& line, bool isError, const std::string& listLine);

    EditorState& state_;
    TErrListBox& errorList_;
    ReporterView& view_;
    int exitCode_ = 0;
    bool compileRunning_ = false;
};

}  // namespace fup
