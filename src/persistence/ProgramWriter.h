#pragma once

#include "persistence/ProgramFormat.h"
#include "persistence/ProgramSettings.h"

#include <span>
#include <string>
#include <vector>

namespace fup {

class Document;
class TKiste;
class TKante;

// The whole document as program-file text (UTF-8, "\n" line ends; encodeFileText makes
// the file bytes of it). fileName is written into the SPSFILE line. The text has no
// size limit. Writing gives every block its save index and every wire element its save
// number; nothing else in the document changes.
std::string writeProgram(Document& doc, const ProgramSettings& settings, const std::string& fileName,
                         std::span<const CommentTextRecord> texts = {});

// The order in which wire elements are written: the pins of every block with fixed pins,
// block by block, then the pins of structured-text blocks, macros and automats and the
// intermediate points in list order. A file read back creates its elements in exactly
// this order, so writing the read document gives the same text again.
std::vector<TKante*> writeOrder(const Document& doc);

// Blocks whose pins are written with their layout (TYP record) and made from it again.
bool pinsWrittenWithLayout(int type);

// "dd.mm.yyyy  hh:mm:ss"
std::string formatSaveDate(int year, int month, int day, int hour, int minute, int second);

}  // namespace fup
