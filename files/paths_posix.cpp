// SPDX-License-Identifier: GPL-3.0-or-later
// Linux and other POSIX systems: Windows paths mapped onto a case-sensitive file system,
// drive letters through the player's Wine prefix.
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <optional>

#include "names.h"
#include "paths.h"
#include "seams.h"

namespace kestro {
namespace fs = std::filesystem;
namespace {

bool entryExists(const fs::path& p) {
    struct stat st;
    return ::lstat(p.c_str(), &st) == 0;
}

// The entry of `folder` that is `name` when case is ignored: the exact name if it is
// there, else the first such entry in sorted order, so the choice is stable.
std::optional<std::string> findEntry(const fs::path& folder, const std::string& name) {
    if (entryExists(folder / name)) return name;
    ++fileLayerCounts().listings;
    std::optional<std::string> best;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (sameNameIgnoringCase(entry, name) && (!best || entry < *best)) best = std::move(entry);
    }
    return best;
}

std::vector<WineDrive> listDrives(const fs::path& prefix) {
    std::vector<WineDrive> drives;
    ++fileLayerCounts().listings;
    ++fileLayerCounts().driveListings;
    std::error_code ec;
    for (fs::directory_iterator it(prefix / "dosdevices", ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != 2 || name[1] != ':' ||
            !std::isalpha(static_cast<unsigned char>(name[0])))
            continue;
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
        // Two entries for one letter ("c:" and "C:"): the lower-case one, as Wine makes it.
        auto same = std::find_if(drives.begin(), drives.end(),
                                 [&](const WineDrive& d) { return d.letter == letter; });
        if (same == drives.end())
            drives.push_back({letter, it->path()});
        else if (name[0] == letter)
            same->entry = it->path();
    }
    std::sort(drives.begin(), drives.end(),
              [](const WineDrive& a, const WineDrive& b) { return a.letter < b.letter; });
    return drives;
}

}  // namespace

fs::path winePrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return prefix;
    if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".wine";
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir)
        return fs::path(pw->pw_dir) / ".wine";
    return {};
}

std::vector<WineDrive> wineDrives() {
    // A prefix does not change its drives while the program runs.
    static std::map<fs::path, std::vector<WineDrive>> listed;
    const fs::path prefix = winePrefix();
    auto it = listed.find(prefix);
    if (it == listed.end()) it = listed.emplace(prefix, listDrives(prefix)).first;
    return it->second;
}

Result<fs::path> resolvePath(std::string_view text) {
    const Result<WinPath> parsed = parseWinPath(text);
    if (!parsed.ok()) return parsed.error;
    fs::path path = "/";
    if (parsed.value.drive) {
        const std::vector<WineDrive> drives = wineDrives();
        const auto drive = std::find_if(drives.begin(), drives.end(), [&](const WineDrive& d) {
            return d.letter == parsed.value.drive;
        });
        struct stat st;
        if (drive == drives.end() || ::stat(drive->entry.c_str(), &st) != 0)
            return failure(ErrorCode::DriveMissing, std::string(text.substr(0, 2)));
        path = drive->entry;
    }
    bool matching = true;  // once a part is missing, the rest is new and kept as written
    for (const std::string& part : parsed.value.components) {
        if (matching) {
            if (auto entry = findEntry(path, part)) {
                path /= *entry;
                continue;
            }
            matching = false;
        }
        path /= part;
    }
    return path;
}

}  // namespace kestro
