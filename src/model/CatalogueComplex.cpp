// Formulas, structured text, hierarchy, state machines, Bachmann SVI.
#include "model/CatalogueRows.h"

namespace fup::catalogue {
namespace {

// clang-format off
constexpr TypeRow Rows[] = {
//   type, menu caption(s), label, hint,
//   inputs, outputs, width, parameters
    {64, {"Analoge Formel"}, "y=f(x)", "analoge Formel z.B.:  0.33*(x1 + x1)",
     "x1..xN F*", "y F", 2, R"(ina 56 =N h; F 58)"},
    {113, {"Digitale Formel"}, "formel", "digitale Formel z.B.:  i1 and /i2",
     "i1..iN D", "o D", 2, R"(ina 56 =N h; F 58)"},
    {81, {"Strukturierter Text"}, "St-Text", "Strukturierter Text",
     "-", "-", 3, R"(nam 58; de 58 h; ae 58 h; ie 58 h; da 58 h; aa 58 h; ia 58 h; txt 58 h)"},
    {186, {"Fkt.-Block"}, "FBLO", "Funktions-Block",
     "i D", "o D", 2, R"(nam 58)"},
    {180, {"SUB-Prozess"}, "SUB-Proc", "..include \"Sub-Prozess\" Datei",
     "i D", "o D", 3, R"(nam 58)"},
    {187, {"Macro", "Makro  generieren"}, "MACRO", "SPS Makro-Baustein",
     "-", "-", 3, R"(nam 58)"},
    {182, {"Port-In   (Digital)"}, "inPort", "digitaler Eingang fuer Makro-Baustein",
     "i D", "o D", 2, R"(nam 58; nr 58)"},
    {184, {"Port-In   (Analog)"}, "inPort", "analoger Eingang fuer Makro-Baustein",
     "i F", "o F", 2, R"(nam 58; nr 58)"},
    {178, {"Port-In  (Gleitpunkt)"}, "inPort", "gleitpunkt Eingang fuer Makro-Baustein",
     "i G", "o G", 2, R"(nam 58; nr 58)"},
    {183, {"Port-Out (Digital)"}, "outPrt", "digitaler Ausgang fuer Makro-Baustein",
     "i D", "o D", 2, R"(nam 58; nr 58)"},
    {185, {"Port-Out (Analog)"}, "outPrt", "analoger Ausgang fuer Makro-Baustein",
     "i F", "o F", 2, R"(nam 58; nr 58)"},
    {179, {"Port-Out  (Gleitpunkt)"}, "outPrt", "gleitpunkt Ausgang fuer Makro-Baustein",
     "i G", "o G", 2, R"(nam 58; nr 58)"},
    {188, {"ZustandsAutomat"}, "Automat", "ZustandsAutomat(StateMachine)",
     "-", "-", 3, R"(nam 58)"},
    {191, {"Port-In"}, "inPort", "EingangsVariable fuer ZustandsAutomat",
     "-", "o D", 2, R"(nam 58; nr 58)"},
    {192, {"Port-Out"}, "outPrt", "AusgangsVariable fuer ZustandsAutomat",
     "-", "o D", 2, R"(nam 58; nr 58)"},
    {194, {"Port-Out (StateNr)"}, "oPrtS", "State_Nr. AusgangsVariable fuer ZustandsAutomat",
     "-", "o I", 2, R"(nam 58; nr 58)"},
    {189, {"State"}, "State", "ein Zustand des ZustandsAutomaten",
     "i1..iN D", "o1..oM D", 2, R"(nam 58; n 56 ="1" h; ina 56 =N h; oua 56 =M h)"},
    // "ina" mirrors the input count here as in every type whose inputs follow it.
    {190, {"State-Change"}, "Chge", "ein Zustandsuebergang",
     "i D, i2..iN D", "o D", 2, R"(F 58; SET 58; CLR 58; t 59 ="0"; ina 56 =N h)"},
    {193, {"State-Init"}, "Init", "Initialisiert den Automaten",
     "-", "o D", 2, R"(SET 58; CLR 58; t 59 ="0")"},
    {84, {"SVI  GET_BOOL"}, "GET_BOOL", "Bachmann SVI: GET Boolean-Variable",
     "(unnamed) -", "o D, err D", 3, R"(lib 58 ="MIO"; adr 58 ="5/1")"},
    {85, {"SVI  GET_REAL"}, "GET_REAL", "Bachmann SVI: GET Real(Single)-Variable",
     "(unnamed) -", "o G, err D", 3, R"(lib 58 ="MIO"; adr 58 ="5/1")"},
    {86, {"SVI  GET_INT"}, "GET_INT", "Bachmann SVI: GET Integer-Variable",
     "(unnamed) -", "o F, err D", 3, R"(lib 58 ="MIO"; adr 58 ="5/1")"},
    {87, {"SVI  SET_BOOL"}, "SET_BOOL", "Bachmann SVI: SET Boolean-Variable",
     "i D", "err D", 3, R"(lib 58 ="MIO"; adr 58 ="5/1")"},
    {88, {"SVI  SET_REAL"}, "SET_REAL", "Bachmann SVI: SET Real(Single)-Variable",
     "i G", "err D", 3, R"(lib 58 ="MIO"; adr 58 ="5/1")"},
    {89, {"SVI  SET_INT"}, "SET_INT", "Bachmann SVI: SET Integer-Variable",
     "i F", "err D", 3, R"(lib 58 ="MIO"; adr 58 ="5/1")"},
};
// clang-format on

}  // namespace

GroupTable complexBlocks() { return {"-- Komplexe Baust.- ", false, Rows}; }

}  // namespace fup::catalogue
