// Connecting and disconnecting wire elements on a sheet with thousands of them, and the
// wire layout and hit test that every repaint and mouse movement runs over such a sheet.
#include "model/Document.h"
#include "model/SheetGeometry.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using fup::Document;
using fup::TKante;
using fup::TKiste;

// One AND gate driving a chain of points across the sheet; the chain ends on the input
// of a second gate.
struct Chain {
    Document doc;
    TKiste* driver = nullptr;
    TKiste* reader = nullptr;
    std::vector<TKante*> points;

    explicit Chain(int length)
    {
        driver = doc.createBlock(92, 2, 1, 1, 0, 0, false);
        reader = doc.createBlock(92, 2, 1, 1, 540, 0, false);
        points.reserve(static_cast<std::size_t>(length));
        TKante* last = driver->outputPin(1);
        for (int i = 0; i < length; ++i) {
            TKante* p = doc.createPoint(8 + i % 520, 4 + (i / 520) * 2 % 370, 1, fup::vt::None);
            doc.connect(*last, *p);
            points.push_back(p);
            last = p;
        }
        doc.connect(*last, *reader->inputPin(1));
    }
};

// Growing a driven net point by point: each new point takes the source alone.
void BM_GrowDrivenNet(benchmark::State& state)
{
    const int length = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Chain chain(length);
        benchmark::DoNotOptimize(chain.points.back()->source);
    }
    state.SetItemsProcessed(state.iterations() * length);
}
BENCHMARK(BM_GrowDrivenNet)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

// Cutting a long chain in the middle and joining it again: the cut-off half is released,
// then takes the source again.
void BM_CutAndJoinMiddle(benchmark::State& state)
{
    Chain chain(static_cast<int>(state.range(0)));
    TKante* a = chain.points[chain.points.size() / 2 - 1];
    TKante* b = chain.points[chain.points.size() / 2];
    for (auto _ : state) {
        chain.doc.disconnect(*a, *b);
        chain.doc.connect(*a, *b);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_CutAndJoinMiddle)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

// Cutting near the end of a long chain: only the few elements behind the cut are walked.
void BM_CutAndJoinNearTheEnd(benchmark::State& state)
{
    Chain chain(static_cast<int>(state.range(0)));
    TKante* a = chain.points[chain.points.size() - 3];
    TKante* b = chain.points[chain.points.size() - 2];
    for (auto _ : state) {
        chain.doc.disconnect(*a, *b);
        chain.doc.connect(*a, *b);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_CutAndJoinNearTheEnd)->Arg(5000)->Unit(benchmark::kMicrosecond);

// A refused connect of two points of one net: the cycle check walks until the two walks
// meet.
void BM_RefusedCycle(benchmark::State& state)
{
    Chain chain(static_cast<int>(state.range(0)));
    TKante* head = chain.points.front();
    TKante* fork = chain.doc.createPoint(1, 1, 1, fup::vt::None);
    chain.doc.connect(*head, *fork);
    TKante* tail = chain.points[chain.points.size() - 2];
    for (auto _ : state)
        benchmark::DoNotOptimize(chain.doc.connect(*fork, *tail));
}
BENCHMARK(BM_RefusedCycle)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

// A new point onto a large net: the cycle check and the propagation cost the new side only.
void BM_AddAndRemoveBranch(benchmark::State& state)
{
    Chain chain(static_cast<int>(state.range(0)));
    TKante* at = chain.points[chain.points.size() / 3];
    for (auto _ : state) {
        TKante* p = chain.doc.createPoint(2, 2, 1, fup::vt::None);
        chain.doc.connect(*at, *p);
        chain.doc.removeElement(*p, false);
    }
}
BENCHMARK(BM_AddAndRemoveBranch)->Arg(5000)->Unit(benchmark::kMicrosecond);

// Rebuilding sources and types after a file was read.
void BM_RebuildNets(benchmark::State& state)
{
    Chain chain(static_cast<int>(state.range(0)));
    for (auto _ : state)
        chain.doc.rebuildNets();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RebuildNets)->Arg(5000)->Unit(benchmark::kMicrosecond);

void BM_LayoutWires(benchmark::State& state)
{
    Chain chain(static_cast<int>(state.range(0)));
    const fup::TextMetrics metrics;
    for (auto _ : state) {
        const fup::WireLayout layout = fup::layoutWires(chain.doc, metrics, fup::WireView{});
        benchmark::DoNotOptimize(layout.segments.data());
    }
}
BENCHMARK(BM_LayoutWires)->Arg(5000)->Unit(benchmark::kMicrosecond);

void BM_HitTestWires(benchmark::State& state)
{
    Chain chain(static_cast<int>(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        const fup::PixelPoint pixel{(i * 37) % 5650, (i * 53) % 3800};
        benchmark::DoNotOptimize(fup::hitTestWires(chain.doc, pixel));
        ++i;
    }
}
BENCHMARK(BM_HitTestWires)->Arg(5000)->Unit(benchmark::kMicrosecond);

} // namespace
