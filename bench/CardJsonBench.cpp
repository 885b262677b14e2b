// Export and import of a whole card of ten full programs (4 general and 6 special, 6.4 MB
// each) on the real disk, next to a baseline: the same ten files copied raw, read whole and
// each written whole into a fresh file of another folder. The ratio says what the JSON form
// costs over moving the bytes themselves. Then two versions of a full program compared.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "FullProgram.h"
#include "core/cardjson/CardJson.h"
#include "core/cardjson/FileChange.h"
#include "core/cardjson/ImportCard.h"
#include "support/TempFolder.h"

namespace {

using namespace core;

// One folder of ten full programs for the whole run, and its document.
struct FullCard {
    testsupport::TempFolder folder;
    std::vector<std::string> names;
    std::size_t bytes = 0;
    std::string document;

    FullCard() {
        const auto program = bench::ProgramOf(bench::kFullTimers);
        for (const CardFileId id : AllCardFiles()) {
            if (!HoldsTimers(id.kind)) continue;
            names.push_back(CardFileName(id.kind, id.program));
            testsupport::WriteFileBytes(folder / names.back(), program);
            bytes += program.size();
        }
        document = cardjson::CardToText(*cardjson::ReadCardImage(SystemFileSystem(), folder.path()));
    }
};

FullCard& TheCard() {
    static FullCard card;
    return card;
}

void BM_ExportCard(benchmark::State& state) {
    auto& card = TheCard();
    for (auto _ : state) {
        const auto image = cardjson::ReadCardImage(SystemFileSystem(), card.folder.path());
        if (!image.ok()) state.SkipWithError("the card could not be read");
        const std::string text = cardjson::CardToText(*image);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * card.bytes));
    state.counters["document_MB"] = static_cast<double>(card.document.size()) / (1024.0 * 1024.0);
}

// Runs `write` into a fresh empty folder each round, so every file is written; making and
// removing the folder is not timed.
template <class Write>
void IntoFreshFolders(benchmark::State& state, Write write) {
    for (auto _ : state) {
        state.PauseTiming();
        auto target = std::make_unique<testsupport::TempFolder>();
        state.ResumeTiming();
        write(*target);
        state.PauseTiming();
        target.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TheCard().bytes));
}

void BM_ImportCard(benchmark::State& state) {
    IntoFreshFolders(state, [&](const testsupport::TempFolder& target) {
        const auto imported = cardjson::ImportDocument(SystemFileSystem(), target.path(), TheCard().document, false);
        if (imported.error || imported.report.failure) state.SkipWithError("the import failed");
    });
}

void BM_BaselineRawCopy(benchmark::State& state) {
    IntoFreshFolders(state, [&](const testsupport::TempFolder& target) {
        for (const std::string& name : TheCard().names) {
            const auto bytes = testsupport::ReadFileBytes(TheCard().folder / name);
            if (!bytes) state.SkipWithError("the raw read failed");
            testsupport::WriteFileBytes(target / name, *bytes);
        }
    });
}

// Timer by timer: one timer deleted from the middle (the usual edit), or every timer in reverse
// order (the most matching work: all but one moved).
void BM_CompareFullProgram(benchmark::State& state) {
    const CardFileId id{CardFileKind::GeneralSchedule, 0};
    const cardjson::Json before = cardjson::FileJsonOfBytes(id, bench::ProgramOf(bench::kFullTimers));
    cardjson::Json after = before;
    cardjson::Json& timers = after["timers"];
    if (state.range(0) == 0) timers.erase(timers.size() / 2);
    else std::reverse(timers.begin(), timers.end());
    for (auto _ : state) {
        const auto comparison = cardjson::CompareFile(before, after);
        benchmark::DoNotOptimize(&comparison);
    }
}

// As a history of the file asks: two stored versions read, compared and said.
void BM_DescribeFullProgramChange(benchmark::State& state) {
    const auto before = bench::ProgramOf(bench::kFullTimers), after = bench::ProgramOf(bench::kFullTimers - 1);
    for (auto _ : state) {
        const auto lines = cardjson::DescribeFileChange({CardFileKind::GeneralSchedule, 0}, before, after);
        if (lines.empty()) state.SkipWithError("no change found");
        benchmark::DoNotOptimize(lines.data());
    }
}

BENCHMARK(BM_BaselineRawCopy)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCard)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportCard)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareFullProgram)->ArgName("reversed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DescribeFullProgramChange)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
