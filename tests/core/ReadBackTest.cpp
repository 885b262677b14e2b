// Every write is read back from the medium before it counts. A card that takes writes and keeps
// other bytes (CorruptingFileSystem, whose cache gives back what was written until it is
// dropped, as a real one does) must be caught by every writer, with the target left as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "core/fs/AtomicReplace.h"
#include "core/fs/ContentChecksum.h"
#include "tests/core/StoreCases.h"
#include "tests/support/CorruptingFileSystem.h"

namespace {

using namespace storecases;
using core::FileErrorCause;
using core::Status;
using testsupport::CorruptingFileSystem;

Bytes Counting(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t k = 0; k < size; ++k) bytes[k] = static_cast<std::uint8_t>(k * 7 + k / 251);
    return bytes;
}

std::uint64_t ChecksumInPieces(const Bytes& bytes, std::size_t piece) {
    core::ContentChecksum checksum;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        checksum.Add(std::span(bytes).subspan(at, std::min(piece, bytes.size() - at)));
    }
    return checksum.Value();
}

TEST(ContentChecksum, PiecesOfAnySizeGiveTheValueOfTheWhole) {
    for (std::size_t size : {0, 1, 31, 32, 33, 64, 100, 1000}) {
        const Bytes bytes = Counting(size);
        const std::uint64_t whole = ChecksumInPieces(bytes, std::max<std::size_t>(size, 1));
        for (std::size_t piece : {1, 3, 8, 31, 32, 33, 65}) {
            EXPECT_EQ(ChecksumInPieces(bytes, piece), whole) << size << " bytes in pieces of " << piece;
        }
    }
}

TEST(ContentChecksum, AnyChangedByteOrLengthChangesIt) {
    const Bytes bytes = Counting(100);
    const std::uint64_t original = ChecksumInPieces(bytes, 100);
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        for (std::uint8_t flip : {0x01, 0x80}) {
            Bytes changed = bytes;
            changed[at] ^= flip;
            EXPECT_NE(ChecksumInPieces(changed, 100), original) << "byte " << at;
        }
    }
    for (std::size_t size : {0, 99, 101}) {
        Bytes other = bytes;
        other.resize(size);  // zeros added
        EXPECT_NE(ChecksumInPieces(other, 100), original) << size;
    }
}

// The outcome of a write onto a card that alters its first write to the target (or to the
// target's temporary file).
struct Altered {
    Outcome outcome;
    Snapshot folder;
    std::size_t writesAltered = 0;
};

Altered RunOnCorruptingCard(const StoreCase& c, std::size_t first, std::size_t count) {
    testsupport::TempFolder folder;
    Lay(folder, c.before);
    CorruptingFileSystem card(core::SystemFileSystem(), c.target);
    card.CorruptWrites(first, count);
    Altered altered{c.run(card, folder), {}, card.Corrupted()};
    altered.folder = TakeSnapshot(folder);
    if (altered.writesAltered == 0) return altered;
    EXPECT_FALSE(altered.outcome.ok);
    EXPECT_EQ(altered.outcome.status, Status::IoFailed) << altered.outcome;
    EXPECT_EQ(altered.outcome.error, core::FileError(FileErrorCause::ReadBackMismatch, folder / c.target))
        << altered.outcome;
    return altered;
}

class EveryWriter : public ::testing::TestWithParam<StoreCase> {};

// A rewrite's temporary file is dropped and the target keeps its old bytes; an append is undone.
TEST_P(EveryWriter, CatchesACardThatKeepsOtherBytesAndLeavesTheTargetAsItWas) {
    const auto altered = RunOnCorruptingCard(GetParam(), 0, 1);
    if (altered.writesAltered == 0) GTEST_SKIP() << "writes no bytes the card could alter";
    EXPECT_EQ(Summary(altered.folder), Summary(GetParam().before));
}

// Without alteration the same card takes every write: the check itself finds nothing.
TEST_P(EveryWriter, TakesWhatTheCardKeeps) {
    const auto& c = GetParam();
    testsupport::TempFolder folder;
    Lay(folder, c.before);
    CorruptingFileSystem card(core::SystemFileSystem(), c.target);
    EXPECT_TRUE(c.run(card, folder).ok);
}

INSTANTIATE_TEST_SUITE_P(Writes, EveryWriter, ::testing::ValuesIn(WritingOperations()),
                         [](const auto& info) { return CaseName(info.param); });

StoreCase Case(const std::string& name) {
    const auto cases = WritingOperations();
    return *std::find_if(cases.begin(), cases.end(), [&](const StoreCase& c) { return c.name == name; });
}

// The timer goes down whole and only the index entry and the count are altered: the header is
// checked too.
TEST(AppendReadBack, CatchesAnAlteredHeader) {
    for (const char* name : {"Append", "AppendToEmptiedProgram"}) {
        SCOPED_TRACE(name);
        const auto altered = RunOnCorruptingCard(Case(name), 1, 2);
        EXPECT_EQ(altered.writesAltered, 2u);
        EXPECT_EQ(Summary(altered.folder), Summary(Case(name).before));
    }
}

// A card that alters every write alters the undo as well: the file is cut back to its old
// length and keeps its old timers, but its header is what the card made of the old one.
TEST(AppendReadBack, OnACardThatAltersEverythingTheOldTimersStay) {
    const StoreCase c = Case("Append");
    const auto altered = RunOnCorruptingCard(c, 0, SIZE_MAX);
    const Bytes& old = c.before.at(c.target);
    const Bytes& now = altered.folder.at(c.target);
    ASSERT_EQ(now.size(), old.size());
    EXPECT_TRUE(std::equal(old.begin() + core::kScheduleHeaderSize, old.end(),
                           now.begin() + core::kScheduleHeaderSize));
}

// A content writer that seeks back to put in what it learnt last is checked against the file
// as the system holds what it wrote.
TEST(RewriteReadBack, FollowsAWriterThatSeeksBack) {
    const Bytes body = Counting(5000);
    const Bytes header = testbytes::Hex("AA 55 02 00");
    const auto write = [&](core::File& out) {
        if (auto placeholder = out.Write(testbytes::Zeros(4)); !placeholder.ok()) return placeholder;
        if (auto written = out.Write(body); !written.ok()) return written;
        if (auto moved = out.Seek(0); !moved.ok()) return moved;
        return out.Write(header);
    };
    const Bytes expected = testbytes::Concat({header, body});
    const struct {
        const char* name;
        std::size_t altered;  // the one write the card alters
        bool caught;
    } cases[] = {
        {"the placeholder, written over later", 0, false},
        {"the body", 1, true},
        {"the header put in last", 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempFolder folder;
        const std::string target = folder / "SCH01.DAT";
        CorruptingFileSystem card(core::SystemFileSystem(), "SCH01.DAT");
        card.CorruptWrites(c.altered, 1);
        const auto replaced = core::ReplaceFileContents(card, target, write, nullptr);
        EXPECT_EQ(replaced.ok(), !c.caught);
        EXPECT_EQ(folder.Entries(),
                  c.caught ? std::vector<std::string>{} : std::vector<std::string>{"SCH01.DAT"});
        if (c.caught) {
            EXPECT_EQ(replaced.error(), core::FileError(FileErrorCause::ReadBackMismatch, target));
        } else {
            EXPECT_EQ(testsupport::ReadFileBytes(target), expected);
        }
    }
}

}  // namespace
