#include "originals.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>

namespace kestro {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kManifestHeader =
    "# Game files that KESTRO created; restoring the originals removes them.";

std::string fromU8(const std::u8string& text) {
    return std::string(text.begin(), text.end());
}

std::optional<fs::path> existing(std::string_view text) {
    const Resolved r = resolvePath(text);
    std::error_code ec;
    if (!r.ok() || !fs::is_regular_file(r.path, ec)) return std::nullopt;
    return r.path;
}

bool sameContents(const fs::path& a, const fs::path& b) {
    std::error_code ec1, ec2;
    if (fs::file_size(a, ec1) != fs::file_size(b, ec2) || ec1 || ec2) return false;
    std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
    std::array<char, 64 * 1024> bx, by;
    while (x && y) {
        x.read(bx.data(), bx.size());
        y.read(by.data(), by.size());
        if (x.gcount() != y.gcount() ||
            !std::equal(bx.begin(), bx.begin() + x.gcount(), by.begin()))
            return false;
    }
    return !x.bad() && !y.bad() && x.eof() && y.eof();
}

// Whether `file` is byte for byte one of the files the channels carry.
bool isAChannelFile(const fs::path& file, const std::string& programFolder) {
    for (const Channel& channel : channels())
        for (const CopyStep& step : channel.steps)
            if (auto source = existing(programFolder + std::string(step.source));
                source && sameContents(file, *source))
                return true;
    return false;
}

std::vector<std::string> readManifest(const std::string& gameFolder) {
    std::vector<std::string> files;
    const auto manifest = existing(gameFolder + std::string(kCreatedManifest));
    if (!manifest) return files;
    std::ifstream in(*manifest, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with('\\')) files.push_back(line);
    }
    return files;
}

// Writes the manifest through the same safe replacement as the game files; an empty
// list removes it.
FileResult writeManifest(const std::string& gameFolder, const std::vector<std::string>& files) {
    const std::string manifest = gameFolder + std::string(kCreatedManifest);
    if (files.empty()) {
        std::error_code ec;
        if (const auto path = existing(manifest)) fs::remove(*path, ec);
        return {};
    }
    const Resolved target = resolvePath(manifest);
    if (!target.ok()) return {target.error, 0};
    const fs::path draft = target.path.parent_path() / "created.txt.new";
    {
        std::ofstream out(draft, std::ios::binary | std::ios::trunc);
        out << kManifestHeader << "\r\n";
        for (const std::string& file : files) out << file << "\r\n";
        if (!out.flush()) {
            std::error_code ec;
            fs::remove(draft, ec);
            return {FileError::PermissionDenied, 0};
        }
    }
    const FileResult r = replaceFile(fromU8(draft.u8string()), manifest);
    std::error_code ec;
    fs::remove(draft, ec);
    return r;
}

// Creates each missing folder of `relativeFolder` below the game folder.
FileResult createFolders(const std::string& gameFolder, std::string_view relativeFolder) {
    std::string path = gameFolder;
    for (size_t start = 1; start <= relativeFolder.size();) {
        size_t end = relativeFolder.find('\\', start);
        if (end == std::string_view::npos) end = relativeFolder.size();
        path += "\\" + std::string(relativeFolder.substr(start, end - start));
        if (const FileResult r = createFolder(path); !r.ok() && r.error != FileError::AlreadyExists)
            return r;
        start = end + 1;
    }
    return {};
}

void removeEmptyFolders(const fs::path& folder) {
    std::error_code ec;
    std::vector<fs::path> folders;
    for (auto it = fs::recursive_directory_iterator(folder, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        if (it->is_directory(ec)) folders.push_back(it->path());
    std::sort(folders.rbegin(), folders.rend());          // deepest first
    for (const fs::path& f : folders) fs::remove(f, ec);  // fails harmlessly when not empty
    fs::remove(folder, ec);
}

}  // namespace

FileResult keepOriginal(const std::string& gameFolder, const std::string& programFolder,
                        std::string_view destination) {
    const std::string backup = gameFolder + std::string(kBackupFolder) + std::string(destination);
    if (existing(backup)) return {};  // the genuine original is kept already
    const auto current = existing(gameFolder + std::string(destination));
    if (!current) {
        std::vector<std::string> created = readManifest(gameFolder);
        if (std::find(created.begin(), created.end(), destination) != created.end()) return {};
        if (const FileResult r = createFolders(gameFolder, kBackupFolder); !r.ok()) return r;
        created.emplace_back(destination);
        return writeManifest(gameFolder, created);
    }
    if (isAChannelFile(*current, programFolder)) return {};
    const std::string_view folder = destination.substr(0, destination.rfind('\\'));
    if (const FileResult r =
            createFolders(gameFolder, std::string(kBackupFolder) + std::string(folder));
        !r.ok())
        return r;
    return replaceFile(fromU8(current->u8string()), backup);
}

bool hasOriginals(const std::string& gameFolder) {
    const Resolved folder = resolvePath(gameFolder + std::string(kBackupFolder));
    std::error_code ec;
    if (!folder.ok() || !fs::is_directory(folder.path, ec)) return false;
    for (auto it = fs::recursive_directory_iterator(folder.path, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        if (it->is_regular_file(ec)) return true;
    return false;
}

std::vector<RestoreOutcome> restoreOriginals(const std::string& gameFolder) {
    std::vector<RestoreOutcome> outcomes;
    const Resolved folder = resolvePath(gameFolder + std::string(kBackupFolder));
    if (!folder.ok()) return outcomes;
    const fs::path manifest = folder.path / "created.txt";

    std::vector<std::string> kept;  // relative paths, '\'-separated
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder.path, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file(ec) || it->path() == manifest) continue;
        std::string relative;
        for (const fs::path& part : it->path().lexically_relative(folder.path))
            relative += "\\" + fromU8(part.u8string());
        kept.push_back(relative);
    }
    std::sort(kept.begin(), kept.end());
    for (const std::string& file : kept) {
        const std::string destination = gameFolder + file;
        const std::string backup = gameFolder + std::string(kBackupFolder) + file;
        resetAttributes(destination);
        FileResult r = replaceFile(backup, destination);
        if (r.ok()) {
            if (const auto path = existing(backup)) fs::remove(*path, ec);
        }
        outcomes.push_back({file, RestoreOutcome::Action::Restored, r});
    }

    std::vector<std::string> stillCreated;
    for (const std::string& file : readManifest(gameFolder)) {
        FileResult r;
        if (const auto path = existing(gameFolder + file)) {
            resetAttributes(gameFolder + file);
            std::error_code removeError;
            if (!fs::remove(*path, removeError))
                r = {FileError::PermissionDenied, removeError.value()};
        }
        if (!r.ok()) stillCreated.push_back(file);
        outcomes.push_back({file, RestoreOutcome::Action::Removed, r});
    }
    writeManifest(gameFolder, stillCreated);
    removeEmptyFolders(folder.path);
    return outcomes;
}

const Channel* installedChannel(const std::string& gameFolder, const std::string& programFolder) {
    for (const Channel& channel : channels()) {
        const bool all =
            std::all_of(channel.steps.begin(), channel.steps.end(), [&](const CopyStep& step) {
                const auto installed = existing(gameFolder + std::string(step.destination));
                const auto source = existing(programFolder + std::string(step.source));
                return installed && source && sameContents(*installed, *source);
            });
        if (all) return &channel;
    }
    return nullptr;
}

}  // namespace kestro
