// Visualisation blocks, a menu of their own.
#include "model/CatalogueRows.h"

namespace fup::catalogue {
namespace {

// clang-format off
constexpr TypeRow Rows[] = {
//   type, menu caption(s), label, hint,
//   inputs, outputs, width, parameters
    {151, {"Einzel-Bitmap"}, "Bitmap", "Bitmap-Grafik (*.bmp Datei)",
     "-", "-", 3, R"(img 58 h; br 58 ="3" h; ho 58 ="3" h)"},
    {152, {"Dual-Bitmap"}, "Dual-Bmap", "Dual Bitmap-Grafik (*.bmp Dateien)",
     "(unnamed) D", "-", 3, R"(img 58 h; img 58 h; br 58 ="3" h; ho 58 ="3" h)"},
    {153, {"Einzel-VektorGrafik"}, "VekGraf", "Einzel Vektor-Grafik",
     "-", "-", 3, R"(nam 58 h; br 58 ="3" h; ho 58 ="3" h; v1 58 h; v2 58 h; v3 58 h; v4 58 h)"},
    {154, {"Dual-VektorGrafik"}, "Dual-VGrf", "Dual Vektor-Grafik",
     "(unnamed) D", "-", 3, R"(nam 58 h; br 58 ="3" h; ho 58 ="3" h; v1 58 h; v2 58 h; v3 58 h; v4 58 h)"},
    {198, {"Display (Bool)"}, " BoolDisp", "Boolsches Text-Display",
     "(unnamed) D", "-", 12, R"(nam 58 ="..." h; tru 58 ="ein.." h; trf 58 ="gruen" h; fal 58 ="aus.." h; faf 58 ="rot" h)"},
    {195, {"Hand-Eingabe (Analog)"}, " Sollwert", "Numerische Analoge Hand-eingabe",
     "-", "(unnamed) F", 12, R"(nam 58 ="..." h; dim 58 ="xxx" h; skf 61 ="10.0" h; nko 56 ="2" h)"},
    {150, {"Hand-Eingabe (Bool)"}, " Bool-Sollwert", "Boolscher Sollwert (true/false)",
     "-", "(unnamed) D", 12, R"(nam 58 ="..." h; tru 58 ="ein.." h; fal 58 ="aus.." h)"},
};
// clang-format on

}  // namespace

GroupTable visualisationBlocks() { return {"Visualisierung      ", true, Rows}; }

}  // namespace fup::catalogue
