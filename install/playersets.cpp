// SPDX-License-Identifier: GPL-3.0-or-later
#include "playersets.h"

#include <algorithm>
#include <filesystem>
#include <random>

#include "fileops.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;

// Temporary folders of an add or a remove under way; only the holder of the sets
// folder's lock makes them, so a leftover one is tidied under that lock.
constexpr std::string_view kAdding = ".adding-", kRemoving = ".removing-";
constexpr std::string_view kLockFile = ".lock";
// How far into a folder a set's files are looked for, and how many entries at most:
// a set is small, and the player may pick a big folder by mistake.
constexpr int kFolderDepth = 6;
constexpr int kFolderEntries = 20000;

std::string randomSuffix() {
    std::random_device random;
    const auto value = (static_cast<unsigned long long>(random()) << 32) ^ random();
    std::string hex = "0123456789abcdef", suffix;
    for (int i = 0; i < 12; ++i) suffix += hex[(value >> (4 * i)) & 15];
    return suffix;
}

std::string fileList(const SetContents& contents) {
    std::string names;
    for (size_t slot = 0; slot < kSetFileNames.size(); ++slot)
        if (contents.files[slot])
            names += (names.empty() ? "" : ", ") + std::string(kSetFileNames[slot]);
    return names;
}

// The sets folder, made if need be and locked; tidies what an add or a remove cut
// short left behind.
struct LockedSets {
    Resolved root;
    FileLock lock;
    SetResult problem{true, {}};

    explicit LockedSets(const std::string& playerSets) : root(resolvePath(playerSets)) {
        std::error_code ec;
        if (root.ok()) fs::create_directories(root.path, ec);
        if (!root.ok() || ec ||
            fs::symlink_status(root.path, ec).type() != fs::file_type::directory) {
            problem =
                refuse("The folder for your channel sets, \"" + playerSets + "\", cannot be made.");
            return;
        }
        if (const FileResult locked = lock.lock(playerSets + "/" + std::string(kLockFile));
            !locked.ok()) {
            problem =
                refuse(locked.error == FileError::Locked
                           ? "KESTRO is adding or removing a channel set already."
                           : "Your channel sets cannot be changed: " + describe(locked) + ".");
            return;
        }
        for (fs::directory_iterator it(root.path, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = utf8Text(it->path().filename());
            std::error_code ignored;
            if (name.starts_with(kAdding) || name.starts_with(kRemoving))
                fs::remove_all(it->path(), ignored);
        }
    }
};

}  // namespace

SetResult readSetFolder(const std::string& path, SetContents& contents) {
    const Resolved root = resolvePath(path);
    std::error_code ec;
    fs::recursive_directory_iterator it(root.ok() ? root.path : fs::path(), ec), end;
    if (!root.ok() || ec) return refuse("The folder \"" + path + "\" cannot be read.");
    for (int seen = 0; it != end; it.increment(ec)) {
        if (ec) return refuse("The folder \"" + path + "\" cannot be read: " + ec.message() + ".");
        if (++seen > kFolderEntries)
            return refuse("The folder \"" + path + "\" holds too many files to be a channel set.");
        if (it.depth() >= kFolderDepth) it.disable_recursion_pending();
        const std::string name = utf8Text(it->path().filename());
        const auto found = setFileSlot(name);
        if (!found) continue;
        const size_t slot = *found;
        std::error_code kindError;
        if (it->symlink_status(kindError).type() != fs::file_type::regular) {
            ++contents.passedOver;
            continue;
        }
        if (contents.files[slot])
            return refuse("The folder holds " + std::string(kSetFileNames[slot]) +
                          " more than once; keep the one you want and try again.");
        std::string data;
        const FileResult read = readSmallFile(utf8Text(it->path()), kMaxSetFileSize, data);
        if (read.error == FileError::FileTooLarge)
            return refuse(utf8Text(it->path()) +
                          " is larger than 64 MiB; no channel file is that big.");
        if (!read.ok())
            return refuse(utf8Text(it->path()) + " cannot be read: " + describe(read) + ".");
        if ((contents.total += data.size()) > kMaxSetSize)
            return refuse("The set's files come to more than 256 MiB.");
        contents.files[slot] = std::move(data);
    }
    return {true, {}};
}

std::string defaultSetName(std::string_view source) {
    while (!source.empty() && (source.back() == '/' || source.back() == '\\'))
        source.remove_suffix(1);
    std::string name(source.substr(source.find_last_of("/\\") + 1));
    for (const std::string_view kind : {".zip", ".rar", ".7z"})
        if (name.size() > kind.size() &&
            sameNameIgnoringCase(std::string_view(name).substr(name.size() - kind.size()), kind))
            name.resize(name.size() - kind.size());
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return name;
}

SetResult addChannelSet(const std::string& playerSets, const std::string& source,
                        const std::string& name) {
    if (std::string why = setNameProblem(name); !why.empty()) return refuse(std::move(why));
    SetContents contents;
    const Resolved from = resolvePath(source);
    std::error_code ec;
    const fs::file_type kind = from.ok() ? fs::status(from.path, ec).type() : fs::file_type::none;
    SetResult read = kind == fs::file_type::directory ? readSetFolder(source, contents)
                     : kind == fs::file_type::regular
                         ? readSetArchiveFile(source, contents)
                         : refuse("\"" + source + "\" is neither a folder nor an archive.");
    if (!read.ok) return read;
    if (std::none_of(contents.files.begin(), contents.files.begin() + kGameFiles.size(),
                     [](const auto& file) { return file.has_value(); }))
        return refuse("\"" + source +
                      "\" holds none of the game's channel files: Misc16.fsh, misc8.fsh, "
                      "popups.abg or popups.big, at its top or under DATA/ENVIRO and "
                      "DATA/POPUPS." +
                      (contents.passedOver ? " Some entries of that name were passed over: links, "
                                             "devices, encrypted files or paths with \"..\"."
                                           : ""));

    LockedSets sets(playerSets);
    if (!sets.problem.ok) return sets.problem;
    const fs::path target = sets.root.path / utf8Path(name);
    if (fs::symlink_status(target, ec).type() != fs::file_type::not_found)
        return refuse("You already have a channel set named " + name +
                      ". Remove it first, or give this one another name.");
    const std::string temporary = std::string(kAdding) + randomSuffix();
    const fs::path folder = sets.root.path / temporary;
    if (!fs::create_directory(folder, ec) || ec)
        return refuse("The set cannot be written into \"" + playerSets + "\": " + ec.message() +
                      ".");
    for (size_t slot = 0; slot < kSetFileNames.size(); ++slot) {
        if (!contents.files[slot]) continue;
        const FileResult written =
            writeWholeFile(playerSets + "/" + temporary + "/" + std::string(kSetFileNames[slot]),
                           *contents.files[slot]);
        if (!written.ok()) {
            fs::remove_all(folder, ec);
            return refuse("The set cannot be written into \"" + playerSets +
                          "\": " + describe(written) + ".");
        }
    }
    fs::rename(folder, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
        return refuse("The set cannot be written into \"" + playerSets + "\": " + ec.message() +
                      ".");
    }
    std::string done = "The channel set " + name + " was added, with " + fileList(contents) + ".";
    if (findChannel(name))
        done += " It takes the place of the " + name + " set that came with KESTRO.";
    if (contents.passedOver)
        done += " Passed over: " + std::to_string(contents.passedOver) +
                " entries that were links, devices, encrypted, or had \"..\" in their path.";
    return {true, done};
}

SetResult removeChannelSet(const std::string& playerSets, const std::string& name) {
    if (std::string why = setNameProblem(name); !why.empty()) return refuse(std::move(why));
    LockedSets sets(playerSets);
    if (!sets.problem.ok) return sets.problem;
    const fs::path target = sets.root.path / utf8Path(name);
    std::error_code ec;
    if (fs::symlink_status(target, ec).type() != fs::file_type::directory)
        return refuse("You have no channel set named " + name + ".");
    // Out of the list in one step, then deleted; a remove cut short is tidied next time.
    const fs::path gone = sets.root.path / (std::string(kRemoving) + randomSuffix());
    fs::rename(target, gone, ec);
    if (ec) return refuse("The channel set " + name + " cannot be removed: " + ec.message() + ".");
    fs::remove_all(gone, ec);
    return {true,
            "The channel set " + name + " was removed." +
                (findChannel(name) ? " The " + name + " set that came with KESTRO is back." : "")};
}

}  // namespace kestro
