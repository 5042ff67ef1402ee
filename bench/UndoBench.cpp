// Undo snapshots of a program at the limit of 1500 blocks: taking one (the whole program
// as text into the ring), and restoring one (reading the text back into the document).
#include "BenchProgram.h"
#include "model/Document.h"
#include "persistence/ProgramReader.h"
#include "persistence/ProgramWriter.h"
#include "shell/UndoBuffer.h"

#include <benchmark/benchmark.h>

namespace {

using namespace fup;
using bench::fillBenchProgram;

void BM_UndoSnapshot(benchmark::State& state)
{
    Document doc;
    fillBenchProgram(doc);
    ProgramSettings settings;
    TUndoBuffer ring;
    int move = 0;
    for (auto _ : state) {
        // Each snapshot differs from the one before, as after a real command.
        doc.blocks().front()->x = ++move % 100;
        benchmark::DoNotOptimize(ring.PutProject(writeProgram(doc, settings, "/tmp/undo.KR2")));
    }
    state.SetLabel(std::to_string(doc.blocks().size()) + " blocks");
}
BENCHMARK(BM_UndoSnapshot)->Unit(benchmark::kMillisecond);

void BM_UndoRestore(benchmark::State& state)
{
    Document doc;
    fillBenchProgram(doc);
    ProgramSettings settings;
    const std::string text = writeProgram(doc, settings, "/tmp/undo.KR2");
    for (auto _ : state) {
        ProgramSettings readSettings;
        benchmark::DoNotOptimize(readProgram(doc, readSettings, text).ok);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_UndoRestore)->Unit(benchmark::kMillisecond);

} // namespace
