#include "core/cardjson/ImportCard.h"

#include <memory>

#include "core/cardjson/CardJson.h"
#include "core/fs/AtomicReplace.h"
#include "core/history/MultiFileWrite.h"

namespace core::cardjson {

namespace {

// A file to write, held from before the first write until its own.
struct Target {
    CardFileId id{};
    std::string path;
    std::vector<std::uint8_t> bytes;
    std::unique_ptr<File> held;  // none when the file does not exist yet
};

// Whether the held file already holds exactly `bytes`.
Result<bool> HoldsSame(File& held, const std::vector<std::uint8_t>& bytes) {
    const auto length = held.Length();
    if (!length.ok()) return length.failure();
    if (*length != bytes.size()) return false;
    if (auto seek = held.Seek(0); !seek.ok()) return seek.failure();
    std::vector<std::uint8_t> now(bytes.size());
    const auto got = ReadFully(held, now);
    if (!got.ok()) return got.failure();
    return *got == bytes.size() && now == bytes;
}

}  // namespace

ImportReport ImportCard(FileSystem& fs, const std::string& folder, const CardImage& card, bool dryRun,
                        history::WriteRecorder* recorder) {
    std::optional<history::WriteRecorder> ownRecorder;
    if (!recorder) recorder = &ownRecorder.emplace(SystemFileSystem());
    ImportReport report;
    recorder->SettlePending(folder);
    std::vector<Target> targets;
    for (const auto& file : card.files) {
        if (!file) continue;
        if (file->state != CardFileState::Read) {
            const bool absent = file->state == CardFileState::Absent;
            report.files.push_back({file->id, absent ? ImportOutcome::LeftAbsent : ImportOutcome::LeftUnreadable});
            continue;
        }
        Target target{file->id, CardFilePath(folder, file->id.kind, file->id.program), EncodeFile(*file), nullptr};
        auto held = HoldToReplace(fs, target.path, LargestValidSize(file->id.kind));
        if (!held.ok()) return {{}, held.failure()};
        target.held = std::move(*held);
        targets.push_back(std::move(target));
    }

    std::vector<ImportedFile> changes;
    for (Target& target : targets) {
        bool same = false;
        if (target.held) {
            const auto compared = HoldsSame(*target.held, target.bytes);
            if (!compared.ok()) return {{}, compared.failure()};
            same = *compared;
        }
        changes.push_back({target.id, same ? ImportOutcome::Unchanged
                                           : (dryRun ? ImportOutcome::WouldWrite : ImportOutcome::Written)});
    }
    std::vector<history::FileWrite> writes;
    for (std::size_t k = 0; k < targets.size(); ++k) {
        if (changes[k].outcome == ImportOutcome::Written) {
            writes.push_back({targets[k].path, std::move(targets[k].bytes), std::move(targets[k].held)});
        }
    }
    const auto written =
        history::WriteAllOrNothing(*recorder, fs, folder, history::Command::Import, std::move(writes));
    report.failure = written.failure;
    std::size_t done = 0;
    for (ImportedFile change : changes) {
        if (change.outcome == ImportOutcome::Written) {
            if (done++ == written.written && written.failure) break;
            if (written.rolledBack) change.outcome = ImportOutcome::RolledBack;
        }
        report.files.push_back(change);
    }
    report.settled = recorder->TakeSettlements();
    report.noHistoryCopy = recorder->TakeMissedCopy();
    std::stable_sort(report.files.begin(), report.files.end(), [](const ImportedFile& a, const ImportedFile& b) {
        return CardFileIndex(a.id) < CardFileIndex(b.id);
    });
    return report;
}

DocumentImport ImportDocument(FileSystem& fs, const std::string& folder, std::string_view text, bool dryRun,
                              history::WriteRecorder* recorder) {
    const DecodedCard decoded = CardFromText(text);
    if (decoded.error) return {decoded.error, {}};
    return {std::nullopt, ImportCard(fs, folder, decoded.card, dryRun, recorder)};
}

}  // namespace core::cardjson
