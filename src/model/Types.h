#pragma once

#include <cstdint>

namespace fup {

// Value types that travel on nets; the numbers are stored in files.
namespace vt {
constexpr std::uint8_t None = 0;
constexpr std::uint8_t Fixed = 1;    // "Festpunkt": r / 2^31
constexpr std::uint8_t Digital = 2;
constexpr std::uint8_t Float = 3;    // "Gleitpunkt": IEEE 754 single
constexpr std::uint8_t Integer = 4;
}  // namespace vt

// Element kinds of wire elements; pins use 0 and 2.
namespace ek {
constexpr std::uint8_t OutputPin = 0;
constexpr std::uint8_t Point = 1;
constexpr std::uint8_t InputPin = 2;
}  // namespace ek

// The editor's modes, numbered as everywhere in the program.
enum class EditorMode : unsigned char { Edit = 0, Online = 1, Simulation = 2 };

// 0xRRGGBB
using Rgb = std::uint32_t;
namespace colour {
constexpr Rgb Normal = 0xE6E3E1;
constexpr Rgb Teal = 0x008080;       // port and passive blocks
constexpr Rgb PortConnected = 0xA0FFA0;
constexpr Rgb State = 0xFFA042;
constexpr Rgb Red = 0xFF0000;        // new, found, inserted or faulty
constexpr Rgb Green = 0x008000;      // the block just left or cloned
constexpr Rgb Yellow = 0xFFFF00;     // warnings
}  // namespace colour

// Sheet geometry in grid units.
constexpr int SheetWidth = 565;
constexpr int SheetHeight = 380;
// A page is laid out as 5 × 5 work sheets.
constexpr int WorkSheetWidth = 113;
constexpr int WorkSheetHeight = 76;
constexpr int WorkSheetsAcross = SheetWidth / WorkSheetWidth;
constexpr int WorkSheetsDown = SheetHeight / WorkSheetHeight;
constexpr int InitialZoom = 10;
constexpr int MaxSheets = 99;
constexpr int FirstInstanceNumber = 200;

}  // namespace fup
