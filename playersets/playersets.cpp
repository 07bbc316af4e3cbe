// SPDX-License-Identifier: GPL-3.0-or-later
#include "playersets.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "files.h"
#include "names.h"

namespace kestro {
namespace {

namespace fs = std::filesystem;
using What = SetOutcome::What;

// Temporary folders of an add or a remove under way; only the holder of the sets
// folder's lock makes them, so a leftover one is tidied under that lock.
constexpr std::string_view kAdding = ".adding-", kRemoving = ".removing-";
constexpr std::string_view kLockFile = ".lock";

std::string randomSuffix() {
    std::random_device random;
    const auto value = (static_cast<unsigned long long>(random()) << 32) ^ random();
    std::string hex = "0123456789abcdef", suffix;
    for (int i = 0; i < 12; ++i) suffix += hex[(value >> (4 * i)) & 15];
    return suffix;
}

SetOutcome outcome(What what, std::string name, Error error = {}) {
    SetOutcome o;
    o.what = what;
    o.name = std::move(name);
    o.error = std::move(error);
    return o;
}

// The sets folder itself, never through a link (the folders above it are the player's
// own, links and all); made first with `create`.
Result<Folder> openSets(const fs::path& path, bool create) {
    if (path.empty()) return failure(ErrorCode::FolderMissing);
    std::error_code ec;
    // Not made for want of rights: that, not "missing", is the reason, and the folder in the
    // way is the last one there (what else is in the way, a file say, the look below names).
    if (create && !fs::create_directories(path.parent_path(), ec)) {
        const bool denied =
            ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted;
        if (denied || ec == std::errc::read_only_file_system)
            return failure(denied ? ErrorCode::PermissionDenied : ErrorCode::ReadOnlyDisk,
                           ec.value(), utf8Text(partThere(path.parent_path())));
    }
    Result<Folder> parent = Folder::open(path.parent_path());
    return parent.ok() ? parent.value.child(utf8Text(path.filename()), create) : parent;
}

// The sets folder, made if need be and locked; tidies what an add or a remove cut short
// left behind, and keeps what of it would not go, to be told.
struct LockedSets {
    Folder folder;
    FileLock lock;
    Error error, stuck;
    std::string stuckIn;

    explicit LockedSets(const fs::path& path) {
        Result<Folder> sets = openSets(path, true);
        if (!sets.ok()) {
            error = sets.error;
            return;
        }
        folder = sets.value;
        if (Error e = lock.lock(folder, kLockFile); !e.ok()) {
            error = e;
            return;
        }
        const auto names = folder.list();
        for (const std::string& name : names.ok() ? names.value : std::vector<std::string>{})
            if (name.starts_with(kAdding) || name.starts_with(kRemoving))
                if (Error e = removeTree(folder, name); !e.ok() && stuck.ok())
                    stuck = e, stuckIn = utf8Text(folder.path() / utf8Path(name));
        folder.forgetListing();
    }

    // A change that went through still says what an earlier one left and will not go.
    SetOutcome& told(SetOutcome& result) const {
        if (result.error.ok() && !stuck.ok()) result.error = stuck, result.leftover = stuckIn;
        return result;
    }
};

SetOutcome unusable(const LockedSets& sets, const std::string& name) {
    return outcome(sets.error.code == ErrorCode::Locked ? What::Busy : What::SetsFolder, name,
                   sets.error);
}

bool isShipped(std::string_view name) {
    return std::any_of(channels().begin(), channels().end(),
                       [&](const Channel& c) { return c.key == name; });
}

// The code points of a text already checked to be UTF-8.
std::vector<char32_t> codePoints(std::string_view text) {
    std::vector<char32_t> points;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        char32_t c = extra ? lead & (0x3F >> extra) : lead;
        for (int k = 1; k <= extra; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        points.push_back(c);
        i += static_cast<size_t>(extra) + 1;
    }
    return points;
}

// How a name looks, letter by letter and accents apart: letters of other scripts and
// forms that look like Latin capitals (Cyrillic "О", Greek "Ο", full-width "Ｏ", a bold
// "𝐎", a double-struck "ℕ", a Roman numeral "Ⅰ") taken for them, ASCII letter case and runs of
// spaces ignored.
std::u32string lookOf(std::string_view name) {
    static constexpr std::pair<char32_t, char> kLookAlikes[] = {
        {0x37F, 'J'},  {0x391, 'A'},  {0x392, 'B'},  {0x395, 'E'},  {0x396, 'Z'},  {0x397, 'H'},
        {0x399, 'I'},  {0x39A, 'K'},  {0x39C, 'M'},  {0x39D, 'N'},  {0x39F, 'O'},  {0x3A1, 'P'},
        {0x3A4, 'T'},  {0x3A5, 'Y'},  {0x3A7, 'X'},  {0x3BF, 'O'},  {0x3F2, 'C'},  {0x3F9, 'C'},
        {0x405, 'S'},  {0x406, 'I'},  {0x408, 'J'},  {0x410, 'A'},  {0x412, 'B'},  {0x415, 'E'},
        {0x41A, 'K'},  {0x41C, 'M'},  {0x41D, 'H'},  {0x41E, 'O'},  {0x420, 'P'},  {0x421, 'C'},
        {0x422, 'T'},  {0x423, 'Y'},  {0x425, 'X'},  {0x430, 'A'},  {0x435, 'E'},  {0x43E, 'O'},
        {0x440, 'P'},  {0x441, 'C'},  {0x443, 'Y'},  {0x445, 'X'},  {0x455, 'S'},  {0x456, 'I'},
        {0x458, 'J'},  {0x474, 'V'},  {0x475, 'V'},  {0x4AE, 'Y'},  {0x4C0, 'I'},  {0x4CF, 'I'},
        {0x51A, 'Q'},  {0x51C, 'W'},  {0x53C, 'L'},  {0x54D, 'U'},  {0x555, 'O'},  {0x585, 'O'},
        {0x13A0, 'D'}, {0x13A1, 'R'}, {0x13A2, 'T'}, {0x13A9, 'Y'}, {0x13AA, 'A'}, {0x13AB, 'J'},
        {0x13AC, 'E'}, {0x13B3, 'W'}, {0x13B7, 'M'}, {0x13BB, 'H'}, {0x13C0, 'G'}, {0x13C3, 'Z'},
        {0x13D2, 'R'}, {0x13DA, 'S'}, {0x13DE, 'L'}, {0x13DF, 'C'}, {0x13E2, 'P'}, {0x13E6, 'K'},
        {0x13F4, 'B'}, {0x2102, 'C'}, {0x210A, 'G'}, {0x210B, 'H'}, {0x210C, 'H'}, {0x210D, 'H'},
        {0x210E, 'H'}, {0x2110, 'I'}, {0x2111, 'I'}, {0x2112, 'L'}, {0x2113, 'L'}, {0x2115, 'N'},
        {0x2119, 'P'}, {0x211A, 'Q'}, {0x211B, 'R'}, {0x211C, 'R'}, {0x211D, 'R'}, {0x2124, 'Z'},
        {0x2128, 'Z'}, {0x212C, 'B'}, {0x212D, 'C'}, {0x212F, 'E'}, {0x2130, 'E'}, {0x2131, 'F'},
        {0x2133, 'M'}, {0x2134, 'O'}, {0x2139, 'I'}, {0x2145, 'D'}, {0x2146, 'D'}, {0x2147, 'E'},
        {0x2148, 'I'}, {0x2149, 'J'}, {0x2160, 'I'}, {0x2164, 'V'}, {0x2169, 'X'}, {0x216C, 'L'},
        {0x216D, 'C'}, {0x216E, 'D'}, {0x216F, 'M'}, {0x2170, 'I'}, {0x2174, 'V'}, {0x2179, 'X'},
        {0x217C, 'L'}, {0x217D, 'C'}, {0x217E, 'D'}, {0x217F, 'M'}, {0x2C82, 'B'}, {0x2C8E, 'H'},
        {0x2C92, 'I'}, {0x2C94, 'K'}, {0x2C98, 'M'}, {0x2C9A, 'N'}, {0x2C9E, 'O'}, {0x2C9F, 'O'},
        {0x2CA2, 'P'}, {0x2CA4, 'C'}, {0x2CA6, 'T'}, {0x2CA8, 'Y'}, {0x2CAC, 'X'}, {0xA4D0, 'B'},
        {0xA4D1, 'P'}, {0xA4D3, 'D'}, {0xA4D4, 'T'}, {0xA4D6, 'G'}, {0xA4D7, 'K'}, {0xA4D9, 'J'},
        {0xA4DA, 'C'}, {0xA4DC, 'Z'}, {0xA4DD, 'F'}, {0xA4DF, 'M'}, {0xA4E0, 'N'}, {0xA4E1, 'L'},
        {0xA4E2, 'S'}, {0xA4E3, 'R'}, {0xA4E6, 'V'}, {0xA4E7, 'H'}, {0xA4EA, 'W'}, {0xA4EB, 'X'},
        {0xA4EC, 'Y'}, {0xA4EE, 'A'}, {0xA4F0, 'E'}, {0xA4F2, 'I'}, {0xA4F3, 'O'}, {0xA4F4, 'U'},
        {0xA7AE, 'I'}};
    std::u32string look;
    for (char32_t c : codePoints(decomposed(name))) {
        if (c >= 0xFF01 && c <= 0xFF5E)  // full-width ASCII
            c -= 0xFEE0;
        else if (c >= 0x1D400 && c <= 0x1D6A3)  // bold, italic, script... A-Z a-z, in turn
            c = static_cast<char32_t>('A' + (c - 0x1D400) % 52 % 26);
        else if (c >= 0x1D7CE && c <= 0x1D7FF)  // and their digits
            c = static_cast<char32_t>('0' + (c - 0x1D7CE) % 10);
        const auto* found = std::lower_bound(
            std::begin(kLookAlikes), std::end(kLookAlikes), c,
            [](const std::pair<char32_t, char>& entry, char32_t key) { return entry.first < key; });
        if (found != std::end(kLookAlikes) && found->first == c)
            c = static_cast<char32_t>(found->second);
        if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
        if (c != ' ' || look.empty() || look.back() != ' ') look.push_back(c);
    }
    return look;
}

// Characters that show nothing (format characters, variation selectors, fillers, blanks,
// private use), or move or break the text around them: a name holding one could pass for
// another, or break the line it is shown on.
bool invisible(char32_t c) {
    static constexpr std::pair<char32_t, char32_t> kRanges[] = {
        {0x80, 0x9F},       {0xAD, 0xAD},       {0x34F, 0x34F},     {0x600, 0x605},
        {0x61C, 0x61C},     {0x6DD, 0x6DD},     {0x70F, 0x70F},     {0x8E2, 0x8E2},
        {0x115F, 0x1160},   {0x17B4, 0x17B5},   {0x180B, 0x180F},   {0x200B, 0x200F},
        {0x2028, 0x202E},   {0x2060, 0x206F},   {0x2800, 0x2800},   {0x3164, 0x3164},
        {0xE000, 0xF8FF},   {0xFDD0, 0xFDEF},   {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},
        {0xFFA0, 0xFFA0},   {0xFFF0, 0xFFFB},   {0xFFFE, 0xFFFF},   {0x110BD, 0x110BD},
        {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A},
        {0xE0000, 0xE0FFF}, {0xF0000, 0x10FFFF}};
    return std::any_of(std::begin(kRanges), std::end(kRanges),
                       [&](const auto& r) { return c >= r.first && c <= r.second; });
}

// The entries that are sets, by name; a name two entries share is neither's, for which one
// the player means cannot be told (`shared` gets such names).
std::map<std::string, std::string> setEntries(const std::vector<std::string>& all,
                                              std::set<std::string>* shared = nullptr) {
    std::map<std::string, std::string> sets;
    std::set<std::string> twice;
    for (const std::string& entry : all) {
        const std::string name = composed(entry);
        if (setNameProblem(name) != NameProblem::None) continue;
        if (!sets.try_emplace(name, entry).second) twice.insert(name);
    }
    for (const std::string& name : twice) sets.erase(name);
    if (shared) *shared = std::move(twice);
    return sets;
}

bool space(char32_t c) {
    return c == ' ' || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

}  // namespace

NameProblem setNameProblem(std::string_view name) {
    if (name.empty()) return NameProblem::Empty;
    const auto characters = characterCount(name);
    if (!characters) return NameProblem::NotText;
    if (*characters > kMaxSetName) return NameProblem::TooLong;
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            return NameProblem::BadCharacter;
        if (c >= 'a' && c <= 'z') return NameProblem::NotCapitals;
    }
    const std::vector<char32_t> points = codePoints(name);
    if (std::any_of(points.begin(), points.end(), invisible)) return NameProblem::BadCharacter;
    if (name.front() == '.' || name.back() == '.' || space(points.front()) || space(points.back()))
        return NameProblem::DotOrSpaceEnd;
    // Inside, only the plain space: "A B" with a no-break one would pass for another set.
    if (std::any_of(points.begin(), points.end(), [](char32_t c) { return c != ' ' && space(c); }))
        return NameProblem::BadCharacter;
    // Windows keeps these for devices, with or without an extension (spaces before it aside).
    std::string_view stem = name.substr(0, name.find('.'));
    while (stem.ends_with(' ')) stem.remove_suffix(1);
    for (const std::string_view device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (stem == device) return NameProblem::Device;
    const std::string_view port = stem.substr(std::min<size_t>(stem.size(), 3));
    if ((stem.starts_with("COM") || stem.starts_with("LPT")) &&
        ((port.size() == 1 && port[0] >= '1' && port[0] <= '9') || port == "\xC2\xB9" ||
         port == "\xC2\xB2" || port == "\xC2\xB3"))  // ¹ ² ³
        return NameProblem::Device;
    return NameProblem::None;
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
    return composed(name);
}

// The sets folder, opened to be read; FolderMissing where there is none, or no place for one.
Result<Folder> PlayerSets::opened() const {
    return folder_.empty() ? failure(ErrorCode::FolderMissing) : openSets(folder_, false);
}

// What the sets folder holds, or why it cannot be read.
Result<std::vector<std::string>> PlayerSets::entries() const {
    const Result<Folder> sets = opened();
    return sets.ok() ? sets.value.list() : Result<std::vector<std::string>>(sets.error);
}

std::vector<std::string> PlayerSets::names() const {
    std::vector<std::string> names;
    for (const auto& [name, entry] : setEntries(entries().value)) names.push_back(name);
    return names;
}

Error PlayerSets::outOfSight() const {
    const Error e = entries().error;
    return e.code == ErrorCode::FolderMissing ? Error{} : e;
}

std::vector<std::pair<std::string, NameProblem>> PlayerSets::misnamed() const {
    std::vector<std::pair<std::string, NameProblem>> found;
    const Result<Folder> sets = opened();
    const auto all = sets.ok() ? sets.value.list() : Result<std::vector<std::string>>();
    std::set<std::string> shared;
    setEntries(all.value, &shared);
    for (const std::string& name : all.value) {
        // A name counts as composed: a folder whose accents are written apart (as some
        // systems write names) is the set of that name.
        const std::string as = composed(name);
        const NameProblem p = shared.count(as) ? NameProblem::Twice : setNameProblem(as);
        if (p != NameProblem::None && name[0] != '.')  // a note beside the sets is none
            if (p == NameProblem::Twice || sets.value.info(name).kind != EntryKind::File)
                found.emplace_back(name, p);
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return composed(a.first) < composed(b.first);  // spellings of one name together
    });
    return found;
}

std::vector<ChannelSet> PlayerSets::read() const {
    std::vector<ChannelSet> sets;
    const Result<Folder> root = opened();
    if (!root.ok()) return sets;
    for (const auto& [name, entry] : setEntries(root.value.list().value)) {
        Result<Folder> folder = root.value.child(entry);
        const auto entries = folder.ok() ? folder.value.list() : Result<std::vector<std::string>>();
        // Only plain files (never links) with one of the set's names count, and anything else
        // of such a name leaves that file out; of two names for one file, the first in sorted
        // order.
        std::array<std::string, kSetFileNames.size()> found;
        using Why = ChannelSet::LeftOut::Why;
        std::array<std::optional<Why>, kSetFileNames.size()> leaveOut;
        for (const std::string& entry : entries.value) {
            const auto slot = slotOfName(entry);
            const FileInfo info = folder.value.info(entry);
            if (!slot || !found[*slot].empty()) continue;
            if (info.kind != EntryKind::File) {
                leaveOut[*slot] = Why::NotAFile;
                continue;
            }
            found[*slot] = entry;
            leaveOut[*slot] = info.size == 0                    ? std::optional(Why::Empty)
                              : info.size > kMaxChannelFileSize ? std::optional(Why::TooLarge)
                                                                : std::nullopt;
        }
        ChannelSet set{name, {}, {}, {}, true, {}};
        if (!found[kPreviewSlot].empty())
            set.preview = {folder.value.path() / utf8Path(found[kPreviewSlot]), false,
                           root.value.path()};
        for (size_t slot = 0; slot < kGameFiles.size(); ++slot) {
            if (leaveOut[slot])
                set.leftOut.push_back({slot, *leaveOut[slot]});
            else if (!found[slot].empty())
                set.files.push_back(
                    {slot,
                     {folder.value.path() / utf8Path(found[slot]), false, root.value.path()},
                     0});
        }
        for (size_t i = 0; i < set.files.size(); ++i)
            set.files[i].progress = progressOf(i, set.files.size());
        sets.push_back(std::move(set));
    }
    return sets;
}

namespace {

// What a source gives, by what it is: a folder, an archive, or why it is neither.
SourceProblem readSource(const fs::path& source, SetContents& contents,
                         const ReadProgress& progress) {
    std::error_code ec;
    switch (fs::status(source, ec).type()) {
        case fs::file_type::directory:
            return readSetFolder(source, contents, progress);
        case fs::file_type::regular:
            return readSetArchiveFile(source, contents, progress);
        case fs::file_type::not_found:
            return {SourceProblem::What::Missing, 0, {}, {}};
        default:  // a look refused on the way (a folder above it not entered, say), or a device
            if (ec)
                return {SourceProblem::What::Unreadable,
                        0,
                        failure(ErrorCode::Other, ec.value(), utf8Text(source)),
                        {}};
            return {SourceProblem::What::NotASource, 0, {}, {}};
    }
}

}  // namespace

SetOutcome PlayerSets::add(const fs::path& source, const std::string& given,
                           const ReadProgress& progress) {
    const std::string name = composed(given);  // one set, however its accents were typed
    SetOutcome result = outcome(What::Added, name);
    // A source that is not there is said first: the name may have been made from its path.
    std::error_code ec;
    if (fs::status(source, ec).type() == fs::file_type::not_found) {
        result.what = What::SourceProblem;
        result.source = {SourceProblem::What::Missing, 0, {}, {}};
        return result;
    }
    if ((result.nameProblem = setNameProblem(name)) != NameProblem::None) {
        result.what = What::BadName;
        return result;
    }
    SetContents contents;
    result.source = readSource(source, contents, progress);
    result.passedOver = contents.passedOver;
    if (!result.source.ok()) {
        result.what = What::SourceProblem;
        return result;
    }
    for (size_t slot = 0; slot < kSetFileNames.size(); ++slot) {
        if (!contents.files[slot]) continue;
        // An empty game file would replace the game's graphics with nothing.
        if (slot != kPreviewSlot && contents.files[slot]->empty()) {
            result.what = What::SourceProblem;
            result.source = {SourceProblem::What::EmptyFile, slot, {}, {}};
            return result;
        }
        result.files.push_back(slot);
    }
    if (result.files.empty() || result.files.front() == kPreviewSlot) {
        result.what = What::NoGameFiles;
        return result;
    }

    LockedSets sets(folder_);
    if (!sets.error.ok()) return unusable(sets, name);
    std::set<std::string> shared;
    const auto listed = setEntries(sets.folder.list().value, &shared);
    if (shared.count(name)) {  // no set, and removing it cannot help: said as its name's problem
        result.what = What::BadName;
        result.nameProblem = NameProblem::Twice;
        return result;
    }
    if (listed.count(name) || sets.folder.info(name).kind != EntryKind::Missing) {
        result.what = What::NameTaken;
        return result;
    }
    // FОX (a Cyrillic О) beside FOX would be chosen for it, in the list and by scripts.
    std::vector<std::string> others;
    for (const Channel& shipped : channels()) others.emplace_back(shipped.key);
    for (const auto& [other, entry] : listed) others.push_back(other);
    for (const std::string& other : others)
        if (other != name && lookOf(other) == lookOf(name)) {
            result.what = What::BadName;
            result.nameProblem = NameProblem::LooksLike;
            result.like = other;
            return result;
        }
    const std::string temporary = std::string(kAdding) + randomSuffix();
    Result<Folder> folder = sets.folder.child(temporary, true);
    const auto failed = [&](Error e) {
        removeTree(sets.folder, temporary);
        result.what = e.code == ErrorCode::Cancelled ? What::SourceProblem : What::WriteFailed;
        if (e.code == ErrorCode::Cancelled) result.source.what = SourceProblem::What::Cancelled;
        result.error = std::move(e);
        return result;
    };
    if (!folder.ok()) {  // the sets folder is what is in the way, not a name of ours
        folder.error.subject = utf8Text(sets.folder.path());
        return failed(folder.error);
    }
    for (size_t slot = 0; slot < kSetFileNames.size(); ++slot) {
        if (!contents.files[slot]) continue;
        if (progress && !progress(contents.total)) return failed(failure(ErrorCode::Cancelled));
        if (Error e = writeWhole(folder.value, kSetFileNames[slot], *contents.files[slot]); !e.ok())
            return failed(e);
    }
    if (Error e = moveFile(sets.folder, temporary, sets.folder, name); !e.ok()) return failed(e);
    result.replacesShipped = isShipped(name);
    return sets.told(result);
}

SetOutcome PlayerSets::remove(const std::string& given) {
    const std::string name = composed(given);
    SetOutcome result = outcome(What::Removed, name);
    if ((result.nameProblem = setNameProblem(name)) != NameProblem::None) {
        result.what = What::BadName;
        return result;
    }
    LockedSets sets(folder_);
    if (!sets.error.ok()) return unusable(sets, name);
    std::set<std::string> shared;
    const auto listed = setEntries(sets.folder.list().value, &shared);
    const std::string entry = listed.count(name) ? listed.at(name) : name;
    if (shared.count(name)) {
        result.what = What::BadName;  // as for an add: no set, but not nothing either
        result.nameProblem = NameProblem::Twice;
        return result;
    }
    if (sets.folder.info(entry).kind == EntryKind::Missing) {
        result.what = What::NoSuchSet;
        return result;
    }
    // Out of the list in one step, then deleted; a remove cut short, or stopped by a mount
    // inside, is tried again next time.
    const std::string gone = std::string(kRemoving) + randomSuffix();
    if (Error e = moveFile(sets.folder, entry, sets.folder, gone); !e.ok()) {
        result.what = What::RemoveFailed;
        result.error = e;  // the set in the way, not the name it was to take
        if (e.code != ErrorCode::PermissionDenied)
            result.error.subject = utf8Text(sets.folder.path() / utf8Path(entry));
        return result;
    }
    if (Error e = removeTree(sets.folder, gone); !e.ok()) {
        result.error = e;
        result.leftover = utf8Text(sets.folder.path() / gone);
    }
    result.replacesShipped = isShipped(name);
    return sets.told(result);
}

}  // namespace kestro
