#include "shell/ParameterFrame.h"

#include "model/Document.h"
#include "model/Kisten.h"
#include "model/Translate.h"

#include <algorithm>

namespace fup {

namespace {

constexpr int FreeText = 58;
constexpr int FirstOrderTime = 60;

} // namespace

std::string ParameterRow::storageText() const
{
    if (eeprom)
        return baseText + tx("   (EEPROM/aenderbar)");
    if (switchable)
        return baseText + tx("   (FLASH/fix)");
    return baseText;
}

int parameterRowCount(const TKiste& block)
{
    int count = static_cast<int>(block.params.size());
    if (block.type == 81 || block.type == 82)
        --count;
    return std::clamp(count, 0, ParameterRowCount);
}

std::string cleanParameterValue(const std::string& text, int kind)
{
    std::string value = cleanEnteredText(text);
    if (kind != FreeText)
        std::replace(value.begin(), value.end(), ',', '.');
    return value;
}

void ParameterFrame::notify() const
{
    if (changed)
        changed();
}

void ParameterFrame::open(const std::string& blockName, int rows, const std::vector<Para_descriptor>& params,
                          bool online)
{
    rowsInUse_ = std::clamp(rows, 0, std::min(ParameterRowCount, static_cast<int>(params.size())));
    state_ = ParameterFrameState::Open;
    blockName_ = blockName;
    rows_.fill(ParameterRow{});
    for (int i = 0; i < rowsInUse_; ++i) {
        const Para_descriptor& p = params[static_cast<std::size_t>(i)];
        ParameterRow& r = rows_[static_cast<std::size_t>(i)];
        r.label = tx(p.prompt.empty() ? p.name : p.prompt) + " =";
        r.value = p.value;
        r.visible = p.show;
        r.eeprom = p.eeprom;
        r.switchable = p.flash;
        r.baseText = p.hint.empty() ? std::string() : tx(p.hint);
        r.kind = p.kind;
        r.shown = true;
        // Online only the EEPROM constants can be changed, and only their values.
        r.editShown = !online || p.eeprom;
        r.checkShown = !online;
        r.storageShown = !online;
    }
    notify();
}

int ParameterFrame::firstFocusRow() const
{
    for (int i = 0; i < rowsInUse_; ++i)
        if (rows_[static_cast<std::size_t>(i)].editShown)
            return i;
    return -1;
}

void ParameterFrame::accept()
{
    if (state_ != ParameterFrameState::Open)
        return;
    state_ = ParameterFrameState::Accepted;
    notify();
}

void ParameterFrame::cancel()
{
    if (state_ != ParameterFrameState::Open)
        return;
    state_ = ParameterFrameState::Cancelled;
    notify();
}

void ParameterFrame::close()
{
    if (state_ == ParameterFrameState::Closed)
        return;
    state_ = ParameterFrameState::Closed;
    notify();
}

int ParameterFrame::enterPressed(int row)
{
    if (state_ != ParameterFrameState::Open)
        return -1;
    for (int next = row + 1; next < rowsInUse_; ++next)
        if (rows_[static_cast<std::size_t>(next)].editShown)
            return next;
    accept();
    return -1;
}

void ParameterFrame::storageClicked(int row)
{
    if (state_ != ParameterFrameState::Open || !validRow(row))
        return;
    ParameterRow& r = rows_[static_cast<std::size_t>(row)];
    if (!r.switchable || !r.storageShown)
        return;
    r.eeprom = !r.eeprom;
    notify();
}

void ParameterFrame::setValue(int row, const std::string& text)
{
    if (validRow(row))
        rows_[static_cast<std::size_t>(row)].value = text;
}

void ParameterFrame::setVisible(int row, bool visible)
{
    if (validRow(row))
        rows_[static_cast<std::size_t>(row)].visible = visible;
}

ParameterPoll ParameterFrame::poll(const std::vector<Para_descriptor>& params,
                                   const TimeConstantRounding& round)
{
    ParameterPoll result;
    if (state_ == ParameterFrameState::Open || state_ == ParameterFrameState::Closed)
        return result;
    if (state_ == ParameterFrameState::Cancelled) {
        result.done = true;
        result.cancelled = true;
        state_ = ParameterFrameState::Closed;
        notify();
        return result;
    }

    result.name = cleanEnteredText(blockName_);
    const int rows = std::min(rowsInUse_, static_cast<int>(params.size()));
    for (int i = 0; i < rows; ++i) {
        ParameterRow& r = rows_[static_cast<std::size_t>(i)];
        std::string text = cleanParameterValue(r.value, r.kind);
        if (r.kind == FirstOrderTime && round) {
            const TimeConstantResult rounded = round(i, text);
            if (!rounded.accepted) {
                // Nothing is taken over: the panel stays open with the refused text, and
                // the values of the rows before it are taken only together with it.
                r.value = text;
                state_ = ParameterFrameState::Open;
                notify();
                return ParameterPoll{};
            }
            text = rounded.text;
        }
        result.changed = result.changed || text != params[static_cast<std::size_t>(i)].value;
        result.values.push_back(text);
        result.visible.push_back(r.visible);
        result.eeprom.push_back(r.eeprom);
    }
    result.done = true;
    result.accepted = true;
    state_ = ParameterFrameState::Closed;
    notify();
    return result;
}

} // namespace fup
