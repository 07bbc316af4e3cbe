// SPDX-License-Identifier: GPL-3.0-or-later
// A scratch folder per test, with small helpers to make and read files in it. Paths
// cross into the code under test as UTF-8 texts, as the window hands them over.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace kestro {
namespace fs = std::filesystem;
}

namespace kestro::test {

inline std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

inline fs::path fromUtf8(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

class TempFolder {
  public:
    TempFolder() {
        std::random_device seed;
        for (;;) {
            path_ = fs::temp_directory_path() / ("kestro-test-" + std::to_string(seed()));
            if (fs::create_directory(path_)) break;
        }
    }
    ~TempFolder() {
        std::error_code ec;
        // Read-only leftovers must not keep the folder from going away.
        for (auto it = fs::recursive_directory_iterator(path_, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }
    std::string str() const { return utf8(path_); }

  private:
    fs::path path_;
};

inline void writeFile(const fs::path& path, const std::string& contents) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << contents;
}

inline std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every entry below `folder`, relative and sorted, to see that nothing extra was left.
inline std::vector<std::string> listTree(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.push_back(utf8(fs::relative(entry.path(), folder).generic_u8string()));
    std::sort(names.begin(), names.end());
    return names;
}

// The channel sets the build put beside the program.
inline fs::path channelsDir() {
    return fromUtf8(KESTRO_CHANNELS_DIR);
}

}  // namespace kestro::test
