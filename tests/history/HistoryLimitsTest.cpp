// What the history does at its limits: nowhere to write, a cap to keep, what killed writers left.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "HistoryFixture.h"
#include "core/fs/Path.h"
#include "support/FaultyFileSystem.h"

namespace historytest {
namespace {

using core::history::Command;
using core::history::WriteRecorder;

struct Unwritable {
    const char* name;
    // A recorder whose history cannot be written; `card` is the card's folder.
    std::function<void(const testsupport::TempFolder& card, std::function<void(WriteRecorder&)> use)> with;
};

const Unwritable kUnwritable[] = {
    {"RootUnderAFile",
     [](const testsupport::TempFolder& card, std::function<void(WriteRecorder&)> use) {
         testsupport::WriteFileBytes(card / "not-a-folder", {1});
         WriteRecorder recorder(core::SystemFileSystem(), core::JoinPath(card / "not-a-folder", "history"));
         use(recorder);
     }},
    {"FullDisk",
     [](const testsupport::TempFolder&, std::function<void(WriteRecorder&)> use) {
         testsupport::TempFolder root;
         testsupport::FaultyFileSystem full;
         full.LimitSpace(0);
         WriteRecorder recorder(core::SystemFileSystem(), root.path(), full);
         use(recorder);
     }},
    {"FailingMedium",
     [](const testsupport::TempFolder&, std::function<void(WriteRecorder&)> use) {
         testsupport::TempFolder root;
         testsupport::FaultyFileSystem failing;
         // The last rename: the entry, after both contents were kept.
         failing.FailCall(3, core::FileErrorCause::HardIO, testsupport::IoCall::Rename);
         WriteRecorder recorder(core::SystemFileSystem(), root.path(), failing);
         use(recorder);
     }},
    {"NoPlaceAtAll",
     [](const testsupport::TempFolder&, std::function<void(WriteRecorder&)> use) {
         WriteRecorder recorder(core::SystemFileSystem(), std::nullopt);
         use(recorder);
     }},
};

class UnwritableHistory : public ::testing::TestWithParam<Unwritable> {};

TEST_P(UnwritableHistory, TheWriteGoesOnAndSaysOnceThatItHasNoCopy) {
    testsupport::TempFolder card;
    const std::string path = card / "SCH01.DAT";
    testsupport::WriteFileBytes(path, ProgramBytes(0, 2));
    GetParam().with(card, [&](WriteRecorder& recorder) {
        const Bytes content = ProgramBytes(0, 3);
        const auto written = recorder.Record(path, Command::SaveTimer, [&]() -> core::Result<> {
            testsupport::WriteFileBytes(path, content);
            return {};
        });
        EXPECT_TRUE(written.ok());
        EXPECT_EQ(testsupport::ReadFileBytes(path), content);
        EXPECT_TRUE(recorder.TakeMissedCopy());
        EXPECT_FALSE(recorder.TakeMissedCopy()) << "said once";
    });
}

INSTANTIATE_TEST_SUITE_P(Places, UnwritableHistory, ::testing::ValuesIn(kUnwritable),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HistoryCap, LetsTheOldestEntriesGoButNeverTheNewestVersionOfAFile) {
    CardOnDisk disk;
    // Each version of SCH01 is a little over 4 KiB; the cap holds about four of them.
    testsupport::WriteFileBytes(disk.root / "settings.json",
                                {'{', '"', 'c', 'a', 'p', '_', 'm', 'e', 'g', 'a', 'b', 'y', 't', 'e', 's', '"',
                                 ':', '0', '.', '0', '1', '6', '}'});
    ASSERT_EQ(disk.History().CapBytes(), static_cast<std::uint64_t>(0.016 * 1024 * 1024));
    disk.Write("SCH02.DAT", ProgramBytes(1, 1), Command::SaveTimer);  // the oldest, and SCH02's newest
    for (int timers = 1; timers <= 8; ++timers) disk.Write("SCH01.DAT", ProgramBytes(0, timers), Command::SaveTimer);

    const auto entries = disk.Entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.front().id, 9u) << "the newest entry stays";
    EXPECT_EQ(disk.Kept(entries.front().after), ProgramBytes(0, 8));
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(), [](const auto& e) { return e.file == "SCH02.DAT"; }))
        << "the only version of SCH02 stays, however old";
    // What stays is the newest run of entries: the ones that went are the oldest.
    std::vector<std::uint64_t> ids;
    for (const auto& entry : entries) {
        if (entry.file == "SCH01.DAT") ids.push_back(entry.id);
    }
    ASSERT_LT(ids.size(), 8u);
    for (std::size_t k = 0; k < ids.size(); ++k) EXPECT_EQ(ids[k], 9 - k);
    // Only the contents the entries name are still on disk.
    std::size_t named = 0;
    for (const auto& entry : entries) named += entry.before.has_value() + entry.after.has_value();
    const auto objects = core::SystemFileSystem().ListFolder(core::JoinPath(disk.History().Folder(), "objects"));
    ASSERT_TRUE(objects.ok());
    EXPECT_LE(objects->size(), named);
    for (const auto& entry : entries) EXPECT_EQ(disk.Kept(entry.after).has_value(), entry.after.has_value());
}

TEST(HistoryLeftovers, WhatAKilledWriterLeftIsIgnoredAndClearedByTheNextWrite) {
    CardOnDisk disk;
    disk.Write("SCH01.DAT", ProgramBytes(0, 1), Command::SaveTimer);
    disk.Write("SCH01.DAT", ProgramBytes(0, 2), Command::SaveTimer);
    const std::string folder = disk.History().Folder();
    const std::string entries = core::JoinPath(folder, "entries");
    const std::string objects = core::JoinPath(folder, "objects");
    // A writer killed half-way through an entry and a content, and an entry cut short.
    testsupport::WriteFileBytes(core::JoinPath(entries, "00000003.json.99999999-1.tavrel-tmp"), {'{'});
    testsupport::WriteFileBytes(core::JoinPath(objects, std::string(64, 'e') + ".99999999-2.tavrel-tmp"), {1, 2});
    testsupport::WriteFileBytes(core::JoinPath(entries, "00000004.json"), {'{', '"', 'i', 'd'});

    ASSERT_EQ(disk.Entries().size(), 2u);
    disk.Write("SCH01.DAT", ProgramBytes(0, 3), Command::SaveTimer);
    const auto after = disk.Entries();
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after.front().id, 5u) << "a damaged entry's id is not taken again";
    for (const std::string& gone : {core::JoinPath(entries, "00000003.json.99999999-1.tavrel-tmp"),
                                    core::JoinPath(objects, std::string(64, 'e') + ".99999999-2.tavrel-tmp")}) {
        EXPECT_FALSE(testsupport::ReadFileBytes(gone)) << gone;
    }
}

TEST(HistoryKey, TellsCardsApartByVolumeAndPath) {
    using core::history::HistoryKey;
    EXPECT_NE(HistoryKey({"/media/card", "1234-ABCD"}), HistoryKey({"/media/card", "5678-EF01"}));
    EXPECT_NE(HistoryKey({"/media/card", ""}), HistoryKey({"/media/card2", ""}));
    EXPECT_EQ(HistoryKey({"/media/card", "1234-ABCD"}), HistoryKey({"/media/card", "1234-ABCD"}));
    testsupport::TempFolder card;
    EXPECT_EQ(core::history::IdentifyCard(card.path()).folder, core::history::IdentifyCard(card.path() + "/").folder);
}

}  // namespace
}  // namespace historytest
