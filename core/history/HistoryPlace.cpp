#include "core/history/HistoryPlace.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <system_error>

#include "core/fs/Path.h"
#include "core/history/Sha256.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace core::history {

namespace {

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

std::string UnderData(const std::string& dataFolder) {
    return JoinPath(JoinPath(dataFolder, "tavrel"), "history");
}

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

#ifdef _WIN32
std::string VolumeOf(const std::filesystem::path& folder) {
    wchar_t root[MAX_PATH + 1] = {};
    if (!GetVolumePathNameW(folder.wstring().c_str(), root, MAX_PATH)) return {};
    DWORD serial = 0;
    if (!GetVolumeInformationW(root, nullptr, 0, &serial, nullptr, nullptr, nullptr, 0)) return {};
    char text[16];
    std::snprintf(text, sizeof text, "%08lX", static_cast<unsigned long>(serial));
    return text;
}
#else
// The UUID udev lists for the block device that holds the folder; none for file systems on
// no such device (tmpfs, overlays, network shares).
std::string VolumeOf(const std::filesystem::path& folder) {
    struct stat held {};
    if (::stat(folder.c_str(), &held) != 0) return {};
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/disk/by-uuid", error)) {
        struct stat device {};
        if (::stat(entry.path().c_str(), &device) == 0 && S_ISBLK(device.st_mode) && device.st_rdev == held.st_dev) {
            return entry.path().filename().string();
        }
    }
    return {};
}
#endif

}  // namespace

std::optional<std::string> DefaultHistoryRoot() {
    if (auto chosen = Environment("TAVREL_HISTORY")) return chosen;
#ifdef _WIN32
    if (auto local = Environment("LOCALAPPDATA")) return UnderData(*local);
#else
    if (auto data = Environment("XDG_DATA_HOME")) return UnderData(*data);
    if (auto home = Environment("HOME")) return UnderData(JoinPath(JoinPath(*home, ".local"), "share"));
#endif
    return std::nullopt;
}

CardIdentity IdentifyCard(const std::string& folder) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(PathOf(folder), error);
    if (error) absolute = PathOf(folder);
    absolute = absolute.lexically_normal();
    std::string text = Utf8Of(absolute);
    while (text.size() > 1 && (text.back() == '/' || text.back() == '\\') && !text.ends_with(":\\")) text.pop_back();
    return {text, VolumeOf(absolute)};
}

std::string HistoryKey(const CardIdentity& card) {
    Sha256 hash;
    const std::string identity = card.volume + '\n' + card.folder;
    hash.Add({reinterpret_cast<const std::uint8_t*>(identity.data()), identity.size()});
    return hash.HexDigest().substr(0, 20);
}

}  // namespace core::history
