// Limits, selection, comparison, characteristic curves, angles.
#include "model/CatalogueRows.h"

namespace fup::catalogue {
namespace {

// clang-format off
constexpr TypeRow Rows[] = {
//   type, menu caption(s), label, hint,
//   inputs, outputs, width, parameters
    {36, {"Limit  hi   (K)"}, "Limit", "Oberer Grenzwert",
     "i F", "o F", 2, R"(OG 55 E)"},
    {37, {"Limit  lo   (K)"}, "Limit", "Unterer Grenzwert",
     "i F", "o F", 2, R"(UG 55 E)"},
    {35, {"Limit  hi/lo(K)"}, "Limit", "Oberer- und Unterer-Grenzwert (Feste Grenzen)",
     "i F", "o F", 2, R"(OG 55 E; UG 55 E)"},
    {38, {"Limit  sym (K)"}, "Limit", "Symmetrischer Grenzwert",
     "i F", "o F", 2, R"(SG 55 E)"},
    {39, {"Limit  hi/lo"}, "Limit", "Oberer- und Unterer-Grenzwert (..als Eingaenge)",
     "i F*, hi F*, lo F*", "o F", 2, R"(-)"},
    {42, {"Limit  sym"}, "Limit", "Symmetrischer Grenzwert",
     "i F*, sym F*", "o F", 2, R"(-)"},
    {68, {"Min-Auswahl"}, "MIN", "Eingang mit kleinstem Wert durchschalten",
     "i1..iN F*", "o F", 2, R"(ina 56 =N h)"},
    {69, {"Max-Auswahl"}, "MAX", "Eingang mit groesstem Wert durchschalten",
     "i1..iN F*", "o F", 2, R"(ina 56 =N h)"},
    {52, {"Move (Analog)"}, "Move", "Move AnalogWert -> Variable",
     "i F*", "o F", 2, R"(-)"},
    {43, {"Select   (Analog)"}, "SEL", "Umschalter/Select (fa=false_Eingang, tr=true_Eingang)",
     "s D, fa F*, tr F*", "o F", 2, R"(-)"},
    {44, {"Einschalter(Analog)"}, "SEL 0", "Einschalter/Select (s=true=>out:=in,  s=false=>out:=0)",
     "s D, tr F*", "o F", 2, R"(-)"},
    {31, {"Komparator (a=b)"}, "A=B", "true, if a = b",
     "a F*, b F*", "o D", 2, R"(-)"},
    {29, {"Komparator (a>b)"}, "A>B", "true, if a > b",
     "a F*, b F*", "o D", 2, R"(-)"},
    {30, {"Komparator (a>=b)"}, "A>=B", "true, if a >= b",
     "a F*, b F*", "o D", 2, R"(-)"},
    {46, {"Kennlinie  (33)"}, "KnL33", "Kennlinie mit 33 Stuetzpunkten (x:-1..1)",
     "x F", "y F", 2, R"(KN 58 ="T10")"},
    {47, {"Kennlinie   (65)"}, "KnL65", "Kennlinie mit 65 Stuetzpunkten (X:-1..1)",
     "x F", "y F", 2, R"(KN 58 ="T20")"},
    {48, {"A-Kennlinie (65)"}, "aKL65", "Kennlinie mit 65 Stuetzpunkten (x:0..1)",
     "x F", "y F", 2, R"(KN 58 ="T30")"},
    {49, {"Kennlinie  ( XY)"}, "KnLxy", "Kennlinie mit (x,y) Stuetzpunkten",
     "x F", "y F", 2, R"(XP 58 =" -1.0    1.0"; YP 58)"},
    {55, {"Addierer (Winkel)"}, "ADDW", "Addierer ohne Begrenzung (z.B. fuer Winkel)",
     "+1..+N F*", "o F", 2, R"(ina 56 =N h)"},
    {56, {"Subtrah.(Winkel)"}, "SUBW", "Subtrahierer ohne Begrenzung (z.B. fuer Winkel)",
     "+ F*, - F*", "o F", 2, R"(-)"},
    {58, {"Sinus"}, "SIN", "Sinus(Festpunkt) +/-1 => +/-pi",
     "i F*", "o F", 2, R"(-)"},
    {59, {"Cosinus"}, "COS", "Cosinus(Festpunkt) +/-1 => +/-pi",
     "i F*", "o F", 2, R"(-)"},
    {60, {"Tangens"}, "TAN", "Tangens(Festpunkt) +/-1 => +/-pi",
     "i F*", "o F", 2, R"(-)"},
    {61, {"Cotangens"}, "COT", "Cotangens(Festpunkt) +/-1 => +/-pi",
     "i F*", "o F", 2, R"(-)"},
    {62, {"ArcusSinus"}, "ASIN", "ArcusSinus(Festpunkt) +/-0.5 => +/-pi/2",
     "i F*", "o F", 2, R"(-)"},
    {63, {"ArcusCosinus"}, "ACOS", "ArcusCosinus(Festpunkt) +/-0.5 => +/-pi/2",
     "i F*", "o F", 2, R"(-)"},
};
// clang-format on

}  // namespace

GroupTable analogLimitBlocks() { return {"----- Analog II -----", false, Rows}; }

}  // namespace fup::catalogue
