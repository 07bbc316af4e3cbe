// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "install_fixture.h"

namespace kestro {
namespace {

using namespace test;

bool isReadOnly(const fs::path& p) {
    return (fs::status(p).permissions() & fs::perms::owner_write) == fs::perms::none;
}

// The copy step itself, on the two texts the window would hand it.
FileResult copyOver(const fs::path& source, const fs::path& destination) {
    FakeView view;
    view.sourceText = utf8(source);
    view.destinationText = utf8(destination);
    return copyStep(view);
}

class Copy : public TwoFiles {};

// A read-only game file is made writable first, even when the copy then fails.
TEST_F(Copy, ReplacesAReadOnlyDestination) {
    fs::permissions(dst(), fs::perms::owner_read);
    EXPECT_EQ(copyOver(tmp_.path() / "src/none.fsh", dst()).error, FileError::SourceMissing);
    EXPECT_EQ(readFile(dst()), "old game file");
    EXPECT_FALSE(isReadOnly(dst()));
    fs::permissions(dst(), fs::perms::owner_read);
    EXPECT_TRUE(copyOver(src(), dst()).ok());
    EXPECT_EQ(readFile(dst()), "new contents");
}

struct FailCase {
    const char *label, *source, *destination;  // below the scratch folder
    FileError expected;
};

class CopyFails : public Copy, public ::testing::WithParamInterface<FailCase> {};

TEST_P(CopyFails, LeavesEverythingAsItWasAndSaysWhy) {
    const FailCase& c = GetParam();
    const auto before = listTree(tmp_.path());
    EXPECT_EQ(copyOver(tmp_.path() / c.source, tmp_.path() / c.destination).error, c.expected);
    EXPECT_EQ(listTree(tmp_.path()), before);
    EXPECT_EQ(readFile(dst()), "old game file");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CopyFails,
    ::testing::ValuesIn(std::vector<FailCase>{
        {"source_missing", "src/none", "dst/file.fsh", FileError::SourceMissing},
        {"source_is_folder", "src", "dst/file.fsh", FileError::SourceNotAFile},
        {"destination_is_folder", "src/file.fsh", "dst", FileError::DestinationIsFolder},
        {"destination_folder_missing", "src/file.fsh", "nope/file.fsh", FileError::FolderMissing}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kestro
