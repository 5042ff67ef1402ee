#pragma once

#include "model/Types.h"

#include <array>
#include <cstdint>
#include <string>

namespace fup {

class TKiste;

// How the live value of an element is written beside it; the number is stored in files.
namespace dt {
constexpr std::uint8_t Fixed = 0;   // "Festpunkt-Anzeige"
constexpr std::uint8_t Hex = 1;     // "Hexadezimal-Anzeige"
constexpr std::uint8_t Time = 2;    // "Zeit(sec)-Anzeige"
constexpr std::uint8_t Value = 3;   // "Wert-Anzeige" (digital only)
constexpr std::uint8_t Decimal = 4; // "Dezimal-Anzeige"
constexpr std::uint8_t VarName = 5; // "VariablenName-Anzeige"
constexpr std::uint8_t Angle = 6;   // "Winkel-Anzeige"
constexpr std::uint8_t Float = 7;   // "Gleitpunkt-Anzeige"
} // namespace dt

// Kind of name attached to a pin.
namespace var {
constexpr std::uint8_t None = 0;
constexpr std::uint8_t Own = 1;       // own variable (output pin) or constant (input pin)
constexpr std::uint8_t Reference = 2; // a variable defined elsewhere
} // namespace var

constexpr int MaxNeighbours = 4;

// The display type a new pin starts with.
std::uint8_t defaultDisplayType(std::uint8_t valueType);

// Two value types may share a net when either is untyped, when they are equal, or when
// both are fixed point / integer.
bool valueTypesCompatible(std::uint8_t a, std::uint8_t b);

// One wire element: a block's pin or a free intermediate point. The document owns every
// element in stable storage; a removed element is reset, marked not alive and kept for
// reuse, so a pointer to it never dangles (but may later denote a different element).
class TKante {
  public:
    std::uint8_t kind = ek::Point;
    TKiste* owner = nullptr; // the block of a pin; none for points
    std::string name;        // pin name; empty for points
    int sheet = 1;           // sheet number or macro/automat instance number
    int x = 0;               // points: grid x; pins: edge offset in grid units
    int y = 0;               // points: grid y; pins: ordinal (row)
    std::uint8_t valueType = vt::None;
    std::uint8_t displayType = dt::Fixed;
    bool displayFlag = false;  // value label shown
    bool commentFlag = false;  // the net's signal comment is drawn here
    std::string signalComment; // kept on the net's source only
    bool inverse = false;      // input pins: the input is inverted
    bool hidden = false;       // cannot be seen or wired
    bool constCapable = false;
    std::uint8_t varType = var::None;
    std::string varText;         // variable name, at most 12 characters
    std::int32_t constValue = 0; // constant of an input pin, encoded by display type
    std::array<TKante*, MaxNeighbours> neighbours{};
    int neighbourCount = 0;
    TKante* source = nullptr; // the output pin that drives this element's net
    TKante* parent = nullptr; // the neighbour the source arrived through
    bool selected = false;
    int saveNumber = 0;      // number given while a file is written
    std::int32_t value = 0;  // live value slot (simulation, online)
    bool valueValid = false; // online: the slot holds a value from the controller

    bool alive() const { return alive_; }
    bool isPin() const { return kind != ek::Point; }
    bool isInput() const { return kind == ek::InputPin; }
    bool isOutput() const { return kind == ek::OutputPin; }
    bool isPoint() const { return kind == ek::Point; }
    int ordinal() const { return y; }

    bool hasNeighbour(const TKante* other) const;
    // First occupied neighbour slot, or none.
    TKante* firstNeighbour() const;

  private:
    friend class Document;
    void reset();
    bool alive_ = false;
};

// Raw neighbour links, without the connection rules: each element takes the other in its
// first free slot. Returns false (and links nothing) when either has no free slot.
bool linkNeighbours(TKante& a, TKante& b);
// Removes the link on both sides; returns false when there was none.
bool unlinkNeighbours(TKante& a, TKante& b);

// The element lost the neighbour through which its source arrived: source and parent are
// cleared in its whole subtree, intermediate points there become untyped, and the value
// type of the last pin found in the subtree is spread over its untyped points again (of
// the pin before it when that one is untyped, and so on).
// The walk never enters an output pin: that would be another net.
void releaseSubtree(TKante& start);

// Gives every untyped intermediate point reachable from start (without passing a pin) the
// value type of start.
void spreadValueType(TKante& start, std::uint8_t valueType);

// The output pin that drives the element's net: an output pin drives its own, whatever its
// source field says; none while the net has no source.
TKante* netSource(const TKante& e);

// True when `to` can be reached from `from` over neighbour links (any element kind).
bool reachable(const TKante& from, const TKante& to);

// start has just been joined to `from`, whose net is driven by source: start and everything
// behind it (never entering an output pin) take the source and a parent link towards it;
// intermediate points also take the source's value type.
void propagateSource(TKante& start, TKante& from, TKante& source);

// The signal comment of the element's net (kept on its source); empty without a source.
const std::string& netComment(const TKante& e);

// Neighbours on another sheet than the element itself.
int crossSheetNeighbourCount(const TKante& e);
// The first neighbour on another sheet, or none.
TKante* crossSheetNeighbour(const TKante& e);

} // namespace fup
