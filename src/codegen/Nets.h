#pragma once

#include "model/Document.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace fup {

// Limits of the compile's view of a block.
constexpr int MaxOutputs = 24;      // output records per block
constexpr int MaxNetTargets = 24;   // target blocks per output record
constexpr int MaxInputEntries = 32; // input entries per block

// In-ports of a macro (178, 182, 184): their hidden input pin meets the mother's pin.
bool isMacroInPort(int type);

// One output pin of a block, with the blocks it feeds.
struct OutputRecord {
    TKante* pin = nullptr;
    TKiste* block = nullptr;
    // The block of every input pin wired to this output, in pin-list order: a block that
    // takes the signal on two inputs is listed twice.
    std::vector<TKiste*> targets;
};

// One input of a block that is wired or carries a variable or constant.
struct InputEntry {
    std::string variable;                 // unwired: the variable or constant name; wired: empty
    const OutputRecord* source = nullptr; // wired: the record of the driving output
    bool inverted = false;                // the subtracted input of SUGR, SUBW and SUB
    bool feedback = false;                // this input closes a loop; set by the ordering
    std::string pinText;
    TKante* inputPin = nullptr;
    TKante* sourcePin = nullptr; // wired: the driving output pin

    bool wired() const { return source != nullptr; }
};

// What a compile knows about one block beyond the document. Outputs are in the order of
// the document's pin list and numbered from 1 where the code generator names them;
// likewise the input entries.
struct BlockCompileFields {
    std::vector<OutputRecord> outputs;
    std::vector<InputEntry> inputs;
};

// The compile fields of every block, rebuilt by each compile and kept until the next. The
// blocks are the document's, in its stable storage, so they key the table directly; an
// input entry points at the output record of its source, which stays where it is because
// output records are only ever made before the first input entry. The table therefore
// moves but is never copied.
class CompileFields {
  public:
    CompileFields() = default;
    CompileFields(const CompileFields&) = delete;
    CompileFields& operator=(const CompileFields&) = delete;
    CompileFields(CompileFields&&) = default;
    CompileFields& operator=(CompileFields&&) = default;

    // Empty fields for a block the last build did not reach.
    const BlockCompileFields& of(const TKiste& block) const;
    BlockCompileFields& at(const TKiste& block) { return fields_[&block]; }
    void clear() { fields_.clear(); }

  private:
    std::unordered_map<const TKiste*, BlockCompileFields> fields_;
};

// Builds the nets of the whole document, every sheet and every inside: an output record
// for each output pin and an input entry for each input that is wired or carries a
// variable or constant. A connected macro in-port whose mother pin is unwired takes that
// pin's variable or constant, and its own hidden pin is given the same; on any other
// connected in-port the hidden pin carries none. A limit that is exceeded ("Zu viele
// Ausgaenge: ", "Zu viele Netz-Ziele: ", "Zu viele Eingaenge: " + the block's label) or a
// wired input whose driving output has no record ("InputNetz nicht gefunden") is reported
// and ends the build with false; the fields are then incomplete and the document is as
// it was.
bool buildNets(Document& doc, CompileFields& fields);

} // namespace fup
