// show, export, import and diff run as a person or a script would: what they print, what they
// write and how they exit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>

#include "core/fs/Path.h"
#include "tests/card/NamedCases.h"
#include "tests/core/Samples.h"
#include "tests/support/SpecialFiles.h"
#include "tests/tools/ToolRun.h"

namespace {

using namedcases::PrintTo;
using testbytes::Bytes;
using namespace toolrun;

// A general program with a music and a radio timer, a damaged special program, one date list.
void LayShownCard(CardFolder& card) {
    card.Program("SCH01.DAT", {samples::WeekdayMusic().stored, samples::NoonRadio().stored})
        .File("SPSCH02.DAT", {0xAA, 0x55})
        .File("SDATE01.DAT", {3, 8, 2, 30});
}

TEST(CardToolShow, SaysEachFileInTheWindowsWords) {
    CardFolder card;
    LayShownCard(card);
    const Outcome run = RunTool({"show", card.path()});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out,
              "SCH01 第一组程序：2个定时\n"
              "  节目序号 1：定时模式 音乐定时，开始时间 08:30:00，结束时间 09:00:00，星期 星期一 星期二 星期三 星期四 "
              "星期五，电源 电源1 保持电源，分区 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16，播放模式 随机播放，"
              "循环模式 全部一起，播放设置 内存\n"
              "    音乐文件 1：a.mp3\n"
              "    音乐文件 2：b.mp3\n"
              "  节目序号 2：定时模式 收音定时，开始时间 12:00:00，结束时间 12:30:00，星期 无，电源 无，分区 01 02，"
              "收音机频率 90.1MHz，播放模式 顺序播放，循环模式 全部一起\n"
              "SCH02 第二组程序：文件不存在。\n"
              "SCH03 第三组程序：文件不存在。\n"
              "SCH04 第四组程序：文件不存在。\n"
              "SPSCH01 第一组程序：文件不存在。\n"
              "SPSCH02 第二组程序：无法读取：程序文件比文件头还短，文件已损坏。\n"
              "SPSCH03 第三组程序：文件不存在。\n"
              "SPSCH04 第四组程序：文件不存在。\n"
              "SPSCH05 第五组程序：文件不存在。\n"
              "SPSCH06 第六组程序：文件不存在。\n"
              "SDATE01 第一组程序：2个日期 03-08 原始值 [2,30]\n"
              "SDATE02 第二组程序：文件不存在。\n"
              "SDATE03 第三组程序：文件不存在。\n"
              "SDATE04 第四组程序：文件不存在。\n"
              "SDATE05 第五组程序：文件不存在。\n"
              "SDATE06 第六组程序：文件不存在。\n");
}

TEST(CardToolShow, OneProgram) {
    CardFolder card;
    LayShownCard(card);
    const Outcome run = RunTool({"show", card.path(), "--program", "SDATE01"});
    EXPECT_EQ(run.out, "SDATE01 第一组程序：2个日期 03-08 原始值 [2,30]\n");
}

TEST(CardToolExport, DocumentOnStdoutOrIntoAFile) {
    CardFolder card;
    card.Program("SCH01.DAT", {samples::NoonRadio().stored});
    const Outcome out = RunTool({"export", card.path()});
    EXPECT_EQ(out.exitCode, 0);
    const auto document = nlohmann::json::parse(out.out);
    EXPECT_EQ(document["programs"]["SCH01"]["timers"][0]["channel"], "90.1MHz");

    testsupport::TempFolder scratch;
    const Outcome file = RunTool({"export", card.path(), "-o", scratch / "card.json"});
    EXPECT_EQ(file.exitCode, 0);
    EXPECT_EQ(file.out, "");
    const auto written = testsupport::ReadFileBytes(scratch / "card.json").value();
    EXPECT_EQ(std::string(written.begin(), written.end()), out.out);
}

TEST(CardToolExport, UnreadableFileIsNamedAndTheDocumentStillWritten) {
    CardFolder card;
    LayShownCard(card);
    card.Folder("SCH04.DAT");
    const Outcome run = RunTool({"export", card.path()});
    EXPECT_EQ(run.exitCode, 3);
    const auto document = nlohmann::json::parse(run.out);
    EXPECT_EQ(document["programs"]["SPSCH02"]["unreadable"], "damaged");
    EXPECT_TRUE(document["programs"]["SCH04"].contains("unreadable"));
}

// A card exported, then imported into another folder.
struct ExportedCard {
    CardFolder card;
    testsupport::TempFolder scratch;
    std::string document;

    ExportedCard() {
        LayShownCard(card);
        document = scratch / "card.json";
        RunTool({"export", card.path(), "-o", document});
    }
};

TEST(CardToolImport, WritesTheReadableFilesAndReportsEach) {
    ExportedCard exported;
    CardFolder target;
    target.Program("SPSCH02.DAT", {samples::NoonRadio().stored});
    const auto kept = testsupport::ReadFileBytes(target / "SPSCH02.DAT");
    const Outcome run = RunTool({"import", exported.document, target.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("SCH01.DAT：已写入。\n"), std::string::npos);
    EXPECT_NE(run.out.find("SPSCH02.DAT：文档中为无法读取，卡上的文件保持原样。\n"), std::string::npos);
    EXPECT_EQ(testsupport::ReadFileBytes(target / "SCH01.DAT"),
              testsupport::ReadFileBytes(exported.card / "SCH01.DAT"));
    EXPECT_EQ(testsupport::ReadFileBytes(target / "SPSCH02.DAT"), kept);

    const Outcome again = RunTool({"import", exported.document, target.path()});
    EXPECT_NE(again.out.find("SCH01.DAT：内容相同，未写。\n"), std::string::npos);
    EXPECT_EQ(RunTool({"diff", exported.document, target.path()}).exitCode, 1);  // SPSCH02 kept
}

TEST(CardToolImport, BusyFileStopsEveryWrite) {
    ExportedCard exported;
    CardFolder target;
    target.Program("SCH01.DAT", {samples::PowerAt(3).stored}).File("SDATE01.DAT", {1, 1});
    const auto before = target.Contents();
    Outcome run;
    {
        // Let go before looking: on Windows the hold keeps the test out of the file too.
        const HeldFile held(target / "SDATE01.DAT");
        ASSERT_TRUE(held.held());
        run = RunTool({"import", exported.document, target.path()});
    }

    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("时发生共享违例。"), std::string::npos) << run.err;
    EXPECT_EQ(target.Contents(), before);
}

TEST(CardToolExport, BusyFileIsNamedAsBusy) {
    CardFolder card;
    LayShownCard(card);
    const HeldFile held(card / "SDATE01.DAT");
    ASSERT_TRUE(held.held());
    const Outcome run = RunTool({"export", card.path()});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(nlohmann::json::parse(run.out)["dates"]["SDATE01"]["unreadable"], "busy");
}

TEST(CardToolImport, DryRunWritesNothing) {
    ExportedCard exported;
    CardFolder target;
    const Outcome run = RunTool({"import", "--dry-run", exported.document, target.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("SCH01.DAT：将写入（未写）。\n"), std::string::npos);
    EXPECT_TRUE(target.Contents().empty());
}

TEST(CardToolImport, BadDocumentNamesThePlaceInPointerAndWords) {
    const std::pair<std::string, std::string> cases[] = {
        {R"({"format":"tavrel-card","version":1,"programs":{"SCH01":{"timers":[{"mode":"power","start":"25:61:00"}]}}})",
         "/programs/SCH01/timers/0/start: SCH01 节目序号 1 开始时间: 值超出了范围。"},
        {R"({"format":"tavrel-card","version":1,"programs":{"SCH01":{"timers":[]},"SCH01":{"timers":[]}}})",
         "/programs/SCH01: SCH01: 同一个对象中同一个字段出现了不止一次。"},
    };
    for (const auto& [text, complaint] : cases) {
        CardFolder card;
        card.Program("SCH01.DAT", {samples::WeekdayMusic().stored});
        const auto before = card.Contents();
        testsupport::TempFolder scratch;
        testsupport::WriteFileBytes(scratch / "bad.json", Bytes(text.begin(), text.end()));
        const Outcome run = RunTool({"import", scratch / "bad.json", card.path()});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "tavrel-card import: " + complaint + "\n");
        EXPECT_EQ(card.Contents(), before);
    }
}

TEST(CardToolImport, TextThatIsNotJsonIsNamedByItsFile) {
    CardFolder card;
    testsupport::TempFolder scratch;
    testsupport::WriteFileBytes(scratch / "card.json", {'{', '"'});
    const Outcome run = RunTool({"import", scratch / "card.json", card.path()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "tavrel-card import: " + (scratch / "card.json") + ": 不是有效的JSON。\n");
    EXPECT_TRUE(card.Contents().empty());
}

#ifndef _WIN32
// A pipe given as the document to import or as the file to export into is refused at once by
// its name, and stays a pipe.
TEST(CardToolFiles, PipeIsNeitherReadNorWritten) {
    CardFolder card;
    LayShownCard(card);
    const auto before = card.Contents();
    testsupport::TempFolder scratch;
    const std::string pipe = scratch / "card.json";
    ASSERT_TRUE(testsupport::MakePipe(pipe));
    const std::string refused = pipe + " 不是一个普通文件，无法读写。\n";

    const auto imported = testsupport::WithoutWaitingOn(pipe, [&] { return RunTool({"import", pipe, card.path()}); });
    ASSERT_TRUE(imported) << "import waits on the pipe";
    EXPECT_EQ(imported->exitCode, 2);
    EXPECT_EQ(imported->err, "tavrel-card import: " + refused);
    EXPECT_EQ(card.Contents(), before);

    const auto exported =
        testsupport::WithoutWaitingOn(pipe, [&] { return RunTool({"export", card.path(), "-o", pipe}); });
    ASSERT_TRUE(exported) << "export waits on the pipe";
    EXPECT_EQ(exported->exitCode, 3);
    EXPECT_EQ(exported->err, "tavrel-card export: " + refused);
    EXPECT_EQ(std::filesystem::symlink_status(pipe).type(), std::filesystem::file_type::fifo);
    EXPECT_EQ(scratch.Entries(), std::vector<std::string>{"card.json"});
}
#endif

// A document that cannot be read says why, by the file layer's own words, and changes nothing.
TEST(CardToolImport, UnreadableDocumentSaysWhy) {
    struct Case {
        const char* name;
        bool held;
        std::uint64_t length;  // 0: no file at all
        const char* text;      // %1 stands for the document's path
    };
    const Case cases[] = {
        {"missing", false, 0, "没有找到 %1。"},
        {"held by another program", true, 2, "在存取 %1 时发生共享违例。"},
        {"larger than import reads", false, std::uint64_t{65} << 20, "%1: 文档太大：导入最多读取 67108864 字节的文档。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CardFolder card;
        testsupport::TempFolder scratch;
        const std::string document = scratch / "card.json";
        if (c.length > 0) {
            testsupport::WriteFileBytes(document, {'{', '}'});
            ASSERT_TRUE(testsupport::StretchFile(document, c.length));
        }
        std::optional<HeldFile> held;
        if (c.held) held.emplace(document);
        const Outcome run = RunTool({"import", document, card.path()});
        EXPECT_EQ(run.exitCode, 2);
        std::string said = c.text;
        said.replace(said.find("%1"), 2, document);
        EXPECT_EQ(run.err, "tavrel-card import: " + said + "\n");
        EXPECT_TRUE(card.Contents().empty());
    }
}

// diff of two folders: they differ, and it says so in these lines.
void ExpectDifferences(const CardFolder& a, const CardFolder& b, const std::string& lines) {
    const Outcome run = RunTool({"diff", a.path(), b.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, lines);
}

TEST(CardToolDiff, ProgramByProgramAndTimerByTimer) {
    CardFolder a, b;
    a.Program("SCH01.DAT", {samples::WeekdayMusic().stored, samples::NoonRadio().stored}).File("SDATE01.DAT", {3, 8});
    b.Program("SCH01.DAT", {samples::WeekdayMusic({u"a.mp3", u"c.mp3"}).stored}).File("SDATE01.DAT", {3, 8, 12, 25});
    ExpectDifferences(a, b,
                      "SCH01 第一组程序 节目序号 1 音乐文件 2 第一个：b.mp3 第二个：c.mp3\n"
                      "SCH01 第一组程序 只在第一个中：节目序号 2：定时模式 收音定时，开始时间 12:00:00，结束时间 12:30:00，星期 无，"
                      "电源 无，分区 01 02，收音机频率 90.1MHz，播放模式 顺序播放，循环模式 全部一起\n"
                      "SDATE01 第一组程序 只在第二个中：12-25\n");
}

// Timers are matched by content: a timer deleted from the middle is said once, whole; a timer
// moved is one line, an edited field one line.
TEST(CardToolDiff, MatchesTimersByContent) {
    std::vector<Bytes> day;
    for (std::uint8_t hour = 0; hour < 22; ++hour) day.push_back(samples::PowerAt(hour).stored);
    auto deleted = day;
    deleted.erase(deleted.begin() + 5);
    auto moved = day;
    std::rotate(moved.begin() + 1, moved.begin() + 2, moved.begin() + 7);  // timer 2 to place 7
    auto edited = day;
    edited[9][8] = 20;  // timer 10 ends at 09:20:00
    CardFolder a, b;
    a.Program("SCH01.DAT", day).Program("SCH02.DAT", day).Program("SCH03.DAT", day);
    b.Program("SCH01.DAT", deleted).Program("SCH02.DAT", moved).Program("SCH03.DAT", edited);
    ExpectDifferences(a, b,
                      "SCH01 第一组程序 只在第一个中：节目序号 6：定时模式 电源定时，开始时间 05:00:00，结束时间 05:05:00，"
                      "星期 星期日 星期六，电源 电源2 外扩电源，分区 16，播放模式 顺序播放，循环模式 全部一起\n"
                      "SCH02 第二组程序 节目序号 2 移到 节目序号 7\n"
                      "SCH03 第三组程序 节目序号 10 第一个：结束时间 09:05:00 第二个：结束时间 09:20:00\n");
}

TEST(CardToolDiff, FolderAgainstItsOwnExportIsEqual) {
    ExportedCard exported;
    const Outcome run = RunTool({"diff", exported.card.path(), exported.document});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "");
}

// Names that a command line can mangle on its way to the program: each path must arrive as one
// argument, byte for byte, and name the same file for the tool as for the test.
struct PathCase {
    const char* name;
    std::string folder;
    bool trailingSeparator;  // a closing backslash that must not escape the closing quote
};

const PathCase kPathCases[] = {
    {"Blank", "my card", false},
    {"Quote", "Tom's card", false},
    {"Chinese", "存储卡 一", false},
    {"BlankAndTrailingSeparator", "my card", true},
};

class CardToolPaths : public ::testing::TestWithParam<PathCase> {};

TEST_P(CardToolPaths, ReachTheToolWhole) {
    const PathCase& c = GetParam();
    CardFolder card(c.folder);
    card.Program("SPSCH02.DAT", {samples::NoonRadio().stored});
    const std::string folder =
        card.path() + (c.trailingSeparator ? std::string(1, core::kPathSeparator) : "");
    testsupport::TempFolder scratch;
    const std::string document = scratch / (c.folder + ".json");

    const Outcome check = RunTool({"check", folder});
    EXPECT_EQ(check.exitCode, 0) << check.err;
    EXPECT_NE(check.out.find("SPSCH02.DAT"), std::string::npos) << check.out;
    EXPECT_EQ(RunTool({"export", folder, "-o", document}).exitCode, 0);
    const Outcome diff = RunTool({"diff", folder, document});
    EXPECT_EQ(diff.exitCode, 0) << diff.out << diff.err;
}

INSTANTIATE_TEST_SUITE_P(Names, CardToolPaths, ::testing::ValuesIn(kPathCases), namedcases::kCaseName);

}  // namespace
