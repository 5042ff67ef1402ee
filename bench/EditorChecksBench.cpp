// What the editor computes over the whole program at the limit of 1500 blocks: the nets
// and the macro name check (after every return from a macro and every macro insertion),
// and the variable list (each time it is shown).
#include "codegen/MacroChecks.h"
#include "model/Document.h"
#include "model/Hierarchy.h"
#include "shell/VariableList.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace fup;

constexpr int BlockLimit = 1500;
constexpr int Macros = 60;       // copies of one macro, spread over the sheets
constexpr int BlocksInside = 10; // an in-port and a chain of adders inside each

// A chain of adders and ANDs on four sheets with every output named, plus the macro
// copies, all of one name and the same content.
void fill(Document& doc)
{
    for (int k = 2; k <= 4; ++k)
        doc.appendSheet("Blatt " + std::to_string(k));
    for (int m = 0; m < Macros; ++m) {
        TKiste* macro = doc.createBlock(187, 0, 0, 1 + m % 4, (m * 9) % 540, (m * 5) % 360, false);
        macro->childPage = doc.allocateInstanceNumber();
        macro->param("nam")->value = "Regler";
        TKiste* port = doc.createBlock(184, 0, 0, macro->childPage, 2, 2, false);
        port->param("nam")->value = "x";
        port->param("nr")->value = "1";
        connectPort(doc, *port);
        TKante* last = port->outputPin(1);
        for (int i = 1; i < BlocksInside - 1; ++i) {
            TKiste* add = doc.createBlock(13, 2, 1, macro->childPage, 10 + 8 * i, 2, false);
            doc.connect(*last, *add->inputPin(1));
            last = add->outputPin(1);
        }
    }
    TKante* last = nullptr;
    const int outside = BlockLimit - static_cast<int>(doc.blocks().size());
    for (int i = 0; i < outside; ++i) {
        const int sheet = 1 + i * 4 / outside;
        TKiste* b = doc.createBlock(i % 2 == 0 ? 13 : 14, 2, 1, sheet, (i * 7) % 540, (i * 11) % 360, false);
        if (last && last->sheet == sheet)
            doc.connect(*last, *b->inputPin(1));
        last = b->outputPin(1);
        doc.setVariableName(*last, "V" + std::to_string(i));
    }
    doc.restoreInsideFirstOrder();
    doc.renumber();
}

void BM_MacroConsistencyChecks(benchmark::State& state)
{
    Document doc;
    fill(doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(macroConsistencyChecks(doc));
    state.SetLabel(std::to_string(doc.blocks().size()) + " blocks");
}
BENCHMARK(BM_MacroConsistencyChecks)->Unit(benchmark::kMillisecond);

void BM_VariableList(benchmark::State& state)
{
    Document doc;
    fill(doc);
    std::size_t lines = 0;
    for (auto _ : state)
        lines = variableLines(doc).size();
    state.SetLabel(std::to_string(lines) + " lines");
}
BENCHMARK(BM_VariableList)->Unit(benchmark::kMillisecond);

} // namespace
