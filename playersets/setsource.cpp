// SPDX-License-Identifier: GPL-3.0-or-later
// A set from a folder and the folders in it; links are never followed.
#include <functional>

#include "files.h"
#include "names.h"
#include "setsource.h"
#include "store.h"

namespace kestro {
namespace {

struct FolderWalk {
    SetContents& contents;
    const ReadProgress& progress;
    int seen = 0;

    SourceProblem take(const Folder& folder, const std::string& name, size_t slot,
                       const std::string& place) {
        Result<ReadFile> file = ReadFile::open(folder, name);
        if (file.error.code == ErrorCode::Link || file.error.code == ErrorCode::NotAFile) {
            ++contents.passedOver;
            return {};
        }
        if (!file.ok()) return {SourceProblem::What::Unreadable, slot, file.error, {}};
        if (contents.files[slot])
            return {SourceProblem::What::FileTwice,
                    slot,
                    {},
                    SourceProblem::twoPlaces(contents.places[slot], place)};
        if (file.value.info().size > kMaxChannelFileSize)
            return {SourceProblem::What::FileTooLarge, slot, {}, {}};
        std::string data;
        if (Error e = readSmall(file.value, kMaxChannelFileSize, data); !e.ok()) {
            if (e.code == ErrorCode::TooLarge)
                return {SourceProblem::What::FileTooLarge, slot, {}, {}};
            e.subject = utf8Text(folder.path() / utf8Path(name));  // the file, not the set
            return {SourceProblem::What::Unreadable, slot, e, {}};
        }
        if ((contents.total += data.size()) > kMaxSetSize)
            return {SourceProblem::What::SetTooLarge, slot, {}, {}};
        if (progress && !progress(contents.total))
            return {SourceProblem::What::Cancelled, 0, {}, {}};
        contents.files[slot] = std::move(data);
        contents.places[slot] = place;
        return {};
    }

    SourceProblem walk(const Folder& folder, const std::string& at, int depth) {
        const Result<std::vector<std::string>> names = folder.list();
        if (!names.ok()) {
            Error e = names.error;
            e.subject = utf8Text(folder.path());
            return {SourceProblem::What::Unreadable, 0, e, {}};
        }
        for (const std::string& name : names.value) {
            if (++seen > kMaxFolderEntries) return {SourceProblem::What::TooManyEntries, 0, {}, {}};
            const FileInfo info = folder.info(name);
            const std::string place = at.empty() ? name : at + "/" + name;
            // A game folder as the source: its store holds the game's kept files, no set's.
            if (info.kind == EntryKind::Folder && sameNameIgnoringCase(name, kStoreFolder))
                continue;
            if (info.kind == EntryKind::Folder && depth + 1 < kMaxFolderDepth) {
                Result<Folder> inner = folder.child(name);
                if (!inner.ok()) {
                    Error e = inner.error;
                    e.subject = utf8Text(folder.path() / utf8Path(name));
                    return {SourceProblem::What::Unreadable, 0, e, {}};
                }
                if (SourceProblem p = walk(inner.value, place, depth + 1); !p.ok()) return p;
                continue;
            }
            const auto slot = slotOfName(name);
            if (!slot || info.kind == EntryKind::Folder) continue;
            if (SourceProblem p = take(folder, name, *slot, place); !p.ok()) return p;
        }
        return {};
    }
};

}  // namespace

SourceProblem readSetFolder(const std::filesystem::path& path, SetContents& contents,
                            const ReadProgress& progress) {
    Result<Folder> folder = Folder::open(path);  // the folder the player chose, wherever it is
    if (!folder.ok()) return {SourceProblem::What::Unreadable, 0, folder.error, {}};
    FolderWalk walker{contents, progress};
    return walker.walk(folder.value, {}, 0);
}

std::optional<size_t> slotOfEntry(std::string_view path, bool& climbs) {
    climbs = false;
    bool inStore = false;  // an archive of a game folder: its kept files are no set's
    std::string_view last;
    while (!path.empty()) {
        const size_t cut = path.find_first_of("/\\");
        const std::string_view part = path.substr(0, cut);
        if (part == "..") climbs = true;
        if (!part.empty()) last = part;
        path = cut == std::string_view::npos ? std::string_view() : path.substr(cut + 1);
        inStore |= !path.empty() && sameNameIgnoringCase(part, kStoreFolder);
    }
    return inStore ? std::nullopt : slotOfName(last);
}

}  // namespace kestro
