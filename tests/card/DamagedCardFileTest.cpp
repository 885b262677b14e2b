// One table of files that break each rule of the stored form, next to files that look odd but
// are fine. A damaged file must say which rule it breaks (and which timer, counted from 1) and
// carry nothing of its content.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "NamedCases.h"
#include "core/Samples.h"
#include "core/card/CardReader.h"
#include "support/Bytes.h"
#include "support/MemoryFileSystem.h"

namespace {

using namespace core;
using namedcases::PrintTo;
using namespace testbytes;

const std::string kFolder = "card";

// Two timers: music with two files (1280 bytes) at 4104, radio (32 bytes) at 5384; 5416 bytes.
Bytes TwoTimers() {
    return samples::ProgramImage(3, {samples::WeekdayMusic().stored, samples::NoonRadio().stored});
}

// Positions of the fields the cases change.
constexpr std::size_t kCountAt = 4;
constexpr std::size_t OffsetAt(std::size_t timer) { return 8 + 8 * timer; }
constexpr std::size_t SizeAt(std::size_t timer) { return 12 + 8 * timer; }
constexpr std::size_t kFirstMusicCountAt = 4104 + 28;

Bytes With(Bytes bytes, const std::function<void(Bytes&)>& change) {
    change(bytes);
    return bytes;
}

Bytes Dates(std::size_t bytes) { return Bytes(bytes, 1); }

Bytes FirstBytes(const Bytes& bytes, std::size_t count) {
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
}

struct DamageCase {
    const char* name;
    CardFileKind kind;
    Bytes bytes;
    std::optional<Damage> damage;  // nothing: the file is fine
    std::size_t items = 0;         // timers or dates of a file that is fine
};

Damage Rule(DamageRule rule) { return {rule, std::nullopt}; }
Damage AtTimer(DamageRule rule, int timer) { return {rule, timer}; }

constexpr auto kProgram = CardFileKind::SpecialSchedule;
constexpr auto kDates = CardFileKind::SpecialDates;

const DamageCase kCases[] = {
    // Program files that are fine.
    {"TwoTimers", kProgram, TwoTimers(), std::nullopt, 2},
    {"EmptyProgram", kProgram, samples::ProgramImage(0, {}), std::nullopt, 0},
    {"DeadBytesAfterLastTimer", kProgram, Concat({TwoTimers(), Bytes(5000, 0xEE)}), std::nullopt, 2},
    {"DeadBytesAfterEmptyHeader", kProgram, Concat({samples::ProgramImage(0, {}), Bytes(700, 0xEE)}),
     std::nullopt, 0},
    {"IndexPastCountIgnored", kProgram,
     With(TwoTimers(), [](Bytes& b) { Put32(b, OffsetAt(2), 0xFFFFFFFF); }), std::nullopt, 2},

    // The header.
    {"EmptyProgramFile", kProgram, {}, Rule(DamageRule::HeaderTooShort)},
    {"HeaderOneByteShort", kProgram, FirstBytes(TwoTimers(), 4103), Rule(DamageRule::HeaderTooShort)},
    {"WrongMagic", kProgram,
     With(TwoTimers(),
          [](Bytes& b) {
              b[0] = 0x55;
              b[1] = 0xAA;
          }),
     Rule(DamageRule::WrongMagic)},
    {"CountAbove512", kProgram, With(TwoTimers(), [](Bytes& b) { Put16(b, kCountAt, 513); }),
     Rule(DamageRule::CountTooLarge)},
    {"CountAllOnes", kProgram, With(TwoTimers(), [](Bytes& b) { Put16(b, kCountAt, 0xFFFF); }),
     Rule(DamageRule::CountTooLarge)},

    // Index entries reaching past the end.
    {"LastTimerCutShort", kProgram, FirstBytes(TwoTimers(), 5415), AtTimer(DamageRule::IndexPastEnd, 2)},
    {"CountBeyondTimers", kProgram,
     With(TwoTimers(),
          [](Bytes& b) {
              Put16(b, kCountAt, 3);
              Put32(b, OffsetAt(2), 5416);
              Put32(b, SizeAt(2), 32);
          }),
     AtTimer(DamageRule::IndexPastEnd, 3)},
    {"HugeSize", kProgram, With(TwoTimers(), [](Bytes& b) { Put32(b, SizeAt(0), 0xFFFFFFFF); }),
     AtTimer(DamageRule::IndexPastEnd, 1)},
    {"HugeOffset", kProgram, With(TwoTimers(), [](Bytes& b) { Put32(b, OffsetAt(1), 0xFFFFFFF0); }),
     AtTimer(DamageRule::IndexPastEnd, 2)},
    {"MostNamesClaimedInAgreement", kProgram,
     With(TwoTimers(),
          [](Bytes& b) {
              Put16(b, kFirstMusicCountAt, 65535);
              Put32(b, SizeAt(0), 32 + 624 * 65535);
          }),
     AtTimer(DamageRule::IndexPastEnd, 1)},

    // Sizes that do not match the record.
    {"MoreNamesThanSize", kProgram, With(TwoTimers(), [](Bytes& b) { Put16(b, kFirstMusicCountAt, 3); }),
     AtTimer(DamageRule::TimerSizeMismatch, 1)},
    {"MostNamesClaimed", kProgram, With(TwoTimers(), [](Bytes& b) { Put16(b, kFirstMusicCountAt, 65535); }),
     AtTimer(DamageRule::TimerSizeMismatch, 1)},
    {"FewerNamesThanSize", kProgram, With(TwoTimers(), [](Bytes& b) { Put16(b, kFirstMusicCountAt, 1); }),
     AtTimer(DamageRule::TimerSizeMismatch, 1)},
    {"SizeTooSmallForRecord", kProgram, With(TwoTimers(), [](Bytes& b) { Put32(b, SizeAt(1), 16); }),
     AtTimer(DamageRule::TimerSizeMismatch, 2)},
    {"ZeroSize", kProgram, With(TwoTimers(), [](Bytes& b) { Put32(b, SizeAt(1), 0); }),
     AtTimer(DamageRule::TimerSizeMismatch, 2)},

    // Timers not back to back.
    {"FirstTimerNotAfterHeader", kProgram,
     With(Concat({TwoTimers(), Bytes(4, 0)}), [](Bytes& b) { Put32(b, OffsetAt(0), 4108); }),
     AtTimer(DamageRule::TimersNotContiguous, 1)},
    {"GapBetweenTimers", kProgram,
     With(Concat({TwoTimers(), Bytes(4, 0)}), [](Bytes& b) { Put32(b, OffsetAt(1), 5388); }),
     AtTimer(DamageRule::TimersNotContiguous, 2)},
    {"TimersOverlap", kProgram,
     With(TwoTimers(),
          [](Bytes& b) {
              Put32(b, OffsetAt(1), 4104);
              Put32(b, SizeAt(1), 32);
          }),
     AtTimer(DamageRule::TimersNotContiguous, 2)},

    // Date files.
    {"EmptyDateList", kDates, {}, std::nullopt, 0},
    {"OneDate", kDates, Hex("0C 19"), std::nullopt, 1},
    {"WholeYear", kDates, Dates(730), std::nullopt, 365},
    {"OddLength", kDates, Dates(3), Rule(DamageRule::DatesOddLength)},
    {"LongerThanAYear", kDates, Dates(732), Rule(DamageRule::TooManyDates)},
    {"LongerThanAYearAndOdd", kDates, Dates(731), Rule(DamageRule::TooManyDates)},
};

class DamagedCardFile : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedCardFile, SaysWhatIsWrong) {
    const DamageCase& c = GetParam();
    testsupport::MemoryFileSystem fs;
    const CardFileId id{c.kind, 1};
    fs.SetFile(CardFilePath(kFolder, id.kind, id.program), c.bytes);

    const CardFile file = ReadCard(fs, kFolder)[id];

    EXPECT_FALSE(file.failure);
    if (c.damage) {
        EXPECT_EQ(file.state, CardFileState::Damaged);
        EXPECT_EQ(file.damage, c.damage);
        EXPECT_TRUE(file.timers.empty());
        EXPECT_TRUE(file.dates.empty());
    } else {
        EXPECT_EQ(file.state, CardFileState::Read);
        EXPECT_FALSE(file.damage);
        EXPECT_EQ(file.timers.size() + file.dates.size(), c.items);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedCardFile, ::testing::ValuesIn(kCases), namedcases::kCaseName);

// The first damaged timer is the one reported, and the damage is not passed on to the other
// files of the card.
TEST(DamagedCardFile, FirstFaultyTimerIsReportedAndOthersStayRead) {
    testsupport::MemoryFileSystem fs;
    const Bytes three = samples::ProgramImage(
        0, {samples::NoonRadio().stored, samples::WeekdayMusic().stored, samples::NoonRadio().stored});
    const Bytes damaged = With(three, [](Bytes& b) {
        Put16(b, 4104 + 32 + 28, 5);  // timer 2's musicCount
        Put32(b, SizeAt(2), 0);       // timer 3's size
    });
    fs.SetFile(CardFilePath(kFolder, CardFileKind::GeneralSchedule, 0), damaged);
    fs.SetFile(CardFilePath(kFolder, CardFileKind::GeneralSchedule, 1), three);

    const Card card = ReadCard(fs, kFolder);

    const CardFile& first = card[CardFileId{CardFileKind::GeneralSchedule, 0}];
    const CardFile& second = card[CardFileId{CardFileKind::GeneralSchedule, 1}];
    EXPECT_EQ(first.damage, AtTimer(DamageRule::TimerSizeMismatch, 2));
    EXPECT_EQ(second.state, CardFileState::Read);
    EXPECT_EQ(second.timers.size(), 3u);
}

}  // namespace
