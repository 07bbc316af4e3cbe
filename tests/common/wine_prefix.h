// SPDX-License-Identifier: GPL-3.0-or-later
// A Wine prefix of the test's own: drive c: a folder in it, D: (upper case) a link to
// nowhere, a drive that is not ready. It is $WINEPREFIX while it lives, or, with
// `asHome`, the ~/.wine of a scratch home with $WINEPREFIX unset.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <utility>

namespace kestro::test {

class WinePrefix {
  public:
    explicit WinePrefix(bool asHome = false) {
        namespace fs = std::filesystem;
        root_ =
            fs::temp_directory_path() / ("kestro-wine-" + std::to_string(std::random_device()()));
        fs::create_directories(driveC() / "Games/VARNEX 2001");
        fs::create_directories(path() / "dosdevices");
        fs::create_symlink("../drive_c", path() / "dosdevices/c:");
        fs::create_symlink(root_ / "nowhere", path() / "dosdevices/D:");
        ::setenv(asHome ? "HOME" : "WINEPREFIX", (asHome ? root_ : path()).c_str(), 1);
        if (asHome) ::unsetenv("WINEPREFIX");
    }
    ~WinePrefix() {
        for (const auto& [name, value] : saved_)
            value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
        std::filesystem::remove_all(root_);
    }
    std::filesystem::path path() const { return root_ / ".wine"; }
    std::filesystem::path driveC() const { return path() / "drive_c"; }

  private:
    static std::optional<std::string> get(const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    // Taken before the constructor changes them.
    std::pair<const char*, std::optional<std::string>> saved_[2] = {
        {"WINEPREFIX", get("WINEPREFIX")}, {"HOME", get("HOME")}};
    std::filesystem::path root_;
};

}  // namespace kestro::test
