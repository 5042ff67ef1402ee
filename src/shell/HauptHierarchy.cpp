// The editor's side of the hierarchy: opening the inside of a macro or automat and going
// back, the password lock, ports, clones and "Update Macros".
#include "shell/Haupt.h"

#include "codegen/MacroChecks.h"
#include "model/Hierarchy.h"
#include "model/StructuredTextPins.h"
#include "model/Translate.h"

#include <system_error>

namespace fup {

namespace {

// Top-level sheets are numbered below this, insides from 200 up; the numbers between
// belong to neither.
constexpr int FirstInvalidSheet = 100;

} // namespace

void Haupt::installHierarchyHooks()
{
    ParameterHooks& hooks = document_.hooks();
    hooks.portChanged = [this](TKiste& port, const std::string& oldName, const std::string& oldNumber) {
        portParametersChanged(document_, port, oldName, oldNumber);
    };
    hooks.structuredTextChanged = [this](TKiste& block, const std::string& oldName) {
        stParametersChanged(document_, block, oldName, dialogs_);
        textEditor_->followRename(block, oldName);
    };
    hooks.macroChecks = [this](TKiste&) { return macroConsistencyChecks(document_); };
    hooks.confirmMacroValues = [this](const TKiste&, const std::vector<std::string>& values) {
        if (values.empty())
            return true;
        const std::string name = cleanEnteredText(values.front());
        if (name.empty())
            return true;
        const std::string fileName = name + ".KR4";
        for (const std::filesystem::path& directory : {state_.programDirectory, state_.dataDirectory}) {
            std::error_code error;
            if (directory.empty() || !std::filesystem::exists(directory / fileName, error))
                continue;
            return dialogs_.askYesNo(tx("Eine MacroDatei diesese Namens") + " (" + fileName + ") " +
                                     tx("existiert bereits! neuen Macro-Namen trotzdem beibehalten ?"));
        }
        return true;
    };
}

bool Haupt::hierarchyBlockCommand(TKiste& block, BlockCommand command)
{
    const EditContext edit = editContext();
    const auto deferred = [this](const std::string& text) { deferredBox_.request(text); };
    switch (command) {
    case BlockCommand::OpenInside:
        KisteExpand(block);
        return true;
    case BlockCommand::OpenEditor:
        if (openCommentEditor && textEditor_->attachBlock(block))
            refreshMenus();
        return true;
    case BlockCommand::Lock:
        if (!state_.readOnly && isMacroOrAutomat(block.type))
            passwords_.lock(block, dialogs_, deferred);
        return true;
    case BlockCommand::Unlock:
        if (!state_.readOnly && isMacroOrAutomat(block.type))
            passwords_.unlock(block, dialogs_);
        return true;
    case BlockCommand::ConnectPort:
    case BlockCommand::DisconnectPort:
        // Not while the block may be about to go, nor outside an inside.
        if (!edit.editable() || pendingRemoval_ || !document_.mother())
            return true;
        if (command == BlockCommand::ConnectPort)
            connectPort(document_, block);
        else
            disconnectPort(document_, block);
        view_.redisplay();
        return true;
    case BlockCommand::Clone:
    case BlockCommand::CloneToOriginal: {
        if (!edit.editable())
            return true;
        // Both may ask for a new name first; the text editor follows it.
        const Para_descriptor* name = block.param("nam");
        const std::string oldName = name ? name->value : std::string();
        const bool done = command == BlockCommand::Clone ? cloneStBlock(document_, block, dialogs_) != nullptr
                                                         : uncloneStBlock(document_, block, dialogs_);
        if (done) {
            textEditor_->followRename(block, oldName);
            view_.redisplay();
        }
        return true;
    }
    case BlockCommand::UpdateMacros:
        if (edit.editable() && !pendingRemoval_) {
            UpdateMacrosDialogs questions;
            questions.askYesNo = [this](const std::string& text) { return dialogs_.askYesNo(text); };
            questions.information = [this](const std::string& text) { reporter_.box(text); };
            questions.message = deferred;
            updateMacros(document_, block, questions);
            refreshMenus();
            view_.redisplay();
        }
        return true;
    default:
        return false;
    }
}

bool Haupt::mayOpenParameters(TKiste& block)
{
    if (!isMacroOrAutomat(block.type))
        return true;
    return passwords_.accessAllowed(block, dialogs_, true,
                                    [this](const std::string& text) { deferredBox_.request(text); });
}

bool Haupt::KisteExpand(TKiste& block)
{
    // Sub-processes and function blocks open their program file on the navigation stack.
    if (!isMacroOrAutomat(block.type) || !block.alive())
        return false;
    if (!passwords_.accessAllowed(block, dialogs_, true,
                                  [this](const std::string& text) { deferredBox_.request(text); }))
        return false;
    if (!document_.mother())
        enteredBySearch_ = false;
    for (TKiste* b : document_.blocks())
        if (b->sheet == document_.currentSheet())
            b->colour = b->restingColour();
    if (block.type == 187 && document_.nestingDepthOf(block.sheet) >= MaxMacroNesting) {
        reporter_.box(tx("Fehler: Macro-SchachtelungsTiefe zu gross!"));
        return false;
    }
    rememberView();
    clearSelectFrame();
    document_.setMother(&block);
    document_.setCurrentSheet(block.childPage);
    document_.setNestingDepth(document_.nestingDepthOf(block.childPage));
    document_.setScroll(block.viewX * document_.zoom(), block.viewY * document_.zoom());
    markConnectedPorts(document_, block.childPage);
    refreshMenus();
    edit_->updateCaption();
    view_.redisplay();
    return true;
}

bool Haupt::PopZurueckMacro()
{
    TKiste* open = document_.mother();
    if (!open || !open->alive()) {
        reporter_.error(nullptr, tx("..kein Macro aktiv"));
        return false;
    }
    if (enteredBySearch_) {
        // Reached through a search: back to the macro block itself.
        clearSelectFrame();
        document_.showBlock(*open);
        open->colour = colour::Green;
        refreshMenus();
        edit_->updateCaption();
        view_.redisplay();
        return true;
    }
    const int page = open->sheet;
    TKiste* enclosing = nullptr;
    if (page >= FirstInstanceNumber) {
        enclosing = document_.ownerOfInside(page);
        if (!enclosing) {
            reporter_.error(nullptr, tx("..Mutter-Makro(neu) nicht gefunden"));
            return false;
        }
    } else if (page < 1 || page >= FirstInvalidSheet || page > document_.sheetCount()) {
        reporter_.error(nullptr, tx("..Zurueck:ungueltige Seite"));
        return false;
    }

    rememberView();
    document_.setMother(enclosing);
    document_.setCurrentSheet(page);
    document_.setNestingDepth(document_.nestingDepthOf(page));
    const int zoom = document_.zoom();
    if (enclosing)
        document_.setScroll(enclosing->viewX * zoom, enclosing->viewY * zoom);
    else
        document_.setScroll(document_.sheet(page).viewX * zoom, document_.sheet(page).viewY * zoom);
    clearSelectFrame();
    refreshMenus();
    view_.clearMessages();
    document_.resetColours();
    if (enclosing)
        markConnectedPorts(document_, page);
    if (state_.mode == EditorMode::Edit)
        macroConsistencyChecks(document_);
    open->colour = colour::Green;
    edit_->updateCaption();
    view_.redisplay();
    return true;
}

void Haupt::rememberView()
{
    const int zoom = document_.zoom();
    const int x = document_.scrollX() / zoom;
    const int y = document_.scrollY() / zoom;
    if (TKiste* open = document_.mother()) {
        open->viewX = x;
        open->viewY = y;
    } else if (document_.currentSheet() >= 1 && document_.currentSheet() <= document_.sheetCount()) {
        document_.sheet(document_.currentSheet()).viewX = x;
        document_.sheet(document_.currentSheet()).viewY = y;
    }
}

void Haupt::clearSelectFrame()
{
    document_.clearSelection();
    // The frame itself goes too, or paste and the sheet menu would still see it.
    edit_->clearSelectFrame();
}

} // namespace fup
