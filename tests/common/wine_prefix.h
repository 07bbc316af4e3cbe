// SPDX-License-Identifier: GPL-3.0-or-later
// A Wine prefix of the test's own, in a scratch folder: drive c: is a folder in it,
// D: (written in upper case) a link to nowhere, a drive that is not ready. It is the
// player's $WINEPREFIX for as long as it lives, or, with `asHome`, the ~/.wine of a
// scratch home with $WINEPREFIX unset.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

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
        save("WINEPREFIX", oldPrefix_);
        save("HOME", oldHome_);
        if (asHome) {
            ::unsetenv("WINEPREFIX");
            ::setenv("HOME", root_.c_str(), 1);
        } else {
            ::setenv("WINEPREFIX", path().c_str(), 1);
        }
    }
    ~WinePrefix() {
        restore("WINEPREFIX", oldPrefix_);
        restore("HOME", oldHome_);
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    WinePrefix(const WinePrefix&) = delete;
    WinePrefix& operator=(const WinePrefix&) = delete;

    std::filesystem::path path() const { return root_ / ".wine"; }
    std::filesystem::path driveC() const { return path() / "drive_c"; }

  private:
    static void save(const char* name, std::string& into) {
        const char* value = std::getenv(name);
        into = value ? std::string(1, '=') + value : std::string();
    }
    static void restore(const char* name, const std::string& saved) {
        if (saved.empty())
            ::unsetenv(name);
        else
            ::setenv(name, saved.c_str() + 1, 1);
    }

    std::filesystem::path root_;
    std::string oldPrefix_, oldHome_;
};

}  // namespace kestro::test
