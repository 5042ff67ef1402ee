#pragma once

#include <functional>
#include <string>
#include <vector>

namespace fup {

class Document;
class Haupt;

class TKante;
class TKiste;

// One line of the variable list and the block it leads to.
struct VariableLine {
    std::string text; // name in 12 places, two blanks, block number in 4, " write"
    std::string name; // the variable name in full
    int blockNumber = 0;
    // What the line was made from: the list outlives renumbering and removals, so going
    // to a line follows the block itself, not the number it had.
    const TKiste* block = nullptr;
    const TKante* pin = nullptr;
};

// Every variable name the document uses, one line per pin that carries one: own variables
// and references on output pins (written by their block, " write") and references on
// input pins (read). Constants of input pins, the placeholder "_nil" and the pins of port
// blocks are left out. Sorted alphabetically, case ignored.
std::vector<VariableLine> variableLines(const Document& document);

// "Variablen-Liste" / "Suche Variable": the list beside the sheet that leads from a
// variable name to the blocks that write or read it.
class VariableList {
  public:
    explicit VariableList(Haupt& haupt);

    bool visible() const { return visible_; }
    // Shows the list, filled afresh from the document, or hides it.
    void toggle();
    void show();
    void hide();
    const std::vector<VariableLine>& lines() const { return lines_; }
    // Double click or Enter on a line: goes to its block and colours it red. A line
    // without a block ("nr=0") or whose block is gone ("k=nil") is answered by a deferred
    // message box. False when no block was shown.
    bool goToLine(int index);

    // Called whenever the list was shown, filled or hidden.
    std::function<void()> changed;

  private:
    void notify();

    Haupt& haupt_;
    bool visible_ = false;
    std::vector<VariableLine> lines_;
};

} // namespace fup
