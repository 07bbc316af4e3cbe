// SPDX-License-Identifier: GPL-3.0-or-later
// Channel sets out of archives, through libarchive. An archive is untrusted: only
// entries named like a set's file are read, never written anywhere by their path, and
// what reading may walk through on the way is capped.
#include <archive.h>
#include <archive_entry.h>

#include <array>
#include <cstdio>
#include <functional>
#include <memory>

#include "files.h"
#include "setsource.h"

namespace kestro {
namespace {

using What = SourceProblem::What;
using Archive = std::unique_ptr<archive, decltype(&archive_read_free)>;

Archive newReader() {
    Archive reader(archive_read_new(), &archive_read_free);
    archive_read_support_format_zip(reader.get());
    archive_read_support_format_7zip(reader.get());
    archive_read_support_format_rar(reader.get());
    archive_read_support_format_rar5(reader.get());
    return reader;
}

SourceProblem damaged(archive* reader) {
    const char* why = archive_error_string(reader);
    return {What::Damaged, 0, {}, why ? why : "unreadable"};
}

// Why an archive could not be read to its end.
SourceProblem unreadable(archive* reader) {
    if (archive_format(reader) == 0) return {What::UnknownArchive, 0, {}, {}};
    if (archive_read_has_encrypted_entries(reader) > 0) return {What::Encrypted, 0, {}, {}};
    return damaged(reader);
}

std::uint32_t crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

std::uint32_t littleEndian(std::string_view bytes) {
    std::uint32_t value = 0;
    for (size_t i = bytes.size(); i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return value;
}

// A RAR 5 archive always closes with an end-of-archive header (a CRC-32, size 3, type 5, two
// flags). libarchive takes an archive cut just after one of its files as a whole one with
// fewer files, so a cut download would add as a partial set without this.
bool closesAsRar5(std::string_view last8) {
    if (last8.size() != 8 || last8[4] != 3 || last8[5] != 5) return false;
    return littleEndian(last8.substr(0, 4)) == crc32(last8.substr(4));
}

// How far into a file libarchive looks for a RAR archive behind a self-extractor.
constexpr size_t kHeadSize = 1024 * 1024;

// Whether a RAR main header, after the signature at the start of `at`, marks the archive as
// one part of a split one. Only a header whose CRC holds counts: a self-extractor's code
// may hold the signature's bytes too.
bool mainHeaderMarksPart(std::string_view at) {
    if (at.substr(6, 1) == std::string_view("\0", 1)) {  // RAR 4: CRC-16, type, flags, size
        const std::string_view header = at.substr(7);
        if (header.size() < 7 || static_cast<unsigned char>(header[2]) != 0x73) return false;
        const std::uint32_t size = littleEndian(header.substr(5, 2));
        return size >= 7 && size <= header.size() &&
               littleEndian(header.substr(0, 2)) == (crc32(header.substr(2, size - 2)) & 0xFFFF) &&
               (header[3] & 1);
    }
    if (at.substr(6, 2) != std::string_view("\x01\0", 2)) return false;
    // RAR 5: a CRC-32 of what follows, then numbers of 7 bits a byte: the size, type 1,
    // flags, the extra area's size where flag 1 says there is one, and the archive's flags.
    const std::string_view header = at.substr(std::min<size_t>(12, at.size()));
    size_t next = 0;
    const auto number = [&]() -> std::uint64_t {
        std::uint64_t value = 0;
        for (int shift = 0; next < header.size() && shift < 64; shift += 7) {
            const auto byte = static_cast<unsigned char>(header[next++]);
            value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
            if (!(byte & 0x80)) return value;
        }
        return 0;
    };
    const std::uint64_t size = number();
    if (size > header.size() - next ||
        littleEndian(at.substr(8, 4)) != crc32(header.substr(0, next + size)) || number() != 1)
        return false;
    if (number() & 1) number();
    return number() & 1;
}

bool isRarPart(std::string_view head) {
    constexpr std::string_view kSignature = "Rar!\x1a\x07";
    for (size_t at = head.find(kSignature); at != std::string_view::npos;
         at = head.find(kSignature, at + 1))
        if (mainHeaderMarksPart(head.substr(at))) return true;
    return false;
}

struct Reading {
    archive* reader;
    SetContents& contents;
    const ReadProgress& progress;
    std::string_view head;               // the archive's first bytes
    std::function<std::string()> last8;  // and its last eight, once read
    std::uint64_t walked = 0;

    SourceProblem readEntry(size_t slot) {
        std::string data;
        std::array<char, 64 * 1024> block;
        for (;;) {
            const la_ssize_t got = archive_read_data(reader, block.data(), block.size());
            if (got < 0) return damaged(reader);
            if (got == 0) break;
            const auto size = static_cast<std::uint64_t>(got);
            if (data.size() + size > kMaxChannelFileSize) return {What::FileTooLarge, slot, {}, {}};
            if (contents.total + data.size() + size > kMaxSetSize)
                return {What::SetTooLarge, slot, {}, {}};
            if ((walked += size) > kMaxArchiveWalk) return {What::WalkTooLong, 0, {}, {}};
            data.append(block.data(), size);
            if (progress && !progress(contents.total + data.size()))
                return {What::Cancelled, 0, {}, {}};
        }
        contents.total += data.size();
        contents.files[slot] = std::move(data);
        return {};
    }

    // Passes over an entry. Its data is unpacked on the way all the same where the archive
    // is solid or tells the size only after the data: it is read here, and counted.
    SourceProblem skip(archive_entry* entry) {
        if (archive_entry_size_is_set(entry) &&
            walked +
                    static_cast<std::uint64_t>(std::max<la_int64_t>(0, archive_entry_size(entry))) >
                kMaxArchiveWalk)
            return {What::WalkTooLong, 0, {}, {}};
        if (archive_entry_filetype(entry) != AE_IFREG || archive_entry_is_encrypted(entry))
            return {};
        std::array<char, 64 * 1024> block;
        for (la_ssize_t got; (got = archive_read_data(reader, block.data(), block.size())) != 0;) {
            if (got < 0) return damaged(reader);
            if ((walked += static_cast<std::uint64_t>(got)) > kMaxArchiveWalk)
                return {What::WalkTooLong, 0, {}, {}};
            if (progress && !progress(contents.total)) return {What::Cancelled, 0, {}, {}};
        }
        return {};
    }

    SourceProblem all(int opened) {
        if (opened != ARCHIVE_OK) return unreadable(reader);
        if (isRarPart(head)) return {What::SplitArchive, 0, {}, {}};
        for (int count = 1;; ++count) {
            archive_entry* entry = nullptr;
            const int status = archive_read_next_header(reader, &entry);
            if (status == ARCHIVE_EOF) {
                if (archive_format(reader) == ARCHIVE_FORMAT_RAR_V5 && !closesAsRar5(last8()))
                    return {What::Damaged, 0, {}, "it ends before its end-of-archive header"};
                return {};
            }
            if (status != ARCHIVE_OK && status != ARCHIVE_WARN) return unreadable(reader);
            if (count > kMaxArchiveEntries) return {What::TooManyArchiveEntries, 0, {}, {}};
            const char* path = archive_entry_pathname_utf8(entry);
            if (!path) path = archive_entry_pathname(entry);
            bool climbs = false;
            const auto slot = path ? slotOfEntry(path, climbs) : std::nullopt;
            const bool wanted = slot && !climbs && archive_entry_filetype(entry) == AE_IFREG &&
                                !archive_entry_hardlink(entry) &&
                                !archive_entry_is_encrypted(entry);
            if (!wanted) {
                if (slot) ++contents.passedOver;
                if (SourceProblem p = skip(entry); !p.ok()) return p;
                continue;
            }
            if (contents.files[*slot])
                return {What::FileTwice,
                        *slot,
                        {},
                        SourceProblem::twoPlaces(contents.places[*slot], path)};
            if (SourceProblem p = readEntry(*slot); !p.ok()) return p;
            contents.places[*slot] = path;
        }
    }
};

// libarchive reads a file through these, so that it is opened the program's own way
// (without blocking on a pipe) and streamed, whatever its size.
struct FileSource {
    ReadFile file;
    std::array<char, 64 * 1024> block;
};

la_ssize_t readBlock(archive*, void* data, const void** buffer) {
    auto* source = static_cast<FileSource*>(data);
    *buffer = source->block.data();
    const long long got = source->file.readSome(source->block.data(), source->block.size());
    return got < 0 ? ARCHIVE_FATAL : static_cast<la_ssize_t>(got);
}

la_int64_t seekTo(archive*, void* data, la_int64_t offset, int whence) {
    const long long at = static_cast<FileSource*>(data)->file.seek(offset, whence);
    return at < 0 ? ARCHIVE_FATAL : at;
}

}  // namespace

SourceProblem readSetArchive(std::string_view bytes, SetContents& contents,
                             const ReadProgress& progress) {
    const Archive reader = newReader();
    Reading reading{
        reader.get(), contents, progress, bytes.substr(0, kHeadSize), [&] {
            return std::string(bytes.substr(bytes.size() - std::min<size_t>(bytes.size(), 8)));
        }};
    return reading.all(archive_read_open_memory(reader.get(), bytes.data(), bytes.size()));
}

SourceProblem readSetArchiveFile(const std::filesystem::path& path, SetContents& contents,
                                 const ReadProgress& progress) {
    FileSource source;
    Result<ReadFile> file = ReadFile::open(path, true);
    if (!file.ok()) return {What::Unreadable, 0, file.error, {}};
    source.file = std::move(file.value);
    std::string head(kHeadSize, '\0');
    size_t got = 0;
    for (long long n;
         got < head.size() && (n = source.file.readSome(&head[got], head.size() - got)) > 0;)
        got += static_cast<size_t>(n);
    head.resize(got);
    if (source.file.seek(0, SEEK_SET) != 0)
        return {What::Damaged, 0, {}, "it cannot be read again"};
    const Archive reader = newReader();
    archive_read_set_callback_data(reader.get(), &source);
    archive_read_set_read_callback(reader.get(), readBlock);
    archive_read_set_seek_callback(reader.get(), seekTo);
    Reading reading{reader.get(), contents, progress, head, [&] {
                        std::string last(8, '\0');
                        if (source.file.seek(-8, SEEK_END) < 0) return std::string();
                        last.resize(static_cast<size_t>(
                            std::max(source.file.readSome(last.data(), last.size()), 0LL)));
                        return last;
                    }};
    return reading.all(archive_read_open1(reader.get()));
}

}  // namespace kestro
