// history and restore run as a person or a script would, with the history in a folder of the
// test's own: a write through the tool is kept, listed, shown and undone byte for byte.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/fs/Path.h"
#include "tests/core/Samples.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/tools/ToolRun.h"

namespace {

using testbytes::Bytes;
using namespace toolrun;

// Points the tool's history at `root` while the object lives.
class HistoryAt : public testsupport::ScopedEnvironment {
public:
    explicit HistoryAt(const std::string& root) : ScopedEnvironment("TAVREL_HISTORY", root) {}
};

// A card with a full first program and a date list, and a document of another card whose
// first program holds one timer.
struct CardAndDocument {
    CardFolder card;
    CardFolder other;
    testsupport::TempFolder scratch;
    std::string document = scratch / "other.json";

    CardAndDocument() {
        std::vector<Bytes> timers(22, samples::WeekdayMusic().stored);
        card.Program("SCH01.DAT", timers).File("SDATE01.DAT", {3, 8});
        other.Program("SCH01.DAT", {samples::NoonRadio().stored}).File("SDATE01.DAT", {3, 8});
        EXPECT_EQ(RunTool({"export", other.path(), "-o", document}).exitCode, 0);
    }
};

TEST(CardToolHistory, AnImportIsKeptListedShownAndUndoneByteForByte) {
    testsupport::TempFolder root;
    HistoryAt history(root.path());
    CardAndDocument setup;
    const auto original = testsupport::ReadFileBytes(setup.card / "SCH01.DAT");
    ASSERT_EQ(RunTool({"import", setup.document, setup.card.path()}).exitCode, 0);
    ASSERT_NE(testsupport::ReadFileBytes(setup.card / "SCH01.DAT"), original);

    const Outcome listed = RunTool({"history", setup.card.path(), "--json"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const auto entries = nlohmann::json::parse(listed.out);
    ASSERT_EQ(entries.size(), 1u) << "the date list was the same: not written, not kept";
    EXPECT_EQ(entries[0]["file"], "SCH01.DAT");
    EXPECT_EQ(entries[0]["command"], "import");
    EXPECT_EQ(entries[0]["before"]["size"], original->size());
    EXPECT_EQ(entries[0]["time"].get<std::string>().size(), 25u) << entries[0]["time"];
    const std::string id = std::to_string(entries[0]["id"].get<int>());

    const Outcome shown = RunTool({"history", setup.card.path(), "--show", id});
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_NE(shown.out.find("SCH01.DAT"), std::string::npos) << shown.out;

    const Outcome dry = RunTool({"restore", setup.card.path(), id, "--dry-run"});
    EXPECT_EQ(dry.exitCode, 0) << dry.err;
    EXPECT_EQ(dry.out, "SCH01.DAT：将恢复\n");
    EXPECT_NE(testsupport::ReadFileBytes(setup.card / "SCH01.DAT"), original);

    const Outcome restored = RunTool({"restore", setup.card.path(), id});
    EXPECT_EQ(restored.exitCode, 0) << restored.err;
    EXPECT_EQ(restored.out, "SCH01.DAT：已恢复\n");
    EXPECT_EQ(testsupport::ReadFileBytes(setup.card / "SCH01.DAT"), original);
    EXPECT_EQ(setup.card.Contents().size(), 2u) << "nothing else on the card";

    // The restore is kept too, newest first, and the card at a moment long past is the card now.
    const auto after = nlohmann::json::parse(RunTool({"history", setup.card.path(), "--json"}).out);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0]["command"], "restore");
    EXPECT_EQ(RunTool({"restore", setup.card.path(), "--all-before", "2000-01-01"}).out,
              "SCH01.DAT：已是这个版本，不用写入\n");
}

TEST(CardToolHistory, WrongRequestsFailWithCodeTwoAndWriteNothing) {
    testsupport::TempFolder root;
    HistoryAt history(root.path());
    CardAndDocument setup;
    ASSERT_EQ(RunTool({"import", setup.document, setup.card.path()}).exitCode, 0);
    const auto before = setup.card.Contents();
    const std::vector<std::vector<std::string>> requests = {
        {"restore", setup.card.path()},
        {"restore", setup.card.path(), "1", "--all-before", "2026-01-01"},
        {"restore", setup.card.path(), "99"},
        {"restore", setup.card.path(), "--all-before", "next tuesday"},
        {"restore", setup.card / "missing", "1"},
        {"history", setup.card.path(), "--show", "7"},
        {"history", setup.card / "missing"},
    };
    for (const auto& request : requests) {
        const Outcome run = RunTool(request);
        EXPECT_EQ(run.exitCode, 2) << request.back() << ": " << run.err;
        EXPECT_FALSE(run.err.empty()) << request.back();
    }
    EXPECT_EQ(setup.card.Contents(), before);
}

TEST(CardToolHistory, AnImportWithoutAPlaceForItsHistoryGoesOnAndSaysSo) {
    CardAndDocument setup;
    testbytes::Bytes one = {1};
    testsupport::WriteFileBytes(setup.scratch / "a-file", one);
    HistoryAt history(core::JoinPath(setup.scratch / "a-file", "history"));
    const Outcome run = RunTool({"import", setup.document, setup.card.path()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("这次写入没有在电脑上留下副本"), std::string::npos) << run.err;
    EXPECT_EQ(testsupport::ReadFileBytes(setup.card / "SCH01.DAT"), testsupport::ReadFileBytes(setup.other / "SCH01.DAT"));
}

}  // namespace
