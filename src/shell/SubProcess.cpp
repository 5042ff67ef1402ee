// Descending into the program files of sub-processes and function blocks, and returning.
#include "model/Hierarchy.h"
#include "model/Translate.h"
#include "shell/EditCommands.h"
#include "shell/Haupt.h"

#include <algorithm>
#include <system_error>

namespace fup {

namespace {

constexpr const char* ProgramExtension = ".KR2";

std::string trimmedName(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

bool EditCommands::openSubProcess(TKiste& block)
{
    Haupt& h = haupt_;
    if (h.state_.mode != EditorMode::Edit) {
        h.reporter_.box(tx("Nur in EDIT-Mode moeglich"));
        return false;
    }
    const Para_descriptor* nam = block.param("nam");
    if (!nam) {
        bool ok = true;
        h.reporter_.error(&block, tx("Parameter nam nicht gefunden: ") + block.name, ok);
        return false;
    }
    const std::string name = trimmedName(nam->value);
    if (name.empty() || name == "-") {
        h.reporter_.box(tx("Ungueltiger Prozess-Name") + ": " + name);
        return false;
    }
    if (sameProgramName(name, h.state_.processName)) {
        h.reporter_.box(tx("Rekursiver Prozess-Aufruf von: ") + name);
        return false;
    }
    if (progStack_.FindEntry(name)) {
        h.reporter_.box(tx("Rekursiver Prozess-Aufruf von:") + " " + name);
        return false;
    }
    if (progStack_.depth() >= TProgStack::MaxDepth) {
        h.reporter_.box(tx("Max. Schachtelungstiefe erreicht"));
        return false;
    }
    // Names read from files may use either separator.
    std::string portable = name;
    std::replace(portable.begin(), portable.end(), '\\', '/');
    const std::filesystem::path named(portable);
    if (named.filename().empty())
        h.reporter_.box(tx("ungueltige Ziel-Datei") + ": " + name);
    const std::filesystem::path base = block.type == 186 && !h.state_.dataDirectory.empty()
                                           ? h.state_.dataDirectory
                                           : h.state_.programDirectory;
    const std::filesystem::path directory = (base / named.parent_path()) / "";
    const std::string stem = named.filename().string();
    const std::filesystem::path file = directory / (stem + ProgramExtension);
    std::error_code error;
    if (!std::filesystem::exists(file, error) &&
        !h.dialogs_.askYesNo(tx("Datei") + ": \"" + name + "\" " +
                             tx("existiert nicht.. Datei neu erzeugen ?")))
        return false;

    storeUndo();
    std::unique_ptr<TUndoBuffer> callerRing = replaceUndoBuffer();
    TProgStack::Entry entry{h.programFile(), levelKind_, std::move(callerRing)};
    if (!progStack_.PutProg(std::move(entry))) {
        h.reporter_.box(tx("Fehler: Prog_Stack.."));
        return false;
    }
    levelKind_ = block.type;
    h.context_.insideSubProcess = true;
    h.infoFrame_->insideSubProcessFile = true;

    // The target and the cycle time stay those of the caller.
    const double cycleTime = h.state_.cycleTimeMs;
    clearSelectFrame();
    h.gestures().reset();
    h.document_.clear();
    h.state_.processName = stem;
    h.state_.programDirectory = directory;
    h.loadProgramFile(file);
    h.state_.setCycleTime(cycleTime);
    if (projectInfoRefresh)
        projectInfoRefresh();
    setSelectState(SelectState::None);
    updateCaption();
    repaint();
    return true;
}

bool EditCommands::Zurueck_SubProc(bool ask)
{
    Haupt& h = haupt_;
    if (h.state_.mode != EditorMode::Edit) {
        h.reporter_.box(tx("Nur im EDIT-Mode moeglich"));
        return false;
    }
    const auto onStack = [this](const std::string& name) { return progStack_.FindEntry(name); };
    if (findRecursiveCalls(h.document_, h.state_.processName, onStack)) {
        h.reporter_.box(tx("Zurueck (mit rekursiven Bloecken) NICHT moeglich"));
        return false;
    }
    if (ask) {
        const platform::Answer answer = h.dialogs_.askYesNoCancel(tx("Aenderungen speichern ?"));
        if (answer == platform::Answer::Cancel)
            return false;
        // Changes that could not be saved are not given up by leaving the file.
        if (answer == platform::Answer::Yes && h.saveProgram && !h.saveProgram())
            return false;
    }
    std::optional<TProgStack::Entry> caller = progStack_.GetProg();
    if (!caller) {
        h.reporter_.box(tx("Fehler: ProgStack Unterlauf"));
        return false;
    }
    levelKind_ = caller->levelKind;
    const std::filesystem::path directory =
        caller->program.has_parent_path() ? caller->program.parent_path() / "" : std::filesystem::path();
    h.state_.programDirectory = directory;
    h.context_.insideSubProcess = progStack_.depth() > 0;
    h.infoFrame_->insideSubProcessFile = h.context_.insideSubProcess;

    // The caller's ring comes back; its newest snapshot is the caller as it was left.
    replaceUndoBuffer(std::move(caller->undo));
    const std::optional<std::string> snapshot = undo_->GetProject();
    if (!snapshot) {
        h.reporter_.box(tx("Undo nicht moeglich"));
        setSelectState(state_);
        return false;
    }
    const bool restored = restoreSnapshot(*snapshot, true);
    h.showApplicationTitle();
    h.reporter_.log("zurueck.defaultDir=" + directory.string());
    return restored;
}

} // namespace fup
