// Digital I/O and logic.
#include "model/CatalogueRows.h"

namespace fup::catalogue {
namespace {

// clang-format off
constexpr TypeRow Rows[] = {
//   type, menu caption(s), label, hint,
//   inputs, outputs, width, parameters
    {108, {"Konstante(True)"}, "TRUE", "logische Konstante (true)",
     "(unnamed) -", "o D", 2, R"(-)"},
    {109, {"Konstante(False)"}, "FALSE", "logische Konstante (false)",
     "(unnamed) -", "o D", 2, R"(-)"},
    {90, {"Digital_In"}, "D-In", "digitaler Eingang (Register,Bit-Nr)",
     "(unnamed) -", "o D", 2, R"(RG 56; BN 56)"},
    {121, {"Digital_In  (Index)"}, "DIn-Indx", "digital-Eingang mit Quell-Register Index(min..max)",
     "idx I*", "o D, err D", 3, R"(min 56 ="0"; max 56 ="0"; bit 56 ="0")"},
    {91, {"Digital_Out"}, "D-Out", "digitaler Ausgang (Register,Bit-Nr)",
     "i D", "(unnamed) -", 2, R"(RG 56; BN 56)"},
    {122, {"Digital_Out (Index)"}, "DOut-Indx", "digital-Ausgang mit Ziel-Register Index(min..max)",
     "idx I*, i D", "err D", 3, R"(min 56 ="0"; max 56 ="0"; bit 56 ="0")"},
    {97, {"Reg_To_Bits"}, "WBIT", "16 digitale Eingaenge (Register->bit)",
     "(unnamed) -", "b0..b15 D", 2, R"(RG 56)"},
    {98, {"Bits_To_Reg"}, "BITW", "16 digitale Ausgaenge (bits->Register)",
     "b0..b15 D", "(unnamed) -", 2, R"(RG 56)"},
    {110, {"Move (Digital)"}, "Move", "Move DigitalWert -> Variable",
     "i D", "o D", 2, R"(-)"},
    {115, {"Select (Digital)"}, "SELB", "Bool.Umschalter/Select (fa=false_Eingang, tr=true_Eingang)",
     "s D, fa D, tr D", "o D", 2, R"(-)"},
    {119, {"4 : 16 Decoder"}, "DECO", "4:16 Binaerdecoder",
     "i0..i3 D", "b0..b15 D", 2, R"(-)"},
    {92, {"AND"}, "AND", "logische UND Verknuepfung",
     "i1..iN D", "o D", 2, R"(ina 56 =N h)"},
    {93, {"OR"}, "OR", "logische ODER Verknuepfung",
     "i1..iN D", "o D", 2, R"(ina 56 =N h)"},
    {111, {"XOR"}, "XOR", "logische XOR (ungleich) Verknuepfung",
     "i1 D, i2 D", "o D", 2, R"(-)"},
    {94, {"NOT"}, "NOT", "logischer Inverter",
     "i D", "o D", 2, R"(-)"},
    {75, {"AND (wortweise)"}, "And w", "Wortweise UND Verknuepfung",
     "i1 I*, i2 I*", "o I", 2, R"(-)"},
    {76, {"OR  (wortweise)"}, "Or w", "Wortweise ODER Verknuepfung",
     "i1 I*, i2 I*", "o I", 2, R"(-)"},
    {77, {"XOR (wortweise)"}, "Xor w", "Wortweise XOR (ungleich) Verknuepfung",
     "i1 I*, i2 I*", "o I", 2, R"(-)"},
    {78, {"NOT (wortweise)"}, "Not w", "Wortweise invertieren",
     "i I*", "o I", 2, R"(-)"},
};
// clang-format on

}  // namespace

GroupTable digitalBlocks() { return {"---- Digital I -----", false, Rows}; }

}  // namespace fup::catalogue
