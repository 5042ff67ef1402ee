#pragma once

#include "codegen/TimeConstant.h"
#include "model/Catalogue.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace fup {

class TKiste;

enum class ParameterFrameState { Closed = 0, Open = 1, Cancelled = 2, Accepted = 3 };

constexpr int ParameterRowCount = 8;

// One row of the parameter panel (TPar).
struct ParameterRow {
    std::string label;    // prompt + " =", translated
    std::string value;    // the edit field
    bool visible = false; // check box "sichtbar": shown below the block
    bool eeprom = false;
    bool switchable = false; // a flash constant the user may turn into an EEPROM constant
    std::string baseText;    // the storage label without its suffix (the hint), translated
    int kind = 58;
    bool shown = false;        // the row is in use
    bool editShown = false;    // the edit field
    bool checkShown = false;   // the check box
    bool storageShown = false; // the storage label

    // Base text + "   (EEPROM/aenderbar)", + "   (FLASH/fix)" or nothing.
    std::string storageText() const;
    // A flash constant that could be switched shows its storage label on yellow.
    bool storageHighlighted() const { return switchable && !eeprom; }
};

// What a poll hands back to the block that opened the panel.
struct ParameterPoll {
    bool done = false;     // the panel was closed (accepted or cancelled)
    bool accepted = false; // done with "OK": the values below are to be taken over
    bool cancelled = false;
    bool changed = false; // a value text differs from the parameter's
    std::string name;     // the block name field
    // Per row in use, in parameter order.
    std::vector<std::string> values;
    std::vector<bool> visible;
    std::vector<bool> eeprom;
};

// How many rows the panel shows for a block: every parameter, at most 8, except the
// program text of the structured-text blocks, which has its own editor.
int parameterRowCount(const TKiste& block);

// The entered value as it is stored: double quotes blanked, trimmed, and for every kind
// but free text (58) a decimal comma turned into a point.
std::string cleanParameterValue(const std::string& text, int kind);

// The parameter panel (TParameter): edits the parameters of one block, in Online mode only
// its EEPROM constants. It moves Closed -> Open (open) -> Cancelled or Accepted (buttons,
// keys) -> Closed (the next poll by the block); a time constant the rounding refuses sends
// it from Accepted back to Open.
class ParameterFrame {
  public:
    // Kind 60: the rounding of a first-order time constant, given the row and its text.
    using TimeConstantRounding = std::function<TimeConstantResult(int row, const std::string& text)>;

    // Called after the state or any row changed.
    std::function<void()> changed;

    void open(const std::string& blockName, int rows, const std::vector<Para_descriptor>& params,
              bool online);
    ParameterPoll poll(const std::vector<Para_descriptor>& params, const TimeConstantRounding& round);
    // Closes without a result, whatever the state (the block went away).
    void close();

    // "OK" (EnterClick) and "Abbrechen" (AbortClick); both only while open.
    void accept();
    void cancel();
    // Enter in a value field: the row whose field takes the focus next, or -1 when this
    // was the last field and the panel is accepted.
    int enterPressed(int row);
    // Esc in a value field.
    void escapePressed() { cancel(); }
    // A click on a storage label (Label11Click): switchable rows toggle EEPROM and flash.
    void storageClicked(int row);
    void setValue(int row, const std::string& text);
    void setVisible(int row, bool visible);

    ParameterFrameState state() const { return state_; }
    bool isOpen() const { return state_ != ParameterFrameState::Closed; }
    const std::string& blockName() const { return blockName_; }
    int rowsInUse() const { return rowsInUse_; }
    const ParameterRow& row(int index) const { return rows_[static_cast<std::size_t>(index)]; }
    // The row whose field has the focus after opening; -1 when no field is shown.
    int firstFocusRow() const;

  private:
    bool validRow(int row) const { return row >= 0 && row < rowsInUse_; }
    void notify() const;

    ParameterFrameState state_ = ParameterFrameState::Closed;
    std::string blockName_;
    int rowsInUse_ = 0;
    std::array<ParameterRow, ParameterRowCount> rows_{};
};

} // namespace fup
