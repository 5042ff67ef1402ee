// Fixed-point I/O, arithmetic and integer blocks.
#include "model/CatalogueRows.h"

namespace fup::catalogue {
namespace {

// clang-format off
constexpr TypeRow Rows[] = {
//   type, menu caption(s), label, hint,
//   inputs, outputs, width, parameters
    {12, {"Konstante(Festpunkt)"}, "CONS", "Konstante (Analog / Festpunkt)",
     "(unnamed) -", "o F", 2, R"(K 55 L)"},
    {25, {"Analog_In  (2 Byte)"}, "A-In2", "analog-Eingang (Festpunkt,Hi-Word, 2 Byte)",
     "(unnamed) -", "o F", 2, R"(-)"},
    {10, {"Analog_In  (4 Byte)"}, "A-In4", "analog-Eingang (Festpunkt,4 Byte)",
     "(unnamed) -", "o F", 2, R"(-)"},
    {71, {"Analog_In (2 Byte) Index"}, "AIn2-Indx", "analog-Eingang(Festpunkt 2Byte) mit Quell-Register Index(min..max)",
     "idx I*", "o F, err D", 3, R"(min 56 ="0"; max 56 ="0")"},
    {73, {"Analog_In (4 Byte) Index"}, "AIn4-Indx", "analog-Eingang(Festpunkt 4Byte) mit Quell-Register Index(min..max)",
     "idx I*", "o F, err D", 3, R"(min 56 ="0"; max 56 ="0")"},
    {26, {"Analog_Out(2 Byte)"}, "AOut2", "analog-Ausgang(Festpunkt (hi)2Byte)",
     "i F*", "(unnamed) -", 2, R"(RG 56)"},
    {11, {"Analog_Out(4 Byte)"}, "AOut4", "analog-Ausgang(Festpunkt 4Byte)",
     "i F*", "(unnamed) -", 2, R"(-)"},
    {72, {"Analog_Out(2 Byte) Index"}, "AOut2-idx", "analog-Ausgang(Festpunkt (hi)2Byte) mit Ziel-Register Index(min..max)",
     "idx I*, i F", "err D", 3, R"(min 56 ="0"; max 56 ="0")"},
    {74, {"Analog_Out(4 Byte) Index"}, "AOut4-idx", "analog-Ausgang(Festpunkt 4Byte) mit Ziel-Register Index(min..max)",
     "idx I*, i F", "err D", 3, R"(min 56 ="0"; max 56 ="0")"},
    {13, {"Addierer"}, "ADGR", "Addierer mit Begrenzung auf +/- 1",
     "+1..+N F*", "o F", 2, R"(ina 56 =N h)"},
    {14, {"Subtrahierer"}, "SUGR", "Subtrahierer mit Begrenzung auf +/- 1",
     "+ F*, - F*", "o F", 2, R"(-)"},
    {15, {"Multiplizierer"}, "MUL", "Festpunkt-Multiplizierer",
     "*1..*N F*", "o F", 2, R"(ina 56 =N h)"},
    {9, {"Multiplizierer (32-Bit)"}, "MUL32", "Festpunkt-Multiplizierer 32-Bit",
     "*1..*N F*", "o F", 2, R"(ina 56 =N h)"},
    {27, {"Verdoppler(n)"}, "DOPP", "n mal verdoppeln",
     "i F*", "o F", 2, R"(n 56 ="1")"},
    {28, {"Halbierer (n)"}, "HALB", "n mal halbieren",
     "i F*", "o F", 2, R"(n 56 ="1")"},
    {16, {"Dividierer"}, "DIV", "Dividierer (z/n)",
     "z F*, n F*", "o F", 2, R"(-)"},
    {8, {"Dividierer (32-Bit)"}, "DIV32", "Dividierer (z/n) 32Bit",
     "z F*, n F*", "o F", 2, R"(-)"},
    {57, {"Quadratwurzel"}, "SQRT", "Quadratwurzel",
     "i F*", "o F", 2, R"(-)"},
    {23, {"Betrag/Absolutwert"}, "ABS", "Absolutwert bilden",
     "i F*", "o F", 2, R"(-)"},
    {18, {"Proportional-Glied"}, "PROP", "konstante Verstaerkung",
     "i F*", "o F", 2, R"(KP 51 L)"},
    {19, {"Integrator (K)"}, "INTF", "Integrator (y:=y+i*KI*dT)",
     "i F*", "o F", 2, R"(KI 52 ="0.5" E)"},
    {17, {"Negierer"}, "NEG", "Negierer (Vorzeichen aendern)",
     "i F*", "o F", 2, R"(-)"},
    {20, {"Integrator"}, "INTF", "Integrator (y:=y+i*ki)",
     "i F*, ki F*", "o F", 2, R"(-)"},
    {70, {"Integrator (Limit)"}, "INTL", "Integrator mit Begrenzung und Wertvorgabe",
     "i F, ki F, og F, ug F, hb D, hw F", "o F", 2, R"(-)"},
    {51, {"T1-Glied  (VZ1)"}, "PT1", "Tiefpass 1.Ordnung (VZ1)",
     "i F*", "o F", 2, R"(t 60 ="0.0" L)"},
    {66, {"Average"}, "AVER", "gleitende MittelwertBildung (ueber n Messwerte)",
     "i F", "o F", 2, R"(n 56 =" 10" L)"},
    {54, {"T (delay)"}, " T", "Verzoegerung um eine Zykluszeit",
     "i F", "o F", 2, R"(-)"},
    {53, {"Konstante(ganze Zahl)"}, "xCons", "Konstante (Integer / $Hexadezimal)",
     "(unnamed) -", "o I", 2, R"(K 56 L)"},
    {7, {"Mul (Unsigned-Integer)"}, "Mul-UI", "Multiplizierer Unsigned-Integer",
     "*1 I*, *2 I*", "o I", 2, R"(-)"},
    {6, {"Div (Unsigned-Integer)"}, "Div-UI", "Dividierer Unsigned-Integer,16Bit",
     "z I*, n I*", "o I", 2, R"(-)"},
    {4, {"Div (Long Unsigned-Int.)"}, "Div-lui", "Div Long Unsigned-Integer,32Bit/16Bit=16Bit, mit Rest",
     "z I*, n I*", "o I, r I", 2, R"(-)"},
    {5, {"MOD (Unsigned-Integer)"}, "MOD", "Modulo Unsigned-Integer,16Bit",
     "z I*, n I*", "o I", 2, R"(-)"},
};
// clang-format on

}  // namespace

GroupTable analogBlocks() { return {"----- Analog I ------", false, Rows}; }

}  // namespace fup::catalogue
