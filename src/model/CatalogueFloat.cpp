// Floating-point blocks.
#include "model/CatalogueRows.h"

namespace fup::catalogue {
namespace {

// clang-format off
constexpr TypeRow Rows[] = {
//   type, menu caption(s), label, hint,
//   inputs, outputs, width, parameters
    {130, {"Konstante (Gleitpunkt)"}, "CONS", "Konstante (Gleitpunkt)",
     "(unnamed) -", "o G", 2, R"(K 62 L)"},
    {177, {"Variable  (Gleitpunkt)"}, "VAR", "Variablen-Baustein(Gleitpunkt)",
     "(unnamed) -", "o G", 2, R"(-)"},
    {136, {"Addierer"}, "ADD", "Addierer Gleitpunkt(32-bit)",
     "+1..+N G*", "o G", 2, R"(ina 56 =N h)"},
    {137, {"Subtrahierer"}, "SUB", "Subtrahierer (Gleitpunkt bzw. Float)",
     "+ G*, - G*", "o G", 2, R"(-)"},
    {142, {"Negierer"}, "NEG", "Negierer (Vorzeichen aendern)",
     "i G", "o G", 2, R"(-)"},
    {138, {"Multiplizierer"}, "MUL", "Gleitpunkt-Multiplizierer",
     "*1..*N G*", "o G", 2, R"(ina 56 =N h)"},
    {139, {"Dividierer"}, "DIV", "Dividierer (z/n) Gleitpunkt(Float)",
     "z G*, n G*", "o G", 2, R"(-)"},
    {164, {"Limit (Hi, Lo)"}, "Limit", "Oberer- und Unterer-Grenzwert (Float, feste Grenzen)",
     "i G", "o G", 2, R"(OG 62 E; UG 62 E)"},
    {129, {"FP => GP(Real)"}, "F =>G", "Festpunkt->Gleitpunkt(Float), mit Skalierfaktor",
     "i F*", "o G", 2, R"(KP 63 L)"},
    {128, {"GP(Real) =>FP"}, "G =>F", "Gleitpunkt->Festpunkt(Float), mit Skalierfaktor",
     "i G*", "o F", 2, R"(KP 64 L)"},
};
// clang-format on

}  // namespace

GroupTable floatBlocks() { return {"--- Gleitpunkt ----", false, Rows}; }

}  // namespace fup::catalogue
