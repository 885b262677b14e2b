// The processes of the process tests: writers and a reader that share one program file, a writer
// that runs until it is killed, a writer under a file size limit (POSIX only), and an echo of
// its arguments that shows they arrive unchanged. Each prints what it did on its standard output,
// one line at a time and unbuffered, so nothing is lost when it is killed.
#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <filesystem>
#else
#include <sys/resource.h>
#endif

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "Labelled.h"
#include "core/card/CardReader.h"
#include "core/cardjson/ImportCard.h"
#include "core/fs/Path.h"
#include "core/fs/ProcessSetup.h"
#include "core/history/WriteRecorder.h"

namespace {

using namespace proctest;

// Out of the process before it goes on: a kill right after loses nothing said.
void Say(const std::string& line) {
    const std::string text = line + "\n";
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        std::_Exit(3);
}

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "%s\n", why.c_str());
    std::_Exit(2);
}

// Another process holds the file: nothing was done, try again.
bool Busy(const core::Failure& failure) {
    return failure.status == core::Status::OpenFailed && failure.error &&
           failure.error->cause() == core::FileErrorCause::SharingViolation;
}

void Pause() { std::this_thread::sleep_for(std::chrono::microseconds(50)); }

std::string Describe(const core::Failure& failure) {
    return "status " + std::to_string(static_cast<int>(failure.status)) + " cause " +
           std::to_string(failure.error ? static_cast<int>(failure.error->cause()) : -1);
}

// The same step again while the file is busy; a bound keeps a stuck run from hanging the test.
template <class Step>
auto UntilNotBusy(Step step) {
    for (int attempt = 0; attempt < 200000; ++attempt) {
        auto result = step();
        if (result.ok() || !Busy(result.failure())) return result;
        Pause();
    }
    Fail("the file stayed busy");
}

struct Found {
    std::uint16_t index = 0;
    std::optional<core::TimerFingerprint> fingerprint;
};

std::vector<std::u16string> NamesOf(const std::vector<core::MusicEntryInfo>& music) {
    std::vector<std::u16string> names;
    for (const auto& entry : music) names.push_back(entry.name);
    return names;
}

// Where the writer's timer `name` is now: its index from one whole read of the file, then its
// fingerprint from a read of that timer, which must still be the same timer. Nothing when the
// whole read does not have it.
std::optional<Found> Find(const std::string& path, const std::string& name) {
    const std::string folder = core::FolderOf(path);
    for (int attempt = 0; attempt < 200000; ++attempt) {
        const core::Card card = core::ReadCard(core::SystemFileSystem(), folder);
        const core::CardFile& file = card[{core::CardFileKind::GeneralSchedule, 0}];
        if (file.state == core::CardFileState::Busy) {
            Pause();
            continue;
        }
        if (file.state != core::CardFileState::Read)
            Fail("the file reads as state " + std::to_string(int(file.state)));
        std::optional<std::uint16_t> index;
        for (std::size_t i = 0; i < file.timers.size() && !index; ++i) {
            const auto label = LabelOf(file.timers[i].record, file.timers[i].musicNames);
            if (label && label->Name() == name) index = static_cast<std::uint16_t>(i);
        }
        if (!index) return std::nullopt;
        const auto read = core::ReadTimer(core::SystemFileSystem(), path, *index, {});
        if (!read.ok()) {
            if (!Busy(read.failure()))
                Fail("reading timer " + std::to_string(*index) + ": " + Describe(read.failure()));
            continue;
        }
        const auto label = LabelOf(read->record, NamesOf(read->music));
        // Moved by the other writer between the two reads: look again.
        if (*index < read->count && label && label->Name() == name) return Found{*index, read->fingerprint};
    }
    Fail("could not find " + name + " for long");
}

// Appends, replaces and deletes its own timers, and says each one the store reported done:
// "put A7 2" (timer A7 is now at version 2) or "drop A7".
int Writer(const std::string& path, const std::string& writer, std::uint64_t seed, int operations) {
    core::FileSystem& fs = core::SystemFileSystem();
    std::mt19937_64 random(seed);
    std::map<int, int> live;  // id -> version
    int nextId = 0;
    for (int op = 0; op < operations; ++op) {
        const auto roll = random() % 4;
        const int music = 1 + static_cast<int>(random() % 3);
        if (live.empty() || roll < 2) {
            const Label label{writer, nextId++, 0};
            const auto added =
                UntilNotBusy([&] { return core::AppendTimer(fs, path, LabelledTimer(label, music)); });
            if (!added.ok()) Fail("append " + label.Name() + ": " + Describe(added.failure()));
            live[label.id] = 0;
            Say("put " + label.Name() + " 0");
            continue;
        }
        const auto chosen = std::next(live.begin(), static_cast<long>(random() % live.size()));
        const Label label{writer, chosen->first, chosen->second + 1};
        for (;;) {
            const std::optional<Found> found = Find(path, label.Name());
            if (!found) Fail(label.Name() + " is missing from the file");
            const auto written = roll == 2
                                     ? core::ReplaceTimer(fs, path, found->index, LabelledTimer(label, music),
                                                          found->fingerprint)
                                     : core::DeleteTimer(fs, path, found->index, found->fingerprint);
            if (written.ok()) break;
            // Another writer moved the timer, or holds the file: look for it again.
            if (written.status() != core::Status::TimerChanged && !Busy(written.failure())) {
                Fail((roll == 2 ? "replace " : "delete ") + label.Name() + ": " +
                     Describe(written.failure()));
            }
            Pause();
        }
        if (roll == 2) {
            chosen->second = label.version;
            Say("put " + label.Name() + " " + std::to_string(label.version));
        } else {
            live.erase(chosen);
            Say("drop " + label.Name());
        }
    }
    return 0;
}

// What a read of the whole file found wrong; empty when it was whole.
std::string CheckWhole(const core::CardFile& file) {
    if (file.state != core::CardFileState::Read) {
        return "state " + std::to_string(static_cast<int>(file.state)) + " damage " +
               std::to_string(file.damage ? static_cast<int>(file.damage->rule) : -1);
    }
    std::set<std::string> names;
    for (const core::TimerData& timer : file.timers) {
        const auto label = LabelOf(timer.record, timer.musicNames);
        if (!label) return "a timer that no writer wrote";
        if (!names.insert(label->Name()).second) return label->Name() + " twice";
    }
    return {};
}

// Set once the standard input has closed: the test's word that the writers are done. A thread
// of its own waits for it, which needs no way to look at the input without blocking.
std::atomic<bool> g_inputClosed{false};

void WatchInput() {
    std::thread([] {
        while (std::fgetc(stdin) != EOF) {
        }
        g_inputClosed = true;
    }).detach();
}

// Reads the file through the store until its standard input closes: the whole card, and one
// timer at a time. Prints "reads N busy M torn K", then what each of the first torn reads saw.
int Reader(const std::string& folder, const std::string& path) {
    core::FileSystem& fs = core::SystemFileSystem();
    std::mt19937_64 random(7);
    long reads = 0, busy = 0;
    std::vector<std::string> torn;
    WatchInput();
    for (long round = 0; round < 1'000'000; ++round) {
        // A few hundred rounds at least, then until the input closes.
        if (round >= 300 && g_inputClosed) break;

        const core::Card card = core::ReadCard(fs, folder);
        const core::CardFile& file = card[{core::CardFileKind::GeneralSchedule, 0}];
        if (file.state == core::CardFileState::Busy) {
            ++busy;
        } else if (const std::string wrong = CheckWhole(file); !wrong.empty()) {
            torn.push_back("card: " + wrong);
        } else {
            ++reads;
        }

        const auto index = static_cast<std::uint16_t>(random() % 64);
        const auto read = core::ReadTimer(fs, path, index, {});
        if (!read.ok()) {
            if (!Busy(read.failure()))
                torn.push_back("timer: " + Describe(read.failure()));
            else
                ++busy;
        } else if (index < read->count) {
            if (!LabelOf(read->record, NamesOf(read->music)) || !read->fingerprint) {
                torn.push_back("timer " + std::to_string(index) + " is not one a writer wrote");
            }
            ++reads;
        }
        Pause();
    }
    Say("reads " + std::to_string(reads) + " busy " + std::to_string(busy) + " torn " +
        std::to_string(torn.size()));
    for (std::size_t i = 0; i < torn.size() && i < 10; ++i) Say(torn[i]);
    return 0;
}

// Takes churn steps until killed, saying "step k" before step k. With a history root, each step
// is recorded in the card's history there, as every writer of the tool records its writes.
int Churn(const std::string& path, std::uint64_t seed, const std::optional<std::string>& historyRoot) {
    std::optional<core::history::WriteRecorder> recorder;
    if (historyRoot) recorder.emplace(core::SystemFileSystem(), *historyRoot);
    Say("ready");
    for (std::uint64_t step = 0; step < 1'000'000; ++step) {
        Say("step " + std::to_string(step));
        const auto run = [&] { return RunChurnStep(core::SystemFileSystem(), path, seed, step); };
        const auto done = recorder ? recorder->Record(path, core::history::Command::SaveTimer, run) : run();
        if (!done.ok()) Fail("step " + std::to_string(step) + ": " + Describe(done.failure()));
        if (recorder && recorder->TakeMissedCopy()) Fail("step " + std::to_string(step) + ": no copy in the history");
    }
    return 0;
}

// Imports the card in folder `first`, then the one in `second`, over the card in `folder`, in turn
// until killed, each recorded in the card's history under `historyRoot`; says "import k" before
// import k.
int ImportChurn(const std::string& folder, const std::string& historyRoot, const std::string& first,
                const std::string& second) {
    core::FileSystem& fs = core::SystemFileSystem();
    core::history::WriteRecorder recorder(fs, historyRoot);
    std::vector<core::cardjson::CardImage> cards;
    for (const std::string& source : {first, second}) {
        auto card = core::cardjson::ReadCardImage(fs, source);
        if (!card.ok()) Fail("reading " + source + ": " + Describe(card.failure()));
        cards.push_back(std::move(*card));
    }
    Say("ready");
    for (std::uint64_t round = 0; round < 1'000'000; ++round) {
        Say("import " + std::to_string(round));
        const auto report = UntilNotBusy([&] {
            auto imported = core::cardjson::ImportCard(fs, folder, cards[round % 2], false, &recorder);
            return imported.failure ? core::Result<>(*imported.failure) : core::Result<>();
        });
        if (!report.ok()) Fail("import " + std::to_string(round) + ": " + Describe(report.failure()));
        if (recorder.TakeMissedCopy()) Fail("import " + std::to_string(round) + ": no copy in the history");
    }
    return 0;
}

// The next command on the card in `folder`: settles what a killed writer left, and says what it
// did ("none", "plan.finished", "plan.rolled-back"...), then each file it left as another
// program changed it ("left SCH01.DAT").
int Settle(const std::string& folder, const std::string& historyRoot) {
    core::history::WriteRecorder recorder(core::SystemFileSystem(), historyRoot);
    recorder.SettlePending(folder);
    const auto settled = recorder.TakeSettlements();
    if (settled.empty()) Say("none");
    for (const auto& settlement : settled) {
        Say(std::string(core::history::SettlementKey(settlement.outcome)));
        for (const std::string& file : settlement.left) Say("left " + file);
    }
    return 0;
}

#ifndef _WIN32
// Under a file size limit of `limit` bytes, stores a timer far larger than that: by a rewrite of
// the file or by an append. Prints the status and cause the store answered.
int Limited(const std::string& path, rlim_t limit, bool ignoreSignal, const std::string& how) {
    const rlimit size{limit, limit};
    if (::setrlimit(RLIMIT_FSIZE, &size) != 0) Fail("setrlimit");
    if (ignoreSignal) core::IgnoreFileSizeSignal();
    const core::TimerData large = LabelledTimer({"big", 0, 0}, 40);
    const auto written = how == "append" ? core::AppendTimer(core::SystemFileSystem(), path, large)
                                         : core::ReplaceTimer(core::SystemFileSystem(), path, 0, large);
    Say(written.ok() ? std::string("done") : Describe(written.failure()));
    return 0;
}
#endif

// Says each of its arguments on a line of its own, as it received them.
int Echo(const std::vector<std::string>& words) {
    for (const std::string& word : words) Say(word);
    return 0;
}

// The arguments in UTF-8, as paths are throughout the tool. Windows gives main() them in the
// ANSI code page, which cannot hold every path; its UTF-16 command line can.
std::vector<std::string> Arguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef _WIN32
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) Fail("CommandLineToArgvW");
    std::vector<std::string> args;
    for (int i = 1; i < count; ++i) {
        const std::u8string utf8 = std::filesystem::path(wide[i]).u8string();
        args.emplace_back(utf8.begin(), utf8.end());
    }
    LocalFree(wide);
    return args;
#else
    return {argv + 1, argv + argc};
#endif
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Bytes as they are: text mode would turn each line end into two.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> args = Arguments(argc, argv);
    if (!args.empty() && args[0] == "echo") return Echo({args.begin() + 1, args.end()});
    if (args.size() == 5 && args[0] == "writer")
        return Writer(args[1], args[2], std::stoull(args[3]), std::stoi(args[4]));
    if (args.size() == 3 && args[0] == "reader") return Reader(args[1], args[2]);
    if (args.size() == 3 && args[0] == "churn") return Churn(args[1], std::stoull(args[2]), std::nullopt);
    if (args.size() == 4 && args[0] == "recorded-churn") return Churn(args[1], std::stoull(args[2]), args[3]);
    if (args.size() == 5 && args[0] == "import-churn") return ImportChurn(args[1], args[2], args[3], args[4]);
    if (args.size() == 3 && args[0] == "settle") return Settle(args[1], args[2]);
#ifndef _WIN32
    if (args.size() == 5 && args[0] == "limited")
        return Limited(args[1], std::stoull(args[2]), args[3] == "1", args[4]);
#endif
    Fail(
        "usage: writer PATH NAME SEED OPS | reader FOLDER PATH | churn PATH SEED | recorded-churn PATH SEED ROOT | import-churn FOLDER ROOT FIRST SECOND | settle FOLDER ROOT | limited PATH BYTES 0|1 "
        "append|rewrite | echo WORDS...");
}
