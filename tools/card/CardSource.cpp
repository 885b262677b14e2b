#include "tools/card/CardSource.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "core/cardjson/CardJson.h"
#include "core/text/CardWords.h"
#include "core/text/FileErrorText.h"

namespace cardtool {

using namespace core::cardjson;

void Complain(const std::string& command, const std::string& text) {
    std::cerr << "tavrel-card " << command << ": " << text << '\n';
}

std::optional<CardImage> CardOfFolder(const std::string& command, const std::string& folder) {
    auto card = ReadCardImage(core::SystemFileSystem(), folder);
    if (card.ok()) return std::move(*card);
    Complain(command, core::FileErrorText(card.error().value_or(core::FileError(core::FileErrorCause::Generic, folder))));
    return std::nullopt;
}

std::optional<std::string> DocumentText(const std::string& command, const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        Complain(command, core::FileErrorText(core::FileError(core::FileErrorCause::FileNotFound, file)));
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
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
    if (std::filesystem::is_regular_file(path, ignored)) return CardOfDocument(command, path);
    return CardOfFolder(command, path);
}

bool AnyUnreadable(const CardImage& card) {
    for (const auto& file : card.files) {
        if (file && file->state != core::CardFileState::Read && file->state != core::CardFileState::Absent) return true;
    }
    return false;
}

}  // namespace cardtool
