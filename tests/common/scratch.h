// SPDX-License-Identifier: GPL-3.0-or-later
// A scratch folder per test, small file helpers, and faults for the file layer's system
// calls. Paths cross into the code under test as the program's own UTF-8 texts.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "files.h"
#include "seams.h"

namespace kestro {
namespace fs = std::filesystem;
}

namespace kestro::test {

constexpr auto utf8 = &utf8Text;
constexpr auto fromUtf8 = &utf8Path;

class TempFolder {
  public:
    TempFolder() {
        for (std::random_device seed;;)
            if (fs::create_directory(path_ = fs::temp_directory_path() /
                                             ("kestro-test-" + std::to_string(seed()))))
                break;
    }
    ~TempFolder() {
        std::error_code ec;  // read-only leftovers must not keep the folder from going
        for (auto it = fs::recursive_directory_iterator(path_, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

inline void writeFile(const fs::path& path, const std::string& contents) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << contents;
}

inline std::string readFile(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// Every entry below `folder` (links not followed), relative and sorted, with the
// contents of plain files: to see that nothing changed or was left.
inline std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> all;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::file_status status = it->symlink_status();
        all[utf8(it->path().lexically_relative(folder).generic_u8string())] =
            fs::is_regular_file(status) ? readFile(it->path())
            : fs::is_symlink(status)    ? "-> " + fs::read_symlink(it->path()).string()
                                        : "";
    }
    return all;
}

// A GoogleTest row name made of any text: its letters and digits.
inline std::string rowName(size_t index, std::string_view text) {
    std::string name = "r" + std::to_string(index) + "_";
    for (const char c : text) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

// Faults for the file layer's system calls while it lives: each fires once (a short
// transfer every time), after `pass` calls of its kind. Those left are in `pending`.
class Injecting {
  public:
    explicit Injecting(std::map<SystemCall, int> faults, int pass = 0) {
        pending = std::move(faults);
        toPass = pass;
        setCallFaultHook(inject);
    }
    ~Injecting() { setCallFaultHook(nullptr); }
    inline static std::map<SystemCall, int> pending;

  private:
    static int inject(SystemCall call) {
        const auto it = pending.find(call);
        if (it == pending.end() || toPass-- > 0) return 0;
        const int code = it->second;
        if (code != kShortTransfer) pending.erase(it);
        return code;
    }
    inline static int toPass = 0;
};

// A disk that fails `count` renames in a row from the `from`-th of a run (counted from 0),
// deletions too where asked, through the same seam: set `fail` as the hook.
struct FailingRenames {
    inline static int seen = 0, from = 0, count = 0;
    inline static bool deletions = false;
    static void start(int first, int howMany, bool andDeletions = false) {
        seen = 0, from = first, count = howMany, deletions = andDeletions;
    }
    static int fail(SystemCall call) {
        return (call == SystemCall::Rename || (deletions && call == SystemCall::Unlink)) &&
                       seen++ >= from && count-- > 0
                   ? EIO
                   : 0;
    }
};

}  // namespace kestro::test
