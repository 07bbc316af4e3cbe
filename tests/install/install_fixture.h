// SPDX-License-Identifier: GPL-3.0-or-later
// A scratch folder per test with small file helpers, and the install driven through a
// stand-in for the main window. Paths cross into the code under test as UTF-8 texts,
// as the window hands them over.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "channels_copy.h"
#include "fileops.h"
#include "installer.h"

namespace kestro {
namespace fs = std::filesystem;
}

namespace kestro::test {

// By the program's own conversion.
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

// Every entry below `folder`, relative and sorted, to see that nothing extra was left.
inline std::vector<std::string> listTree(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.push_back(utf8(fs::relative(entry.path(), folder).generic_u8string()));
    std::sort(names.begin(), names.end());
    return names;
}

// A GoogleTest row name made of any text: its letters and digits.
inline std::string rowName(size_t index, std::string_view text) {
    std::string name = "r" + std::to_string(index) + "_";
    for (const char c : text) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

// A path of the catalogue ("\fox\misc16.fsh") below `root`.
inline fs::path below(const fs::path& root, std::string_view relative) {
    std::string rel(relative.substr(1));
    std::replace(rel.begin(), rel.end(), '\\', '/');
    return root / fromUtf8(rel);
}

// Stands in for the main window: holds the texts and records what the user would see.
class FakeView : public InstallView {
  public:
    std::string channel, game, program;
    std::string destinationText = "Destino", sourceText = "Archivo";
    size_t boxLimit = 32767;  // like a text box, holds at most so many characters
    std::vector<float> progress;
    std::vector<Message> messages;

    std::string selectedChannel() const override { return channel; }
    std::string gameFolder() const override { return game; }
    std::string destination() const override { return destinationText; }
    std::string source() const override { return sourceText; }
    void setDestination(const std::string& text) override {
        destinationText = text.substr(0, boxLimit);
    }
    void setSource(const std::string& text) override { sourceText = text.substr(0, boxLimit); }
    void setProgress(float value) override { progress.push_back(value); }
    FileResult runCopyStep(Digest* written) override { return copyStep(*this, written); }
    void showMessage(const Message& message) override { messages.push_back(message); }
    bool askYesNo(const Message&) override { return true; }
};

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

// A channel's file and a game file to copy it over.
class TwoFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        writeFile(src(), "new contents");
        writeFile(dst(), "old game file");
    }
    fs::path src() const { return tmp_.path() / "src/file.fsh"; }
    fs::path dst() const { return tmp_.path() / "dst/file.fsh"; }
    TempFolder tmp_;
};

// A copy of the channel sets as the program folder, and an empty game folder.
class Install : public ::testing::Test {
  protected:
    void SetUp() override {
        copyChannels(programDir());
        fs::create_directories(gameDir());
        view_.program = utf8(programDir());
        view_.game = utf8(gameDir());
    }
    fs::path programDir() const { return tmp_.path() / "program"; }
    fs::path gameDir() const { return tmp_.path() / "VARNEX 2001"; }
    fs::path gameFile(std::string_view relative) const { return below(gameDir(), relative); }
    fs::path programFile(std::string_view relative) const { return below(programDir(), relative); }
    fs::path setsDir() const { return tmp_.path() / "sets"; }
    Catalogue catalogue() const { return Catalogue(view_.program, utf8(setsDir())); }
    void install(const std::string& key) {
        view_.channel = key;
        kestro::install(view_, catalogue());
    }
    bool restore() { return kestro::restore(view_, catalogue()); }
    const Message& onlyMessage() const {
        EXPECT_EQ(view_.messages.size(), 1u);
        return view_.messages.back();
    }

    TempFolder tmp_;
    FakeView view_;
};

}  // namespace kestro::test
