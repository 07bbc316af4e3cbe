// SPDX-License-Identifier: GPL-3.0-or-later
// Seams of the file layer for tests and benchmarks. None of them does anything unless a
// test or benchmark sets it.
#pragma once

namespace kestro {

// Called before every operation that changes the disk. A test can throw from it to stop
// the program dead at the k-th change, as a crash or power cut would.
using FaultHook = void (*)();
void setFaultHook(FaultHook hook);
void beforeDiskChange();

// What a healthy disk never does: the POSIX file layer asks this before each of these
// system calls, and fails the call with the error code it returns. kShortTransfer
// instead makes a read or write move one byte, as a signal can.
enum class SystemCall {
    Open,
    Stat,
    Read,
    Write,
    Chmod,
    Flush,
    Close,
    Rename,
    Unlink,
    MakeFolder,
    Lock,
    List
};
inline constexpr int kShortTransfer = -1;
using CallFaultHook = int (*)(SystemCall call);
void setCallFaultHook(CallFaultHook hook);
int injectedFault(SystemCall call);  // 0 unless a test set a hook

// How often the file layer listed a folder (the Wine prefix's drives among them) and
// opened something, since the start.
struct FileLayerCounts {
    long listings = 0, driveListings = 0, opens = 0;
};
FileLayerCounts& fileLayerCounts();

}  // namespace kestro
