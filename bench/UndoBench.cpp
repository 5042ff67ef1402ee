// Undo snapshots of a program at the limit of 1500 blocks: taking one (the whole program
// as text into the ring), and restoring one (reading the text back into the document).
#include "model/Document.h"
#include "persistence/ProgramReader.h"
#include "persistence/ProgramWriter.h"
#include "shell/UndoBuffer.h"

#include <benchmark/benchmark.h>

namespace {

using namespace fup;

constexpr int BlockLimit = 1500;

// Adders and ANDs over four sheets, each fed from the block before it on its sheet
// through an intermediate point.
void fill(Document& doc)
{
    for (int k = 2; k <= 4; ++k)
        doc.appendSheet("Blatt " + std::to_string(k));
    TKante* last = nullptr;
    for (int i = 0; i < BlockLimit; ++i) {
        const int sheet = 1 + i * 4 / BlockLimit;
        const int x = (i * 7) % 540;
        const int y = (i * 11) % 360;
        TKiste* b = doc.createBlock(i % 2 == 0 ? 13 : 14, 2, 1, sheet, x, y, false);
        TKante* in = b->inputPin(1);
        if (last && last->sheet == sheet && in) {
            TKante* point = doc.createPoint(x - 2, y + 1, sheet, vt::Fixed);
            doc.connect(*last, *point);
            doc.connect(*point, *in);
        }
        last = b->outputPin(1);
    }
    doc.renumber();
}

void BM_UndoSnapshot(benchmark::State& state)
{
    Document doc;
    fill(doc);
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
    fill(doc);
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
