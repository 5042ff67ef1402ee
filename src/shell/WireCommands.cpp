#include "shell/WireCommands.h"

#include "model/Document.h"
#include "model/Kanten.h"
#include "model/Translate.h"
#include "shell/WireLayer.h"

#include <string_view>

namespace fup {

namespace {

std::string trimmedCopy(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// The constant as the dialog offers it for editing: the shown text without the blanks
// around it, and a time without its unit, so that taking it unchanged keeps the value.
std::string editableValueText(std::uint8_t displayType, std::int32_t value, const TimeBase& base)
{
    std::string text = trimmedCopy(valueText(displayType, value, base));
    constexpr std::string_view Unit = " sec";
    if (displayType == dt::Time && text.ends_with(Unit))
        text.resize(text.size() - Unit.size());
    return text;
}

// An output that writes into a variable defined elsewhere is renamed through the
// reference dialog; every other name through the dialog of its own kind.
bool namesReference(const TKante& pin)
{
    return pin.isOutput() && pin.varType == var::Reference;
}

} // namespace

WireMenuItem editCommentItem()
{
    return {WireCommand::EditComment, "Edit Signalkommentar", 0, {}, {}};
}

WireCommands::WireCommands(WireLayer& layer, Document& document, platform::Dialogs& dialogs,
                           std::function<EditContext()> context, std::function<TimeBase()> timeBase)
    : layer_(layer), document_(document), dialogs_(dialogs), context_(std::move(context)),
      timeBase_(std::move(timeBase))
{
}

std::vector<WireMenuItem> WireCommands::menu(const TKante& element, WireMenuPlace place) const
{
    const EditContext context = context_();
    if (place == WireMenuPlace::PinLabel)
        return pinLabelMenu(element, context);
    return wireElementMenu(document_, element, context);
}

std::optional<TextQuery> WireCommands::query(const TKante& element, const WireMenuItem& item) const
{
    switch (item.command) {
    case WireCommand::EditComment:
        return TextQuery{"Signal Kommentar", "bitte eingeben", netComment(element)};
    case WireCommand::CreateVariable: {
        const NameDialog dialog = variableNameDialog(element, false);
        return TextQuery{dialog.title, dialog.prompt, element.varText};
    }
    case WireCommand::CreateReference: {
        const NameDialog dialog = variableNameDialog(element, true);
        return TextQuery{dialog.title, dialog.prompt, element.varText};
    }
    case WireCommand::ChangeVariable: {
        const NameDialog dialog = variableNameDialog(element, namesReference(element));
        return TextQuery{dialog.title, dialog.prompt, element.varText};
    }
    case WireCommand::CreateConstant: {
        if (!item.preset.empty())
            return std::nullopt; // TRUE and FALSE are chosen, not typed
        const NameDialog dialog = constantDialog(item.displayType);
        return TextQuery{dialog.title, dialog.prompt, "0"};
    }
    case WireCommand::ChangeConstant: {
        if (element.displayType == dt::Value)
            return std::nullopt; // a digital constant toggles
        const NameDialog dialog = constantDialog(element.displayType);
        return TextQuery{dialog.title, dialog.prompt,
                         editableValueText(element.displayType, element.constValue, timeBase_())};
    }
    default:
        return std::nullopt;
    }
}

bool WireCommands::allowed(const WireMenuItem& item) const
{
    const EditContext context = context_();
    switch (item.command) {
    case WireCommand::Display:
    case WireCommand::Hide:
        // What a wire shows belongs to Simulation and Online.
        return context.mode != EditContext::Mode::Edit;
    case WireCommand::Follow:
        return true;
    default:
        return context.editable();
    }
}

bool WireCommands::run(TKante& element, const WireMenuItem& item, const std::string& entered)
{
    if (!element.alive() || !allowed(item))
        return false;
    if (item.command == WireCommand::Follow)
        return layer_.followLink(element);
    if (item.command == WireCommand::Delete) {
        layer_.scheduleRemoval(element);
        return true;
    }

    const TimeBase base = timeBase_();
    layer_.changing();
    bool done = false;
    switch (item.command) {
    case WireCommand::InsertPoint:
        done = document_.insertPoint(element) != nullptr;
        break;
    case WireCommand::EditComment:
        done = document_.setSignalComment(element, entered);
        break;
    case WireCommand::ToggleComment:
        done = document_.toggleCommentFlag(element);
        break;
    case WireCommand::Invert:
        done = document_.invertInput(element);
        break;
    case WireCommand::CreateVariable:
        done = document_.setVariableName(element, entered);
        break;
    case WireCommand::CreateReference:
        done = element.isOutput() ? document_.setReference(element, entered)
                                  : document_.setVariableName(element, entered);
        break;
    case WireCommand::ChangeVariable:
        done = namesReference(element) ? document_.setReference(element, entered)
                                       : document_.setVariableName(element, entered);
        break;
    case WireCommand::ClearVariable:
        document_.clearVariable(element);
        done = true;
        break;
    case WireCommand::CreateConstant:
        done = document_.createConstant(element, item.displayType, item.preset.empty() ? entered : item.preset,
                                        base);
        break;
    case WireCommand::ChangeConstant:
        done = document_.changeConstant(element, entered, base);
        break;
    case WireCommand::ClearConstant:
        document_.clearConstant(element);
        done = true;
        break;
    case WireCommand::Display:
        document_.setDisplayType(element, item.displayType);
        done = true;
        break;
    case WireCommand::Hide:
        document_.hideValueLabel(element);
        done = true;
        break;
    case WireCommand::Delete:
    case WireCommand::Follow:
        break;
    }
    if (done)
        layer_.repaint();
    return done;
}

bool WireCommands::carryOut(TKante& element, const WireMenuItem& item)
{
    if (!element.alive() || !allowed(item))
        return false;
    const std::optional<TextQuery> question = query(element, item);
    if (!question)
        return run(element, item);
    const std::optional<std::string> answer =
        dialogs_.inputQuery(tx(question->title), tx(question->prompt), question->initial);
    if (!answer)
        return false;
    return run(element, item, *answer);
}

} // namespace fup
