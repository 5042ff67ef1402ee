#include "shell/MessageReporter.h"

#include "model/Translate.h"
#include "shell/EditorState.h"
#include "shell/ErrorList.h"

namespace fup {

MessageReporter::MessageReporter(EditorState& state, TErrListBox& errorList, ReporterView& view)
    : state_(state), errorList_(errorList), view_(view)
{
}

void MessageReporter::report(const TKiste* block, const std::string& line, bool isError, const std::string& listLine)
{
    exitCode_ = isError ? ExitError : ExitWarning;
    state_.warningFlag = true;
    if (state_.batchMode)
        view_.showMainWindow();
    if (compileRunning_ || (isError && state_.mode == EditorMode::Simulation)) {
        errorList_.add(listLine, block ? view_.blockNumber(*block) : -1);
        view_.showErrorList();
        return;
    }
    if (block)
        view_.highlightBlock(*block, isError ? colour::Red : colour::Yellow);
    else
        view_.raiseMessageWindow();
    view_.appendMessage(line);
    view_.messageBox(line);
}

void MessageReporter::error(const TKiste* block, const std::string& text, bool& ok)
{
    ok = false;
    report(block, tx("Fehler: ") + text, true, tx("Fehler : ") + text);
}

void MessageReporter::warning(const TKiste* block, const std::string& text)
{
    report(block, tx("Warnung: ") + text, false, tx("Warnung: ") + text);
}

void MessageReporter::errorRaw(const TKiste* block, const std::string& text, bool& ok)
{
    ok = false;
    report(block, text, true, text);
}

void MessageReporter::warningRaw(const TKiste* block, const std::string& text) { report(block, text, false, text); }

void MessageReporter::log(const std::string& text) { view_.appendMessage(text); }

void MessageReporter::box(const std::string& text) { view_.messageBox(text); }

}  // namespace fup
