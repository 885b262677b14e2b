// Reading a whole card of ten full programs (4 general and 6 special, 6.4 MB each) from the
// real disk, next to a baseline: the same ten files read with plain read(2) calls through one
// fixed buffer of the same size as the reader's. Both read from the page cache after the first
// round, so the difference is the reader's own work: decoding, checking and building values.
// Counters: the reader's peak heap during one ReadCard (its fixed buffer and the values it
// returns) and the process's peak resident size.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <vector>

#include "FullProgram.h"
#include "card/AllocationMeter.h"
#include "core/card/CardReader.h"
#include "core/card/ChunkedReader.h"
#include "support/TempFolder.h"

namespace {

using namespace core;

constexpr double kMegabyte = 1024.0 * 1024.0;

// One folder for the whole run holding the ten program files; the date files are absent.
struct FullCard {
    testsupport::TempFolder folder;
    std::vector<std::string> paths;
    std::size_t bytes = 0;

    FullCard() {
        const auto program = bench::ProgramOf(bench::kFullTimers);
        for (const CardFileId id : AllCardFiles()) {
            if (!HoldsTimers(id.kind)) continue;
            paths.push_back(CardFilePath(folder.path(), id.kind, id.program));
            testsupport::WriteFileBytes(paths.back(), program);
            bytes += program.size();
        }
    }
};

FullCard& TheCard() {
    static FullCard card;
    return card;
}

double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0 / kMegabyte;  // ru_maxrss is in KiB
}

bool IsFull(const Card& card) {
    for (const CardFile& file : card.files) {
        if (HoldsTimers(file.id.kind) &&
            (file.state != CardFileState::Read || file.timers.size() != bench::kFullTimers)) {
            return false;
        }
    }
    return true;
}

// The reader's peak heap is measured in one untimed read first, so the timed rounds do not pay
// for the counting.
void BM_ReadCard(benchmark::State& state) {
    auto& card = TheCard();
    allocationmeter::Start();
    if (!IsFull(ReadCard(SystemFileSystem(), card.folder.path())))
        state.SkipWithError("the card did not read whole");
    const auto heap = allocationmeter::Stop();
    for (auto _ : state) {
        const Card read = ReadCard(SystemFileSystem(), card.folder.path());
        if (!IsFull(read)) state.SkipWithError("the card did not read whole");
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * card.bytes));
    state.counters["peak_heap_MB"] = static_cast<double>(heap.peak) / kMegabyte;
    state.counters["max_rss_MB"] = PeakResidentMegabytes();
}

// Reads a file to its end through buffer with plain calls; false when that fails.
bool PlainRead(const std::string& path, std::vector<std::uint8_t>& buffer) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    ssize_t got = 0;
    while ((got = ::read(fd, buffer.data(), buffer.size())) > 0) benchmark::DoNotOptimize(buffer.data());
    ::close(fd);
    return got == 0;
}

void BM_BaselineRawRead(benchmark::State& state) {
    auto& card = TheCard();
    std::vector<std::uint8_t> buffer(kCardReadBufferSize);
    for (auto _ : state) {
        for (const std::string& path : card.paths) {
            if (!PlainRead(path, buffer)) state.SkipWithError("the plain read failed");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * card.bytes));
    state.counters["max_rss_MB"] = PeakResidentMegabytes();
}

BENCHMARK(BM_BaselineRawRead)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCard)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
