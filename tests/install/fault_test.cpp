// SPDX-License-Identifier: GPL-3.0-or-later
// Faults injected while files are being replaced: a full disk (crashes at every step are
// the model check's, odd entries the copy tests'). Each case checks that no
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

}  // namespace
}  // namespace kestro
