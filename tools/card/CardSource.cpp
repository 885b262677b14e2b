#include "tools/card/CardSource.h"

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <span>

#include "core/cardjson/CardJson.h"
#include "core/text/CardWords.h"
#include "core/text/FileErrorText.h"
#include "tools/card/PendingWrite.h"

namespace cardtool {

using namespace core::cardjson;

void Complain(const std::string& command, const std::string& text) {
    std::cerr << "tavrel-card " << command << ": " << text << '\n';
}

std::optional<CardImage> CardOfFolder(const std::string& command, const std::string& folder) {
    SettleCard(command, folder);
    auto card = ReadCardImage(core::SystemFileSystem(), folder);
    if (card.ok()) return std::move(*card);
    Complain(command, core::FileErrorText(card.error().value_or(core::FileError(core::FileErrorCause::Generic, folder))));
    return std::nullopt;
}

namespace {

// Far larger than any card's document; a bigger file is not one, and is not read into memory.
constexpr std::uint64_t kLargestDocument = std::uint64_t{64} << 20;

// A path given in UTF-8 as the file system of this platform takes it.
std::filesystem::path NativePath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

std::optional<std::string> DocumentText(const std::string& command, const std::string& file) {
    const auto fail = [&](const std::optional<core::FileError>& error) -> std::optional<std::string> {
        Complain(command, core::FileErrorText(error.value_or(core::FileError(core::FileErrorCause::Generic, file))));
        return std::nullopt;
    };
    // Through the tool's own file layer: Windows gets the UTF-8 path right, and a document that
    // another program holds is reported as held, not as missing.
    auto opened = core::SystemFileSystem().Open(file, core::OpenMode::Read);
    if (!opened.ok()) return fail(opened.error());
    const auto length = (*opened)->Length();
    if (!length.ok()) return fail(length.error());
    if (*length > kLargestDocument) return fail(std::nullopt);
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

std::optional<CardImage> CardOfPath(const std::string& command, const std::string& path) {
    std::error_code ignored;
    if (std::filesystem::is_regular_file(NativePath(path), ignored)) return CardOfDocument(command, path);
    return CardOfFolder(command, path);
}

bool AnyUnreadable(const CardImage& card) {
    for (const auto& file : card.files) {
        if (file && file->state != core::CardFileState::Read && file->state != core::CardFileState::Absent) return true;
    }
    return false;
}

}  // namespace cardtool
