// A scratch folder per test, with small helpers to make and read files in it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kestro {
namespace fs = std::filesystem;
}

namespace kestro::test {

class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "kestro-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
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
    std::string str() const { return path_.string(); }

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
        names.push_back(fs::relative(entry.path(), folder).generic_string());
    std::sort(names.begin(), names.end());
    return names;
}

// A Wine prefix of the test's own for the length of a test: drive c: is a folder in
// it, e: a link to nowhere (a drive that is not ready).
class WinePrefix {
  public:
    WinePrefix() {
        fs::create_directories(path() / "drive_c");
        fs::create_directories(path() / "dosdevices");
        fs::create_symlink("../drive_c", path() / "dosdevices/c:");
        fs::create_symlink(root_.path() / "nowhere", path() / "dosdevices/e:");
        if (const char* old = std::getenv("WINEPREFIX")) old_ = old;
        ::setenv("WINEPREFIX", path().c_str(), 1);
    }
    ~WinePrefix() {
        if (old_.empty())
            ::unsetenv("WINEPREFIX");
        else
            ::setenv("WINEPREFIX", old_.c_str(), 1);
    }
    fs::path path() const { return root_.path() / "prefix"; }
    fs::path driveC() const { return path() / "drive_c"; }

  private:
    TempFolder root_;
    std::string old_;
};

}  // namespace kestro::test
