// Displays and test aids.
#include "model/CatalogueRows.h"

namespace fup::catalogue {
namespace {

// clang-format off
constexpr TypeRow Rows[] = {
//   type, menu caption(s), label, hint,
//   inputs, outputs, width, parameters
    {158, {"Uhrzeit"}, "UHR", "Aktuelle Uhrzeit+Datum",
     "-", "err D, yea I, mon I, day I, hou I, min I, sec I, wdy I", 2, R"(-)"},
    {155, {"SystemStatus"}, "Status", "System-Zustand anzeigen(SlotFehler,Zeitverbrauch,Zykluszeit,Restzeit,SST-Fehler",
     "en D", "sf1 I, sf2 I, spz I, zvz I, zyz I, rtz I, ssf I", 3, R"(-)"},
    {156, {"Reg-CheckSumme"}, "CHKS", "CheckSumme ueber RegisterBereich bilden",
     "en D", "o I", 2, R"(anf 56; anz 56)"},
    {197, {"Schreiber (Analog)"}, "Disp", "Analog/Festpunkt Schreiber",
     "i F", "-", 24, R"(-)"},
    {199, {"Display (Analog)", "Num-Display (Analog)"}, " AnaDisp", "Numerisches Analog-Display",
     "(unnamed) F", "-", 12, R"(nam 58 ="..." h; dim 58 ="xxx" h; skf 61 ="10.0" h; nko 56 ="2" h)"},
    {157, {"Num-Display (Integer)"}, " IntDisp", "Numerisches Integer-Display",
     "(unnamed) I", "-", 12, R"(nam 58 ="..." h; dim 58 ="xxx" h; skf 56 ="1" h; nko 56 ="1" h)"},
    {114, {"Hand-Schalter(Bool)"}, "Hand", "Hand-Schalter(true/false) ..toggelt",
     "(unnamed) -", "o D", 2, R"(nam 58 ="name" h)"},
    {227, {"LCD Text-Ausgabe"}, "LCD-Text", "Textausgabe an LCD-Display",
     "en D", "o D", 3, R"(lin 56 ="1"; row 56 ="1"; txt 58 ="LCD-Text")"},
    {228, {"LCD Wert-Ausgabe"}, "LCD-Wert", "Wertausgabe an LCD-Display",
     "en D, i F", "o D", 3, R"(lin 56 ="1"; row 56 ="1"; dot 56 ="4"; len 56 ="7" h)"},
    {229, {"LCD Blink-Ausgabe"}, "Blink", "Blinkausgabe an LCD-Display",
     "en D, blk D, pos I", "o D", 2, R"(-)"},
    {3, {"Prog.Fluss Steuerung"}, "PFS", "Programmfluss Steuerung",
     "i1..iN -", "o -", 2, R"(ina 56 =N h)"},
    {1, {"FP  Variable"}, "VAR", "Variablen-Baustein(Festpunkt)",
     "(unnamed) -", "o F", 2, R"(-)"},
    {2, {"DIG Variable"}, "VAR", "Variablen-Baustein(Digital)",
     "(unnamed) -", "o D", 2, R"(-)"},
    {238, {"SST Control"}, "ss ctrl", "Schnittstellen Ein- oder Aus-schalten",
     "en D, rx D, tx D", "o D", 2, R"(snr 56 ="0")"},
};
// clang-format on

}  // namespace

GroupTable displayBlocks() { return {"--- Anzeige/Testhilfen --", false, Rows}; }

}  // namespace fup::catalogue
