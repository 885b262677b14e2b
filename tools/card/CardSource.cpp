#include "tools/card/CardSource.h"

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <new>
#include <span>

#include "core/cardjson/CardJson.h"
#include "core/text/CardWords.h"
#include "core/text/FileErrorText.h"
#include "tools/card/PendingWrite.h"
#include "tools/card/Commands.h"

namespace cardtool {

using namespace core::cardjson;

namespace {

std::string& WorkingOn() {
    static std::string path;
    return path;
}

}  // namespace

ToolContext& Context() {
    static ToolContext context;
    return context;
}

void NoteWorkingOn(const std::string& path) { WorkingOn() = path; }

void RunGuarded(const std::string& command, int& exitCode, const std::function<void()>& work) {
    NoteWorkingOn("");
    const auto stopped = [&](const std::string& why) {
        const std::string& file = WorkingOn();
        Complain(command, file.empty() ? why : file + ": " + why);
        exitCode = kExitFailed;
    };
    try {
        work();
    } catch (const std::bad_alloc&) {
        stopped(std::string(core::CardWord("tool.out-of-memory")));
    } catch (const std::exception& e) {
        stopped(std::string(core::CardWord("tool.unexpected")) + e.what());
    }
}

std::string WithValue(std::string_view what, const std::string& value) {
    std::string text(what);
    if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, value);
    return text;
}

void Complain(const std::string& command, const std::string& text) {
    std::cerr << "tavrel-card " << command << ": " << text << '\n';
}

void ComplainOf(const std::string& command, const std::optional<core::FileError>& error, const std::string& path) {
    Complain(command, core::FileErrorText(error.value_or(core::FileError(core::FileErrorCause::Generic, path))));
}

bool FolderListed(const std::string& command, const std::string& folder) {
    NoteWorkingOn(folder);
    const auto listed = Context().fs->ListFolder(folder);
    if (listed.ok()) {
        SettleCard(command, folder);
        return true;
    }
    ComplainOf(command, listed.error(), folder);
    return false;
}

namespace {

// A path given in UTF-8 as the file system of this platform takes it.
std::filesystem::path NativePath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

std::optional<std::string> DocumentText(const std::string& command, const std::string& file) {
    const auto fail = [&](const std::optional<core::FileError>& error) -> std::optional<std::string> {
        ComplainOf(command, error, file);
        return std::nullopt;
    };
    NoteWorkingOn(file);
    // Through the tool's own file layer: Windows gets the UTF-8 path right, and a document that
    // another program holds is reported as held, not as missing.
    auto opened = Context().fs->Open(file, core::OpenMode::Read);
    if (!opened.ok()) return fail(opened.error());
    const auto length = (*opened)->Length();
    if (!length.ok()) return fail(length.error());
    // Import reads a document whole: a larger one is not read into memory at all.
    if (*length > Context().largestDocument) {
        Complain(command, file + ": " +
                              WithValue(core::CardWord("problem.too-large"), std::to_string(Context().largestDocument)));
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(*length), '\0');
    const auto read = core::ReadFully(**opened, std::span(reinterpret_cast<std::uint8_t*>(text.data()), text.size()));
    if (!read.ok()) return fail(read.error());
    text.resize(*read);
    return text;
}

void ComplainAbout(const std::string& command, const std::string& file, const DocumentError& e) {
    std::string where = e.pointer.empty() ? file : e.pointer;
    if (const std::string words = PlaceWords(e.pointer); !words.empty()) where += ": " + words;
    Complain(command, where + ": " + std::string(core::CardWord("problem." + e.problem)));
}

std::optional<CardImage> CardOfDocument(const std::string& command, const std::string& file) {
    const auto text = DocumentText(command, file);
    if (!text) return std::nullopt;
    DecodedCard decoded = CardFromText(*text);
    if (!decoded.error) return std::move(decoded.card);
    ComplainAbout(command, file, *decoded.error);
    return std::nullopt;
}

bool IsDocumentFile(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(NativePath(path), ignored);
}

bool AnyUnreadable(const CardImage& card) {
    for (const auto& file : card.files) {
        if (file && file->state != core::CardFileState::Read && file->state != core::CardFileState::Absent) return true;
    }
    return false;
}

}  // namespace cardtool
