// The project information panel and the parameter panel as the editor runs them.
#include "shell/Haupt.h"

#include "codegen/TimeConstant.h"

#include <algorithm>
#include <utility>

namespace fup {

namespace {
// The panel opens after the block menu's event has returned.
constexpr int ParameterOpenDelayMs = 10;
// How often the block asks the open panel whether it is done.
constexpr int ParameterPollMs = 50;
} // namespace

void Haupt::installPanels(platform::TimerService& timers)
{
    infoFrame_ = std::make_unique<InfoFrame>(state_, settings_, dialogs_, reporter_);
    // A new target changes the block menus; every change shows in the panel.
    infoFrame_->changed = [this] { refreshMenus(); };
    parameterFrame_ = std::make_unique<ParameterFrame>();

    parameterOpenTimer_ = timers.createTimer();
    parameterOpenTimer_->setSingleShot(true);
    parameterOpenTimer_->setInterval(ParameterOpenDelayMs);
    parameterOpenTimer_->setCallback([this] { openPendingParameters(); });
    parameterPollTimer_ = timers.createTimer();
    parameterPollTimer_->setSingleShot(false);
    parameterPollTimer_->setInterval(ParameterPollMs);
    parameterPollTimer_->setCallback([this] { pollParameters(); });
}

bool Haupt::parametersOffered(const TKiste& block) const
{
    if (!block.alive())
        return false;
    const std::vector<BlockMenuItem> items = blockContextMenu(block, blockMenuContext());
    return std::any_of(items.begin(), items.end(),
                       [](const BlockMenuItem& item) { return item.command == BlockCommand::Parameter; });
}

void Haupt::requestParameters(TKiste& block)
{
    if (!parametersOffered(block))
        return;
    pendingParameters_ = &block;
    parameterOpenTimer_->start();
}

void Haupt::openPendingParameters()
{
    TKiste* block = std::exchange(pendingParameters_, nullptr);
    if (!block || !parametersOffered(*block))
        return;
    if (!mayOpenParameters(*block))
        return;
    openParameters(*block);
}

void Haupt::openParameters(TKiste& block)
{
    // A panel still open for another block is given up without taking its values.
    parameterFrame_->close();
    parameterBlock_ = &block;
    parameterBlockType_ = block.type;
    parameterFrame_->open(block.name, parameterRowCount(block), block.params,
                          state_.mode == EditorMode::Online);
    parameterPollTimer_->start();
}

void Haupt::pollParameters()
{
    TKiste* block = parameterBlock_;
    // The block went away while its panel was open (a removed block may even have been
    // reused for another one).
    if (!block || !block->alive() || block->type != parameterBlockType_) {
        parameterPollTimer_->stop();
        parameterBlock_ = nullptr;
        parameterFrame_->close();
        return;
    }
    const ParameterPoll poll = parameterFrame_->poll(block->params, [this, block](int,
                                                                                  const std::string& text) {
        return roundTimeConstant(text, state_.cycleTimeSeconds, *block, reporter_,
                                 [this](const std::string& question) { return dialogs_.askYesNo(question); });
    });
    if (!poll.done)
        return;
    parameterPollTimer_->stop();
    parameterBlock_ = nullptr;
    // The mode may have changed while the panel was open.
    if (!poll.accepted || !parametersOffered(*block))
        return;
    if (undoSnapshot)
        undoSnapshot();
    for (std::size_t i = 0; i < poll.values.size() && i < block->params.size(); ++i) {
        block->params[i].show = poll.visible[i];
        block->params[i].eeprom = poll.eeprom[i];
    }
    document_.setParameters(*block, poll.values, editContext());
    view_.redisplay();
}

} // namespace fup
