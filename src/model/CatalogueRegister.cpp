// Timers, memories, counters and register copies.
#include "model/CatalogueRows.h"

namespace fup::catalogue {
namespace {

// clang-format off
constexpr TypeRow Rows[] = {
//   type, menu caption(s), label, hint,
//   inputs, outputs, width, parameters
    {24, {"Konstante (Zeit)"}, "tCons", "Konstante (Zeit in Sek.)",
     "-", "o I", 2, R"(t 59 L)"},
    {95, {"Logischer_Gen (K)"}, "LGEN", "logischer Generator (T/2 in Sek.)",
     "(unnamed) -", "o D", 2, R"(LG 59)"},
    {125, {"FrequenzTeiler (K)"}, "FRQD", "Frequenzteiler",
     "i D", "o D", 2, R"(n 56)"},
    {99, {"AnzugVerz (K)"}, "ANZG", "Anzug-Verzoegerung (false->true) in Sek.",
     "i D", "o D", 2, R"(t 59 L)"},
    {100, {"AnzugVerz"}, "ANZG", "Anzug-Verzoegerung (false->true) mit RestzeitAnzeige",
     "i D, t I", "o D, tr I", 2, R"(-)"},
    {101, {"AbfallVerz (K)"}, "ABFL", "Abfall-Verzoegerung (true->false) in Sek.",
     "i D", "o D", 2, R"(t 59 L)"},
    {102, {"AbfallVerz"}, "ABFL", "Abfall-Verzoegerung (true->false) mit RestzeitAnzeige",
     "i D, t I", "o D, tr I", 2, R"(-)"},
    {103, {"Monoflop (K)"}, "Mono", "Monoflop (T in Sek) NICHT Retriggerbar",
     "i D", "o D", 2, R"(t 59 L)"},
    {104, {"Monoflop"}, "Mono", "Monoflop (T in Sek) NICHT Retriggerbar mit RestzeitAnzeige",
     "i D, t I", "o D, tr I", 2, R"(-)"},
    {117, {"Falling edge Trigger"}, "f-trigg", "neg.Flanke(falling edge) Trigger",
     "i D", "o D", 2, R"(-)"},
    {118, {"Raising edge Trigger"}, "r-trigg", "pos.Flanke(raising edge) Trigger",
     "i D", "o D", 2, R"(-)"},
    {106, {"SR-Speicher"}, "SR-FF", "SR-Speicher (Setzen hat vorrang)",
     "s D, r D", "o D", 2, R"(-)"},
    {105, {"RS-Speicher"}, "RS-FF", "RS-Speicher (Ruecksetzen hat vorrang)",
     "s D, r D", "o D", 2, R"(-)"},
    {107, {"RS-FlipFlop"}, "FFlop", "RS-FlipFlop (set=Flankengetriggert)",
     "s D, r D", "o D", 2, R"(-)"},
    {120, {"Zaehler (vor/rueck)"}, "CTUD", "Zaehler(vor/rueck restet,laden)",
     "cu D, cd D, r D, ld D, pv I", "qu D, qd D, cv I", 3, R"(-)"},
    {116, {"Alarmspeicher"}, "ALSP", "Alarmspeicher(RegIn/RegOut)",
     "Q D", "NA D, GA D, SA D", 3, R"(efr 56; efa 56; afr 56)"},
    {205, {"Swap Accu-Byte"}, "SwAB", "FP-Akku Byte tauschen",
     "i F", "o F", 2, R"(-)"},
    {206, {"Swap Accu-Word"}, "SwAW", "FP-Akku Word tauschen",
     "i F", "o F", 2, R"(-)"},
    {65, {"ByteToByte"}, "BtoB", "Register(mit offset) byteweise nach Register kopieren",
     "en D", "o D", 2, R"(src 56; off 56; anz 56; dst 56; ofz 56)"},
    {207, {"RegToReg"}, "RtoR", "Register nach Register kopieren",
     "en D", "o D", 2, R"(src 56; anz 56; dst 56)"},
    {80, {"RegToReg idx"}, "RtoRi", "Register nach Register kopieren, mit Offset",
     "en D, idx I*", "o D", 2, R"(src 56; anz 56; dst 56)"},
    {67, {"RegTo_EEPROM_Reg"}, "RtoER", "Register nach EEPROM-Register kopieren (max 1/Stunde)",
     "en D", "suc D, err D", 3, R"(src 56; anz 56; dst 56)"},
    {79, {"Reg To_EEPROM_Reg idx"}, "RtoER_i", "Register nach EEPROM-Register kopieren mit Offset(max 1/Stunde)",
     "en D, idx I*", "suc D, err D", 3, R"(src 56; anz 56; dst 56)"},
};
// clang-format on

}  // namespace

GroupTable registerBlocks() { return {"-- Digital II / Register ---", false, Rows}; }

}  // namespace fup::catalogue
