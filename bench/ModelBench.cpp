// Document model at the program's limit of 1500 blocks, and the sheet geometry that every
// repaint and mouse movement runs.
#include "model/Document.h"
#include "model/SheetGeometry.h"

#include <benchmark/benchmark.h>

namespace {

using fup::Document;
using fup::TKiste;

constexpr int BlockLimit = 1500;

// A mix of fixed and variable pin counts, spread over a few sheets.
void fill(Document& doc, int count, int sheets)
{
    static constexpr int Types[] = {13, 14, 92, 35, 189, 64, 97};
    for (int i = 0; i < count; ++i) {
        const int type = Types[i % std::size(Types)];
        doc.createBlock(type, 2 + i % 5, 2, 1 + i % sheets, (i * 7) % 540, (i * 11) % 360, false);
    }
}

void BM_CreateBlocks(benchmark::State& state)
{
    for (auto _ : state) {
        Document doc;
        fill(doc, BlockLimit, 4);
        benchmark::DoNotOptimize(doc.blocks().data());
    }
    state.SetItemsProcessed(state.iterations() * BlockLimit);
}
BENCHMARK(BM_CreateBlocks)->Unit(benchmark::kMillisecond);

// Created once, then cleared: the second filling reuses every object from the free lists.
void BM_RecreateAfterClear(benchmark::State& state)
{
    Document doc;
    fill(doc, BlockLimit, 4);
    for (auto _ : state) {
        doc.clear();
        fill(doc, BlockLimit, 4);
    }
    state.SetItemsProcessed(state.iterations() * BlockLimit);
}
BENCHMARK(BM_RecreateAfterClear)->Unit(benchmark::kMillisecond);

void BM_RemoveFromMiddleAndRenumber(benchmark::State& state)
{
    Document doc;
    fill(doc, BlockLimit, 4);
    for (auto _ : state) {
        TKiste* middle = doc.blocks()[doc.blocks().size() / 2];
        doc.removeBlock(*middle); // renumbers the rest
        state.PauseTiming();
        fill(doc, 1, 4);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RemoveFromMiddleAndRenumber)->Unit(benchmark::kMicrosecond);

void BM_RenumberAll(benchmark::State& state)
{
    Document doc;
    fill(doc, BlockLimit, 4);
    for (auto _ : state)
        doc.renumber();
    state.SetItemsProcessed(state.iterations() * BlockLimit);
}
BENCHMARK(BM_RenumberAll)->Unit(benchmark::kMicrosecond);

void BM_InsideFirstOrder(benchmark::State& state)
{
    Document doc;
    for (int i = 0; i < 50; ++i) {
        TKiste* macro = doc.createBlock(187, 0, 0, 1, i * 10, 0, false);
        macro->childPage = doc.allocateInstanceNumber();
    }
    for (int i = 0; i < BlockLimit - 50; ++i)
        doc.createBlock(14, 0, 0, 200 + i % 50, 0, 0, false);
    for (auto _ : state)
        doc.restoreInsideFirstOrder();
}
BENCHMARK(BM_InsideFirstOrder)->Unit(benchmark::kMicrosecond);

struct SheetOf200 {
    Document doc;
    fup::TextMetrics metrics;
    SheetOf200()
    {
        // 200 blocks on the current sheet among 1500 in all.
        fill(doc, 200, 1);
        for (int i = 0; i < BlockLimit - 200; ++i)
            doc.createBlock(13, 4, 1, 2 + i % 3, 0, 0, false);
        doc.renumber();
    }
};

void BM_LayoutSheet(benchmark::State& state)
{
    SheetOf200 sheet;
    for (auto _ : state)
        benchmark::DoNotOptimize(fup::layoutSheet(sheet.doc, sheet.metrics));
}
BENCHMARK(BM_LayoutSheet)->Unit(benchmark::kMicrosecond);

void BM_HitTest(benchmark::State& state)
{
    SheetOf200 sheet;
    int x = 0;
    for (auto _ : state) {
        x = (x + 37) % 5000;
        benchmark::DoNotOptimize(fup::hitTest(sheet.doc, {x, (x * 3) % 3600}, sheet.metrics));
    }
}
BENCHMARK(BM_HitTest);

} // namespace
