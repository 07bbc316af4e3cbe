// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the Windows-path layer: whatever text a settings file or a
// channel list hands it, resolving never crashes or hangs, never turns a relative or
// empty text into a path, never leaves a backslash in what it returns, and resolving
// its own result again gives the same path.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

#include <unistd.h>

#include "names.h"
#include "paths.h"

namespace fs = std::filesystem;

namespace {

// A small tree with names in mixed case and a Wine prefix whose c: leads into it, so
// that the case-insensitive matching and the drive letters are exercised.
bool makeSandbox() {
    const fs::path root = fs::temp_directory_path() / ("kestro-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(root / "prefix/dosdevices");
    fs::create_directories(root / "drive_c/Games/VARNEX 2001/DATA/ENVIRO");
    fs::create_directories(root / "drive_c/games/varnex 2001/data");
    std::ofstream(root / "drive_c/Games/VARNEX 2001/DATA/ENVIRO/MISC16.FSH") << "x";
    std::error_code ec;
    fs::create_symlink("../../drive_c", root / "prefix/dosdevices/c:", ec);
    fs::create_symlink("/nonexistent-kestro", root / "prefix/dosdevices/e:", ec);
    ::setenv("WINEPREFIX", (root / "prefix").c_str(), 1);
    static const fs::path sandbox = root;
    std::atexit([] {  // the fuzzer ends by exit(): the sandbox goes with it
        std::error_code ignored;
        fs::remove_all(sandbox, ignored);
    });
    return true;
}

bool isAbsoluteText(std::string_view t) {
    const auto sep = [](char c) { return c == '\\' || c == '/'; };
    if (t.empty()) return false;
    if (sep(t[0])) return true;
    const bool letter = (t[0] | 0x20) >= 'a' && (t[0] | 0x20) <= 'z';
    return t.size() >= 2 && letter && t[1] == ':' && (t.size() == 2 || sep(t[2]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = makeSandbox();
    (void)ready;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (!kestro::sameNameIgnoringCase(text, text)) std::abort();
    const bool parsed = kestro::parseWinPath(text).ok();
    const kestro::Result<fs::path> once = kestro::resolvePath(text);
    if (once.ok() && (!parsed || !isAbsoluteText(text)))
        std::abort();  // relative or empty resolved
    if (!once.ok()) return 0;

    const std::string out = once.value.string();
    if (out.empty() || out[0] != '/') std::abort();
    if (out.find('\\') != std::string::npos) std::abort();
    const kestro::Result<fs::path> again = kestro::resolvePath(out);
    if (!again.ok() || again.value != once.value) std::abort();
    return 0;
}
