// SPDX-License-Identifier: GPL-3.0-or-later
// The small per-platform primitives the file layer is written over (platform_posix.cpp,
// platform_win.cpp). Below a folder that is open, nothing is reached through a link.
// Internal to the file layer.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "error.h"
#include "files.h"

namespace kestro::platform {

using Native = std::intptr_t;  // a file descriptor or a HANDLE
inline constexpr Native kNoHandle = -1;

// A folder as the primitives see it: its handle where the platform has one, and its path.
struct Place {
    Native folder;
    const std::filesystem::path& path;
};

// Opens a folder the player named; links on the way to it are followed.
Error openFolder(const std::filesystem::path& path, Native& folder);
// Opens (with `create`, first makes) the folder `name` inside `at`; never a link.
Error openChildFolder(Place at, const std::string& name, bool create, Native& folder);
// The names in a folder, "." and ".." aside.
Error listFolder(Place at, std::vector<std::string>& names);
// What `name` in `at` is, without following a link.
FileInfo infoOf(Place at, const std::string& name);
// Opens a plain file to read without blocking on a pipe; a link only with `follow`.
Error openRead(Place at, const std::string& name, bool follow, Native& file, FileInfo& info);
Error openReadPath(const std::filesystem::path& path, bool follow, Native& file, FileInfo& info);
// Creates a new file of its own in `at`, with `mode`, under the first name `nextName`
// gives that is not taken.
Error createUnique(Place at, const std::function<std::string()>& nextName, std::uint32_t mode,
                   Native& file, std::string& name);
// Reads or writes some bytes: how many, or -1 with `error` set. Interruptions are retried.
long long readSome(Native file, char* data, std::size_t size, Error& error);
long long writeSome(Native file, const char* data, std::size_t size, Error& error);
// Moves the place in a file (whence as for lseek: 0 start, 1 current, 2 end); -1 on failure.
long long seekFile(Native file, long long offset, int whence);
Error flushFile(Native file);
Error closeFile(Native file);
void closeQuietly(Native file);
// Renames `from` in `at` to `to` in `into`, replacing a file there.
Error renameEntry(Place at, const std::string& from, Place into, const std::string& to);
// As renameEntry, in one step: only where nothing is at `to` (AlreadyExists if something
// is), or, with `exchange`, swapping the two entries. False, with `error` untouched, where
// the system or its file system cannot; the caller then does without.
bool renameAtomically(Place at, const std::string& from, Place into, const std::string& to,
                      bool exchange, Error& error);
// Removes a file (never a folder; a link itself, not what it leads to).
Error removeEntry(Place at, const std::string& name);
// Removes an empty folder.
Error removeFolder(Place at, const std::string& name);
// Lets what is inside a folder about to be removed go: a folder its owner made read-only
// (as copies from a disc are) gets its owner's rights back. Never through a link.
void letGo(Place at, const std::string& name);
// Whether another file system, or another part of one, is mounted on this open folder.
bool isMountRoot(Place folder);
// Makes the folder's changes (names made, renamed, removed) reach the disk.
void syncFolder(Place at);
// Creates `name` if need be and takes an exclusive lock on it without waiting.
Error lockEntry(Place at, const std::string& name, Native& file);

}  // namespace kestro::platform
