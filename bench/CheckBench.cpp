// Checking a card of ten full programs (4 general and 6 special, 512 music timers of 20 external
// files each: 5120 timers, 102400 names looked up in the folder). Two days of timers:
//   Spread: five-minute windows every 168 seconds across the day, each overlapping the next;
//           every eighth timer has a file the folder lacks.
//   AllDay: every window runs to the end of the day, so all 512 of a program are open at once
//           and each is compared with all the others; they share a zone with every sixteenth.
// The card is built in memory, so only the check is timed. Counter: findings per check.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/FullProgram.h"
#include "core/check/CardCheck.h"

namespace {

using namespace core;

enum class Day { Spread, AllDay };

struct CheckedCard {
    Card card;
    FolderNames names;
};

void SetTimes(TimerRecord& r, std::uint32_t start, std::uint32_t end) {
    r.startHour = static_cast<std::uint8_t>(start / 3600);
    r.startMinute = static_cast<std::uint8_t>(start / 60 % 60);
    r.startSecond = static_cast<std::uint8_t>(start % 60);
    r.endHour = static_cast<std::uint8_t>(end / 3600);
    r.endMinute = static_cast<std::uint8_t>(end / 60 % 60);
    r.endSecond = static_cast<std::uint8_t>(end % 60);
}

std::string Utf8(const std::u16string& ascii) { return std::string(ascii.begin(), ascii.end()); }

CheckedCard FullCard(Day day) {
    CheckedCard out;
    std::vector<TimerData> timers;
    for (std::uint16_t n = 0; n < bench::kFullTimers; ++n) {
        TimerData timer = bench::MusicTimer(n);
        timer.source = MusicSource::External;
        if (day == Day::Spread) {
            SetTimes(timer.record, n * 168u, n * 168u + 300);
            if (n % 8 == 0) timer.musicNames.back() += u" (not on the card)";
        } else {
            SetTimes(timer.record, n, 24 * 3600 - 1);
            timer.record.zones = 1u << (n % 16);
        }
        timers.push_back(std::move(timer));
    }
    // The folder lists each name once, in capitals, among other files.
    for (const std::u16string& name : bench::MusicTimer(0).musicNames) {
        std::string upper = Utf8(name);
        for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
        out.names.Add(upper);
        out.names.Add(upper + ".OLD");
    }
    for (const CardFileId id : AllCardFiles()) {
        CardFile& file = out.card.files[CardFileIndex(id)];
        file.id = id;
        file.state = CardFileState::Read;
        if (HoldsTimers(id.kind)) {
            file.timers = timers;
        } else {
            file.dates = {{static_cast<std::uint8_t>(id.program + 1), 1}};
        }
    }
    return out;
}

void BM_CheckFullCard(benchmark::State& state, Day day) {
    const CheckedCard checked = FullCard(day);
    std::size_t findings = 0;
    for (auto _ : state) {
        const auto found = CheckCard(checked.card, checked.names);
        findings = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["findings"] = static_cast<double>(findings);
}

BENCHMARK_CAPTURE(BM_CheckFullCard, Spread, Day::Spread)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CheckFullCard, AllDay, Day::AllDay)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
