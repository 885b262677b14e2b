// Runs the built tavrel-card as a person or a script would, on card folders written here, and
// checks what it prints and how it exits.
#include <gtest/gtest.h>

#include "tests/card/NamedCases.h"
#include "tests/core/Samples.h"
#include "tests/tools/ToolRun.h"

namespace {

using namedcases::PrintTo;
using testbytes::Bytes;
using namespace toolrun;

Bytes Music() { return samples::WeekdayMusic().stored; }
Bytes Radio() { return samples::NoonRadio().stored; }

// A card the player runs as meant: a general program, and a special one with its dates.
void LayCleanCard(CardFolder& card) {
    card.Program("SCH01.DAT", {Music(), samples::PowerAt(7).stored})
        .Program("SPSCH01.DAT", {Radio()})
        .File("SDATE01.DAT", {3, 8, 12, 25});
}

// A card with an error and a warning of each kind of place: a pair of timers, a pair of date
// lists, a whole file.
void LayFaultyCard(CardFolder& card) {
    card.Program("SCH01.DAT", {Music(), Music()})
        .Folder("SCH02.DAT")
        .Program("SPSCH01.DAT", {Radio()})
        .Program("SPSCH02.DAT", {Radio()})
        .File("SPSCH03.DAT", {0xAA, 0x55})
        .File("SDATE01.DAT", {3, 8})
        .File("SDATE02.DAT", {3, 8, 2, 30});
}

TEST(CardToolCheck, CleanCardPrintsNothingAndExitsZero) {
    CardFolder card;
    LayCleanCard(card);
    const Outcome text = RunTool({"check", card.path()});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out, "");
    EXPECT_EQ(text.err, "");

    const Outcome json = RunTool({"check", "--json", card.path()});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out, "[]\n");
}

TEST(CardToolCheck, EmptyFolderIsAnEmptyCard) {
    const CardFolder card;
    const Outcome run = RunTool({"check", "--json", card.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "[]\n");
}

TEST(CardToolCheck, NotesAloneExitZero) {
    CardFolder card;
    card.Program("SPSCH02.DAT", {Radio()});
    const Outcome run = RunTool({"check", "--json", card.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, R"([
  {
    "code": "program-without-dates",
    "severity": "note",
    "file": "SPSCH02.DAT",
    "message": "特殊程序有定时，但没有特殊日期，不会执行。"
  }
]
)");
}

TEST(CardToolCheck, FindingsAsJson) {
    CardFolder card;
    LayFaultyCard(card);
    const Outcome run = RunTool({"check", card.path(), "--json"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, R"([
  {
    "code": "overlap",
    "severity": "warning",
    "file": "SCH01.DAT",
    "timer": 1,
    "other": 2,
    "message": "两个定时的时间重叠，而且有相同的分区。"
  },
  {
    "code": "same-start",
    "severity": "error",
    "file": "SCH01.DAT",
    "timer": 1,
    "other": 2,
    "message": "两个定时的开始时间相同。"
  },
  {
    "code": "unreadable-file",
    "severity": "error",
    "file": "SCH02.DAT",
    "message": "文件存在，但无法读取。"
  },
  {
    "code": "damaged-file",
    "severity": "error",
    "file": "SPSCH03.DAT",
    "message": "程序文件比文件头还短，文件已损坏。"
  },
  {
    "code": "date-in-two-lists",
    "severity": "warning",
    "file": "SDATE01.DAT",
    "other_file": "SDATE02.DAT",
    "date": "03-08",
    "message": "同一个日期出现在两个特殊日期表中。"
  },
  {
    "code": "bad-date",
    "severity": "error",
    "file": "SDATE02.DAT",
    "date": "02-30",
    "message": "日历上没有这个日期。"
  }
]
)");
}

TEST(CardToolCheck, FindingsOneALine) {
    CardFolder card;
    LayFaultyCard(card);
    const Outcome run = RunTool({"check", card.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(
        run.out,
        "SCH01.DAT timer 1 and timer 2: warning overlap: 两个定时的时间重叠，而且有相同的分区。\n"
        "SCH01.DAT timer 1 and timer 2: error same-start: 两个定时的开始时间相同。\n"
        "SCH02.DAT: error unreadable-file: 文件存在，但无法读取。\n"
        "SPSCH03.DAT: error damaged-file: 程序文件比文件头还短，文件已损坏。\n"
        "SDATE01.DAT 03-08 and SDATE02.DAT: warning date-in-two-lists: 同一个日期出现在两个特殊日期表中。\n"
        "SDATE02.DAT 02-30: error bad-date: 日历上没有这个日期。\n");
}

// How the program ends when it cannot do what was asked, or was asked for help.
struct ExitCase {
    const char* name;
    std::vector<std::string> arguments;  // "FOLDER" stands for a clean card's folder, "FILE" for a plain file
    int exitCode;
    bool saysWhy;  // something on stderr
};

const ExitCase kExitCases[] = {
    {"MissingFolder", {"check", "/nonexistent/tavrel-card-test"}, 2, true},
    {"PlainFileForFolder", {"check", "FILE"}, 2, true},
    {"NoCommand", {}, 2, true},
    {"UnknownCommand", {"frobnicate", "FOLDER"}, 2, true},
    {"NoFolder", {"check"}, 2, true},
    {"TwoFolders", {"check", "FOLDER", "FOLDER"}, 2, true},
    {"UnknownOption", {"check", "--frobnicate", "FOLDER"}, 2, true},
    {"ShowMissingFolder", {"show", "/nonexistent/tavrel-card-test"}, 2, true},
    {"ExportMissingFolder", {"export", "/nonexistent/tavrel-card-test"}, 2, true},
    {"ImportMissingFolder", {"import", "FILE", "/nonexistent/tavrel-card-test"}, 2, true},
    {"DiffMissingFolder", {"diff", "FOLDER", "/nonexistent/tavrel-card-test"}, 2, true},
    {"ShowPlainFileForFolder", {"show", "FILE"}, 2, true},
    {"ImportNotJson", {"import", "FILE", "FOLDER"}, 2, true},
    {"ImportMissingDocument", {"import", "/nonexistent/card.json", "FOLDER"}, 2, true},
    {"ImportNoFolder", {"import", "FILE"}, 2, true},
    {"DiffNotJson", {"diff", "FOLDER", "FILE"}, 2, true},
    {"ShowUnknownProgram", {"show", "FOLDER", "--program", "SCH09"}, 2, true},
    {"ShowClean", {"show", "FOLDER"}, 0, false},
    {"ExportClean", {"export", "FOLDER"}, 0, false},
    {"DiffSame", {"diff", "FOLDER", "FOLDER"}, 0, false},
    {"Help", {"--help"}, 0, false},
    {"CommandHelp", {"check", "--help"}, 0, false},
    {"ShowHelp", {"show", "--help"}, 0, false},
    {"ExportHelp", {"export", "--help"}, 0, false},
    {"ImportHelp", {"import", "--help"}, 0, false},
    {"DiffHelp", {"diff", "--help"}, 0, false},
    {"Version", {"--version"}, 0, false},
};

class CardToolExit : public ::testing::TestWithParam<ExitCase> {};

TEST_P(CardToolExit, ExitsWithItsCode) {
    const ExitCase& c = GetParam();
    CardFolder card;
    LayCleanCard(card);
    testsupport::TempFolder scratch;
    testsupport::WriteFileBytes(scratch / "plain", {1, 2, 3});
    std::vector<std::string> arguments = c.arguments;
    for (std::string& word : arguments) {
        if (word == "FOLDER") word = card.path();
        if (word == "FILE") word = scratch / "plain";
    }

    const Outcome run = RunTool(arguments);

    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_EQ(!run.err.empty(), c.saysWhy) << run.err;
    if (c.exitCode == 2) {
        EXPECT_EQ(run.out, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Arguments, CardToolExit, ::testing::ValuesIn(kExitCases), namedcases::kCaseName);

// Words that a command line can mangle on their way: blanks, quotes, backslashes before a quote
// or at the end. The tool names a --program it does not know, so each must come back whole.
TEST(CardToolArguments, ReachTheToolWhole) {
    const CardFolder card;
    for (const std::string word :
         {"a \"b\" c", "it's", "back\\slash", "ends in \\", "\\\"quoted\\\"", "tab\there"}) {
        SCOPED_TRACE(word);
        const Outcome run = RunTool({"show", card.path(), "--program", word});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("--program: " + word + " not in"), std::string::npos) << run.err;
    }
}

TEST(CardToolInfo, VersionIsTheProjects) { EXPECT_EQ(RunTool({"--version"}).out, TAVREL_VERSION "\n"); }

TEST(CardToolInfo, HelpNamesEveryCommand) {
    const std::string help = RunTool({"--help"}).out;
    for (const char* command : {"check", "show", "export", "import", "diff"}) {
        EXPECT_NE(help.find(command), std::string::npos) << command;
    }
    EXPECT_NE(RunTool({"check", "--help"}).out.find("--json"), std::string::npos);
    EXPECT_NE(RunTool({"import", "--help"}).out.find("--dry-run"), std::string::npos);
    EXPECT_NE(RunTool({"show", "--help"}).out.find("--program"), std::string::npos);
}

}  // namespace
