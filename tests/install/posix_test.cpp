// What only a POSIX system has: Windows paths mapped onto a case-sensitive file
// system, the Wine prefix's drive letters, file modes, pipes and resource limits.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "fileops.h"
#include "install_fixture.h"

namespace kestro {
namespace {

using namespace test;

// A Wine prefix of the test's own: drive c: is a folder in it, e: a link to nowhere
// (a drive that is not ready).
class WinePrefix {
  public:
    WinePrefix() {
        fs::create_directories(driveC());
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

class Resolve : public ::testing::Test {
  protected:
    fs::path game() const { return root_.path() / "game"; }
    TempFolder root_;
    WinePrefix wine_;
};

TEST_F(Resolve, MatchesExistingNamesWithoutRegardToCase) {
    writeFile(game() / "data/enviro/MISC16.FSH", "old");
    const Resolved r = resolvePath(game().string() + "\\DATA\\ENVIRO\\Misc16.fsh");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.path, game() / "data/enviro/MISC16.FSH");
}

TEST_F(Resolve, PrefersTheExactNameAndKeepsNewNamesAsWritten) {
    writeFile(game() / "DATA/a.txt", "");
    fs::create_directories(game() / "data");
    EXPECT_EQ(resolvePath(game().string() + "\\DATA\\New\\File.TXT").path,
              game() / "DATA/New/File.TXT");
}

TEST_F(Resolve, DriveLettersGoThroughTheWinePrefix) {
    fs::create_directories(wine_.driveC() / "Games");
    const Resolved r = resolvePath("C:\\GAMES\\VARNEX 2001\\DATA");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(fs::weakly_canonical(r.path),
              fs::weakly_canonical(wine_.driveC() / "Games/VARNEX 2001/DATA"));
    EXPECT_EQ(resolvePath("D:\\VARNEX 2001").error, FileError::DriveMissing);
    EXPECT_EQ(resolvePath("e:\\").error, FileError::DriveMissing);  // a link to nowhere
}

TEST_F(Install, KeepsTheGamesOwnLetterCase) {
    writeFile(gameDir() / "data/enviro/MISC16.FSH", "original");
    install("CANAL+");
    EXPECT_EQ(gameTree(), (std::vector<std::string>{"data", "data/POPUPS", "data/enviro",
                                                    "data/enviro/MISC16.FSH"}));
}

TEST_F(Install, ThroughAWineDriveLetter) {
    WinePrefix wine;
    writeFile(wine.driveC() / "Games/VARNEX 2001/data/enviro/MISC16.FSH", "game's own");
    view_.game = "C:\\Games\\VARNEX 2001";
    install("FOX");
    EXPECT_EQ(readFile(wine.driveC() / "Games/VARNEX 2001/data/enviro/MISC16.FSH"),
              readFile(programDir() / "fox/misc16.fsh"));
    EXPECT_EQ(onlyMessage().kind, Message::Kind::Plain);
}

class PosixCopy : public ::testing::Test {
  protected:
    void SetUp() override {
        writeFile(src(), "new contents");
        writeFile(dst(), "old game file");
    }
    fs::path src() const { return tmp_.path() / "src/file.fsh"; }
    fs::path dst() const { return tmp_.path() / "dst/file.fsh"; }
    TempFolder tmp_;
};

TEST_F(PosixCopy, KeepsTheModeOfAReplacedFile) {
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read;
    fs::permissions(dst(), mode);
    ASSERT_TRUE(replaceFile(src().string(), dst().string()).ok());
    EXPECT_EQ(fs::status(dst()).permissions(), mode);
}

// A copy cut off halfway (here by a file-size limit, as a full disk would) must not
// leave a broken game file or a stray temporary one.
TEST_F(PosixCopy, FailureHalfwayKeepsTheOldFileAndLeavesNoTemporary) {
    writeFile(src(), std::string(256 * 1024, 'n'));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const FileResult r = replaceFile(src().string(), dst().string());
        ::_exit(r.error == FileError::FileTooLarge ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the copy should fail with 'too large'";
    EXPECT_EQ(readFile(dst()), "old game file");
    EXPECT_EQ(listTree(dst().parent_path()), std::vector<std::string>{"file.fsh"});
}

}  // namespace
}  // namespace kestro
