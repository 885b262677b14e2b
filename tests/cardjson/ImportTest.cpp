// Import checks the whole document before it touches the card, and then writes only what it
// must: a table of bad documents, each refused at its place with the folder left byte for byte
// as it was, and the rules of writing.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/cardjson/CardJson.h"
#include "core/cardjson/ImportCard.h"
#include "core/fs/Path.h"
#include "tests/card/NamedCases.h"
#include "tests/cardjson/CardFixtures.h"
#include "tests/support/CorruptingFileSystem.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace cardfixtures;
using core::cardjson::ImportOutcome;
using core::cardjson::Json;
using namedcases::PrintTo;
using testsupport::MemoryFileSystem;

// The every-mode card's document, for the cases to spoil.
Json GoodDocument() {
    MemoryFileSystem fs;
    LayEveryMode(fs);
    return core::cardjson::CardToJson(*core::cardjson::ReadCardImage(fs, kFolder));
}

// A card different from the every-mode one, so any write into it shows.
void LayOtherCard(MemoryFileSystem& fs) {
    LayEveryMode(fs);
    Patch(fs, "SCH01.DAT", kFirstRecord + 4, {5});
    Patch(fs, "SDATE01.DAT", 0, {4, 4});
}

struct BadDocument {
    const char* name;
    std::function<void(Json&)> spoil;
    const char* pointer;
    const char* problem;
    const char* text = nullptr;  // the whole document, instead of spoiling the good one
};

Json& Timer(Json& doc, const char* program, int index) { return doc["programs"][program]["timers"][index]; }

const BadDocument kBadDocuments[] = {
    {"NotJson", nullptr, "", "bad-json", "{\"format\": "},
    {"NotAnObject", nullptr, "", "wrong-type", "[1, 2]"},
    {"OtherFormat", [](Json& d) { d["format"] = "other"; }, "/format", "not-this-format"},
    {"LaterVersion", [](Json& d) { d["version"] = 2; }, "/version", "not-this-format"},
    {"UnknownTopField", [](Json& d) { d["created"] = "today"; }, "/created", "unknown-field"},
    {"UnknownProgram", [](Json& d) { d["programs"]["SCH05"] = "absent"; }, "/programs/SCH05", "unknown-field"},
    {"DatesUnderPrograms", [](Json& d) { d["programs"]["SDATE01"] = "absent"; }, "/programs/SDATE01", "unknown-field"},
    {"UnknownTimerField", [](Json& d) { Timer(d, "SCH03", 0)["colour"] = "red"; }, "/programs/SCH03/timers/0/colour",
     "unknown-field"},
    {"MissingMode", [](Json& d) { Timer(d, "SCH01", 1).erase("mode"); }, "/programs/SCH01/timers/1/mode",
     "missing-field"},
    {"TimeOutOfRange", [](Json& d) { Timer(d, "SCH03", 14)["start"] = "25:61:00"; },
     "/programs/SCH03/timers/14/start", "out-of-range"},
    {"TimeMisshapen", [](Json& d) { Timer(d, "SCH01", 0)["end"] = "8:30:00"; }, "/programs/SCH01/timers/0/end",
     "out-of-range"},
    {"RawTimeByteTooLarge", [](Json& d) { Timer(d, "SCH01", 0)["end"] = Json::array({1, 2, 256}); },
     "/programs/SCH01/timers/0/end/2", "out-of-range"},
    {"ModeUnknownName", [](Json& d) { Timer(d, "SCH01", 0)["mode"] = "video"; }, "/programs/SCH01/timers/0/mode",
     "out-of-range"},
    {"ModeWrongType", [](Json& d) { Timer(d, "SCH01", 0)["mode"] = 1.5; }, "/programs/SCH01/timers/0/mode",
     "wrong-type"},
    {"NegativeRaw", [](Json& d) { Timer(d, "SCH01", 0)["play"] = -1; }, "/programs/SCH01/timers/0/play",
     "out-of-range"},
    {"RawModeTooLarge", [](Json& d) { Timer(d, "SCH01", 0)["mode"] = 65536; }, "/programs/SCH01/timers/0/mode",
     "out-of-range"},
    {"UnknownWeekday", [](Json& d) { Timer(d, "SCH01", 0)["weekdays"] = {"mon", "someday"}; },
     "/programs/SCH01/timers/0/weekdays/1", "out-of-range"},
    {"RepeatedWeekday", [](Json& d) { Timer(d, "SCH01", 0)["weekdays"] = {"mon", "mon"}; },
     "/programs/SCH01/timers/0/weekdays/1", "repeated-value"},
    {"ZoneSeventeen", [](Json& d) { Timer(d, "SCH01", 0)["zones"] = {1, 17}; }, "/programs/SCH01/timers/0/zones/1",
     "out-of-range"},
    {"ReadableWeekdaysOnSpecial", [](Json& d) { Timer(d, "SPSCH01", 0)["weekdays"] = {"mon"}; },
     "/programs/SPSCH01/timers/0/weekdays", "wrong-type"},
    {"ChannelOffTheList", [](Json& d) { Timer(d, "SCH01", 1)["channel"] = "90.15MHz"; },
     "/programs/SCH01/timers/1/channel", "out-of-range"},
    {"RadioWithoutChannel", [](Json& d) { Timer(d, "SCH01", 1).erase("channel"); },
     "/programs/SCH01/timers/1/channel", "missing-field"},
    {"MusicWithoutMedium", [](Json& d) { Timer(d, "SCH01", 0).erase("medium"); }, "/programs/SCH01/timers/0/medium",
     "missing-field"},
    {"MediumUnknown", [](Json& d) { Timer(d, "SCH01", 0)["medium"] = "F"; }, "/programs/SCH01/timers/0/medium",
     "out-of-range"},
    {"NameTooLong", [](Json& d) { Timer(d, "SCH01", 0)["music"][1] = std::string(261, 'a'); },
     "/programs/SCH01/timers/0/music/1", "name-too-long"},
    {"NameWithNul", [](Json& d) { Timer(d, "SCH01", 0)["music"][1] = std::string("a\0b", 3); },
     "/programs/SCH01/timers/0/music/1", "out-of-range"},
    {"RawEntryWithNameAndUnits",
     [](Json& d) { Timer(d, "SCH01", 0)["music"][0] = Json::parse(R"({"drive":"D","name":"a","units":[97]})"); },
     "/programs/SCH01/timers/0/music/0/units", "unknown-field"},
    {"StrayByteInsideTheName",
     [](Json& d) { Timer(d, "SCH01", 0)["music"][0] = Json::parse(R"({"drive":"D","name":"ab","stray":[[104,1]]})"); },
     "/programs/SCH01/timers/0/music/0/stray/0/0", "out-of-range"},
    {"TooManyTimers",
     [](Json& d) {
         Json& timers = d["programs"]["SCH02"]["timers"];
         for (int i = 0; i < 513; ++i) timers.push_back(Timer(d, "SCH01", 1));
     },
     "/programs/SCH02/timers", "too-many-timers"},
    {"UnusedSlotAmongTimers",
     [](Json& d) { d["programs"]["SCH01"]["unused_index"] = Json::parse(R"([{"slot":1,"offset":0,"size":0}])"); },
     "/programs/SCH01/unused_index/0/slot", "out-of-range"},
    {"UnknownUnreadableCause", [](Json& d) { d["programs"]["SCH02"] = {{"unreadable", "gremlins"}}; },
     "/programs/SCH02/unreadable", "out-of-range"},
    {"AbsentMisspelt", [](Json& d) { d["programs"]["SCH02"] = "missing"; }, "/programs/SCH02", "out-of-range"},
    {"NoSuchDay", [](Json& d) { d["dates"]["SDATE01"][0] = "02-30"; }, "/dates/SDATE01/0", "out-of-range"},
    {"TooManyDates",
     [](Json& d) {
         Json& dates = d["dates"]["SDATE03"] = Json::array();
         for (int k = 0; k < 366; ++k) dates.push_back(Json::array({k / 256, k % 256}));
     },
     "/dates/SDATE03", "too-many-dates"},
    // A key twice in one object, at any depth, is refused at the second: a parser would keep the
    // last value without a word.
    {"RepeatedTopKey", nullptr, "/version", "repeated-key", R"({"format":"tavrel-card","version":1,"version":2})"},
    {"RepeatedProgram", nullptr, "/programs/SCH01", "repeated-key",
     R"({"format":"tavrel-card","version":1,"programs":{"SCH01":{"timers":[{"mode":"power"}]},"SCH01":{"timers":[]}}})"},
    {"RepeatedTimerField", nullptr, "/programs/SPSCH02/timers/1/start", "repeated-key",
     R"({"programs":{"SPSCH02":{"timers":[{"start":[1,2,3],"end":"01:00:00"},{"start":"08:00:00","zones":[1],"start":"09:00:00"}]}}})"},
    {"RepeatedMusicEntryField", nullptr, "/programs/SCH01/timers/0/music/1/name", "repeated-key",
     R"({"programs":{"SCH01":{"timers":[{"music":["a",{"drive":"D","stray":[[4,1],[5,2]],"name":"b","name":"c"}]}]}}})"},
    {"RepeatedDateList", nullptr, "/dates/SDATE01", "repeated-key",
     R"({"format":"tavrel-card","version":1,"dates":{"SDATE01":["01-01"],"SDATE02":[],"SDATE01":[]}})"},
    {"RepeatedKeyWithSlashAndTilde", nullptr, "/a~1b~0", "repeated-key", R"({"a/b~":1,"a/b~":2})"},
    {"NotJsonAfterARepeatedKey", nullptr, "", "bad-json", R"({"format":1,"format":2,)"},
};

class RefusedDocument : public ::testing::TestWithParam<BadDocument> {};

TEST_P(RefusedDocument, NamesThePlaceAndWritesNothing) {
    const BadDocument& c = GetParam();
    std::string text = c.text ? c.text : "";
    if (!c.text) {
        Json document = GoodDocument();
        if (std::string(c.pointer).find("SCH03") != std::string::npos) {
            document["programs"]["SCH03"] = {{"timers", Json::array()}};
            for (int i = 0; i < 15; ++i) document["programs"]["SCH03"]["timers"].push_back(Timer(document, "SCH01", 1));
        }
        if (document["programs"]["SCH02"].is_string()) document["programs"]["SCH02"] = {{"timers", Json::array()}};
        c.spoil(document);
        text = document.dump();
    }
    MemoryFileSystem fs;
    LayOtherCard(fs);
    MemoryFileSystem before;
    LayOtherCard(before);

    const auto imported = Import(fs, text, false);

    ASSERT_TRUE(imported.error);
    EXPECT_EQ(imported.error->pointer, c.pointer);
    EXPECT_EQ(imported.error->problem, c.problem);
    EXPECT_TRUE(imported.report.files.empty());
    EXPECT_EQ(fs.Paths(), before.Paths());
    for (const std::string& path : before.Paths()) EXPECT_EQ(fs.FileBytes(path), before.FileBytes(path)) << path;
}

INSTANTIATE_TEST_SUITE_P(Documents, RefusedDocument, ::testing::ValuesIn(kBadDocuments), namedcases::kCaseName);

TEST(DocumentPlace, InWords) {
    EXPECT_EQ(core::cardjson::PlaceWords("/programs/SCH03/timers/14/start"), "SCH03 节目序号 15 开始时间");
    EXPECT_EQ(core::cardjson::PlaceWords("/programs/SCH03/timers/14"), "SCH03 节目序号 15");
    EXPECT_EQ(core::cardjson::PlaceWords("/dates/SDATE02/3"), "SDATE02 日期 4");
    EXPECT_EQ(core::cardjson::PlaceWords("/programs/SPSCH01/program"), "SPSCH01 文件头的程序号");
    EXPECT_EQ(core::cardjson::PlaceWords("/format"), "");
}

std::string EveryModeText() { return GoodDocument().dump(); }

std::vector<std::pair<std::string, ImportOutcome>> Outcomes(const core::cardjson::ImportReport& report) {
    std::vector<std::pair<std::string, ImportOutcome>> out;
    for (const auto& f : report.files) out.emplace_back(core::CardFileName(f.id.kind, f.id.program), f.outcome);
    return out;
}

TEST(Import, WritesOnlyTheFilesThatDiffer) {
    MemoryFileSystem fs;
    LayOtherCard(fs);
    const auto imported = Import(fs, EveryModeText(), false);
    ASSERT_FALSE(imported.error);
    const auto outcomes = Outcomes(imported.report);
    EXPECT_EQ(outcomes.at(0), std::pair(std::string("SCH01.DAT"), ImportOutcome::Written));
    EXPECT_EQ(outcomes.at(1), std::pair(std::string("SCH02.DAT"), ImportOutcome::LeftAbsent));
    EXPECT_EQ(outcomes.at(4), std::pair(std::string("SPSCH01.DAT"), ImportOutcome::Unchanged));
    EXPECT_EQ(outcomes.at(10), std::pair(std::string("SDATE01.DAT"), ImportOutcome::Written));
    MemoryFileSystem expected;
    LayEveryMode(expected);
    EXPECT_EQ(fs.FileBytes(PathOf("SCH01.DAT")), expected.FileBytes(PathOf("SCH01.DAT")));
}

TEST(Import, LeavesFilesTheDocumentDoesNotNameOrMarksAbsent) {
    MemoryFileSystem fs;
    LayOtherCard(fs);
    fs.SetFile(PathOf("SCH02.DAT"), {1, 2, 3});
    fs.SetFile(PathOf("SCH04.DAT"), {4, 5, 6});
    Json document = GoodDocument();
    document["programs"].erase("SCH04");
    const auto imported = Import(fs, document.dump(), false);
    ASSERT_FALSE(imported.error);
    EXPECT_EQ(fs.FileBytes(PathOf("SCH02.DAT")), (testsupport::Bytes{1, 2, 3}));
    EXPECT_EQ(fs.FileBytes(PathOf("SCH04.DAT")), (testsupport::Bytes{4, 5, 6}));
    EXPECT_EQ(imported.report.files.size(), 15u);
}

TEST(Import, DryRunSaysWhatWouldChangeAndWritesNothing) {
    MemoryFileSystem fs;
    LayOtherCard(fs);
    const auto before = fs.FileBytes(PathOf("SCH01.DAT"));
    const auto imported = Import(fs, EveryModeText(), true);
    ASSERT_FALSE(imported.error);
    EXPECT_EQ(Outcomes(imported.report).at(0).second, ImportOutcome::WouldWrite);
    EXPECT_EQ(fs.FileBytes(PathOf("SCH01.DAT")), before);
}

TEST(Import, BusyTargetStopsEveryWrite) {
    MemoryFileSystem fs;
    LayOtherCard(fs);
    MemoryFileSystem before;
    LayOtherCard(before);
    auto holder = fs.Open(PathOf("SDATE06.DAT"), core::OpenMode::Read);
    ASSERT_TRUE(holder.ok());

    const auto imported = Import(fs, EveryModeText(), false);

    ASSERT_TRUE(imported.report.failure);
    EXPECT_EQ(imported.report.failure->error->cause(), core::FileErrorCause::SharingViolation);
    EXPECT_TRUE(imported.report.files.empty());
    for (const std::string& path : before.Paths()) EXPECT_EQ(fs.FileBytes(path), before.FileBytes(path)) << path;
}

// A card that keeps other bytes than it was given: the import stops at the first file whose
// read-back differs, and that file keeps its old bytes.
TEST(Import, CardThatKeepsOtherBytesStopsAtThatFileLeavingItAsItWas) {
    MemoryFileSystem fs;
    LayOtherCard(fs);
    MemoryFileSystem before;
    LayOtherCard(before);
    testsupport::CorruptingFileSystem card(fs, "SDATE01.DAT");
    card.CorruptWrites();

    const auto imported = Import(card, EveryModeText(), false);

    ASSERT_TRUE(imported.report.failure);
    EXPECT_EQ(imported.report.failure->status, core::Status::IoFailed);
    EXPECT_EQ(imported.report.failure->error,
              core::FileError(core::FileErrorCause::ReadBackMismatch, PathOf("SDATE01.DAT")));
    for (const auto& [name, outcome] : Outcomes(imported.report)) EXPECT_NE(name, "SDATE01.DAT");
    EXPECT_EQ(fs.FileBytes(PathOf("SDATE01.DAT")), before.FileBytes(PathOf("SDATE01.DAT")));
    EXPECT_EQ(fs.Paths(), before.Paths()) << "no temporary file left";
}

TEST(Import, IntoAnEmptyFolderClearsWhatAKilledWriterLeft) {
    MemoryFileSystem fs;
    const std::string leftover = PathOf("SCH01.DAT") + ".99999999-1.tavrel-tmp";
    fs.SetFile(leftover, {1, 2});
    const auto imported = Import(fs, EveryModeText());
    ASSERT_FALSE(imported.error);
    EXPECT_FALSE(imported.report.failure);
    EXPECT_TRUE(fs.Exists(PathOf("SCH01.DAT")));
    EXPECT_FALSE(fs.Exists(leftover));
}

#ifndef _WIN32

// A card on disk, its history beside it.
struct DiskCard {
    testsupport::TempFolder folder;
    testsupport::TempFolder historyRoot;
    core::history::WriteRecorder recorder{core::SystemFileSystem(), historyRoot.path()};

    core::cardjson::DocumentImport Import() {
        return core::cardjson::ImportDocument(core::SystemFileSystem(), folder.path(), EveryModeText(), false, &recorder);
    }
};

// What the every-mode card holds in the file `name`.
std::optional<testsupport::Bytes> EveryModeBytes(const std::string& name) {
    MemoryFileSystem expected;
    LayEveryMode(expected);
    return expected.FileBytes(PathOf(name));
}

// A file behind a link is written where the link leads, whether it is there yet or not, and the
// links stay links.
TEST(Import, WritesThroughLinksAndKeepsThem) {
    DiskCard card;
    testsupport::TempFolder kept;
    testsupport::WriteFileBytes(kept / "SCH01", {1, 2, 3});
    namespace fs = std::filesystem;
    fs::create_symlink(testsupport::NativePath(kept / "SCH01"), testsupport::NativePath(card.folder / "SCH01.DAT"));
    fs::create_symlink(testsupport::NativePath(kept / "SDATE01"), testsupport::NativePath(card.folder / "SDATE01.DAT"));

    const auto imported = card.Import();
    ASSERT_FALSE(imported.error);
    EXPECT_FALSE(imported.report.failure);
    for (const auto& [name, keptName] : {std::pair{"SCH01.DAT", "SCH01"}, std::pair{"SDATE01.DAT", "SDATE01"}}) {
        EXPECT_TRUE(fs::is_symlink(testsupport::NativePath(card.folder / name))) << name;
        EXPECT_EQ(testsupport::ReadFileBytes(kept / keptName), EveryModeBytes(name)) << name;
    }
    EXPECT_EQ(kept.Entries(), (std::vector<std::string>{"SCH01", "SDATE01"}));
}

// A pipe at a card file's path is refused at once, by the card's reader and by the import, which
// then writes nothing.
TEST(Import, PipeIsRefusedByTheReaderAndTheImport) {
    DiskCard card;
    const std::string pipe = card.folder / "SDATE02.DAT";
    ASSERT_TRUE(testsupport::MakePipe(pipe));
    const core::FileError refused(core::FileErrorCause::NotRegularFile, pipe);

    const auto read = testsupport::WithoutWaitingOn(
        pipe, [&] { return core::cardjson::ReadCardImage(core::SystemFileSystem(), card.folder.path()); });
    ASSERT_TRUE(read && read->ok());
    const auto& file = (**read).files.at(core::CardFileIndex({core::CardFileKind::SpecialDates, 1}));
    ASSERT_TRUE(file && file->failure);
    EXPECT_EQ(file->failure->cause(), core::FileErrorCause::NotRegularFile);

    const auto imported = testsupport::WithoutWaitingOn(pipe, [&] { return card.Import(); });
    ASSERT_TRUE(imported);
    ASSERT_TRUE(imported->report.failure);
    EXPECT_EQ(imported->report.failure->error, refused);
    EXPECT_EQ(card.folder.Entries(), std::vector<std::string>{"SDATE02.DAT"});
}

#endif  // !_WIN32

}  // namespace
