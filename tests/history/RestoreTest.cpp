// Putting a card file back as the history kept it: one entry undone, or the whole card as it
// was at a moment; an import recorded file by file.
#include <gtest/gtest.h>

#include <filesystem>

#include "HistoryFixture.h"
#include "tests/support/SpecialFiles.h"
#include "core/cardjson/CardImage.h"
#include "core/fs/Path.h"
#include "core/cardjson/ImportCard.h"
#include "core/editing/ScheduleEditor.h"
#include "core/history/Restore.h"

namespace historytest {
namespace {

using core::history::Command;

TEST(Restore, UndoingAProgramCopyGivesTheFullProgramBackByteForByte) {
    CardOnDisk disk;
    const Bytes full = ProgramBytes(1, 22);
    testsupport::WriteFileBytes(disk.Path("SCH01.DAT"), ProgramBytes(0, 4));
    testsupport::WriteFileBytes(disk.Path("SCH02.DAT"), full);
    core::ScheduleEditor editor(core::kGeneralSchedule, core::SystemFileSystem(), disk.recorder);
    editor.ChooseFolder(disk.card.path());
    core::ScheduleInput input;
    input.saveFolder = disk.card.path();
    input.copySource = 0;
    input.copyTarget = 1;
    ASSERT_FALSE(editor.CopyProgram(input).fileError);
    ASSERT_EQ(disk.FileBytes("SCH02.DAT"), ProgramBytes(0, 4));

    const auto entries = disk.Entries();
    ASSERT_EQ(entries.size(), 1u);
    auto history = disk.History();
    ASSERT_TRUE(core::history::RestoreStepTo(disk.recorder, history, disk.card.path(),
                                             core::history::StepUndoing(entries[0]))
                    .ok());
    EXPECT_EQ(disk.FileBytes("SCH02.DAT"), full);
    EXPECT_EQ(disk.card.Entries(), (std::vector<std::string>{"SCH01.DAT", "SCH02.DAT"})) << "nothing else on the card";

    // The restore is an entry of its own, so it can be undone in turn.
    const auto after = disk.Entries();
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0].command, Command::Restore);
    EXPECT_EQ(disk.Kept(after[0].before), ProgramBytes(0, 4));
    EXPECT_EQ(disk.Kept(after[0].after), full);
}

TEST(Restore, ADamagedKeptContentWritesNothing) {
    CardOnDisk disk;
    testsupport::WriteFileBytes(disk.Path("SDATE01.DAT"), {1, 1});
    disk.Write("SDATE01.DAT", {2, 2}, Command::SaveDates);
    const auto entry = disk.Entries().at(0);
    testsupport::WriteFileBytes(core::JoinPath(core::JoinPath(disk.History().Folder(), "objects"), entry.before->sha256),
                                {9, 9});
    auto history = disk.History();
    EXPECT_FALSE(core::history::RestoreStepTo(disk.recorder, history, disk.card.path(),
                                              core::history::StepUndoing(entry))
                     .ok());
    EXPECT_EQ(disk.FileBytes("SDATE01.DAT"), (Bytes{2, 2}));
}

TEST(Restore, AnEntryNamingNoCardFileIsNeverWritten) {
    core::history::Entry entry;
    for (const char* name : {"../SCH01.DAT", "SCH05.DAT", "sch01.dat", "SCH01.DAT/x", ""}) {
        entry.file = name;
        EXPECT_FALSE(core::history::CardFileOfEntry(entry)) << name;
    }
    entry.file = "SPSCH06.DAT";
    EXPECT_TRUE(core::history::CardFileOfEntry(entry));
}

TEST(Restore, TheCardAtAMomentTakesEachFilesLastVersionBeforeIt) {
    using core::history::Entry;
    using core::history::Version;
    const Version v1{std::string(64, '1'), 1}, v2{std::string(64, '2'), 2}, v3{std::string(64, '3'), 3};
    const std::vector<Entry> entries = {
        {4, 400, "SCH01.DAT", Command::SaveTimer, v2, v3},
        {3, 300, "SDATE01.DAT", Command::SaveDates, std::nullopt, v1},
        {2, 200, "SCH01.DAT", Command::SaveTimer, v1, v2},
        {1, 100, "SCH02.DAT", Command::CopyProgram, v3, v1},
    };
    const auto steps = core::history::StepsToMoment(entries, 250);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].name, "SCH01.DAT");
    EXPECT_EQ(steps[0].content, v2) << "after its last entry before the moment";
    EXPECT_EQ(steps[1].name, "SCH02.DAT");
    EXPECT_EQ(steps[1].content, v1);
    EXPECT_EQ(steps[2].name, "SDATE01.DAT");
    EXPECT_EQ(steps[2].content, std::nullopt) << "before its first entry, after the moment: it did not exist";
    EXPECT_EQ(core::history::StepsToMoment(entries, 50)[0].content, v1);
}

TEST(ImportHistory, EachFileWrittenIsOneEntry) {
    CardOnDisk disk;
    testsupport::WriteFileBytes(disk.Path("SCH01.DAT"), ProgramBytes(0, 3));
    testsupport::WriteFileBytes(disk.Path("SDATE02.DAT"), {3, 3});
    // A document of another card: SCH01 with one timer, SDATE02 as it is, SPSCH01 new.
    CardOnDisk other;
    testsupport::WriteFileBytes(other.Path("SCH01.DAT"), ProgramBytes(0, 1));
    testsupport::WriteFileBytes(other.Path("SDATE02.DAT"), {3, 3});
    testsupport::WriteFileBytes(other.Path("SPSCH01.DAT"), ProgramBytes(0, 2));
    const auto image = core::cardjson::ReadCardImage(core::SystemFileSystem(), other.card.path());
    ASSERT_TRUE(image.ok());

    const auto report = core::cardjson::ImportCard(core::SystemFileSystem(), disk.card.path(), *image, false, &disk.recorder);
    ASSERT_FALSE(report.failure);
    EXPECT_FALSE(report.noHistoryCopy);
    const auto entries = disk.Entries();
    ASSERT_EQ(entries.size(), 2u);
    for (const auto& entry : entries) {
        EXPECT_EQ(entry.command, Command::Import);
        EXPECT_EQ(disk.Kept(entry.after), disk.FileBytes(entry.file));
    }
    EXPECT_EQ(entries[1].file, "SCH01.DAT");
    EXPECT_EQ(disk.Kept(entries[1].before), ProgramBytes(0, 3));
    EXPECT_EQ(entries[0].file, "SPSCH01.DAT");
    EXPECT_FALSE(entries[0].before);
}

#ifndef _WIN32

// Undoes the card's last write of SCH02.DAT, which was `bytes` over what it held before.
core::Result<> UndoWriteOfSecondProgram(CardOnDisk& disk, const Bytes& bytes) {
    disk.Write("SCH02.DAT", bytes, Command::SaveTimer);
    const auto entries = disk.Entries();
    EXPECT_EQ(entries.size(), 1u);
    auto history = disk.History();
    return core::history::RestoreStepTo(disk.recorder, history, disk.card.path(),
                                        core::history::StepUndoing(entries.at(0)));
}

TEST(Restore, WritesThroughALinkAndKeepsIt) {
    CardOnDisk disk;
    testsupport::TempFolder kept;
    const Bytes full = ProgramBytes(1, 22);
    testsupport::WriteFileBytes(kept / "SCH02", full);
    std::filesystem::create_symlink(testsupport::NativePath(kept / "SCH02"), testsupport::NativePath(disk.Path("SCH02.DAT")));

    ASSERT_TRUE(UndoWriteOfSecondProgram(disk, ProgramBytes(1, 2)).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(testsupport::NativePath(disk.Path("SCH02.DAT"))));
    EXPECT_EQ(testsupport::ReadFileBytes(kept / "SCH02"), full);
    EXPECT_EQ(kept.Entries(), std::vector<std::string>{"SCH02"});
}

// A pipe put where the file was is refused at once, and stays.
TEST(Restore, RefusesAPipeWithoutWaitingOnIt) {
    CardOnDisk disk;
    testsupport::WriteFileBytes(disk.Path("SCH02.DAT"), ProgramBytes(1, 3));
    disk.Write("SCH02.DAT", ProgramBytes(1, 2), Command::SaveTimer);
    const auto entries = disk.Entries();
    ASSERT_EQ(entries.size(), 1u);
    const std::string pipe = disk.Path("SCH02.DAT");
    std::filesystem::remove(testsupport::NativePath(pipe));
    ASSERT_TRUE(testsupport::MakePipe(pipe));

    auto history = disk.History();
    const auto restored = testsupport::WithoutWaitingOn(pipe, [&] {
        return core::history::RestoreStepTo(disk.recorder, history, disk.card.path(),
                                            core::history::StepUndoing(entries[0]));
    });
    ASSERT_TRUE(restored);
    ASSERT_FALSE(restored->ok());
    EXPECT_EQ(*restored->error(), core::FileError(core::FileErrorCause::NotRegularFile, pipe));
    EXPECT_EQ(std::filesystem::symlink_status(testsupport::NativePath(pipe)).type(), std::filesystem::file_type::fifo);
}

#endif  // !_WIN32

}  // namespace
}  // namespace historytest
