#pragma once

#include "model/Constants.h"
#include "model/Document.h"
#include "model/Kanten.h"
#include "model/Kisten.h"
#include "model/Types.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Where things are drawn on the sheet, in pixels of the view, and what lies under a pixel.
// The painter iterates the records built here and draws them; it decides nothing itself.
namespace fup {

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct GridPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

// Right and bottom are exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool contains(PixelPoint p) const { return left <= p.x && p.x < right() && top <= p.y && p.y < bottom(); }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Grid pitch and scroll offset of the view.
struct ViewGeometry {
    int zoom = InitialZoom; // pixels per grid unit
    int scrollX = 0;        // pixels
    int scrollY = 0;

    static ViewGeometry of(const Document& document);
    int rowPitch() const { return 2 * zoom; }
};

// Nearest grid point: (pixel + scroll + zoom / 2) div zoom, never below 0.
int pixelToGrid(int pixel, int scroll, int zoom);
int gridToPixel(int grid, int scroll, int zoom);
GridPoint toGrid(PixelPoint pixel, const ViewGeometry& view);
PixelPoint toPixel(GridPoint grid, const ViewGeometry& view);

// What the painter's font measures; the defaults stand in where no font exists (tests,
// the command-line compiler).
struct TextMetrics {
    int height = 13;
    int averageCharWidth = 7;
    std::function<int(std::string_view)> width; // pixels of a text; empty: average width

    int widthOf(std::string_view text) const;
};

// Distance between parameter lines below a block: 7/6 of the font height, minus 1 pixel.
int parameterLinePitch(int fontHeight);

PixelRect blockRect(const TKiste& block, const ViewGeometry& view);
// A pin sits on its block's left edge when its edge offset is 0 (inputs unless flipped).
bool pinOnLeftEdge(const TKante& pin);
// Pins that are drawn and can be wired: not hidden, in a row of 1 or more.
bool pinShown(const TKante& pin);
// The point on the block edge where the pin's wire ends.
PixelPoint pinAnchor(const TKante& pin, const ViewGeometry& view);
// The pin's handle (a square, or the circle of an inverted input), centred on its anchor.
PixelRect pinMarkRect(const TKante& pin, const ViewGeometry& view);
// The name drawn inside the block beside the pin: one-character names get a trailing
// blank, "i" and "t" a blank on both sides; an inverted input shows "/" + name.
std::string pinLabelText(const TKante& pin);
// Parameter texts written below the block in the given mode, top line first.
std::vector<std::string> parameterLines(const TKiste& block, ParamDisplay mode);
// The colour the block is filled with; colour::InactiveCaption is the painter's to resolve.
Rgb blockFill(const TKiste& block);
// Colour of a wire element in Edit mode: from the value type of its net's source, or of
// its own value type while it has no source.
Rgb elementColour(const TKante& element);

struct TextItem {
    std::string text;
    PixelRect box; // where the text goes; its top left is the text's top left
    Rgb colour = colour::Black;
};

struct PinPaint {
    const TKante* pin = nullptr;
    PixelPoint anchor;
    PixelRect mark;
    bool leftEdge = true;
    bool inverted = false; // drawn as a circle
    Rgb colour = 0;
    TextItem label;
    // A pin with a variable, a constant or a shown value gets its name on a background of
    // its value type's colour.
    bool labelFilled = false;
    Rgb labelBackground = 0;
};

struct BlockPaint {
    const TKiste* block = nullptr;
    PixelRect body;
    Rgb fill = colour::Normal;
    TextItem label;  // type label, top left
    TextItem number; // block number, bottom left
    std::vector<PinPaint> pins;
    std::vector<TextItem> parameters;
};

// One block, laid out.
BlockPaint layoutBlock(const TKiste& block, const ViewGeometry& view, const TextMetrics& metrics,
                       ParamDisplay mode);
// Every block of the current sheet in painting order (later ones lie on top).
std::vector<BlockPaint> layoutSheet(const Document& document, const TextMetrics& metrics);

struct SheetHit {
    enum class Kind { None, Block, Pin, PinLabel };
    Kind kind = Kind::None;
    TKiste* block = nullptr;
    TKante* pin = nullptr; // Pin, PinLabel
};

// What lies under a pixel of the current sheet: the topmost block's pin handle, pin name
// or body, in that order of preference. Hidden pins are never hit.
SheetHit hitTest(const Document& document, PixelPoint pixel, const TextMetrics& metrics);

// --- wires ---------------------------------------------------------------------------------

// Half the size of a pin's or an intermediate point's handle.
int handleHalf(const ViewGeometry& view);
// Line width of wires: (zoom - 3) div 5 + 1 pixels.
int wirePenWidth(int zoom);
// Where an element's wire ends: a pin's anchor, an intermediate point's grid position.
PixelPoint elementCentre(const TKante& element, const ViewGeometry& view);

// What wires show besides their lines: the editor's mode, the time base of time labels,
// and the print style (black lines) of printing and picture export.
struct WireView {
    EditContext::Mode mode = EditContext::Mode::Edit;
    TimeBase time;
    bool printStyle = false;
};

// Colour of an element's mark and of the lines drawn from it. In Edit mode that of the
// source's value type (or the element's own without a source); in Simulation and Online a
// digital net shows its value (an inverted input the opposite), and in Online a net whose
// value is not valid is white. Print style draws lines black (untyped undriven ones grey).
Rgb wireColour(const TKante& element, const WireView& wires, bool ownMark = true);
// Background of a pin name that has a variable, constant or shown value.
Rgb pinLabelBackground(const TKante& pin, const WireView& wires);

// The text beside an element: in Edit mode the variable name (" x " when shorter than 3
// characters) or the constant; in Simulation and Online the value of the net in the
// element's display type. Empty when nothing is shown.
std::string valueLabelText(const TKante& element, const WireView& wires);

struct WireSegment {
    const TKante* from = nullptr;
    const TKante* to = nullptr;
    PixelPoint a;
    PixelPoint b;
    Rgb colour = 0;
    int width = 1;
};

struct PointHandle {
    const TKante* point = nullptr;
    PixelPoint centre;
    PixelRect handle; // shown near the mouse only, unless permanent
    Rgb colour = 0;
    bool junction = false;   // more than two neighbours: a filled dot
    PixelRect dot;           // the dot's bounding box
    bool crossSheet = false; // linked to another sheet: always shown, red outline
    TextItem crossText;      // sheet "." block "." pin on the other side
};

struct ValueLabel {
    const TKante* element = nullptr;
    TextItem text;
    Rgb background = 0;
};

struct ArrowHead {
    const TKante* pin = nullptr;
    PixelPoint tip;          // the pin's anchor
    bool pointsRight = true; // into a block whose inputs are on the left
};

struct WireLayout {
    std::vector<WireSegment> segments;
    std::vector<PointHandle> points;
    std::vector<ValueLabel> labels;
    std::vector<TextItem> comments; // signal comments at points whose comment flag is set
    std::vector<ArrowHead> arrows;
};

// Every wire segment, intermediate point, value label, signal comment and arrowhead of
// the current sheet. Links to another sheet are not drawn; their points say where the
// wire goes on.
WireLayout layoutWires(const Document& document, const TextMetrics& metrics, const WireView& wires);

// Grid position of an element: a point's own, a pin's on its block's edge.
GridPoint elementGrid(const TKante& element);
// Handles of intermediate points (and of untyped pins in Edit mode) are shown only near the
// mouse: within 4 grid units of it both ways, and never on a selected element. Points
// linked to another sheet are always shown.
bool handleShownNear(const TKante& element, GridPoint mouse, EditContext::Mode mode);

struct WireHit {
    enum class Kind { None, Point, Segment };
    Kind kind = Kind::None;
    TKante* element = nullptr; // the point, or the segment end nearer to the pixel
    TKante* other = nullptr;   // the segment's other end
};

// The intermediate point whose handle lies under the pixel (the last one listed wins), or
// else the wire segment of the current sheet within reach of it.
WireHit hitTestWires(const Document& document, PixelPoint pixel);

// --- sheet grid (SheetGeometryGrid.cpp) ---------------------------------------------------

namespace colour {
constexpr Rgb Sheet = 0xFFFFFF; // the drawing area of a page, the window colour of the sheet
} // namespace colour

// A colour made darker by a step on each channel, no channel below 0.
Rgb darkerBy(Rgb colour, Rgb step);

struct GridLine {
    PixelPoint a;
    PixelPoint b;
};

// The name of a work sheet, in its own large font.
struct WorkSheetLabel {
    std::string name; // row letter "A".."E" and column digit "1".."5", e.g. "C4"
    PixelPoint topLeft;
    CommentFont font;
    Rgb colour = 0;
};

struct SheetGrid {
    Rgb lineColour = 0;                 // dotted lines of width 1
    std::vector<GridLine> lines;        // the right and lower border of every work sheet
    std::vector<WorkSheetLabel> labels; // with the sheet-label flag only, row by row
};

// The work-sheet lines of a page (5 x 5 work sheets, "Arbeits-Blatt", of 113 x 76 grid
// units) on a canvas of the given window colour; with labels set also the 25 names, each
// in the lower right corner of its work sheet in a font 14 times the normal font of the
// zoom.
SheetGrid layoutSheetGrid(const ViewGeometry& view, Rgb windowColour, bool labels,
                          const std::function<TextMetrics(const CommentFont& font)>& metrics);

// --- comment texts (SheetGeometryTexts.cpp) ------------------------------------------------

// The painter's measure of a comment font (tests and the command line use the defaults).
using CommentMetrics = std::function<TextMetrics(const CommentFont& font)>;

// Font sizes are points, as the fonts of the sheet were always given; pixels at 96 dpi.
int fontPixelSize(int points);

struct CommentPaint {
    const TTexte* text = nullptr;
    PixelRect box; // the label: its background, and where the mouse finds the text
    CommentFont font;
    Rgb colour = colour::Black;                   // may be colour::InactiveCaption
    Rgb background = colour::CommentBackground;   // may be colour::InactiveCaption
    std::vector<TextItem> lines;                  // one per line of the text, top first
};

// The label of one text: its top left at zoom x grid position less the scroll position,
// sized to its lines in its font.
CommentPaint layoutComment(const TTexte& text, const ViewGeometry& view, const CommentMetrics& metrics);
// Every text of the current sheet in painting order (later ones lie on top).
std::vector<CommentPaint> layoutComments(const Document& document, const CommentMetrics& metrics);
// The topmost text of the current sheet whose label holds the pixel, or none.
TTexte* hitTestComments(const Document& document, PixelPoint pixel, const CommentMetrics& metrics);

} // namespace fup
