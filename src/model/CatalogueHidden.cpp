// Types that exist in files but are not offered in a menu.
#include "model/CatalogueRows.h"

namespace fup::catalogue {
namespace {

// clang-format off
constexpr TypeRow Rows[] = {
//   type, menu caption(s), label, hint,
//   inputs, outputs, width, parameters
    {21, {}, "DIF", "Differenzierer",
     "-", "-", 2, R"(KD 53 ="0.5" E)"},
    {82, {}, "ST-Clone", "Strukturierter-Text Klone",
     "-", "-", 3, R"(nam 58; de 58 h; ae 58 h; ie 58 h; da 58 h; aa 58 h; ia 58 h; txt 58 h)"},
};
// clang-format on

}  // namespace

GroupTable blocksWithoutMenu() { return {nullptr, false, Rows}; }

}  // namespace fup::catalogue
