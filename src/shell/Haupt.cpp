#include "shell/Haupt.h"

#include "model/Catalogue.h"
#include "model/Constants.h"
#include "model/Hierarchy.h"
#include "model/Translate.h"
#include "persistence/FrameFiles.h"
#include "persistence/ProgramFile.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace fup {

namespace {
constexpr int CloseTimerMs = 10;
constexpr const char* ProgramExtension = "KR2";
}  // namespace

Haupt::Haupt(MainView& view, platform::Dialogs& dialogs, platform::TimerService& timers)
    : view_(view),
      dialogs_(dialogs),
      reporter_(state_, errorList_, *this),
      document_(&reporter_),
      deferredBox_(
          timers, [this] { document_.resetColours(); }, [this](const std::string& text) { view_.messageBox(text); }),
      closeTimer_(timers.createTimer())
{
    closeTimer_->setSingleShot(true);
    closeTimer_->setInterval(CloseTimerMs);
    closeTimer_->setCallback([this] { view_.closeWindow(); });
    removeTimer_ = timers.createTimer();
    removeTimer_->setSingleShot(true);
    removeTimer_->setInterval(1);
    removeTimer_->setCallback([this] { removePendingBlock(); });
    saveProgram = [this] { return saveProgramFile(); };
    installPanels(timers);
    textRemoveTimer_ = timers.createTimer();
    textRemoveTimer_->setSingleShot(true);
    textRemoveTimer_->setInterval(1);
    textRemoveTimer_->setCallback([this] { removePendingText(); });

    gestures_ = std::make_unique<WireLayer>(
        document_, dialogs_, timers, [this] { return editContext(); },
        [this] { return TimeBase{state_.cycleTimeMs, state_.target}; });
    gestures_->redisplay = [this] { view_.redisplay(); };
    installHierarchyHooks();

    // Every command that changes the document takes an undo snapshot first.
    edit_ = std::make_unique<EditCommands>(*this);
    undoSnapshot = [this] { edit_->storeUndo(); };
    gestures_->beforeChange = [this] { edit_->storeUndo(); };
    gestures_->frameBusy = [this] {
        const SelectState frame = edit_->selectState();
        return frame == SelectState::Drawing || frame == SelectState::Moving;
    };
    edit_->projectInfoReset = [this] { infoFrame_->reset(); };
    edit_->projectInfoRefresh = [this] { infoFrame_->refresh(); };

    TextEditorSession::Host editorHost;
    editorHost.editContext = [this] { return editContext(); };
    editorHost.undoSnapshot = [this] {
        if (undoSnapshot)
            undoSnapshot();
    };
    editorHost.redisplay = [this] { view_.redisplay(); };
    editorHost.log = [this](const std::string& line) { reporter_.log(line); };
    textEditor_ = std::make_unique<TextEditorSession>(document_, dialogs_, std::move(editorHost));
    textEditor_->show = [this](const std::string& text) {
        if (openCommentEditor)
            openCommentEditor(text);
    };
    textEditor_->hide = [this] {
        if (closeCommentEditor)
            closeCommentEditor();
    };
}

std::filesystem::path Haupt::programFile() const
{
    return state_.programDirectory / (state_.processName + "." + ProgramExtension);
}

void Haupt::loadProgramFile(const std::filesystem::path& file)
{
    // A loaded document starts a fresh undo ring, without a wire gesture or a select frame
    // of the old one.
    gestures_->reset();
    clearSelectFrame();
    edit_->replaceUndoBuffer();
    infoFrame_->reset();
    settings_.programDirectory = state_.programDirectory;
    settings_.dataDirectory = state_.dataDirectory;
    settings_.ideDriven = state_.ideDriven;
    settings_.projectNameFixed = !state_.projectName.empty();
    if (settings_.projectNameFixed)
        settings_.projectName = state_.projectName;
    settings_.target = state_.target;
    settings_.cycleTimeMs = state_.cycleTimeMs;
    settings_.comPort = state_.comPort;
    const OpenResult result = openProgram(document_, settings_, file);
    if (result.status == OpenStatus::Failed) {
        document_.clear();
        state_.processName = "leer_dummy";
        showApplicationTitle();
        return;
    }
    if (result.status == OpenStatus::Loaded) {
        state_.target = settings_.target;
        state_.setCycleTime(settings_.cycleTimeMs);
        state_.dataDirectory = settings_.dataDirectory;
        state_.optimisationLevel = static_cast<unsigned char>(settings_.optimisationLevel);
        state_.comPort = settings_.comPort;
        infoFrame_->selectTarget(settings_.target);
    }
    infoFrame_->refresh();
    showApplicationTitle();
}

bool Haupt::saveProgramFile()
{
    settings_.target = state_.target;
    settings_.cycleTimeMs = state_.cycleTimeMs;
    settings_.dataDirectory = state_.dataDirectory;
    settings_.optimisationLevel = state_.optimisationLevel;
    settings_.comPort = state_.comPort;
    SaveOptions options;
    options.readOnly = state_.readOnly;
    options.batchMode = state_.batchMode;
    const bool saved = fup::saveProgram(document_, settings_, programFile(), options);
    infoFrame_->refresh();
    return saved;
}

void Haupt::highlightBlock(const TKiste& block, Rgb colour)
{
    // The reporter only holds the block to point at it; the document owns it.
    auto& target = const_cast<TKiste&>(block);
    document_.showBlock(target);
    target.colour = colour;
    for (TKiste* mother = document_.ownerOfInside(target.sheet); mother;
         mother = document_.ownerOfInside(mother->sheet))
        mother->colour = colour;
    view_.redisplay();
}

int Haupt::blockNumber(const TKiste& block) const { return block.number; }

EditContext Haupt::editContext() const
{
    EditContext context;
    context.mode = state_.mode;
    context.readOnly = state_.readOnly;
    context.onlineConnected = context_.onlineConnected;
    return context;
}

MenuState Haupt::menuState() const
{
    MenuContext context = context_;
    const TKiste* mother = document_.mother();
    context.motherOnScreen = mother != nullptr;
    context.automatInsideOnScreen = mother && mother->type == 188;
    context.macroInsideOnScreen = mother && mother->type == 187;
    context.menuTarget = infoFrame_->target().menuTarget;
    return computeMenuState(state_, context);
}

void Haupt::refreshMenus() { view_.applyMenuState(menuState()); }

void Haupt::startUp(const std::vector<std::string>& arguments, const std::filesystem::path& executableDirectory,
                    bool printerAvailable)
{
    state_.executableDirectory = withTrailingSeparator(executableDirectory);
    view_.setApplicationTitle("KORM: ");
    context_.frameSelected = false;
    context_.printerAvailable = printerAvailable;
    if (!printerAvailable)
        reporter_.log(tx("Kein Drucker verfuegbar !"));

    const StartupRequest request = readCommandLine(arguments, state_, reporter_, [](const std::filesystem::path& p) {
        std::error_code error;
        return std::filesystem::is_directory(p, error);
    });
    const std::filesystem::path dataDirectoryArgument = state_.dataDirectory;
    infoFrame_->rememberCommandLine();
    infoFrame_->reset();

    switchMode(EditorMode::Edit);

    document_.clear();
    if (!state_.programDirectory.empty())
        loadProgramFile(programFile());

    if (request.cycleTimeOverrideMs != 0)
        state_.setCycleTime(request.cycleTimeOverrideMs);
    if (request.dataDirectoryOverride)
        state_.dataDirectory = dataDirectoryArgument;
    infoFrame_->refresh();

    if (state_.batchMode) {
        errorList_.clear();
        const bool compiled = batchCompile && batchCompile();
        if (!compiled || state_.warningFlag) {
            state_.batchMode = false;
            view_.showWindow(WindowShow::Maximised);
        } else {
            if (saveProgram)
                saveProgram();
            closeTimer_->start();
        }
    } else {
        view_.showWindow(WindowShow::Maximised);
    }

    if (request.showBlockArgument) {
        const auto number = parseIntegerText(*request.showBlockArgument);
        if (!number || *number < 0 || !showBlockNumber(static_cast<int>(*number)))
            reporter_.box(tx("Ungueltige Baustein-Nr.") + ": " + *request.showBlockArgument);
    }

    state_.readOnly = true;
    applyReadOnly();
    edit_->updateCaption();
}

bool Haupt::showBlockNumber(int number)
{
    TKiste* block = document_.findBlock(number);
    if (!block)
        return false;
    if (document_.showBlock(*block)) {
        block->colour = colour::Red;
        if (block->sheet >= FirstInstanceNumber) {
            enteredBySearch_ = true;
            markConnectedPorts(document_, block->sheet);
        }
    }
    view_.redisplay();
    return true;
}

void Haupt::switchMode(EditorMode mode)
{
    state_.mode = mode;
    if (mode == EditorMode::Simulation) {
        context_.simulationRunning = false;
        context_.simulationResetEnabled = false;
    }
    refreshMenus();
}

void Haupt::applyReadOnly() { switchMode(state_.mode); }

bool Haupt::closeOnlineSafely()
{
    if (closeOnline)
        closeOnline();
    return true;
}

void Haupt::EditClick()
{
    const EditorMode previous = state_.mode;
    closeOnlineSafely();
    if (previous == EditorMode::Online && !state_.readOnly && saveProgram)
        saveProgram();
    switchMode(EditorMode::Edit);
    edit_->updateCaption();
    document_.renumber();
    document_.resetColours();
    view_.redisplay();
}

void Haupt::SimulateClick()
{
    const EditorMode previous = state_.mode;
    closeOnlineSafely();
    if (previous == EditorMode::Online && saveProgram)
        saveProgram();
    if (!compileCheck || !compileCheck()) {
        reporter_.box(tx("Nicht Fehlerfrei: Simulation nicht moeglich"));
        return;
    }
    switchMode(EditorMode::Simulation);
    edit_->updateCaption();
    view_.redisplay();
}

void Haupt::OnlineClick()
{
    if (!compileCheck || !compileCheck()) {
        reporter_.box(tx("Nicht Fehlerfrei: Online nicht moeglich"));
        return;
    }
    context_.onlineConnected = false;
    switchMode(EditorMode::Online);
    edit_->updateCaption();
    view_.redisplay();
}

void Haupt::NURLESEN1Click()
{
    state_.readOnly = !state_.readOnly;
    applyReadOnly();
}

void Haupt::NurProzessvisualisierung1Click()
{
    state_.processVisualisationOnly = !state_.processVisualisationOnly;
    refreshMenus();
    view_.redisplay();
}

void Haupt::Quitt1Click()
{
    closeOnlineSafely();
    view_.closeWindow();
}

void Haupt::Exit1Click()
{
    // A failure on the way out keeps the window open, so nothing unsaved is lost.
    try {
        closeOnlineSafely();
        if (!saveProgram || !saveProgram()) {
            reporter_.log(tx("Programm nicht gesichert"));
            return;
        }
        view_.closeWindow();
    } catch (const std::exception&) {
    }
}

void Haupt::FormClose()
{
    try {
        closeOnlineSafely();
    } catch (const std::exception&) {
        reporter_.box("tryClose Except");
    }
}

TKiste* Haupt::createBlockFromMenu(int type)
{
    if (!editContext().editable())
        return nullptr;
    if (const auto refusal = document_.creationRefusal(type)) {
        reporter_.box(tx(*refusal));
        return nullptr;
    }
    const VariablePins counts = variablePins(type);
    const std::string caption = typeLabel(type);
    int n = 2;
    int m = 2;
    if (counts.askInputs)
        n = creationInputCount(type, dialogs_.inputQuery(caption, tx("Anzahl Eingaenge ?"), "2"));
    if (counts.askOutputs)
        m = creationOutputCount(type, dialogs_.inputQuery(caption, tx("Anzahl Ausgaenge ?"), "2"));
    edit_->storeUndo();
    TKiste* block = document_.createBlockFromMenu(type, n, m);
    view_.redisplay();
    return block;
}

bool Haupt::handlesBlockCommand(BlockCommand command)
{
    switch (command) {
    case BlockCommand::Parameter:
    case BlockCommand::Remove:
    case BlockCommand::Flip:
    case BlockCommand::Lock:
    case BlockCommand::Unlock:
    case BlockCommand::ConnectPort:
    case BlockCommand::DisconnectPort:
    case BlockCommand::OpenInside:
    case BlockCommand::OpenEditor:
    case BlockCommand::Clone:
    case BlockCommand::CloneToOriginal:
    case BlockCommand::UpdateMacros:
    case BlockCommand::Save:
        return true;
    default:
        return false;
    }
}

bool Haupt::handlesBlockCommand(const TKiste& block, BlockCommand command)
{
    if (command == BlockCommand::OpenInside && !isMacroOrAutomat(block.type) && block.type != 180 &&
        block.type != 186)
        return false;
    if (command == BlockCommand::OpenEditor && block.type != 81 && block.type != 82)
        return false;
    return handlesBlockCommand(command);
}

BlockMenuContext Haupt::blockMenuContext() const
{
    BlockMenuContext context;
    context.edit = editContext();
    context.insideMother = document_.mother() != nullptr;
    context.textEditorBusy = textEditor_->attached();
    return context;
}

void Haupt::blockCommand(TKiste& block, BlockCommand command)
{
    if (command == BlockCommand::Parameter) {
        requestParameters(block);
        return;
    }
    if (command == BlockCommand::OpenInside && (block.type == 180 || block.type == 186)) {
        edit_->openSubProcess(block);
        return;
    }
    if (command == BlockCommand::Save) {
        if (!editContext().editable())
            return;
        MacroSaveContext context;
        context.selectFrameActive = context_.frameSelected;
        context.deferredMessage = [this](const std::string& text) { deferredBox_.request(text); };
        context.askYesNo = [this](const std::string& question) { return dialogs_.askYesNo(question); };
        saveMacroFile(document_, block, state_.dataDirectory, context);
        view_.redisplay();
        return;
    }
    if (command != BlockCommand::OpenInside && command != BlockCommand::OpenEditor && editContext().editable())
        edit_->storeUndo();
    if (hierarchyBlockCommand(block, command))
        return;
    if (!editContext().editable())
        return;
    switch (command) {
    case BlockCommand::Flip:
        document_.flipBlock(block, editContext());
        view_.redisplay();
        break;
    case BlockCommand::Remove:
        pendingRemoval_ = &block;
        removeTimer_->start();
        break;
    default:
        break;
    }
}

void Haupt::removePendingBlock()
{
    TKiste* block = std::exchange(pendingRemoval_, nullptr);
    if (!block || !block->alive())
        return;
    if (isMacroOrAutomat(block->type) && context_.frameSelected) {
        reporter_.box(tx("Select-Rahmen noch aktiv"));
        return;
    }
    // A macro or automat goes with its whole inside, the instance numbers closing up; a
    // port takes its pins from the mother block first.
    removeWithInside(document_, *block);
    view_.redisplay();
}

void Haupt::setParameterDisplay(ParamDisplay mode)
{
    document_.setParamDisplay(mode);
    view_.redisplay();
}

}  // namespace fup
