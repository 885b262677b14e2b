// Program files cut short at every length and with crafted headers. Reading and rewriting them
// must stay inside the file and its buffers (the sanitizer build watches), allocate no more
// than the file holds, and give a sensible result: a rewrite either refuses and leaves the file
// alone, or leaves a file whose index describes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "tests/core/Samples.h"
#include "tests/core/StoreCases.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/ProgramFileCheck.h"

namespace {

using namespace testbytes;
using namespace core;
using storecases::Outcome;

const std::string kPath = "SCH01.DAT";

// Two timers: music with one file (656 bytes), then radio (32 bytes); 4792 bytes in all.
const Bytes kSmall =
    samples::ProgramImage(0, {samples::WeekdayMusic({u"a.mp3"}).stored, samples::NoonRadio().stored});

Bytes Padded(Bytes bytes, std::size_t size) {
    if (bytes.size() < size) bytes.resize(size, 0);
    return bytes;
}

std::uint16_t UsableCount(const Bytes& file) {
    return std::min<std::uint16_t>(Get16(Padded(file, 6), 4), 512);
}

enum class Kind { Replace, Delete, Append, Write };

struct Rewrite {
    const char* name;
    Kind kind;
    std::uint16_t index;
};

const Rewrite kRewrites[] = {
    {"Replace 0", Kind::Replace, 0}, {"Replace 1", Kind::Replace, 1}, {"Delete 0", Kind::Delete, 0},
    {"Delete 1", Kind::Delete, 1},   {"Append", Kind::Append, 0},     {"Write 1 of 2", Kind::Write, 1},
};

class DamagedFile : public ::testing::Test {
protected:
    testsupport::MemoryFileSystem fs;
    const samples::Sample saved = samples::WeekdayMusic({u"x.mp3", u"y.mp3"}, MusicSource::External);

    Outcome Run(const Rewrite& rewrite) {
        switch (rewrite.kind) {
        case Kind::Replace: return storecases::From(ReplaceTimer(fs, kPath, rewrite.index, saved.timer));
        case Kind::Delete: return storecases::From(DeleteTimer(fs, kPath, rewrite.index));
        case Kind::Append: return storecases::From(AppendTimer(fs, kPath, saved.timer));
        case Kind::Write: return storecases::From(WriteTimer(fs, kPath, rewrite.index, 2, 0, saved.timer));
        }
        return {};
    }

    // The saved timer is stored as timer `index`.
    void ExpectSavedAt(std::uint16_t index) {
        const auto read = ReadTimer(fs, kPath, index, TimerRecord{});
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(read->record, saved.timer.record);
        ASSERT_EQ(read->music.size(), 2u);
        EXPECT_EQ(read->music[1].name, u"y.mp3");
        EXPECT_EQ(read->music[1].source, MusicSource::External);
    }

    void ExpectAppended(const Bytes& before, const Bytes& after, const Outcome& outcome) {
        const std::uint16_t count = UsableCount(before);
        EXPECT_EQ(outcome.count, count + 1);
        EXPECT_EQ(Get16(after, 4), count + 1);
        // The old index entries still say what they said.
        const Bytes old = Padded(before, 4104);
        EXPECT_TRUE(std::equal(old.begin() + 8, old.begin() + 8 + 8 * count, after.begin() + 8));
        ExpectSavedAt(count);
    }

    void Check(const Bytes& before, const Rewrite& rewrite) {
        SCOPED_TRACE(std::string(rewrite.name) + " on " + std::to_string(before.size()) + " bytes");
        fs.SetFile(kPath, before);
        const Outcome outcome = Run(rewrite);
        const Bytes after = *fs.FileBytes(kPath);
        EXPECT_EQ(fs.Paths(), std::vector<std::string>{kPath});
        if (!outcome.ok) {
            EXPECT_EQ(after, before) << "refused (" << outcome << ") but changed the file";
            return;
        }
        const std::uint16_t count = UsableCount(before);
        const bool foreign = before.size() < 2 || Get16(before, 0) != 0x55AA;
        switch (rewrite.kind) {
        case Kind::Write:
            if (foreign) {
                EXPECT_EQ(after, samples::ProgramImage(0, {saved.stored}));
                break;
            }
            [[fallthrough]];
        case Kind::Replace:
            if (rewrite.index >= count) {
                ExpectAppended(before, after, outcome);
                break;
            }
            EXPECT_EQ(testsupport::ProgramIndexMismatch(after), "");
            EXPECT_EQ(Get16(after, 4), count);
            ExpectSavedAt(rewrite.index);
            break;
        case Kind::Delete:
            if (rewrite.index >= count) {
                EXPECT_EQ(after, before);
                break;
            }
            EXPECT_EQ(testsupport::ProgramIndexMismatch(after), "");
            EXPECT_EQ(Get16(after, 4), count - 1);
            EXPECT_EQ(outcome.count, count - 1);
            break;
        case Kind::Append: ExpectAppended(before, after, outcome); break;
        }
    }

    // Reads timer `index` over a record of 0xAB bytes and checks it against the bytes present.
    void CheckRead(const Bytes& file, std::uint16_t index) {
        SCOPED_TRACE("timer " + std::to_string(index) + " of " + std::to_string(file.size()) + " bytes");
        fs.SetFile(kPath, file);
        const Bytes sentinel(32, 0xAB);
        const TimerRecord start = DecodeTimerRecord(std::span<const std::uint8_t, 32>(sentinel.data(), 32));
        const auto read = ReadTimer(fs, kPath, index, start);
        ASSERT_TRUE(read.ok());
        const TimerRecord& record = read->record;
        const Bytes header = Padded(file, 4104);
        EXPECT_EQ(read->count, UsableCount(file));

        Bytes expected = sentinel;
        std::size_t present = 0;
        std::uint64_t offset = 0;
        if (index < 512) {
            offset = Get32(header, 8 + 8 * index);
            if (offset < file.size()) present = std::min<std::uint64_t>(32, file.size() - offset);
            std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(offset), present, expected.begin());
        }
        EXPECT_EQ(record, DecodeTimerRecord(std::span<const std::uint8_t, 32>(expected.data(), 32)));

        // Entries that are wholly in the file read as stored; none is made up past its end.
        const std::uint64_t entriesAt = offset + 32;
        const std::uint64_t room = present == 32 && entriesAt < file.size() ? file.size() - entriesAt : 0;
        const std::size_t whole =
            static_cast<std::size_t>(std::min<std::uint64_t>(record.musicCount, room / 624));
        EXPECT_LE(read->music.size(), std::min<std::uint64_t>(record.musicCount, (room + 623) / 624));
        ASSERT_GE(read->music.size(), whole);
        for (std::size_t m = 0; m < whole; ++m) {
            const auto at = file.begin() + static_cast<std::ptrdiff_t>(entriesAt + 624 * m);
            EXPECT_EQ(read->music[m], DecodeMusicEntry(std::span<const std::uint8_t, 624>(&*at, 624)));
        }
    }
};

TEST_F(DamagedFile, EveryTruncationReads) {
    for (std::size_t length = 0; length <= kSmall.size(); ++length) {
        const Bytes file(kSmall.begin(), kSmall.begin() + static_cast<std::ptrdiff_t>(length));
        for (std::uint16_t index : {0, 1, 600}) CheckRead(file, index);
        if (HasFailure()) return;
    }
}

TEST_F(DamagedFile, EveryTruncationRewrites) {
    for (std::size_t length = 0; length <= kSmall.size(); ++length) {
        const Bytes file(kSmall.begin(), kSmall.begin() + static_cast<std::ptrdiff_t>(length));
        for (const auto& rewrite : kRewrites) Check(file, rewrite);
        if (HasFailure()) return;
    }
}

struct Crafted {
    const char* name;
    std::function<void(Bytes&)> damage;
};

const Crafted kCrafted[] = {
    {"Count600", [](Bytes& f) { Put16(f, 4, 600); }},
    {"CountFull", [](Bytes& f) { Put16(f, 4, 512); }},
    {"OffsetPastTheEnd", [](Bytes& f) { Put32(f, 16, 0xFFFFFF00); }},
    {"OffsetAndSizeWrapAround",
     [](Bytes& f) {
         Put32(f, 16, 0xFFFFFFF0);
         Put32(f, 20, 0x20);
     }},
    {"SizeAllOnes", [](Bytes& f) { Put32(f, 12, 0xFFFFFFFF); }},
    {"OffsetInsideTheHeader",
     [](Bytes& f) {
         Put32(f, 8, 0);
         Put32(f, 12, 4104);
     }},
    {"MusicCountBeyondTheFile", [](Bytes& f) { Put16(f, 4104 + 28, 65535); }},
    {"EveryEntryNamesTheWholeFile",
     [](Bytes& f) {
         Put16(f, 4, 512);
         for (std::size_t i = 0; i < 512; ++i) {
             Put32(f, 8 + 8 * i, 4104);
             Put32(f, 12 + 8 * i, static_cast<std::uint32_t>(f.size() - 4104));
         }
     }},
    {"WrongMagic", [](Bytes& f) { Put16(f, 0, 0x1234); }},
};

TEST_F(DamagedFile, CraftedHeaders) {
    for (const auto& crafted : kCrafted) {
        SCOPED_TRACE(crafted.name);
        Bytes file = kSmall;
        crafted.damage(file);
        for (std::uint16_t index : {0, 1, 2, 511, 600}) CheckRead(file, index);
        for (const auto& rewrite : kRewrites) Check(file, rewrite);
    }
}

// A count above 512 reads as 512: the program is full.
TEST_F(DamagedFile, CountAbove512IsAFullProgram) {
    Bytes file = kSmall;
    Put16(file, 4, 600);
    fs.SetFile(kPath, file);
    EXPECT_EQ(AppendTimer(fs, kPath, saved.timer).status(), Status::ProgramFull);
    EXPECT_EQ(fs.FileBytes(kPath), file);
}

// A music count far beyond the file's size yields no more entries than the file has room for.
TEST_F(DamagedFile, HugeMusicCountReadsOnlyWhatIsThere) {
    Bytes file = kSmall;
    Put16(file, 4104 + 28, 65535);
    fs.SetFile(kPath, file);
    const auto read = ReadTimer(fs, kPath, 0, TimerRecord{});
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->record.musicCount, 65535);
    EXPECT_LE(read->music.size(), (file.size() - 4136 + 623) / 624);
    ASSERT_FALSE(read->music.empty());
    EXPECT_EQ(read->music[0].name, u"a.mp3");
}

}  // namespace
