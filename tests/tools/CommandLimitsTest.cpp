// The commands run in-process through a file system of the test's own: what they do with cards
// too large for the document import reads (the limit made small here), with programs of full
// music lists, and when memory runs out in the middle of one.
#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <algorithm>

#include "core/cardjson/DocumentWriter.h"
#include "tests/cardjson/CardFixtures.h"
#include "tests/support/Bytes.h"
#include "tests/support/FaultyFileSystem.h"
#include "tools/card/CardSource.h"
#include "tools/card/Commands.h"

namespace {

using namespace cardfixtures;
using testsupport::MemoryFileSystem;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs `tavrel-card <arguments>` through `fs`, with `limit` as the largest document import reads.
Outcome RunCommand(core::FileSystem& fs, std::vector<std::string> arguments,
                   std::uint64_t limit = core::cardjson::kLargestDocument) {
    const cardtool::ToolContext kept = cardtool::Context();
    cardtool::Context() = {&fs, limit};
    CLI::App app;
    app.require_subcommand(1);
    Outcome outcome;
    for (const auto add : {cardtool::AddCheckCommand, cardtool::AddShowCommand, cardtool::AddExportCommand,
                           cardtool::AddImportCommand, cardtool::AddDiffCommand}) {
        add(app, outcome.exitCode);
    }
    arguments.insert(arguments.begin(), "tavrel-card");
    std::vector<char*> pointers;
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    app.parse(static_cast<int>(pointers.size()), pointers.data());
    outcome.out = testing::internal::GetCapturedStdout();
    outcome.err = testing::internal::GetCapturedStderr();
    cardtool::Context() = kept;
    return outcome;
}

std::string DocumentOf(MemoryFileSystem& fs) {
    std::string text;
    core::cardjson::DocumentWriter(fs, kFolder).Write([&](std::string_view piece) {
        text += piece;
        return true;
    });
    return text;
}

const std::string kBackup = PathOf("backup.json");

TEST(CommandLimits, ExportOfACardOverTheLimitIsRefusedNamingTheFolderAndTheLimitAndWritesNothing) {
    MemoryFileSystem fs;
    LayLargeProgram(fs, 2, 500);
    const std::uint64_t size = DocumentOf(fs).size();
    for (const auto& arguments :
         {std::vector<std::string>{"export", kFolder}, {"export", kFolder, "-o", kBackup}}) {
        const Outcome run = RunCommand(fs, arguments, size - 1);
        EXPECT_EQ(run.exitCode, cardtool::kExitFailed);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "tavrel-card export: " + kFolder + ": 这张卡的文档将超过 " +
                               std::to_string(size - 1) +
                               " 字节，导入读不了这么大的文档，所以什么都没有导出。\n");
        EXPECT_FALSE(fs.Exists(kBackup));
    }
}

// What export writes at the limit, import takes back; one byte more is refused by both.
TEST(CommandLimits, ImportTakesWhatExportWroteAtTheLimit) {
    MemoryFileSystem fs;
    LayLargeProgram(fs, 2, 500);
    const std::uint64_t size = DocumentOf(fs).size();
    ASSERT_EQ(RunCommand(fs, {"export", kFolder, "-o", kBackup}, size).exitCode, cardtool::kExitClean);
    EXPECT_EQ(fs.FileBytes(kBackup)->size(), size);

    const std::string copy = "copy";
    ASSERT_TRUE(fs.MakeFolder(copy).ok());
    const Outcome imported = RunCommand(fs, {"import", kBackup, copy}, size);
    EXPECT_EQ(imported.exitCode, cardtool::kExitClean) << imported.err;
    EXPECT_TRUE(fs.FileBytes(core::CardFilePath(copy, core::CardFileKind::GeneralSchedule, 0)) ==
                fs.FileBytes(PathOf("SCH01.DAT")));

    const Outcome refused = RunCommand(fs, {"import", kBackup, copy}, size - 1);
    EXPECT_EQ(refused.exitCode, cardtool::kExitFailed);
    EXPECT_EQ(refused.err, "tavrel-card import: " + kBackup + ": 文档太大：导入最多读取 " +
                               std::to_string(size - 1) + " 字节的文档。\n");
}

// Three timers of 65535 names (120 MB on the card): shown, exported and compared a timer at a
// time.
TEST(CommandLimits, FullMusicListsAreShownExportedAndCompared) {
    MemoryFileSystem fs;
    LayLargeProgram(fs, 3, 65535);
    const Outcome shown = RunCommand(fs, {"show", kFolder, "--program", "SCH01"});
    EXPECT_EQ(shown.exitCode, cardtool::kExitClean) << shown.err;
    EXPECT_EQ(std::count(shown.out.begin(), shown.out.end(), '\n'), 1 + 3 * (1 + 65535));
    EXPECT_TRUE(shown.out.starts_with("SCH01 第一组程序：3个定时\n"));
    EXPECT_NE(shown.out.find("\n    音乐文件 65535：曲目65534.mp3\n"), std::string::npos);

    const Outcome exported = RunCommand(fs, {"export", kFolder, "-o", kBackup});
    EXPECT_EQ(exported.exitCode, cardtool::kExitClean) << exported.err;
    const std::string document = DocumentOf(fs);
    EXPECT_TRUE(fs.FileBytes(kBackup).value() == testbytes::Bytes(document.begin(), document.end()));

    const std::string other = "other";
    ASSERT_TRUE(fs.MakeFolder(other).ok());
    fs.SetFile(core::CardFilePath(other, core::CardFileKind::GeneralSchedule, 0),
               fs.FileBytes(PathOf("SCH01.DAT")).value());
    Patch(fs, "SCH01.DAT", kFirstRecord + 4, {9});  // the first timer starts at 09:30:00
    const Outcome compared = RunCommand(fs, {"diff", other, kFolder});
    EXPECT_EQ(compared.exitCode, cardtool::kExitFindings) << compared.err;
    EXPECT_NE(compared.out.find(
                  "SCH01 第一组程序 节目序号 1 第一个：开始时间 08:30:00 第二个：开始时间 09:30:00\n"),
              std::string::npos)
        << compared.out.substr(0, 2000);
}

TEST(CommandLimits, DiffOfAFileOverTheLimitIsRefusedNamingItAndTheLimit) {
    MemoryFileSystem fs;
    LayLargeProgram(fs, 2, 500);
    const Outcome run = RunCommand(fs, {"diff", kFolder, kFolder}, 1000);
    EXPECT_EQ(run.exitCode, cardtool::kExitFailed);
    EXPECT_EQ(run.err, "tavrel-card diff: " + PathOf("SCH01.DAT") +
                           ": 文件太大，无法比较：它的文档将超过 1000 字节。\n");
}

// Memory that runs out in the middle of a command ends it with a message naming the file it was
// working on, never with an abort.
struct OutOfMemoryCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string file;
};

class CommandOutOfMemory : public ::testing::TestWithParam<OutOfMemoryCase> {};

TEST_P(CommandOutOfMemory, EndsNamingTheFile) {
    MemoryFileSystem memory;
    LayEveryMode(memory);
    ASSERT_EQ(RunCommand(memory, {"export", kFolder, "-o", kBackup}).exitCode, cardtool::kExitClean);
    testsupport::FaultyFileSystem fs(memory);
    fs.RunOutOfMemoryAtRead(1);
    const Outcome run = RunCommand(fs, GetParam().arguments);
    EXPECT_EQ(run.exitCode, cardtool::kExitFailed);
    EXPECT_NE(run.err.find(GetParam().file + ": 内存不足，没有完成。\n"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandOutOfMemory,
                         ::testing::Values(OutOfMemoryCase{"Show", {"show", kFolder}, PathOf("SCH01.DAT")},
                                           OutOfMemoryCase{"Export", {"export", kFolder}, kFolder},
                                           OutOfMemoryCase{
                                               "Diff", {"diff", kFolder, kFolder}, PathOf("SCH01.DAT")},
                                           OutOfMemoryCase{"Check", {"check", kFolder}, kFolder},
                                           OutOfMemoryCase{"Import", {"import", kBackup, kFolder}, kBackup}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
