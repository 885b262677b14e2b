// The reader's memory follows what it returns, never the size of a file or what a damaged
// field claims: large files, valid or not, are read through the fixed buffer.
#include <gtest/gtest.h>

#include <functional>

#include "AllocationMeter.h"
#include "NamedCases.h"
#include "core/Samples.h"
#include "core/card/CardReader.h"
#include "core/card/ChunkedReader.h"
#include "support/Bytes.h"
#include "support/MemoryFileSystem.h"

namespace {

using namespace core;
using namedcases::PrintTo;
using namespace testbytes;

const std::string kFolder = "card";
constexpr std::size_t kLarge = 8u << 20;

// What reading one small timer may take besides the buffer: the card's values and the
// file system's bookkeeping.
constexpr std::size_t kAllowance = kCardReadBufferSize + (64u << 10);

struct MemoryCase {
    const char* name;
    CardFileKind kind;
    std::function<Bytes()> bytes;
    CardFileState state;
};

Bytes OneTimer() { return samples::ProgramImage(0, {samples::WeekdayMusic().stored}); }

// Every timer of a full index claims the most names there can be, and says so in agreement
// with its size; the file holds one timer's worth.
Bytes ClaimsTheMost() {
    Bytes bytes = OneTimer();
    Put16(bytes, 4, 512);
    for (std::size_t i = 0; i < 512; ++i) {
        Put32(bytes, 8 + 8 * i, static_cast<std::uint32_t>(4104 + i * (32 + 624 * 65535)));
        Put32(bytes, 12 + 8 * i, 32 + 624 * 65535);
    }
    Put16(bytes, 4104 + 28, 65535);
    return bytes;
}

// A timer whose record claims the most names, inside an index that holds it to two.
Bytes RecordClaimsTheMost() {
    Bytes bytes = OneTimer();
    Put16(bytes, 4104 + 28, 65535);
    return bytes;
}

const MemoryCase kCases[] = {
    {"ValidProgramWithLongDeadTail", CardFileKind::GeneralSchedule,
     [] {
         return Concat({OneTimer(), Bytes(kLarge, 0xEE)});
     },
     CardFileState::Read},
    {"IndexClaimingTheMost", CardFileKind::GeneralSchedule, ClaimsTheMost, CardFileState::Damaged},
    {"RecordClaimingTheMost", CardFileKind::GeneralSchedule, RecordClaimsTheMost, CardFileState::Damaged},
    {"LongDateFile", CardFileKind::SpecialDates, [] { return Bytes(kLarge, 1); }, CardFileState::Damaged},
};

class ReaderMemory : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(ReaderMemory, StaysWithinTheBuffer) {
    const MemoryCase& c = GetParam();
    testsupport::MemoryFileSystem fs;
    const CardFileId id{c.kind, 0};
    fs.SetFile(CardFilePath(kFolder, id.kind, id.program), c.bytes());

    allocationmeter::Start();
    const Card card = ReadCard(fs, kFolder);
    const auto figures = allocationmeter::Stop();

    EXPECT_EQ(card[id].state, c.state);
    EXPECT_LE(figures.largest, kCardReadBufferSize);
    EXPECT_LE(figures.peak, kAllowance);
}

INSTANTIATE_TEST_SUITE_P(Files, ReaderMemory, ::testing::ValuesIn(kCases), namedcases::kCaseName);

}  // namespace
