// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "fileops.h"
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

class Copy : public ::testing::Test {
  protected:
    fs::path src() const { return tmp_.path() / "src/file.fsh"; }
    fs::path dst() const { return tmp_.path() / "dst/file.fsh"; }
    void SetUp() override {
        writeFile(src(), "new contents");
        fs::create_directories(dst().parent_path());
    }
    TempFolder tmp_;
};

// A read-only game file is made writable first, even when the copy then fails.
TEST_F(Copy, ReplacesAReadOnlyDestination) {
    writeFile(dst(), "old");
    fs::permissions(dst(), fs::perms::owner_read);
    EXPECT_EQ(copyOver(tmp_.path() / "src/none.fsh", dst()).error, FileError::SourceMissing);
    EXPECT_EQ(readFile(dst()), "old");
    EXPECT_FALSE(isReadOnly(dst()));
    fs::permissions(dst(), fs::perms::owner_read);
    EXPECT_TRUE(copyOver(src(), dst()).ok());
    EXPECT_EQ(readFile(dst()), "new contents");
}

struct FailCase {
    const char* label;
    std::function<void(const fs::path& root)> arrange;
    std::string source, destination;  // "@" stands for the scratch folder
    FileError expected;
};

class CopyFails : public Copy, public ::testing::WithParamInterface<FailCase> {};

TEST_P(CopyFails, LeavesEverythingAsItWasAndSaysWhy) {
    const FailCase& c = GetParam();
    if (c.arrange) c.arrange(tmp_.path());
    auto expand = [&](std::string text) {
        if (auto at = text.find('@'); at != std::string::npos)
            text.replace(at, 1, utf8(tmp_.path()));
        return text;
    };
    const auto before = listTree(tmp_.path());
    FakeView view;
    view.sourceText = expand(c.source);
    view.destinationText = expand(c.destination);
    EXPECT_EQ(copyStep(view).error, c.expected);
    EXPECT_EQ(listTree(tmp_.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CopyFails,
    ::testing::Values(
        FailCase{"source_missing", nullptr, "@/src/none", "@/dst/file.fsh",
                 FileError::SourceMissing},
        FailCase{"source_is_folder", nullptr, "@/src", "@/dst/file.fsh", FileError::SourceNotAFile},
        FailCase{"destination_is_folder",
                 [](const fs::path& r) { fs::create_directories(r / "dst/file.fsh/inner"); },
                 "@/src/file.fsh", "@/dst/file.fsh", FileError::DestinationIsFolder},
        FailCase{"destination_folder_missing", nullptr, "@/src/file.fsh", "@/nope/file.fsh",
                 FileError::FolderMissing}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kestro
