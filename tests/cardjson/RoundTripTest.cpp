// Folder -> document -> folder gives the same bytes, and document -> folder -> document the same
// text: for cards the store wrote and for every odd value a card can hold.
#include <gtest/gtest.h>

#include <functional>

#include "core/card/CardFiles.h"
#include "core/cardjson/CardJson.h"
#include "core/cardjson/ImportCard.h"
#include "tests/card/NamedCases.h"
#include "tests/cardjson/CardFixtures.h"

namespace {

using namespace cardfixtures;
using core::cardjson::Json;
using namedcases::PrintTo;
using testsupport::MemoryFileSystem;

std::string Export(MemoryFileSystem& fs) {
    const auto card = core::cardjson::ReadCardImage(fs, kFolder);
    EXPECT_TRUE(card.ok());
    return card.ok() ? core::cardjson::CardToText(*card) : std::string();
}

// Imports `text` into an empty folder and expects every file named with content to come out as
// in `source`, and the others not to exist.
void ExpectRoundTrip(MemoryFileSystem& source) {
    const std::string text = Export(source);
    MemoryFileSystem copy;
    const auto imported = Import(copy, text, false);
    ASSERT_FALSE(imported.error) << imported.error->pointer << " " << imported.error->problem;
    ASSERT_FALSE(imported.report.failure);
    for (const core::CardFileId id : core::AllCardFiles()) {
        const std::string path = PathOf(core::CardFileName(id.kind, id.program));
        EXPECT_EQ(copy.FileBytes(path), source.FileBytes(path)) << path;
    }
    EXPECT_EQ(Export(copy), text);
}

class StoreRoundTrip : public ::testing::TestWithParam<Fixture> {};

TEST_P(StoreRoundTrip, ComesBackByteForByte) {
    MemoryFileSystem fs;
    GetParam().lay(fs);
    ExpectRoundTrip(fs);
}

INSTANTIATE_TEST_SUITE_P(Cards, StoreRoundTrip, ::testing::ValuesIn(StoreFixtures()), namedcases::kCaseName);

// A value the window never stores, patched into the every-mode card, and how the document
// writes it.
struct OddValue {
    const char* name;
    const char* file;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
    const char* pointer;
    const char* json;
};

// SCH01 timer 0: music, 08:30:00, two names; timer 1 radio 90.1 MHz; timer 2 power.
constexpr std::size_t kSecondRecord = kFirstEntry + 2 * 624;
constexpr std::size_t kThirdRecord = kSecondRecord + 32;
const std::string kSch01 = "/programs/SCH01";

const OddValue kOddValues[] = {
    {"Hour24", "SCH01.DAT", kFirstRecord + 4, {24}, "/programs/SCH01/timers/0/start", "[24,30,0]"},
    {"Second60", "SCH01.DAT", kFirstRecord + 9, {60}, "/programs/SCH01/timers/0/end", "[9,0,60]"},
    {"Mode3", "SCH01.DAT", kFirstRecord + 20, {3}, "/programs/SCH01/timers/0/mode", "3"},
    {"PlayMode2", "SCH01.DAT", kFirstRecord + 22, {2}, "/programs/SCH01/timers/0/play", "2"},
    {"LoopMode9", "SCH01.DAT", kFirstRecord + 24, {9, 1}, "/programs/SCH01/timers/0/loop", "265"},
    {"ChannelOffTheList", "SCH01.DAT", kSecondRecord + 26, {0x33, 0x22}, "/programs/SCH01/timers/1/channel", "8755"},
    {"ChannelOnMusic", "SCH01.DAT", kFirstRecord + 26, {5}, "/programs/SCH01/timers/0/channel", "5"},
    {"ChannelOnPower", "SCH01.DAT", kThirdRecord + 26, {0x2E, 0x22}, "/programs/SCH01/timers/2/channel", "8750"},
    {"StrayWeekdayBit", "SCH01.DAT", kFirstRecord, {0xBE}, "/programs/SCH01/timers/0/weekdays", "190"},
    {"StrayPowerBit", "SCH01.DAT", kFirstRecord + 12, {0x11}, "/programs/SCH01/timers/0/power", "32785"},
    {"StrayZoneBit", "SCH01.DAT", kFirstRecord + 18, {1}, "/programs/SCH01/timers/0/zones", "131071"},
    {"WeekdaysOnSpecial", "SPSCH01.DAT", kFirstRecord, {0x3E}, "/programs/SPSCH01/timers/0/weekdays", "62"},
    {"ReservedRecordBytes", "SCH01.DAT", kFirstRecord + 30, {0, 7}, "/programs/SCH01/timers/0/reserved", "[0,0,0,7]"},
    {"ReservedHeader", "SCH01.DAT", 6, {1, 2}, "/programs/SCH01/reserved", "513"},
    {"HeaderProgram", "SCH01.DAT", 2, {9}, "/programs/SCH01/program", "9"},
    {"UnusedIndexSlot", "SCH01.DAT", 8 + 8 * 4, {1, 0, 0, 0, 2}, "/programs/SCH01/unused_index",
     R"([{"slot":4,"offset":1,"size":2}])"},
    {"LoneSurrogate", "SCH01.DAT", kFirstEntry + 102, {0x00, 0xD8}, "/programs/SCH01/timers/0/music/0",
     R"({"drive":"D","units":[55296,23433,46,109,112,51]})"},
    {"OtherDriveInOneEntry", "SCH01.DAT", kFirstEntry, {'E'}, "/programs/SCH01/timers/0/music",
     R"([{"drive":"E","name":"早安.mp3"},"b🎵.mp3"])"},
    {"LowerCaseDrive", "SCH01.DAT", kFirstEntry, {'d'}, "/programs/SCH01/timers/0/music/0",
     R"({"drive":[100,58,92,0],"name":"早安.mp3"})"},
    {"StrayEntryByte", "SCH01.DAT", kFirstEntry + 50, {7}, "/programs/SCH01/timers/0/music/0",
     R"({"drive":"D","name":"早安.mp3","stray":[[50,7]]})"},
    {"ByteAfterName", "SCH01.DAT", kFirstEntry + 600, {1}, "/programs/SCH01/timers/0/music/0",
     R"({"drive":"D","name":"早安.mp3","stray":[[600,1]]})"},
    {"Month13", "SDATE01.DAT", 0, {13}, "/dates/SDATE01/0", "[13,1]"},
    {"February30", "SDATE01.DAT", 2, {2, 30}, "/dates/SDATE01/1", "[2,30]"},
};

class OddValueRoundTrip : public ::testing::TestWithParam<OddValue> {};

TEST_P(OddValueRoundTrip, WrittenRawAndComesBackByteForByte) {
    const OddValue& c = GetParam();
    MemoryFileSystem fs;
    LayEveryMode(fs);
    Patch(fs, c.file, c.offset, c.bytes);

    const Json document = Json::parse(Export(fs));
    EXPECT_EQ(document.at(Json::json_pointer(c.pointer)), Json::parse(c.json));
    ExpectRoundTrip(fs);
}

INSTANTIATE_TEST_SUITE_P(Values, OddValueRoundTrip, ::testing::ValuesIn(kOddValues), namedcases::kCaseName);

// A file the card reader takes as it is, whatever the window would have written: export ->
// import gives it back byte for byte.
struct ReadableFile {
    const char* name;
    const char* stem;
    std::function<std::vector<std::uint8_t>()> bytes;
};

std::vector<std::uint8_t> Dates(std::vector<core::SpecialDate> dates) { return core::cardjson::EncodeDates(dates); }

std::vector<std::uint8_t> Program(std::function<void(core::cardjson::StoredProgram&)> fill) {
    core::cardjson::StoredProgram program;
    fill(program);
    return core::cardjson::EncodeProgram(program);
}

// A timer whose every byte but the music count is `byte`.
core::cardjson::StoredTimer TimerOf(std::uint8_t byte) {
    core::cardjson::StoredTimer timer;
    timer.record.fill(byte);
    timer.record[28] = timer.record[29] = 0;
    return timer;
}

const ReadableFile kReadableFiles[] = {
    {"RepeatedDate", "SDATE01", [] { return Dates({{3, 8}, {12, 25}, {3, 8}}); }},
    {"OneDateTwice", "SDATE02", [] { return Dates({{2, 29}, {2, 29}}); }},
    {"RepeatedRawDate", "SDATE03", [] { return Dates({{2, 30}, {0, 0}, {2, 30}, {0, 0}}); }},
    {"DatesOutOfOrder", "SDATE04", [] { return Dates({{12, 25}, {1, 1}, {13, 1}, {3, 8}}); }},
    {"EmptyDateFile", "SDATE05", [] { return Dates({}); }},
    {"FullYearOfOneDate", "SDATE06", [] { return Dates(std::vector<core::SpecialDate>(365, {1, 1})); }},
    {"HeaderOnlyZeroIndex", "SCH02", [] { return Program([](auto&) {}); }},
    {"EmptiedSpecialNumberedAsAnother", "SPSCH04",
     [] {
         return Program([](auto& p) {
             p.program = 7;
             p.index[0] = {4104, 0};
         });
     }},
    {"EveryRecordByteSet", "SCH03", [] { return Program([](auto& p) { p.timers = {TimerOf(0xFF), TimerOf(0)}; }); }},
    {"EveryRecordByteSetOnSpecial", "SPSCH02",
     [] { return Program([](auto& p) { p.timers = {TimerOf(0xFF), TimerOf(0x01)}; }); }},
};

class ReadableFileRoundTrip : public ::testing::TestWithParam<ReadableFile> {};

TEST_P(ReadableFileRoundTrip, ComesBackByteForByte) {
    const ReadableFile& c = GetParam();
    MemoryFileSystem fs;
    LayEveryMode(fs);
    fs.SetFile(PathOf(std::string(c.stem) + ".DAT"), c.bytes());
    ASSERT_EQ(core::cardjson::ReadFileImage(fs, kFolder, *core::cardjson::FileOfStem(c.stem)).state,
              core::CardFileState::Read);
    ExpectRoundTrip(fs);
}

INSTANTIATE_TEST_SUITE_P(Files, ReadableFileRoundTrip, ::testing::ValuesIn(kReadableFiles), namedcases::kCaseName);

TEST(CardDocument, NamesEveryFileAndSaysWhatTheStoreWroteReadably) {
    MemoryFileSystem fs;
    LayEveryMode(fs);
    const Json document = Json::parse(Export(fs));
    EXPECT_EQ(document["format"], "tavrel-card");
    EXPECT_EQ(document["version"], 1);
    EXPECT_EQ(document["programs"].size(), 10u);
    EXPECT_EQ(document["dates"].size(), 6u);
    EXPECT_EQ(document["programs"]["SCH02"], "absent");
    EXPECT_EQ(document["programs"]["SCH01"]["timers"][0], Json::parse(R"({
        "mode": "music", "start": "08:30:00", "end": "09:00:00",
        "weekdays": ["mon", "tue", "wed", "thu", "fri"], "power": ["power1", "hold"],
        "zones": [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16],
        "play": "shuffle", "loop": "all-once", "medium": "D", "music": ["早安.mp3", "b🎵.mp3"]})"));
    EXPECT_EQ(document["programs"]["SCH01"]["timers"][1]["channel"], "90.1MHz");
    EXPECT_FALSE(document["programs"]["SCH01"]["timers"][2].contains("channel"));
    EXPECT_FALSE(document["programs"]["SPSCH01"]["timers"][0].contains("weekdays"));
    EXPECT_EQ(document["programs"]["SPSCH01"]["timers"][0]["medium"], "E");
    EXPECT_EQ(document["dates"]["SDATE01"], Json::parse(R"(["01-01", "02-29", "12-31"])"));
}

TEST(CardDocument, DeadBytesAfterTheLastTimerAreLeftOut) {
    MemoryFileSystem fs;
    LayEveryMode(fs);
    const std::string clean = Export(fs);
    const auto bytes = fs.FileBytes(PathOf("SCH01.DAT")).value();
    Patch(fs, "SCH01.DAT", bytes.size(), {1, 2, 3});
    EXPECT_EQ(Export(fs), clean);

    MemoryFileSystem copy;
    ASSERT_FALSE(Import(copy, clean, false).error);
    EXPECT_EQ(copy.FileBytes(PathOf("SCH01.DAT")), bytes);
}

TEST(CardDocument, DamagedFileIsNamedWithItsCauseAndLeftOutOfTheImport) {
    MemoryFileSystem fs;
    LayEveryMode(fs);
    fs.SetFile(PathOf("SPSCH02.DAT"), {0xAA, 0x55});
    fs.SetFile(PathOf("SDATE03.DAT"), {1, 2, 3});
    const std::string text = Export(fs);
    const Json document = Json::parse(text);
    EXPECT_EQ(document["programs"]["SPSCH02"], Json::parse(R"({"unreadable": "damaged",
        "damage": "header-too-short", "message": "程序文件比文件头还短，文件已损坏。"})"));
    EXPECT_EQ(document["dates"]["SDATE03"]["damage"], "dates-odd-length");

    MemoryFileSystem copy;
    const auto imported = Import(copy, text, false);
    ASSERT_FALSE(imported.error);
    EXPECT_FALSE(copy.Exists(PathOf("SPSCH02.DAT")));
    EXPECT_EQ(copy.FileBytes(PathOf("SCH01.DAT")), fs.FileBytes(PathOf("SCH01.DAT")));
    // Read back, the document says so again: the copy has no such file, the card has.
    EXPECT_EQ(core::cardjson::CardFromText(text).card.files[core::CardFileIndex({core::CardFileKind::SpecialSchedule, 1})]->state,
              core::CardFileState::Damaged);
}

TEST(CardDocument, BusyFileIsNamedAsBusy) {
    MemoryFileSystem fs;
    LayEveryMode(fs);
    auto holder = fs.Open(PathOf("SDATE02.DAT"), core::OpenMode::Read);
    ASSERT_TRUE(holder.ok());
    const Json document = Json::parse(Export(fs));
    EXPECT_EQ(document["dates"]["SDATE02"]["unreadable"], "busy");
    EXPECT_EQ(document["dates"]["SDATE02"]["message"], "在存取 SDATE02.DAT 时发生共享违例。");
}

}  // namespace
