// The store's operations on a full program file on the real disk, next to a baseline: a plain
// copy of the same file with read(2) and write(2), flushed to the medium with fsync(2) as the
// store flushes what it writes. Wall-clock time, since waiting for the disk is the point. The
// rewrite and the append run with the read-back of what they wrote (read_back:1, as the tool
// always does) and without it (read_back:0).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

#include "bench/FullProgram.h"
#include "bench/UncheckedFileSystem.h"
#include "core/fs/FileSystem.h"
#include "tests/support/TempFolder.h"

namespace {

core::FileSystem& Fs() { return core::SystemFileSystem(); }

// The file system of a benchmark run with argument read_back: the machine's own, which reads
// every write back from the medium, or the same without that check (read_back:0).
core::FileSystem& FsFor(const benchmark::State& state) {
    static bench::UncheckedFileSystem unchecked;
    return state.range(0) != 0 ? Fs() : unchecked;
}

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

void Expect(const core::Result<core::Stored>& result, benchmark::State& state) {
    if (!result.ok()) state.SkipWithError("the store reported a failure");
}

void BM_ReadLastTimer(benchmark::State& state) {
    auto& files = TheFiles();
    for (auto _ : state) {
        const auto read = core::ReadTimer(Fs(), files.full, bench::kFullTimers - 1, core::TimerRecord{});
        if (!read.ok() || read->music.size() != bench::kFilesPerTimer) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(read);
    }
}

// The rewrite of a full program, with its read-back and without, to weigh what the check costs.
void BM_ReplaceTimer(benchmark::State& state) {
    auto& files = TheFiles();
    core::FileSystem& fs = FsFor(state);
    std::uint16_t n = 0;
    for (auto _ : state) {
        Expect(core::ReplaceTimer(fs, files.full, 256, bench::MusicTimer(n++)), state);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.fullSize));
}

// Deleting the first timer moves all the others. The timer is appended again, untimed, so each
// round starts from a full program.
void BM_DeleteTimer(benchmark::State& state) {
    auto& files = TheFiles();
    for (auto _ : state) {
        Expect(core::DeleteTimer(Fs(), files.full, 0), state);
        state.PauseTiming();
        Expect(core::AppendTimer(Fs(), files.full, bench::MusicTimer(0)), state);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.fullSize));
}

// Appending the 512th timer; it is deleted again, untimed, before the next round.
void BM_AppendTimer(benchmark::State& state) {
    auto& files = TheFiles();
    core::FileSystem& fs = FsFor(state);
    for (auto _ : state) {
        Expect(core::AppendTimer(fs, files.almostFull, bench::MusicTimer(511)), state);
        state.PauseTiming();
        Expect(core::DeleteTimer(Fs(), files.almostFull, bench::kFullTimers - 1), state);
        state.ResumeTiming();
    }
}

// Reads the full program whole, writes it whole to `to` and flushes it, with plain calls.
bool PlainCopy(const Files& files, const std::string& to, std::vector<std::uint8_t>& buffer) {
    const int in = ::open(files.full.c_str(), O_RDONLY | O_CLOEXEC);
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    const bool copied = in >= 0 && out >= 0 &&
                        ::read(in, buffer.data(), buffer.size()) == static_cast<ssize_t>(buffer.size()) &&
                        ::write(out, buffer.data(), buffer.size()) == static_cast<ssize_t>(buffer.size()) &&
                        ::fsync(out) == 0;
    if (in >= 0) ::close(in);
    if (out >= 0) ::close(out);
    return copied;
}

// The same bytes as a rewrite of the full program moves: read whole, written whole, flushed.
void BM_BaselineCopy(benchmark::State& state) {
    auto& files = TheFiles();
    std::vector<std::uint8_t> buffer(files.fullSize);
    for (auto _ : state) {
        if (!PlainCopy(files, files.copy, buffer)) state.SkipWithError("the plain copy failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.fullSize));
}

// The baseline plus what makes a replacement atomic and durable: the copy renamed over a file
// and the folder flushed. Shows how much of a rewrite is the price of never losing the file.
void BM_BaselineCopyAndRename(benchmark::State& state) {
    auto& files = TheFiles();
    std::vector<std::uint8_t> buffer(files.fullSize);
    const std::string temporary = files.copy + ".new";
    for (auto _ : state) {
        bool done =
            PlainCopy(files, temporary, buffer) && ::rename(temporary.c_str(), files.copy.c_str()) == 0;
        const int folder = ::open(files.folder.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        done = done && folder >= 0 && ::fsync(folder) == 0;
        if (folder >= 0) ::close(folder);
        if (!done) state.SkipWithError("the plain copy failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * files.fullSize));
}

BENCHMARK(BM_ReadLastTimer)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BaselineCopy)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineCopyAndRename)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceTimer)
    ->ArgName("read_back")
    ->Arg(1)
    ->Arg(0)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteTimer)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendTimer)->ArgName("read_back")->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
