// SPDX-License-Identifier: GPL-3.0-or-later
// What only Windows has: letter case left to the file system, the read-only
// attribute, and files held open by another program (the game while it runs).
#include <gtest/gtest.h>
#include <windows.h>

#include "install_fixture.h"

namespace kestro {
namespace {

using namespace test;

class WinCopy : public TwoFiles {};

TEST_F(WinCopy, TheFileSystemMatchesLetterCase) {
    const std::string shouted = utf8(tmp_.path() / "DST" / "FILE.FSH");
    ASSERT_TRUE(replaceFile(utf8(src()), shouted).ok());
    EXPECT_EQ(readFile(dst()), "new contents");
    EXPECT_EQ(listTree(dst().parent_path()).size(), 1u);
}

TEST_F(WinCopy, AReadOnlyGameFileIsNamedAsSuchUnlessItsAttributesAreReset) {
    ASSERT_TRUE(SetFileAttributesW(dst().c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(replaceFile(utf8(src()), utf8(dst())).error, FileError::DestinationReadOnly);
    EXPECT_EQ(readFile(dst()), "old game file");
    EXPECT_EQ(listTree(dst().parent_path()).size(), 1u);
    ASSERT_TRUE(resetAttributes(utf8(dst())).ok());
    EXPECT_EQ(GetFileAttributesW(dst().c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    ASSERT_TRUE(replaceFile(utf8(src()), utf8(dst())).ok());
    EXPECT_EQ(readFile(dst()), "new contents");
}

TEST_F(WinCopy, AGameFileHeldOpenIsInUseAndKeptWhole) {
    HANDLE held = CreateFileW(dst().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const FileResult r = replaceFile(utf8(src()), utf8(dst()));
    CloseHandle(held);
    EXPECT_EQ(r.error, FileError::InUse);
    EXPECT_EQ(readFile(dst()), "old game file");
    EXPECT_EQ(listTree(dst().parent_path()).size(), 1u);
}

TEST_F(WinCopy, APathWithoutADriveIsNotAFullPathButAShareIs) {
    EXPECT_EQ(resolvePath("\\DATA\\ENVIRO\\Misc16.fsh").error, FileError::PathRelative);
    EXPECT_EQ(resolvePath("\\\\server").error, FileError::PathRelative);  // no share named
    const Resolved share = resolvePath("\\\\server\\games/VARNEX 2001\\DATA");
    ASSERT_TRUE(share.ok());
    EXPECT_EQ(share.path.wstring(), L"\\\\server\\games\\VARNEX 2001\\DATA");
}

}  // namespace
}  // namespace kestro
