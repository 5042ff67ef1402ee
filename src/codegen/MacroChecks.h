#pragma once

#include "codegen/Nets.h"
#include "model/Document.h"

#include <cstdint>

namespace fup {

// Content fingerprint of a macro or automat: a sum over the blocks of its inside, their
// input entries and output records as far as they stay inside, variable names and the
// parameters of ports and formulas; nested insides contribute their own fingerprint.
// The nets must have been built.
std::uint32_t contentFingerprint(const Document& doc, const CompileFields& fields, const TKiste& block);
// The same for one look at a block: builds the nets of the document first; 0 when they
// cannot be built (the reason is reported).
std::uint32_t contentFingerprint(Document& doc, const TKiste& block);

// Macros and automats of the same name must have the same content. A missing or empty
// name is an error that ends the check; unequal automats are errors, unequal macros an
// entry without prefix; both blocks of every unequal pair turn red. False on an error.
// The nets must have been built.
bool checkMacroNames(Document& doc, const CompileFields& fields);

// The macro consistency checks of Edit mode: the nets are built and, when that
// succeeds, the names checked. False when either reports an error.
bool macroConsistencyChecks(Document& doc);

} // namespace fup
