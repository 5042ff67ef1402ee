#pragma once

#include "persistence/ProgramFormat.h"
#include "persistence/ProgramSettings.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace fup {

class Document;
class TKiste;
class TKante;

// The whole document as program-file text (UTF-8, "\n" line ends; encodeFileText makes
// the file bytes of it). fileName is written into the SPSFILE line. The text has no
// size limit. Writing gives every block its save index and every wire element its save
// number; nothing else in the document changes.
std::string writeProgram(Document& doc, const ProgramSettings& settings, const std::string& fileName);

// How the wire elements are written. Pins that the block factory makes again from the
// block's type and counts are written by name; all other pins (those of structured-text
// blocks, macros and automats, and any pin a block has beyond its catalogue layout)
// carry their layout (TYP record), from which the reader makes them again. The order:
// the pins made by the factory, block by block, then the pins with layout and the
// intermediate points in list order. A file read back creates its elements in exactly
// this order, so writing the read document gives the same text again.
struct WritePlan {
    std::vector<TKante*> order;
    std::unordered_set<const TKante*> withLayout;
};
WritePlan planElements(const Document& doc);

// Blocks whose pins all come from the file rather than from the catalogue.
bool pinsWrittenWithLayout(int type);

// "dd.mm.yyyy  hh:mm:ss"
std::string formatSaveDate(int year, int month, int day, int hour, int minute, int second);

} // namespace fup
