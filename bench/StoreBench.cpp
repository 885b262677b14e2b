// The store's operations on a full program file on the real disk, next to a baseline: a plain
// copy of the same file with read(2) and write(2), flushed to the medium with fsync(2) as the
// store flushes what it writes. Wall-clock time, since waiting for the disk is the point.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

#include "FullProgram.h"
#include "platform/FileSystem.h"
#include "support/TempFolder.h"

namespace {

using storage::StoreResult;

platform::FileSystem& Fs() { return platform::SystemFileSystem(); }

// One folder for the whole run, holding a full program and a program one timer short of it.
struct Files {
    testsupport::TempFolder folder;
    std::string full = folder / "SCH01.DAT";
    std::string almostFull = folder / "SCH02.DAT";
    std::string copy = folder / "COPY.DAT";
    std::size_t fullSize = 0;

    Files() {
        const auto bytes = bench::ProgramOf(bench::kFullTimers);
        fullSize = bytes.size();
        testsupport::WriteFileBytes(full, bytes);
        testsupport::WriteFileBytes(almostFull, bench::ProgramOf(bench::kFullTimers - 1));
    }
};

Files& TheFiles() {
    static Files files;
    return files;
}

void Expect(const StoreResult& result, benchmark::State& state) {
    if (!result.ok()) state.SkipWithError("the store reported a failure");
}

void BM_ReadLastTimer(benchmark::State& state) {
    auto& files = TheFiles();
    for (auto _ : state) {
        storage::TimerRecord record;
        const auto read = storage::ReadTimer(Fs(), files.full, bench::kFullTimers - 1, record);
        if (!read.ok() || read.music.size() != bench::kFilesPerTimer) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(record);
    }
}

void BM_ReplaceTimer(benchmark::State& state) {
    auto& files = TheFiles();
    std::uint16_t n = 0;
    for (auto _ : state) {
        Expect(storage::ReplaceTimer(Fs(), files.full, 256, bench::MusicTimer(n++)), state);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.fullSize));
}

// Deleting the first timer moves all the others. The timer is appended again, untimed, so each
// round starts from a full program.
void BM_DeleteTimer(benchmark::State& state) {
    auto& files = TheFiles();
    for (auto _ : state) {
        Expect(storage::DeleteTimer(Fs(), files.full, 0), state);
        state.PauseTiming();
        Expect(storage::AppendTimer(Fs(), files.full, bench::MusicTimer(0)), state);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.fullSize));
}

// Appending the 512th timer; it is deleted again, untimed, before the next round.
void BM_AppendTimer(benchmark::State& state) {
    auto& files = TheFiles();
    for (auto _ : state) {
        Expect(storage::AppendTimer(Fs(), files.almostFull, bench::MusicTimer(511)), state);
        state.PauseTiming();
        Expect(storage::DeleteTimer(Fs(), files.almostFull, bench::kFullTimers - 1), state);
        state.ResumeTiming();
    }
}

// The same bytes as a rewrite of the full program moves: read whole, written whole, flushed.
void BM_BaselineCopy(benchmark::State& state) {
    auto& files = TheFiles();
    std::vector<std::uint8_t> buffer(files.fullSize);
    for (auto _ : state) {
        const int from = ::open(files.full.c_str(), O_RDONLY | O_CLOEXEC);
        const int to = ::open(files.copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        const bool copied = from >= 0 && to >= 0 &&
                            ::read(from, buffer.data(), buffer.size()) == static_cast<ssize_t>(buffer.size()) &&
                            ::write(to, buffer.data(), buffer.size()) == static_cast<ssize_t>(buffer.size()) &&
                            ::fsync(to) == 0;
        if (from >= 0) ::close(from);
        if (to >= 0) ::close(to);
        if (!copied) state.SkipWithError("the plain copy failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.fullSize));
}

BENCHMARK(BM_ReadLastTimer)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BaselineCopy)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceTimer)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteTimer)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendTimer)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
