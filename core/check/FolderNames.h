#pragma once

#include <span>
#include <string>
#include <string_view>
#include <unordered_set>

namespace core {

// The names of the entries in a card folder, for finding music files the card lacks. The card's
// file system ignores case, so names match without regard to case (Latin, Greek, Cyrillic and
// full-width letters).
class FolderNames {
public:
    FolderNames() = default;
    // Names in UTF-8, as the file system lists them.
    explicit FolderNames(std::span<const std::string> names);

    void Add(std::string_view name);
    // True when `name` (UTF-16, as a music entry holds it) is in the folder.
    bool Contains(std::u16string_view name) const;

private:
    std::unordered_set<std::u32string> m_folded;
};

}  // namespace core
