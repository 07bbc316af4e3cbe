// The game's own files, kept before an install first replaces them, and put back on
// request. They live in "KESTRO backup" inside the game folder, under the same
// relative paths; files an install created where the game had none are listed in a
// small manifest there, so that a restore can remove them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "fileops.h"

namespace kestro {

inline constexpr std::string_view kBackupFolder = "\\KESTRO backup";
inline constexpr std::string_view kCreatedManifest = "\\KESTRO backup\\created.txt";

// Before `step` replaces its game file: keeps the game's own version once (never
// over an earlier backup, never a file that is one of the channels' own), or notes
// that the install creates the file. A failure means the file must not be replaced.
FileResult keepOriginal(const std::string& gameFolder, const std::string& programFolder,
                        std::string_view destination);

struct RestoreOutcome {
    std::string file;  // relative to the game folder, begins with '\'
    enum class Action { Restored, Removed } action;
    FileResult result;
};

// Whether anything is kept or listed to restore.
bool hasOriginals(const std::string& gameFolder);

// Puts every kept original back with the same safe replacement as an install and
// removes the files installs created. A backup is deleted only once its file is back.
std::vector<RestoreOutcome> restoreOriginals(const std::string& gameFolder);

// The channel whose files the game folder holds now, or nullptr. Only files whose
// sizes match are read.
const Channel* installedChannel(const std::string& gameFolder, const std::string& programFolder);

}  // namespace kestro
