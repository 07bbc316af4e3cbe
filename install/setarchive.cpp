// SPDX-License-Identifier: GPL-3.0-or-later
// Channel sets out of archives, through libarchive. An archive is untrusted: only
// entries named like a set's file are read, never written anywhere by their path.
#include <archive.h>
#include <archive_entry.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>

#include "fileops.h"
#include "playersets.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;

using Archive = std::unique_ptr<archive, decltype(&archive_read_free)>;

Archive newReader() {
    Archive reader(archive_read_new(), &archive_read_free);
    archive_read_support_format_zip(reader.get());
    archive_read_support_format_7zip(reader.get());
    archive_read_support_format_rar(reader.get());
    archive_read_support_format_rar5(reader.get());
    return reader;
}

// The set file an entry's path names, by its last part; nullopt for other entries.
// `hostile` is set for a path that climbs out with "..".
std::optional<size_t> slotOfEntry(std::string_view path, bool& hostile) {
    hostile = false;
    std::string_view last;
    while (!path.empty()) {
        const size_t cut = path.find_first_of("/\\");
        const std::string_view part = path.substr(0, cut);
        if (part == "..") hostile = true;
        if (!part.empty()) last = part;
        path = cut == std::string_view::npos ? std::string_view() : path.substr(cut + 1);
    }
    return setFileSlot(last);
}

// Reads one entry's data, within the limits.
SetResult readEntry(archive* reader, size_t slot, SetContents& contents) {
    std::string data;
    std::array<char, 64 * 1024> block;
    for (;;) {
        const la_ssize_t got = archive_read_data(reader, block.data(), block.size());
        if (got < 0)
            return refuse("The archive is damaged: " + std::string(archive_error_string(reader)) +
                          ".");
        if (got == 0) break;
        if (data.size() + static_cast<size_t>(got) > kMaxSetFileSize)
            return refuse(std::string(kSetFileNames[slot]) +
                          " in the archive is larger than 64 MiB; no channel file is that big.");
        if (contents.total + data.size() + static_cast<size_t>(got) > kMaxSetSize)
            return refuse("The set's files come to more than 256 MiB once unpacked.");
        data.append(block.data(), static_cast<size_t>(got));
    }
    contents.total += data.size();
    contents.files[slot] = std::move(data);
    return {true, {}};
}

// Why an archive could not be read to its end.
SetResult unreadable(archive* reader) {
    if (archive_format(reader) == 0)
        return refuse("This is not an archive KESTRO can read (it reads .zip, .rar and .7z).");
    if (archive_read_has_encrypted_entries(reader) > 0)
        return refuse("The archive is encrypted; unpack it with its password first.");
    const char* why = archive_error_string(reader);
    return refuse("The archive is damaged: " + std::string(why ? why : "unreadable") + ".");
}

SetResult readEntries(archive* reader, int opened, SetContents& contents) {
    if (opened != ARCHIVE_OK) return unreadable(reader);
    for (;;) {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(reader, &entry);
        if (status == ARCHIVE_EOF) return {true, {}};
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN) return unreadable(reader);
        const char* path = archive_entry_pathname_utf8(entry);
        if (!path) path = archive_entry_pathname(entry);
        bool hostile = false;
        const auto slot = path ? slotOfEntry(path, hostile) : std::nullopt;
        if (!slot) continue;
        if (hostile || archive_entry_filetype(entry) != AE_IFREG || archive_entry_hardlink(entry) ||
            archive_entry_is_encrypted(entry)) {
            ++contents.passedOver;
            continue;
        }
        if (contents.files[*slot])
            return refuse("The archive holds " + std::string(kSetFileNames[*slot]) +
                          " more than once; keep the one you want and try again.");
        if (SetResult read = readEntry(reader, *slot, contents); !read.ok) return read;
    }
}

// libarchive reads a file through these, so any path the platform can name works.
struct FileSource {
    std::ifstream in;
    std::array<char, 64 * 1024> block;
};

la_ssize_t readBlock(archive*, void* data, const void** buffer) {
    auto* source = static_cast<FileSource*>(data);
    source->in.read(source->block.data(), source->block.size());
    *buffer = source->block.data();
    return source->in.bad() ? -1 : static_cast<la_ssize_t>(source->in.gcount());
}

la_int64_t seekTo(archive*, void* data, la_int64_t offset, int whence) {
    auto* source = static_cast<FileSource*>(data);
    source->in.clear();
    source->in.seekg(offset, whence == SEEK_SET   ? std::ios::beg
                             : whence == SEEK_CUR ? std::ios::cur
                                                  : std::ios::end);
    return source->in ? static_cast<la_int64_t>(source->in.tellg()) : ARCHIVE_FATAL;
}

}  // namespace

SetResult readSetArchive(std::string_view bytes, SetContents& contents) {
    const Archive reader = newReader();
    return readEntries(
        reader.get(), archive_read_open_memory(reader.get(), bytes.data(), bytes.size()), contents);
}

SetResult readSetArchiveFile(const std::string& path, SetContents& contents) {
    const Resolved file = resolvePath(path);
    FileSource source;
    if (file.ok()) source.in.open(file.path, std::ios::binary);
    if (!source.in) return refuse("\"" + path + "\" cannot be opened.");
    const Archive reader = newReader();
    archive_read_set_callback_data(reader.get(), &source);
    archive_read_set_read_callback(reader.get(), readBlock);
    archive_read_set_seek_callback(reader.get(), seekTo);
    return readEntries(reader.get(), archive_read_open1(reader.get()), contents);
}

}  // namespace kestro
