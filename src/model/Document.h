#pragma once

#include "model/Constants.h"
#include "model/Kanten.h"
#include "model/Kisten.h"
#include "model/Texten.h"
#include "model/Types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fup {

class Reporter;

// Why connect refuses to join two elements; None when every rule holds.
enum class ConnectRefusal {
    None,
    NotWirable,       // removed, or a hidden pin
    SameElement,      // an element with itself
    UntypedSource,    // a net driven by an untyped output meets a typed element
    ValueTypes,       // incompatible value types
    NeighboursFull,   // an element has 4 neighbours already: "Max. NachbarAnzahl erreicht"
    PinTaken,         // a pin is wired already (a macro input pin twice)
    ExternalVariable, // an input pin carries a variable or constant: "ExtVar-Input"
    PinAcrossSheets,  // only intermediate points join sheets: "IoPin: ..."
    SecondCrossLink,  // a point has its link to another sheet already: "Durchkontaktierung: ..."
    Cycle,            // b is in a's net already
    TwoSources,       // "AusGaenge nicht zusammenschalten"
};

struct Sheet {
    std::string name; // "Seitenbezeichnung", may be empty, never holds a double quote
    int viewX = 0;    // view position kept while an inside is open, grid units
    int viewY = 0;
};

// Which parameters are written below the blocks (menu "Anzeigen"); not stored in files.
enum class ParamDisplay { All, Selected, None };

// Follow-ups of "set parameters" that belong to other parts of the program. Each is
// optional; an empty one is skipped.
struct ParameterHooks {
    // Macro (187) whose values change: asked before they are taken over (a macro file of
    // the new name may exist already). Returning false keeps the old values.
    std::function<bool(const TKiste& block, const std::vector<std::string>& newValues)> confirmMacroValues;
    // Structured-text blocks (81, 82): rebuild the pins from the pin-list parameters, keep
    // the name unique, update the clones of the same name; given "nam" before the change.
    std::function<void(TKiste& block, const std::string& oldName)> structuredTextChanged;
    // Port blocks (178, 179, 182..185, 191, 192, 194): the mother block's pin follows a new
    // name or number; given the values of "nam" and "nr" before the change.
    std::function<void(TKiste& block, const std::string& oldName, const std::string& oldNumber)> portChanged;
    // Every block after its parameters changed: displays and set-points refresh their
    // texts, vector graphics parse their descriptions again.
    std::function<void(TKiste& block)> appearanceChanged;
    // A changed macro in Edit mode, after all highlight colours were reset: the macro
    // consistency checks; false when they fail (the block is then coloured green).
    std::function<bool(TKiste& block)> macroChecks;
    // Online mode: validate the new values and send each EEPROM parameter to the controller.
    std::function<void(TKiste& block)> sendOnline;
    // XY curve (49): parse one value list into the block's table and return the point
    // count; clears ok on a fault. Without it the values are only counted.
    std::function<int(TKiste& block, bool xList, const std::string& text, bool& ok)> parseValueList;
};

// The one open document: sheets, the flat lists of blocks and wire elements, and the view
// and hierarchy values that go with them. Every object carries its sheet number; there
// are no per-sheet containers.
//
// Objects live in stable storage owned by the document for its whole life. Removing one
// resets it, marks it not alive and keeps it for reuse, so a pointer held anywhere never
// dangles; holders check alive() (a reused object denotes a new block or element).
class Document {
  public:
    explicit Document(Reporter* reporter = nullptr);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    void setReporter(Reporter* reporter);
    Reporter& reporter() const;
    ParameterHooks& hooks() { return hooks_; }

    // --- sheets (1-based) ------------------------------------------------------------
    int sheetCount() const { return static_cast<int>(sheets_.size()); }
    const Sheet& sheet(int number) const;
    Sheet& sheet(int number);
    // Appends a sheet with its view at 0/0; false (nothing added) when 99 exist already.
    bool appendSheet(const std::string& name);
    void renameSheet(int number, const std::string& name);
    // Drops the sheet's record (its objects are the caller's); the only sheet is kept,
    // without name and view. The current sheet stays within the count.
    void removeSheet(int number);
    int currentSheet() const { return currentSheet_; }
    void setCurrentSheet(int number) { currentSheet_ = number; }

    // --- view ------------------------------------------------------------------------
    int zoom() const { return zoom_; }
    void setZoom(int pixelsPerGridUnit);
    int scrollX() const { return scrollX_; } // pixels
    int scrollY() const { return scrollY_; }
    void setScroll(int x, int y);
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    void setClientSize(int width, int height);
    // Top left grid point of the visible area.
    int visibleLeft() const;
    int visibleTop() const;
    ParamDisplay paramDisplay() const { return paramDisplay_; }
    void setParamDisplay(ParamDisplay mode) { paramDisplay_ = mode; }

    // --- hierarchy values --------------------------------------------------------------
    int instanceCounter() const { return instanceCounter_; }
    void setInstanceCounter(int next) { instanceCounter_ = next; }
    // Hands out the counter and raises it.
    int allocateInstanceNumber() { return instanceCounter_++; }
    TKiste* mother() const { return mother_; }
    void setMother(TKiste* block) { mother_ = block; }
    int nestingDepth() const { return depth_; }
    void setNestingDepth(int depth) { depth_ = depth; }
    // The macro or automat whose inside has that instance number, or none.
    TKiste* ownerOfInside(int instance) const;
    // Number of macros and automats enclosing the given sheet.
    int nestingDepthOf(int sheetNumber) const;

    // --- lists -------------------------------------------------------------------------
    const std::vector<TKiste*>& blocks() const { return blocks_; }
    const std::vector<TKante*>& kanten() const { return kanten_; }

    // Lists emptied, one unnamed sheet, sheet 1 current, instance counter 200, depth 0,
    // no mother. Zoom, view and parameter display stay.
    void clear();

    // --- blocks --------------------------------------------------------------------------
    // The factory used by the menus, the file reader and paste. A negative position means
    // the top left grid point of the visible area plus 4 in each direction.
    TKiste* createBlock(int type, int n, int m, int sheetNumber, int x, int y, bool pasted);
    // The message key (German) that refuses creating the type where the user is, or none.
    std::optional<std::string> creationRefusal(int type) const;
    // Menu path: the creation check (refusal shown as a message box), then the block on
    // the current sheet at the default position, coloured red; a macro or automat takes
    // the next instance number as its child page; inside-first order and numbers are
    // restored. Returns none when refused.
    TKiste* createBlockFromMenu(int type, int n, int m);

    // Removes the block, its pins and every wire element that was attached to them only
    // through them, then renumbers. The inside of a macro or automat is not touched here.
    void removeBlock(TKiste& block);
    // Toggles flipped and moves every pin to the other edge; ignored unless editable.
    void flipBlock(TKiste& block, const EditContext& context);
    // number := list position, name := label + " " + number, in list order.
    void renumber();
    TKiste* findBlock(int number) const;
    // Makes the block's sheet current and centres the view on it; inside a macro or
    // automat also sets the mother block and the nesting depth. False (with the error
    // "..Mutter-Makro(GOTO Baustein) nicht gefunden") when the mother is missing.
    bool showBlock(TKiste& block);

    // Select frame: every block of the current sheet with left <= x < right and
    // top <= y < bottom is selected (pins with it), takes the selection colour and is
    // marked framed directly; every other block loses that mark. Intermediate points of
    // the current sheet inside the same rectangle are selected as well.
    void selectInRect(int left, int top, int right, int bottom);
    // Selects every block and wire element on that inside, recursively into nested
    // insides; returns the instance numbers visited.
    std::vector<int> selectInside(int instance);
    void passivateSelection();
    void activateSelection();
    // Everything deselected; selection-coloured blocks return to their resting colour.
    void clearSelection();
    // Every block back to its resting colour (normal, or teal while passive).
    void resetColours();
    // Puts the blocks of each inside directly before their macro or automat, recursively,
    // then renumbers.
    void restoreInsideFirstOrder();
    // Exchanges the blocks at two places of the block list (1-based); their numbers stay
    // until the next renumbering. Places outside the list are ignored.
    void swapBlockPlaces(int a, int b);

    // --- pins and counts -------------------------------------------------------------------
    // A new pin of the block, on its edge; appended to the wire list, or inserted directly
    // after `after` when given.
    TKante* addPin(TKiste& block, std::uint8_t kind, const std::string& name, std::uint8_t valueType,
                   int ordinal, bool constCapable, bool hidden, TKante* after = nullptr);
    // Moves every pin of the block to the edge of its kind (inputs left unless flipped).
    void placePins(TKiste& block);
    // "ina": invalid text gives "ungueltiger Wert :" + text and changes nothing; the count
    // is kept within the type's minimum and 32; removed pins take their wires with them.
    bool changeInputCount(TKiste& block, const std::string& text);
    // "oua" of the state (189): the same on the outputs, 1..24.
    bool changeOutputCount(TKiste& block, const std::string& text);
    // Takes the parameter dialog's values (in parameter order) and runs the follow-ups.
    // False when the values were not taken or a follow-up reported an error.
    bool setParameters(TKiste& block, const std::vector<std::string>& values, const EditContext& context);

    // --- wire elements -----------------------------------------------------------------------
    TKante* createPoint(int x, int y, int sheetNumber, std::uint8_t valueType);
    // Removes the link; when b got its source through a (or had none) and is not an output
    // pin, its subtree loses the source, and likewise a's when a got it through b. Points of
    // a released side are typed again from its pins; so are those of an undriven side.
    // A point left without neighbours is removed.
    void disconnect(TKante& a, TKante& b);
    // Disconnects e from all neighbours; a point, or any element with removeItself, is
    // then taken out of the list. Without removeItself a link between two input pins on
    // different sheets (a macro pin and its port) is kept.
    void removeElement(TKante& e, bool removeItself);

    // --- wire operations (DocumentWires.cpp) ---------------------------------------------
    // The first rule a connect of a with b would break, in the order they are checked.
    ConnectRefusal connectRefusal(const TKante& a, const TKante& b) const;
    // Draws a wire from a onto b: when every rule holds the two become neighbours, the
    // source of either side is carried into the other and value types spread; otherwise
    // nothing changes and the refusals that have a message report it. True when linked.
    bool connect(TKante& a, TKante& b);
    // "Verbindung einfuegen": offered on an element with a source that is a pin with one
    // neighbour or has exactly two neighbours.
    bool canInsertPoint(const TKante& e) const;
    // A new point one grid unit up-left of e (up-right of a flipped block's pin), linked
    // between e and the neighbour towards its source, with the net's value type and e's
    // comment flag and selection; none when not offered.
    TKante* insertPoint(TKante& e);
    // "Folge Verbindung": the neighbour of an intermediate point that lies on another
    // ordinary sheet, or none.
    TKante* followTarget(const TKante& e) const;
    // Makes the sheet of that neighbour current and centres the view on it; the
    // neighbour, or none when there is nothing to follow.
    TKante* followLink(const TKante& e);
    // Sources and parents are derived: rebuilt from every output pin after a file was
    // read, then value types spread from every input pin.
    void rebuildNets();

    // "Edit Signalkommentar": the net's comment is kept on its source; double quotes become
    // blanks; the element shows it when it is not empty. False (nothing changed) when e
    // has no source.
    bool setSignalComment(TKante& e, const std::string& entered);
    // "Signalkommentar Ein/Aus" on an intermediate point; false for other elements.
    bool toggleCommentFlag(TKante& e);
    // "Invertiere Eingang": input pins of AND, OR and bits-to-register only.
    bool invertInput(TKante& pin);

    // Whether the variable entries are offered: not on pins of the in-ports 178, 182, 184,
    // of state-machine blocks, nor on untyped pins.
    static bool variableAllowed(const TKante& pin);
    // The name entered for "Variablen-Name festlegen" (already through the dialog): own
    // variable on an output pin, reference on an input pin, whose wire goes first. A
    // blank inside or more than 12 characters is refused with a warning; an empty answer
    // changes nothing. True when the name was taken.
    bool setVariableName(TKante& pin, const std::string& entered);
    // "fremde Variable nutzen (Referenz)": output pins only.
    bool setReference(TKante& pin, const std::string& entered);
    // "Variable/Referenz loeschen": no variable, no label; the one neighbour, if there is
    // exactly one, loses its variable type as well.
    void clearVariable(TKante& pin);

    // "Konstante erzeugen": constant-capable input pins; the display type chooses the
    // encoding and must suit the pin's value type (fixed point and integer: fixed, decimal,
    // hexadecimal, time, angle; digital: value; floating point: float). The pin's wire is
    // removed first. A refused entry reports its message and changes nothing.
    bool createConstant(TKante& pin, std::uint8_t displayType, const std::string& entered,
                        const TimeBase& base);
    // "Konstante aendern": a digital constant toggles (entered is ignored); others take the
    // new text in their display type.
    bool changeConstant(TKante& pin, const std::string& entered, const TimeBase& base);
    // "Konstante loeschen".
    void clearConstant(TKante& pin);
    // Display entries of Simulation and Online mode; "Unsichtbar" clears the flag.
    void setDisplayType(TKante& e, std::uint8_t displayType);
    void hideValueLabel(TKante& e);

    // Move check before the selection goes dsheet sheets further: "ok", or the message
    // that refuses it (translated).
    std::string moveCheck(int dsheet) const;
    // Every selected element changes its sheet by dsheet; selected points also move by
    // dx, dy grid units (pins follow their blocks).
    void moveSelectedElements(int dx, int dy, int dsheet);

    // --- comment texts (Texten.cpp) --------------------------------------------------------
    // All texts of all sheets, in creation order. The document owns them; a removed text is
    // destroyed, and clear() destroys them all.
    const std::vector<std::unique_ptr<TTexte>>& texts() const { return texts_; }
    // A new text at the end of the list: "Kommentar" (translated) on a grey background, font
    // and colour as the flags say. A negative x or y means the top left grid point of the
    // visible area plus 4 in each direction.
    TTexte& createText(int x, int y, int sheetNumber, bool coloured, bool large);
    // The text with that id, or none (removed, or the document was cleared since).
    TTexte* findText(std::uint64_t id) const;
    // Destroys the text with that id; one that is not in the list gives the log line
    // "Ausketten Misserfolg" and false.
    bool removeText(std::uint64_t id);
    // Destroys every selected text; returns how many there were.
    int removeSelectedTexts();

  private:
    TKiste* takeBlock();
    TKante* takeElement(bool pin);
    void disconnectInternal(TKante& a, TKante& b);
    void removeElementInternal(TKante& e, bool removeItself);
    void retire(TKante& e);
    void sweepKanten();
    void removePinsWhere(TKiste& block, const std::function<bool(const TKante&)>& doomed);
    bool changePinCount(TKiste& block, const std::string& text, bool inputs);

    Reporter* reporter_ = nullptr;
    ParameterHooks hooks_;

    std::vector<Sheet> sheets_;
    int currentSheet_ = 1;
    int zoom_ = InitialZoom;
    int scrollX_ = 0;
    int scrollY_ = 0;
    int clientWidth_ = 800;
    int clientHeight_ = 600;
    ParamDisplay paramDisplay_ = ParamDisplay::Selected;
    int instanceCounter_ = FirstInstanceNumber;
    TKiste* mother_ = nullptr;
    int depth_ = 0;

    // Storage owns every object ever made; the lists and free lists only point into it.
    std::vector<std::unique_ptr<TKiste>> blockStore_;
    std::vector<std::unique_ptr<TKante>> kanteStore_;
    std::vector<TKiste*> blocks_;
    std::vector<TKante*> kanten_;
    std::vector<TKiste*> freeBlocks_;
    std::vector<TKante*> freePins_;
    std::vector<TKante*> freePoints_;
    bool kantenDirty_ = false;

    // Comment texts (Texten.cpp).
    std::vector<std::unique_ptr<TTexte>> texts_;
    std::uint64_t nextTextId_ = 1;
};

// Double quotes become blanks and the text is trimmed: what every command that accepts a
// sheet name does.
std::string cleanEnteredText(const std::string& text);

} // namespace fup
