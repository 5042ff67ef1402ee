// Frame, macro and automat files from the file menu.
#include "shell/EditCommands.h"

#include "codegen/MacroChecks.h"
#include "model/Hierarchy.h"
#include "model/Translate.h"
#include "persistence/FrameFiles.h"
#include "shell/Haupt.h"

namespace fup {

namespace {
// The file dialogs' filters, in the form the platform's dialogs take.
constexpr const char* FrameFilter = "SPS-FrameDatei (*.KR3 *.kr3)";
constexpr const char* MacroFilter = "SPS-MacroDatei (*.KR4 *.kr4)";
constexpr const char* AutomatFilter = "AUTOMAT-Datei (*.KR5 *.kr5)";
}  // namespace

void EditCommands::loadFrame(PixelPoint mouse)
{
    if (!editable() || state_ != SelectState::None)
        return;
    const auto file = haupt_.dialogs_.openFileName(tx("Rahmen  Laden..."), haupt_.state_.dataDirectory, FrameFilter);
    if (!file)
        return;
    storeUndo();
    const FrameReadResult result = loadFrameFile(haupt_.document_, *file, mouse);
    if (result.ok && result.rect) {
        // The inserted objects stay framed, for the user to move them.
        rect_ = *result.rect;
        haupt_.document_.renumber();
        setSelectState(SelectState::Selected);
    }
    repaint();
}

void EditCommands::saveFrame()
{
    if (!mayStartFrameSave(haupt_.document_, haupt_.state_.readOnly, state_ == SelectState::Selected))
        return;
    const auto file = haupt_.dialogs_.saveFileName(tx("Rahmen Sichern"), haupt_.state_.dataDirectory, FrameFilter);
    if (file)
        saveFrameFile(haupt_.document_, rect_, *file);
}

void EditCommands::loadMacro(bool automat)
{
    if (!editable())
        return;
    const auto file = haupt_.dialogs_.openFileName(tx(automat ? "AUTOMAT Laden..." : "MACRO   Laden..."),
                                                   haupt_.state_.dataDirectory, automat ? AutomatFilter : MacroFilter);
    if (!file)
        return;
    storeUndo();
    MacroLoadContext context;
    context.editMode = haupt_.state_.mode == EditorMode::Edit;
    context.macroChecks = [this] { return macroConsistencyChecks(haupt_.document_); };
    loadMacroFile(haupt_.document_, *file, context);
    haupt_.document_.renumber();
    repaint();
}

}  // namespace fup
