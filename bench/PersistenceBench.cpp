// Program files at the program's limit of 1500 blocks: writing the text, reading it back,
// and the whole save and load through the file boundary (Windows-1252, CR LF, atomic
// replace).
#include "BenchProgram.h"
#include "model/Document.h"
#include "persistence/FileText.h"
#include "persistence/ProgramFile.h"
#include "persistence/ProgramReader.h"
#include "persistence/ProgramWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

using namespace fup;
using bench::fillBenchProgram;

ProgramSettings settings()
{
    ProgramSettings s;
    s.projectName = "Benchmark";
    s.cycleTimeMs = 100;
    s.target = 0;
    return s;
}

const std::string& programText()
{
    static const std::string text = [] {
        Document doc;
        fillBenchProgram(doc);
        return writeProgram(doc, settings(), "/prog/BENCH.KR2");
    }();
    return text;
}

void BM_WriteProgram(benchmark::State& state)
{
    Document doc;
    fillBenchProgram(doc);
    const ProgramSettings s = settings();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = writeProgram(doc, s, "/prog/BENCH.KR2");
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["elements"] = static_cast<double>(doc.kanten().size());
}
BENCHMARK(BM_WriteProgram)->Unit(benchmark::kMillisecond);

void BM_ReadProgram(benchmark::State& state)
{
    const std::string& text = programText();
    Document doc;
    for (auto _ : state) {
        ProgramSettings s;
        const ReadResult r = readProgram(doc, s, text);
        if (!r.ok)
            state.SkipWithError("the program did not read");
        benchmark::DoNotOptimize(doc.blocks().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadProgram)->Unit(benchmark::kMillisecond);

// Write, encode for the file, decode and read back: what an undo snapshot and its
// restore cost, plus the file boundary.
void BM_RoundTrip(benchmark::State& state)
{
    Document doc;
    fillBenchProgram(doc);
    Document copy;
    for (auto _ : state) {
        const std::string bytes = encodeFileText(writeProgram(doc, settings(), "/prog/BENCH.KR2"));
        ProgramSettings s;
        if (!readProgram(copy, s, decodeFileText(bytes)).ok)
            state.SkipWithError("round trip failed");
        benchmark::DoNotOptimize(copy.kanten().data());
    }
}
BENCHMARK(BM_RoundTrip)->Unit(benchmark::kMillisecond);

// Save and open through the file system, with the flush to disk of every save.
void BM_SaveAndOpen(benchmark::State& state)
{
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("fup_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "BENCH.KR2";
    Document doc;
    fillBenchProgram(doc);
    Document loaded;
    for (auto _ : state) {
        ProgramSettings s = settings();
        if (!saveProgram(doc, s, file, SaveOptions{false, false, "01.01.2024  00:00:00"}))
            state.SkipWithError("save failed");
        ProgramSettings t;
        if (openProgram(loaded, t, file).status != OpenStatus::Loaded)
            state.SkipWithError("open failed");
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SaveAndOpen)->Unit(benchmark::kMillisecond);

} // namespace
