#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace core::history {

// Where the histories of all cards are kept on this computer: the folder TAVREL_HISTORY names,
// otherwise "tavrel/history" in the platform's per-user data folder ($XDG_DATA_HOME, else
// ~/.local/share, on Linux; %LOCALAPPDATA% on Windows). None when the environment names no such
// folder at all.
std::optional<std::string> DefaultHistoryRoot();

// What tells one card from another: its folder's absolute path and the volume it lies on.
struct CardIdentity {
    std::string folder;  // absolute, without a trailing separator
    std::string volume;  // the file system's UUID (Linux) or serial (Windows); empty when unknown
};

// The identity of the card in `folder` as this computer sees it now.
CardIdentity IdentifyCard(const std::string& folder);

// The name of the card's own folder in the history root: a hash of its identity, so any path
// gives a plain name and two cards mounted at one place keep apart.
std::string HistoryKey(const CardIdentity& card);

// The size cap of one card's history when its settings name none.
inline constexpr std::uint64_t kDefaultCapBytes = 256ull << 20;

}  // namespace core::history
