// SPDX-License-Identifier: GPL-3.0-or-later
// Faults injected while files are being replaced: a full disk, folders and pipes where
// files belong (crashes at every step are the model check's). Each case checks that no
// game file is lost or half-written and that the player is told; the totals are printed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "install_fixture.h"

namespace kestro {
namespace {

using namespace test;

struct Tally {
    int tried = 0, survived = 0, corrupted = 0;
};
Tally tally;

class PrintTally : public ::testing::Environment {
  public:
    void TearDown() override {
        std::printf("fault injection: %d cases tried, %d faults survived, %d files corrupted\n",
                    tally.tried, tally.survived, tally.corrupted);
    }
};
const auto* const registered = ::testing::AddGlobalTestEnvironment(new PrintTally);

class Fault : public Install {
  protected:
    void TearDown() override {
        ++tally.tried;
        if (!HasFailure()) ++tally.survived;
    }
    // A game file must hold either what it held or what was copied over it.
    void expectWhole(const fs::path& file, const std::string& before, const std::string& after) {
        const std::string now = readFile(file);
        if (now != before && now != after) {
            ++tally.corrupted;
            ADD_FAILURE() << file << " is neither the old nor the new file (" << now.size()
                          << " bytes)";
        }
    }
    bool noTemporaries(const fs::path& folder) {
        for (const std::string& name : listTree(folder))
            if (name.find(".kestro-") != std::string::npos) {
                ADD_FAILURE() << "left behind: " << name;
                return false;
            }
        return true;
    }
};

// The channel's file on another disk (copied by the plain loop) or on the same one (by
// the kernel's copy call): either way the disk fills before the copy ends.
class DiskFull : public Fault, public ::testing::WithParamInterface<bool> {};

TEST_P(DiskFull, DuringACopyKeepsTheGameFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small disk needs root";
    const bool sameDisk = GetParam();
    const fs::path small = tmp_.path() / "small disk";
    fs::create_directories(small);
    if (::mount("kestro-test", small.c_str(), "tmpfs", 0, sameDisk ? "size=1536k" : "size=256k") !=
        0)
        GTEST_SKIP() << "no tmpfs here";
    const struct Unmount {
        const fs::path& at;
        ~Unmount() { ::umount(at.c_str()); }
    } unmount{small};
    {
        const fs::path game = small / "VARNEX 2001";
        writeFile(game / "DATA/ENVIRO/Misc16.fsh", "game's own");
        writeFile(game / "KESTRO backup/DATA/ENVIRO/Misc16.fsh", "game's own");  // kept already
        const std::string big(1 << 20, 'c');
        const fs::path program = sameDisk ? small / "program" : programDir();
        writeFile(program / "canal+/misc16.fsh", big);
        view_.program = test::utf8(program);
        view_.game = test::utf8(game);
        install("CANAL+");
        expectWhole(game / "DATA/ENVIRO/Misc16.fsh", "game's own", big);
        EXPECT_EQ(readFile(game / "DATA/ENVIRO/Misc16.fsh"), "game's own");
        EXPECT_TRUE(noTemporaries(game));
        EXPECT_NE(onlyMessage().text.find("the disk is full"), std::string::npos)
            << onlyMessage().text;
    }
}

INSTANTIATE_TEST_SUITE_P(Fault, DiskFull, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "SameDisk" : "OtherDisk"; });

// Something other than a file where a file belongs: the install must neither hang nor
// touch it, must replace the channel's other files, and must say what was in the way.
struct OddEntry {
    const char* name;
    const char* entry;  // under the program folder or the game folder
    enum Kind { Folder, Pipe } kind;
    const char* said;
};

class OddEntries : public Fault, public ::testing::WithParamInterface<OddEntry> {};

TEST_P(OddEntries, AreLeftAloneAndNamed) {
    const OddEntry& odd = GetParam();
    writeFile(gameDir() / "DATA/ENVIRO/Misc16.fsh", "game's own");
    const fs::path entry = tmp_.path() / odd.entry;
    fs::remove_all(entry);
    if (odd.kind == OddEntry::Folder) {
        writeFile(entry / "inside.txt", "kept");
    } else {
        fs::create_directories(entry.parent_path());
        ASSERT_EQ(::mkfifo(entry.c_str(), 0600), 0);
    }
    install("PROTV");
    const Message& message = onlyMessage();
    EXPECT_EQ(message.kind, Message::Kind::Warning);
    EXPECT_NE(message.text.find(odd.said), std::string::npos) << message.text;
    if (odd.kind == OddEntry::Folder) {
        EXPECT_EQ(readFile(entry / "inside.txt"), "kept");
    } else {
        EXPECT_TRUE(fs::is_fifo(entry));
    }
    for (const char* replaced : {"DATA/ENVIRO/misc8.fsh", "DATA/POPUPS/popups.abg"})
        EXPECT_EQ(readFile(gameDir() / replaced),
                  readFile(programDir() / "protv" / fs::path(replaced).filename()));
    if (odd.kind == OddEntry::Pipe || fs::is_regular_file(gameDir() / "DATA/ENVIRO/Misc16.fsh"))
        expectWhole(gameDir() / "DATA/ENVIRO/Misc16.fsh", "game's own", "game's own");
    EXPECT_TRUE(noTemporaries(gameDir()));
}

INSTANTIATE_TEST_SUITE_P(
    Fault, OddEntries,
    ::testing::Values(OddEntry{"GameFileIsAFolder", "VARNEX 2001/DATA/ENVIRO/Misc16.fsh",
                               OddEntry::Folder, "Misc16.fsh: a folder of that name is in the way"},
                      OddEntry{"ChannelFileIsAFolder", "program/protv/misc16.fsh", OddEntry::Folder,
                               "Misc16.fsh: the channel's file is not a regular file"},
                      OddEntry{"ChannelFileIsAPipe", "program/protv/misc16.fsh", OddEntry::Pipe,
                               "Misc16.fsh: the channel's file is not a regular file"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kestro
