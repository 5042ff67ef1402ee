#pragma once

#include "model/Types.h"
#include "persistence/ProgramFormat.h"
#include "persistence/ReadSteps.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace fup {

class Document;
class TKiste;
class TKante;

// Where read objects go. The program reader places them as stored; inserting a frame
// places the objects of ordinary sheets relative to an origin and selects them.
struct Placement {
    bool pasting = false; // objects are inserted into a document that has content
    int dx = 0;           // added to positions on sheets below 200 when pasting
    int dy = 0;
    // The block names of the text are kept. The editor names blocks by their place in its
    // list; a tool that rewrites a file keeps what the file says.
    bool keepNames = false;

    // A stored position (x, y) on sheet as it is placed.
    int placedX(int x, int sheet) const { return shifted(sheet) ? x + dx : x; }
    int placedY(int y, int sheet) const { return shifted(sheet) ? y + dy : y; }

  private:
    bool shifted(int sheet) const { return pasting && sheet < FirstInstanceNumber; }
};

// The record sections every diagram text shares: comment texts, blocks and wire
// elements, and the neighbour links and nets made from them. Used by the program reader
// (and by frame texts, which hold the same sections).
class DiagramReader {
  public:
    DiagramReader(Document& doc, ReadSteps& steps, int fileVersion, Placement placement = {})
        : doc_(doc), steps_(steps), version_(fileVersion), placement_(placement)
    {
    }

    // After "TEXTE": the comment texts up to the closing ")", appended to the document's
    // list (selected when pasting).
    bool readTexts();
    // After "KISTEN": the blocks up to the closing ")".
    bool readBlocks();
    // After "KANTEN": the wire elements up to the closing ")".
    bool readKanten();
    // Neighbour numbers become links between the elements read; sources and value
    // types of the nets are rebuilt from the pins.
    bool resolveNeighbours();

    // The texts a failed step of readBody reports; program and frame files word them apart.
    struct BodyMessages {
        const char* blocksExpected;
        const char* blocks;
        const char* kantenExpected;
        const char* kanten;
        const char* neighbours;
    };
    // The body of a program or frame text from the section code after its head: the
    // optional TEXTE section, KISTEN, KANTEN and the neighbour links.
    bool readBody(Tok code, const BodyMessages& messages);

  private:
    struct ElementRecord {
        TKante* element = nullptr;
        std::vector<int> neighbours;
    };

    // Records "(" ... ")" up to the list's closing ")"; anything else fails with
    // missingClose.
    bool readRecords(const char* missingClose, bool (DiagramReader::*readOne)());
    bool readOneText();
    bool readOneBlock();
    void readParameters(TKiste& block, const std::string& fileName);
    bool readOneElement();
    bool readNeighbourNumbers(std::vector<int>& numbers);
    TKante* pinOfRecord(TKiste& owner, int ownerIndex, const std::string& name);
    TKiste* blockWithIndex(int index) const;

    Document& doc_;
    ReadSteps& steps_;
    int version_;
    Placement placement_;
    std::unordered_map<int, TKiste*> blocksByIndex_;
    std::vector<ElementRecord> records_;
};

// Rebuilds the sources, parents and point value types of every net: each output pin's
// source spreads over everything it reaches (through points and input pins, never
// into another output pin), then the value types of the input pins spread over the
// untyped points. Safe on any link structure, cycles included.
void rebuildNets(const std::vector<TKante*>& elements);

} // namespace fup
