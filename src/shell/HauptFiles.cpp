// The file menu's commands on the program file.
#include "shell/EditCommands.h"
#include "shell/Haupt.h"
#include "shell/ParameterFrame.h"

#include "model/Translate.h"

namespace fup {

namespace {
constexpr const char* ProgramFilter = "SPS-Dateien (*.KR2)";
}  // namespace

void Haupt::ProgrammSichernClick()
{
    saveProgram();
    edit_->updateCaption();
}

void Haupt::ProgrammSichernUnterClick()
{
    const auto chosen = dialogs_.saveFileName(tx("Programm   Sichern unter..."), programFile(), ProgramFilter);
    if (!chosen)
        return;
    const std::filesystem::path directory = chosen->parent_path();
    const std::string name = chosen->stem().string();
    if (directory.empty() || name.empty()) {
        reporter_.box(tx("ungueltige Ziel-Datei"));
        return;
    }
    state_.programDirectory = withTrailingSeparator(directory);
    state_.processName = name;
    edit_->replaceUndoBuffer();
    saveProgram();
    edit_->updateCaption();
}

void Haupt::ProgrammLadenClick()
{
    if (parameterFrame_->isOpen())
        return;
    if (state_.ideDriven) {
        deferredBox_.request(tx("andere Datei laden nur ueber IDE"));
        return;
    }
    switch (dialogs_.askYesNoCancel(tx("aktuelle Datei vorher sichern ?"))) {
    case platform::Answer::Yes:
        // A file that could not be saved is not given up for another one.
        if (!saveProgram())
            return;
        break;
    case platform::Answer::No:
        break;
    case platform::Answer::Cancel:
        return;
    }
    const auto chosen = dialogs_.openFileName(tx("Programm   Laden..."), state_.programDirectory, ProgramFilter);
    if (!chosen)
        return;
    const std::filesystem::path directory = chosen->parent_path();
    const std::string name = chosen->stem().string();
    reporter_.log("path= " + directory.string());
    reporter_.log("dat = " + name);
    document_.clear();
    if (name.empty()) {
        edit_->replaceUndoBuffer();
        infoFrame_->reset();
        reporter_.box(tx("ungueltiger DateiName"));
        state_.processName = "leer_dummy";
        showApplicationTitle();
    } else {
        state_.programDirectory = withTrailingSeparator(directory);
        state_.processName = name;
        loadProgramFile(programFile());
    }
    refreshMenus();
    edit_->updateCaption();
    view_.redisplay();
}

void Haupt::ArbeitsblaetterLoeschenClick()
{
    if (!editContext().editable() || document_.mother())
        return;
    // The whole diagram goes; the undo store keeps it one step back.
    edit_->storeUndo();
    gestures_->reset();
    clearSelectFrame();
    document_.clear();
    refreshMenus();
    edit_->updateCaption();
    view_.redisplay();
}

}  // namespace fup
