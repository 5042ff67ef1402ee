#pragma once

#include "model/Catalogue.h"
#include "model/Types.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace fup {

class TKante;

namespace colour {
// Not an RGB value: the system colour of inactive window captions, which marks selected
// blocks. The painter resolves it from the platform palette.
constexpr Rgb InactiveCaption = 0x01000000;
constexpr Rgb Olive = 0x808000; // a macro whose copies are being updated
constexpr Rgb Blue = 0x0000FF;  // the label of a structured-text clone
constexpr Rgb Black = 0x000000;
} // namespace colour

// What block operations need to know about the editor; the shell fills it from its state.
struct EditContext {
    using Mode = EditorMode;
    Mode mode = Mode::Edit;
    bool readOnly = false;
    bool onlineConnected = false; // Online mode: the session is connected

    bool editable() const { return mode == Mode::Edit && !readOnly; }
};

// Block-type groups the model needs to tell apart.
bool isMacroOrAutomat(int type);   // 187, 188: blocks with an inside
bool isMacroPort(int type);        // 178, 179, 182..185
bool isAutomatPort(int type);      // 191, 192, 194
bool isStateMachineType(int type); // 189..194
bool isInPort(int type);           // 178, 182, 184, 191
// Types whose pins come from their parameters (81, 82) or their ports (187, 188).
bool hasOwnPinSource(int type);
// Types whose inputs added through "ina" accept constants.
bool newInputsConstCapable(int type);

constexpr int CurveTableSize = 17;
constexpr int MaxStateOutputs = 24;

// One block. The document owns every block in stable storage; a removed block is reset,
// marked not alive and kept for reuse, so pointers to it never dangle.
class TKiste {
  public:
    int type = 0;
    int number = 0;    // 1-based position in the block list
    std::string name;  // label + number, used in every message
    std::string label; // catalogue label, drawn top left
    std::string hint;  // catalogue hint, the tooltip
    int n = 0;         // input count
    int m = 0;         // output count
    int x = 0;         // top left corner, grid units
    int y = 0;
    int sheet = 1;        // sheet number, or the instance number of the inside
    bool flipped = false; // inputs on the right edge, outputs on the left
    bool passive = false; // kept in the diagram, no code generated
    bool selected = false;
    bool framedDirectly = false; // selected by the select frame itself, not as an inside
    Rgb normalColour = colour::Normal;
    Rgb colour = colour::Normal;         // what is drawn now; may be colour::InactiveCaption
    Rgb labelColour = colour::Black;     // blue for structured-text clones
    int width = 2;                       // catalogue width, in rows of two grid units
    int heightPreset = 0;                // catalogue height preset (rows), 0 = from the pin counts
    int heightRows = 2;                  // current height in rows of two grid units
    int childPage = 0;                   // macro, automat: instance number of the inside
    int viewX = 0;                       // macro, automat: view position kept for the inside,
    int viewY = 0;                       //   grid units
    std::string lock;                    // macro, automat: MD5 digest of the password, or empty
    bool connected = false;              // automat ports: connected to the automat outside
    std::vector<Para_descriptor> params; // at most MaxParameters, in file order
    int saveIndex = 0;                   // number given while a file is written
    std::array<std::int32_t, CurveTableSize> curveX{}; // XY curve (49): raw fixed-point
    std::array<std::int32_t, CurveTableSize> curveY{}; //   tables, entries 1..16
    // The block's pins in creation order. The document owns them; this is its index.
    std::vector<TKante*> pins;

    bool alive() const { return alive_; }

    int widthGrid() const { return 2 * width; }
    int heightGrid() const { return 2 * heightRows; }

    // The parameter with that key, or none.
    Para_descriptor* param(const std::string& key);
    const Para_descriptor* param(const std::string& key) const;
    bool hasEepromParameter() const;

    // Pins by side and row; none when there is no such pin.
    TKante* inputPin(int ordinal) const;
    TKante* outputPin(int ordinal) const;
    TKante* pinNamed(const std::string& pinName) const;
    // The hidden pin through which a macro port meets its mother block.
    TKante* portFacingPin() const;
    // Macro ports: the facing pin has a link; automat ports: the stored flag.
    bool portConnected() const;

    // Colour the block shows when nothing highlights it: teal while passive.
    Rgb restingColour() const { return passive ? colour::Teal : normalColour; }
    // Height from the preset and the largest pin row (ordinals below 1 do not count).
    void recomputeHeight();

  private:
    friend class Document;
    void reset();
    bool alive_ = false;
};

// Block context menu: which entries a block offers in the present state. Captions are the
// German texts; translate them when the menu is shown.
enum class BlockCommand {
    Parameter,       // "Parameter"
    Remove,          // "Loeschen"
    Flip,            // "Spiegeln"
    Save,            // "Sichern/Save"
    Lock,            // "Verriegeln"
    Unlock,          // "Entriegeln"
    ConnectPort,     // "EinSchalten"
    DisconnectPort,  // "AusSchalten"
    OpenInside,      // "Oeffnen": inside of a macro/automat, or the called program
    OpenEditor,      // "Oeffnen": the structured-text editor
    Clone,           // "Klonen"
    CloneToOriginal, // "Klone -> Original"
    UpdateMacros,    // "Update Macros"
};

struct BlockMenuItem {
    BlockCommand command;
    std::string caption;
    bool enabled = true;
};

struct BlockMenuContext {
    EditContext edit;
    bool insideMother = false;   // a macro or automat inside is on screen
    bool textEditorBusy = false; // the text editor window holds a block or a comment text
};

// Empty when no menu is shown at all (Online mode while not connected).
std::vector<BlockMenuItem> blockContextMenu(const TKiste& block, const BlockMenuContext& context);

} // namespace fup
