#pragma once

#include "model/Kisten.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fup {

class Document;
class TKante;

// Wire popup menu: which entries a wire element or a pin's name label offers in the
// present state. Captions are the German texts; translate them when the menu is shown.
enum class WireCommand {
    Delete,          // "Loesche Verbindung"
    Follow,          // "Folge Verbindung"
    InsertPoint,     // "Verbindung einfuegen"
    EditComment,     // "Edit Signalkommentar"
    ToggleComment,   // "Signalkommentar Ein/Aus"
    Invert,          // "Invertiere Eingang"
    CreateVariable,  // own variable of an output ("eigene Variable erzeugen")
    CreateReference, // reference of an output or an input
    ChangeVariable,  // change the variable or reference
    ClearVariable,   // clear the variable or reference
    CreateConstant,  // one sub-entry of "Konstante erzeugen"
    ChangeConstant,  // "Konstante aendern"
    ClearConstant,   // "Konstante loeschen"
    Display,         // one display entry of Simulation and Online mode
    Hide,            // "Unsichtbar"
};

struct WireMenuItem {
    WireCommand command;
    std::string caption;
    std::uint8_t displayType = 0; // CreateConstant, Display: the display type chosen
    std::string preset;           // CreateConstant: the value a choice stands for ("TRUE")
    std::vector<WireMenuItem> submenu;
};

// Clicking a wire element (the end of a segment, or a pin's handle). Empty: no menu.
std::vector<WireMenuItem> wireElementMenu(const Document& document, const TKante& element,
                                          const EditContext& context);
// Clicking a pin's name label. Empty: no menu.
std::vector<WireMenuItem> pinLabelMenu(const TKante& pin, const EditContext& context);
// The display entries of Simulation and Online mode for an element's value type, with
// "Unsichtbar" while its label is shown (never on input pins).
std::vector<WireMenuItem> displayMenu(const TKante& element);

// Which dialog asks for a name, as the entry that opens it decides: title and prompt.
struct NameDialog {
    std::string title;
    std::string prompt;
};
// reference: the entry asks for a reference (inputs always do).
NameDialog variableNameDialog(const TKante& pin, bool reference);
// The hint a pin with a variable or constant shows: "Fremd-Variable", "Variablen-Referenz",
// "Flash-Konstante"; empty for others.
std::string variableHint(const TKante& pin);
// The dialog of "Konstante aendern" for the constant's display type.
NameDialog constantDialog(std::uint8_t displayType);

} // namespace fup
