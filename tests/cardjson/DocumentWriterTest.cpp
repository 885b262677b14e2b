// The document written as the card is read, one timer at a time: the same text as the document
// of the card read whole, a file that fails part-way, the size counted against a limit, and a
// program of full-length music lists that import takes back.
#include <gtest/gtest.h>

#include "core/cardjson/CardJson.h"
#include "core/cardjson/DocumentWriter.h"
#include "core/cardjson/ImportCard.h"
#include "tests/card/NamedCases.h"
#include "tests/cardjson/CardFixtures.h"
#include "tests/support/FaultyFileSystem.h"

namespace {

using namespace cardfixtures;
using core::cardjson::DocumentWriter;
using core::cardjson::Json;
using namedcases::PrintTo;
using testsupport::MemoryFileSystem;

std::string WholeText(core::FileSystem& fs) {
    const auto card = core::cardjson::ReadCardImage(fs, kFolder);
    return card.ok() ? core::cardjson::CardToText(*card) : "(no card)";
}

std::string Streamed(DocumentWriter& writer) {
    std::string text;
    EXPECT_TRUE(writer.Write([&](std::string_view piece) {
        text += piece;
        return true;
    }));
    return text;
}

std::vector<Fixture> Cards() {
    std::vector<Fixture> cards = StoreFixtures();
    cards.push_back({"DamagedAndOddFiles", [](MemoryFileSystem& fs) {
                         LayEveryMode(fs);
                         fs.SetFile(PathOf("SPSCH02.DAT"), {0xAA, 0x55});
                         fs.SetFile(PathOf("SDATE03.DAT"), {1, 2, 3});
                         Patch(fs, "SCH01.DAT", 2, {7, 0});  // another program's number
                         Patch(fs, "SCH01.DAT", 6, {9, 0});  // the reserved field
                         Patch(fs, "SCH01.DAT", kFirstRecord + 4, {25, 61, 0});
                         // Dead bytes after the last timer, and an unused index slot that is not zero.
                         auto bytes = fs.FileBytes(PathOf("SCH01.DAT")).value();
                         bytes.push_back(0x5A);
                         fs.SetFile(PathOf("SCH01.DAT"), bytes);
                         Patch(fs, "SCH01.DAT", 8 + 8 * 500, {1, 2, 3, 4});
                     }});
    cards.push_back({"LongMusicLists", [](MemoryFileSystem& fs) { LayLargeProgram(fs, 3, 2000); }});
    return cards;
}

class StreamedDocument : public ::testing::TestWithParam<Fixture> {};

TEST_P(StreamedDocument, IsTheTextOfTheWholeCard) {
    MemoryFileSystem fs;
    GetParam().lay(fs);
    DocumentWriter writer(fs, kFolder);
    EXPECT_EQ(Streamed(writer), WholeText(fs));
    EXPECT_EQ(writer.Measure(UINT64_MAX).bytes, WholeText(fs).size());
}

INSTANTIATE_TEST_SUITE_P(Cards, StreamedDocument, ::testing::ValuesIn(Cards()), namedcases::kCaseName);

TEST(StreamedDocument, BusyFileIsNamedAsBusy) {
    MemoryFileSystem fs;
    LayEveryMode(fs);
    auto holder = fs.Open(PathOf("SCH01.DAT"), core::OpenMode::Read);
    ASSERT_TRUE(holder.ok());
    DocumentWriter writer(fs, kFolder);
    EXPECT_EQ(Streamed(writer), WholeText(fs));
    EXPECT_TRUE(writer.AnyUnreadable());
}

// The timers of a program are read after the file was checked: a read that fails then has part
// of the file written already. The writer stops, names the file, and gives it as unreadable on
// the next run, as the card read whole would.
TEST(StreamedDocument, FileThatFailsPartWayStopsTheWriteAndIsUnreadableOnTheNext) {
    MemoryFileSystem memory;
    LayLargeProgram(memory, 2, 300);
    testsupport::FaultyFileSystem fs(memory);
    // Reads of SCH01: the header, two records while checking, then the timers.
    fs.FailCall(4, core::FileErrorCause::HardIO, testsupport::IoCall::Read);
    DocumentWriter writer(fs, kFolder);
    EXPECT_FALSE(writer.Write([](std::string_view) { return true; }));
    ASSERT_TRUE(writer.Failure());
    EXPECT_EQ(*writer.Failure(), core::FileError(core::FileErrorCause::HardIO, "SCH01.DAT"));

    const Json document = Json::parse(Streamed(writer));
    EXPECT_EQ(document["programs"]["SCH01"]["unreadable"], "hard-io");
    EXPECT_TRUE(writer.AnyUnreadable());
    EXPECT_FALSE(writer.Failure());
}

TEST(StreamedDocument, SizeIsCountedUpToTheLimit) {
    MemoryFileSystem fs;
    LayLargeProgram(fs, 4, 3000);
    const std::uint64_t size = WholeText(fs).size();
    DocumentWriter writer(fs, kFolder);
    EXPECT_EQ(writer.Measure(size).bytes, size);
    EXPECT_FALSE(writer.Measure(size).overLimit);
    const auto over = writer.Measure(size - 1);
    EXPECT_TRUE(over.overLimit);
    const auto early = writer.Measure(1000);
    EXPECT_TRUE(early.overLimit);
    EXPECT_LT(early.bytes, size / 2) << "a card over the limit is read only until it passes it";
}

// Timers of 65535 names, the most a timer holds: written one at a time and taken back by import
// byte for byte.
TEST(StreamedDocument, FullMusicListsComeBackThroughImport) {
    MemoryFileSystem fs;
    LayLargeProgram(fs, 2, 65535);
    DocumentWriter writer(fs, kFolder);
    const std::string text = Streamed(writer);
    MemoryFileSystem copy(std::uint64_t{1} << 30);  // room for a file of 80 MB
    const auto imported = Import(copy, text, false);
    ASSERT_FALSE(imported.error) << imported.error->pointer << " " << imported.error->problem;
    ASSERT_FALSE(imported.report.failure);
    EXPECT_TRUE(copy.FileBytes(PathOf("SCH01.DAT")) == fs.FileBytes(PathOf("SCH01.DAT")));
}

}  // namespace
