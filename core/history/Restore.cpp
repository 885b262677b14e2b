#include "core/history/Restore.h"

#include <map>

#include "core/fs/AtomicReplace.h"

namespace core::history {

std::optional<CardFileId> CardFileOfEntry(const Entry& entry) {
    for (const CardFileId id : AllCardFiles()) {
        if (CardFileName(id.kind, id.program) == entry.file) return id;
    }
    return std::nullopt;
}

RestoreStep StepUndoing(const Entry& entry) {
    RestoreStep step;
    step.file = CardFileOfEntry(entry).value_or(CardFileId{});
    step.name = entry.file;
    step.content = entry.before;
    return step;
}

std::vector<RestoreStep> StepsToMoment(const std::vector<Entry>& entries, std::int64_t moment) {
    // Per file: the last entry at or before the moment says what it held then (its after); with
    // none, the first entry after it (its before).
    std::map<std::size_t, const Entry*> lastBefore, firstAfter;
    for (const Entry& entry : entries) {
        const auto id = CardFileOfEntry(entry);
        if (!id) continue;
        const std::size_t index = CardFileIndex(*id);
        if (entry.unixMillis <= moment) {
            const Entry*& last = lastBefore[index];
            if (!last || entry.id > last->id) last = &entry;
        } else {
            const Entry*& first = firstAfter[index];
            if (!first || entry.id < first->id) first = &entry;
        }
    }
    std::vector<RestoreStep> steps;
    for (const CardFileId id : AllCardFiles()) {
        const std::size_t index = CardFileIndex(id);
        RestoreStep step{id, CardFileName(id.kind, id.program), std::nullopt, false};
        if (const auto found = lastBefore.find(index); found != lastBefore.end()) {
            step.content = found->second->after;
        } else if (const auto next = firstAfter.find(index); next != firstAfter.end()) {
            step.content = next->second->before;
        } else {
            continue;
        }
        steps.push_back(step);
    }
    return steps;
}

void MarkUnchanged(WriteRecorder& recorder, const std::string& cardFolder, std::vector<RestoreStep>& steps) {
    for (RestoreStep& step : steps) {
        const auto now = recorder.Before(CardFilePath(cardFolder, step.file.kind, step.file.program));
        step.unchanged = now.known && now.version == step.content;
    }
}

Result<> RestoreStepTo(WriteRecorder& recorder, CardHistory& history, const std::string& cardFolder,
                       const RestoreStep& step) {
    const std::string path = CardFilePath(cardFolder, step.file.kind, step.file.program);
    if (!step.content) return OpenFailure(FileError(FileErrorCause::FileNotFound, path));
    return recorder.Record(path, Command::Restore, [&]() -> Result<> {
        auto held = HoldToReplace(recorder.CardFiles(), path, LargestValidSize(step.file.kind));
        if (!held.ok()) return held.failure();
        const auto placed = ReplaceFileContents(
            recorder.CardFiles(), path, [&](File& out) {
                return history.ReadVersionInPieces(*step.content, [&out](std::span<const std::uint8_t> piece) {
                    return out.Write(piece);
                });
            },
            std::move(*held));
        if (!placed.ok()) return placed.failure();
        return {};
    });
}

MultiWriteResult RestoreStepsTo(WriteRecorder& recorder, CardHistory& history, const std::string& cardFolder,
                                const std::vector<RestoreStep>& steps) {
    const auto refused = [](Failure failure) {
        MultiWriteResult result;
        result.failure = std::move(failure);
        return result;
    };
    std::vector<FileWrite> writes;
    for (const RestoreStep& step : steps) {
        if (step.unchanged || !step.content) continue;
        const std::string path = CardFilePath(cardFolder, step.file.kind, step.file.program);
        auto bytes = history.ReadVersion(*step.content);
        if (!bytes.ok()) return refused(bytes.failure());
        auto held = HoldToReplace(recorder.CardFiles(), path, LargestValidSize(step.file.kind));
        if (!held.ok()) return refused(held.failure());
        writes.push_back({path, std::move(*bytes), std::move(*held)});
    }
    return WriteAllOrNothing(recorder, recorder.CardFiles(), cardFolder, Command::Restore, std::move(writes));
}

}  // namespace core::history
