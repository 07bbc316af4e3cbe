// SPDX-License-Identifier: GPL-3.0-or-later
// What only Windows has: letter case left to the file system, the read-only attribute,
// files held open by another program (the game while it runs), and network shares.
#include <gtest/gtest.h>
#include <windows.h>

#include "paths.h"
#include "scratch.h"

namespace kestro {
namespace {

using namespace test;

class WinFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        writeFile(tmp_.path() / "src.fsh", "new contents");
        writeFile(tmp_.path() / "dst.fsh", "old game file");
        folder_ = Folder::open(tmp_.path()).value;
    }
    Error copyOver(std::string_view name) {
        Result<ReadFile> source = ReadFile::open(folder_, "src.fsh");
        Result<Staged> staged = Staged::copy(source.value, folder_, name, 0644);
        return staged.ok() ? staged.value.commit() : staged.error;
    }
    TempFolder tmp_;
    Folder folder_;
};

// The file system matches letter case: the copy goes over the file of that name.
TEST_F(WinFiles, AReadOnlyGameFileIsReplacedUnlessItHasOtherNames) {
    const std::wstring dst = (tmp_.path() / "dst.fsh").wstring();
    ASSERT_TRUE(SetFileAttributesW(dst.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(
        CreateHardLinkW((tmp_.path() / "other name").wstring().c_str(), dst.c_str(), nullptr));
    EXPECT_EQ(copyOver("dst.fsh").code, ErrorCode::ReadOnly);
    EXPECT_EQ(readFile(tmp_.path() / "dst.fsh"), "old game file");
    ASSERT_TRUE(removeFile(folder_, "other name").ok());
    ASSERT_TRUE(copyOver("DST.FSH").ok());
    EXPECT_EQ(readFile(tmp_.path() / "dst.fsh"), "new contents");
    EXPECT_EQ(snapshot(tmp_.path()).size(), 2u);
}

TEST_F(WinFiles, AGameFileHeldOpenIsInUseAndKeptWhole) {
    HANDLE held =
        CreateFileW((tmp_.path() / "dst.fsh").wstring().c_str(), GENERIC_READ, FILE_SHARE_READ,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const Error e = copyOver("dst.fsh");
    CloseHandle(held);
    EXPECT_EQ(e.code, ErrorCode::InUse);
    EXPECT_EQ(readFile(tmp_.path() / "dst.fsh"), "old game file");
    EXPECT_EQ(snapshot(tmp_.path()).size(), 2u);
}

// A tree goes whole; a link to a folder in it goes itself, never what it leads to.
TEST_F(WinFiles, ATreeGoesWithItsLinksAlone) {
    writeFile(tmp_.path() / "tree/sub/file", "the tree's");
    const std::wstring link = (tmp_.path() / "tree/sub/to real").wstring();
    ASSERT_TRUE(CreateSymbolicLinkW(
        link.c_str(), tmp_.path().wstring().c_str(),
        SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE));
    EXPECT_TRUE(removeTree(folder_, "tree").ok());
    EXPECT_FALSE(fs::exists(tmp_.path() / "tree"));
    EXPECT_EQ(readFile(tmp_.path() / "src.fsh"), "new contents");
}

TEST(WinPaths, APathWithoutADriveIsNotAFullPathButAShareIs) {
    EXPECT_EQ(resolvePath("\\DATA\\ENVIRO\\Misc16.fsh").error.code, ErrorCode::PathRelative);
    EXPECT_EQ(resolvePath("\\\\server").error.code, ErrorCode::PathRelative);  // no share named
    const Result<fs::path> share = resolvePath("\\\\server\\games/VARNEX 2001\\DATA");
    ASSERT_TRUE(share.ok());
    EXPECT_EQ(share.value.wstring(), L"\\\\server\\games\\VARNEX 2001\\DATA");
}

}  // namespace
}  // namespace kestro
