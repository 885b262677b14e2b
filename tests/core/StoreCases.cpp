#include "tests/core/StoreCases.h"

#include <sstream>

#include "tests/core/Samples.h"

namespace storecases {

using namespace samples;
using core::Status;

const char* StatusName(Status status) {
    switch (status) {
    case Status::Done: return "Done";
    case Status::OpenFailed: return "OpenFailed";
    case Status::IoFailed: return "IoFailed";
    case Status::ProgramFull: return "ProgramFull";
    case Status::TooManyMusicFiles: return "TooManyMusicFiles";
    case Status::MusicNameTooLong: return "MusicNameTooLong";
    case Status::TimerChanged: return "TimerChanged";
    case Status::FileTooLarge: return "FileTooLarge";
    }
    return "?";
}

Outcome From(const core::Result<core::Stored>& result) {
    return {result.ok(), result.status(), result.error(), result.ok() ? result->count : std::nullopt};
}

Outcome From(const core::Result<>& result) {
    return {result.ok(), result.status(), result.error(), std::nullopt};
}

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
    out << (outcome.ok ? "ok" : "failed") << " " << StatusName(outcome.status);
    if (outcome.error) {
        out << " cause " << static_cast<int>(outcome.error->cause()) << " path " << outcome.error->path();
    }
    if (outcome.count) out << " count " << *outcome.count;
    return out;
}

Snapshot TakeSnapshot(const testsupport::TempFolder& folder) {
    Snapshot files;
    for (const auto& name : folder.Entries()) {
        files[name] = testsupport::ReadFileBytes(folder / name).value_or(Bytes{});
    }
    return files;
}

void Lay(const testsupport::TempFolder& folder, const Snapshot& files) {
    for (const auto& [name, bytes] : files) testsupport::WriteFileBytes(folder / name, bytes);
}

std::string Summary(const Snapshot& files) {
    std::ostringstream out;
    for (const auto& [name, bytes] : files) {
        std::uint32_t hash = 2166136261u;  // FNV-1a
        for (auto b : bytes) hash = (hash ^ b) * 16777619u;
        out << name << ": " << bytes.size() << " bytes, " << std::hex << hash << std::dec << "; ";
    }
    return out.str();
}

std::string CaseName(const StoreCase& storeCase) { return storeCase.name; }

void PrintTo(const StoreCase& storeCase, std::ostream* out) { *out << storeCase.name; }

namespace {

using FS = core::FileSystem;
using Folder = testsupport::TempFolder;

const Bytes kTwoTimers = ProgramImage(1, {WeekdayMusic().stored, NoonRadio().stored});
const Bytes kOneTimer = ProgramImage(3, {PowerAt(6).stored});
const Bytes kEmptied = ProgramImage(1, {});
const Bytes kThreeDates = testbytes::Hex("01 01 0A 01 0C 19");

using Dates = std::vector<core::SpecialDate>;

}  // namespace

std::vector<StoreCase> WritingOperations() {
    const auto music3 = WeekdayMusic({u"1.mp3", u"二.mp3", u"three.wav"}).timer;
    const auto radio = NoonRadio().timer;
    return {
        {"CreateNewFile",
         {},
         "SCH01.DAT",
         [](FS& fs, const Folder& f) {
             return From(core::CreateScheduleFile(fs, f / "SCH01.DAT", 0, WeekdayMusic().timer));
         }},
        {"CreateOverProgram",
         {{"SCH01.DAT", kTwoTimers}},
         "SCH01.DAT",
         [](FS& fs, const Folder& f) {
             return From(core::CreateScheduleFile(fs, f / "SCH01.DAT", 2, PowerAt(7).timer));
         }},
        {"SaveToNewFile",
         {},
         "SCH01.DAT",
         [](FS& fs, const Folder& f) {
             return From(core::WriteTimer(fs, f / "SCH01.DAT", 0, 0, 0, PowerAt(7).timer));
         }},
        {"WriteOverForeignFile",
         {{"SCH01.DAT", testbytes::Hex("68 65 6C 6C 6F")}},
         "SCH01.DAT",
         [](FS& fs, const Folder& f) {
             return From(core::WriteTimer(fs, f / "SCH01.DAT", 0, 0, 0, PowerAt(7).timer));
         }},
        {"Append",
         {{"SCH01.DAT", kTwoTimers}},
         "SCH01.DAT",
         [music3](FS& fs, const Folder& f) { return From(core::AppendTimer(fs, f / "SCH01.DAT", music3)); }},
        {"AppendToEmptiedProgram",
         {{"SCH01.DAT", kEmptied}},
         "SCH01.DAT",
         [radio](FS& fs, const Folder& f) { return From(core::AppendTimer(fs, f / "SCH01.DAT", radio)); }},
        {"Replace",
         {{"SCH01.DAT", kTwoTimers}},
         "SCH01.DAT",
         [music3](FS& fs, const Folder& f) {
             return From(core::ReplaceTimer(fs, f / "SCH01.DAT", 0, music3));
         }},
        {"WriteReplacing",
         {{"SCH01.DAT", kTwoTimers}},
         "SCH01.DAT",
         [](FS& fs, const Folder& f) {
             return From(core::WriteTimer(fs, f / "SCH01.DAT", 1, 2, 1, PowerAt(9).timer));
         }},
        {"DeleteFirstOfTwo",
         {{"SCH01.DAT", kTwoTimers}},
         "SCH01.DAT",
         [](FS& fs, const Folder& f) { return From(core::DeleteTimer(fs, f / "SCH01.DAT", 0)); }},
        {"DeleteOnly",
         {{"SCH01.DAT", kOneTimer}},
         "SCH01.DAT",
         [](FS& fs, const Folder& f) { return From(core::DeleteTimer(fs, f / "SCH01.DAT", 0)); }},
        {"CopyOverProgram",
         {{"SCH01.DAT", kTwoTimers}, {"SCH02.DAT", kOneTimer}},
         "SCH02.DAT",
         [](FS& fs, const Folder& f) {
             return From(core::CopyScheduleFile(fs, f / "SCH01.DAT", f / "SCH02.DAT"));
         }},
        {"CopyToNewFile",
         {{"SCH01.DAT", kTwoTimers}},
         "SCH03.DAT",
         [](FS& fs, const Folder& f) {
             return From(core::CopyScheduleFile(fs, f / "SCH01.DAT", f / "SCH03.DAT"));
         }},
        {"WriteDatesOverDates",
         {{"SDATE01.DAT", kThreeDates}},
         "SDATE01.DAT",
         [](FS& fs, const Folder& f) {
             return From(
                 core::WriteDateFile(fs, f / "SDATE01.DAT", Dates{{2, 14}, {5, 1}, {2, 30}, {12, 31}}));
         }},
        {"WriteDatesToNewFile",
         {},
         "SDATE02.DAT",
         [](FS& fs, const Folder& f) {
             return From(core::WriteDateFile(fs, f / "SDATE02.DAT", Dates{{1, 1}, {10, 1}, {12, 25}}));
         }},
        {"WriteNoDates",
         {{"SDATE01.DAT", kThreeDates}},
         "SDATE01.DAT",
         [](FS& fs, const Folder& f) { return From(core::WriteDateFile(fs, f / "SDATE01.DAT", Dates{})); }},
    };
}

}  // namespace storecases
