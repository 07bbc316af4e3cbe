// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefolder.h"

#include "paths.h"

namespace kestro {

Result<GameFolder> GameFolder::open(std::string_view text) {
    const Result<std::filesystem::path> real = resolvePath(text);
    if (!real.ok()) return real.error;
    Result<Folder> root = Folder::open(real.value);
    if (!root.ok()) return root.error;
    GameFolder folder;
    folder.text_ = text;
    folder.root_ = std::move(root.value);
    folder.windowsStyle_ = !text.starts_with('/');
    return folder;
}

std::string GameFolder::show(std::string_view gamePath, std::string_view onDisk) const {
    return windowsStyle_ ? std::string(gamePath) : std::string(onDisk);
}

}  // namespace kestro
