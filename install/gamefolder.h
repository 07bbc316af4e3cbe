// SPDX-License-Identifier: GPL-3.0-or-later
// The game folder of one install or restore: the text the player gave, resolved to a
// real folder and opened once; everything below it is reached through that.
#pragma once

#include <string>
#include <string_view>

#include "error.h"
#include "files.h"

namespace kestro {

class GameFolder {
  public:
    GameFolder() = default;
    // "C:\VARNEX 2001" (through the Wine prefix on Linux) or "/home/ana/VARNEX 2001".
    static Result<GameFolder> open(std::string_view text);

    const std::string& text() const { return text_; }
    const Folder& root() const { return root_; }

    // A path below the folder as the player's system shows it: for a folder written the
    // Windows way, as the game names it ("\DATA\ENVIRO\Misc16.fsh"); for a Linux path,
    // as it is on disk ("data/enviro/MISC16.FSH"). `onDisk` are the parts as found there.
    std::string show(std::string_view gamePath, std::string_view onDisk) const;

  private:
    std::string text_;
    Folder root_;
    bool windowsStyle_ = true;
};

}  // namespace kestro
