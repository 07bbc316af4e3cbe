// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for reading a channel set out of an archive: whatever bytes a
// download holds, reading never crashes or hangs, never keeps more than the limits
// allow, and keeps only the set's own files.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "setsource.h"

// libarchive sizes its read-ahead buffer by what an archive's header declares. On a real
// machine a request for more than it can have gets null, and libarchive calls the archive
// damaged; memory actually used stays bounded by the bytes read. Here the same: such a
// request gets null instead of the sanitizer stopping the run.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1:max_allocation_size_mb=1024";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kestro::SetContents contents;
    const kestro::SourceProblem read = kestro::readSetArchive(
        std::string_view(reinterpret_cast<const char*>(data), size), contents);
    if (!read.ok() && read.what == kestro::SourceProblem::What::None) std::abort();
    std::uint64_t total = 0;
    for (const auto& file : contents.files) {
        if (file && file->size() > kestro::kMaxChannelFileSize) std::abort();
        if (file) total += file->size();
    }
    if (total != contents.total || total > kestro::kMaxSetSize) std::abort();
    return 0;
}
