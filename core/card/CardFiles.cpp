#include "core/card/CardFiles.h"

#include "core/dates/SpecialDateFile.h"
#include "core/fs/Path.h"
#include "core/schedule/ScheduleFile.h"

namespace core {

namespace {

struct KindInfo {
    const char* prefix;
    int programs;
};

KindInfo Info(CardFileKind kind) {
    switch (kind) {
    case CardFileKind::GeneralSchedule: return {"SCH", 4};
    case CardFileKind::SpecialSchedule: return {"SPSCH", 6};
    case CardFileKind::SpecialDates: break;
    }
    return {"SDATE", 6};
}

}  // namespace

int ProgramCount(CardFileKind kind) { return Info(kind).programs; }

bool HoldsTimers(CardFileKind kind) { return kind != CardFileKind::SpecialDates; }

std::uint64_t LargestValidSize(CardFileKind kind) { return HoldsTimers(kind) ? kMaxScheduleFileSize : kMaxDateFileSize; }

std::string CardFileName(CardFileKind kind, int program) {
    const int number = program + 1;
    std::string name = Info(kind).prefix;
    name += static_cast<char>('0' + number / 10);
    name += static_cast<char>('0' + number % 10);
    return name + ".DAT";
}

std::string CardFilePath(const std::string& folder, CardFileKind kind, int program) {
    return JoinPath(folder, CardFileName(kind, program));
}

const std::array<CardFileId, kCardFileCount>& AllCardFiles() {
    static const auto files = [] {
        std::array<CardFileId, kCardFileCount> all{};
        std::size_t at = 0;
        for (CardFileKind kind : kCardFileKinds) {
            for (int program = 0; program < ProgramCount(kind); ++program) all[at++] = {kind, program};
        }
        return all;
    }();
    return files;
}

std::size_t CardFileIndex(CardFileId id) {
    std::size_t at = 0;
    for (CardFileKind kind : kCardFileKinds) {
        if (kind == id.kind) break;
        at += static_cast<std::size_t>(ProgramCount(kind));
    }
    return at + static_cast<std::size_t>(id.program);
}

}  // namespace core
