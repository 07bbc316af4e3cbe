// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own channel sets, from the folder and archives in tests/playersets/archives
// (made by tools/make-test-archives.sh).
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <unistd.h>

#include "names.h"
#include "own_mounts.h"
#include "playersets.h"
#include "scratch.h"

namespace kestro {
namespace {

using namespace test;
using What = SetOutcome::What;
using Source = SourceProblem::What;

const fs::path kArchives = fromUtf8(KESTRO_TEST_ARCHIVES);

class PlayerSetsTest : public ::testing::Test {
  protected:
    fs::path setsDir() const { return tmp_.path() / "sets"; }
    SetOutcome add(const fs::path& source, const std::string& name) {
        return PlayerSets(setsDir()).add(source, name);
    }
    // What the sets folder holds, temporaries included; the lock file aside.
    std::vector<std::string> sets() const {
        std::vector<std::string> names;
        for (const auto& [name, text] : snapshot(setsDir()))
            if (name != ".lock" && name.find('/') == std::string::npos) names.push_back(name);
        return names;
    }
    TempFolder tmp_;
};

// Sources that each come to one outcome, and how many files each passes over.
using AddCase = std::tuple<std::vector<const char*>, What, Source, int>;
class Adding : public PlayerSetsTest, public ::testing::WithParamInterface<AddCase> {};

// However a set comes, only its files land, found wherever they were and in whatever
// letter case; anything hostile is passed over or refused, and a refused add leaves
// nothing behind.
TEST_P(Adding, TakesTheSetsFilesOnly) {
    const auto& [sources, what, problem, passedOver] = GetParam();
    for (const char* source : sources) {
        SCOPED_TRACE(source);
        fs::remove_all(setsDir());
        const SetOutcome added = add(kArchives / source, "X");
        EXPECT_EQ(added.what, what);
        EXPECT_EQ(added.source.what, problem);
        EXPECT_EQ(added.passedOver, passedOver);
        EXPECT_EQ(sets(), added.ok() ? std::vector<std::string>{"X"} : std::vector<std::string>{});
        if (!added.ok()) continue;
        EXPECT_EQ(added.files, (std::vector<size_t>{0, 3, kPreviewSlot}));
        EXPECT_EQ(snapshot(setsDir() / "X").size(), 3u);
        EXPECT_EQ(readFile(setsDir() / "X/popups.big"), "big");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, Adding,
    ::testing::Values(
        AddCase{{"Pack", "set.zip", "set.7z", "set.rar", "set5.rar"}, What::Added, Source::None, 0},
        AddCase{{"climb.zip", "link.zip", "encrypted.zip"}, What::NoGameFiles, Source::None, 1},
        AddCase{{"none.zip"}, What::NoGameFiles, Source::None, 0},
        AddCase{{"oversized.7z"}, What::SourceProblem, Source::FileTooLarge, 0},
        AddCase{{"long-walk.7z", "streamed.zip"}, What::SourceProblem, Source::WalkTooLong, 0},
        AddCase{{"twice.zip"}, What::SourceProblem, Source::FileTwice, 0},
        AddCase{{"toolarge.7z"}, What::SourceProblem, Source::SetTooLarge, 0},
        AddCase{{"many.7z"}, What::SourceProblem, Source::TooManyArchiveEntries, 0},
        AddCase{{"damaged.zip", "cut5.rar", "badcrc.zip"}, What::SourceProblem, Source::Damaged, 0},
        AddCase{{"split4.rar", "split5.rar", "sfx5.rar", "extra5.rar"},
                What::SourceProblem,
                Source::SplitArchive,
                0},
        AddCase{{"not-an-archive.zip"}, What::SourceProblem, Source::UnknownArchive, 0},
        AddCase{{"missing"}, What::SourceProblem, Source::Missing, 0},
        AddCase{{"/dev/null"}, What::SourceProblem, Source::NotASource, 0}),
    [](const auto& info) { return rowName(info.index, std::get<0>(info.param)[0]); });

// The player's own sets are kept in their data folder, and with no home there are none.
// A self-extractor's code may hold the signature and bytes that read as the main header of
// a piece of a split archive: only one whose CRC holds is taken for one, and a signature
// followed by another header for none.
TEST(SetArchive, OnlyAMainHeaderWhoseCrcHoldsMarksAPiece) {
    const std::string set5 = readFile(kArchives / "set5.rar");
    const std::string volume("\x03\x01\x00\x01", 4);  // a RAR 5 main header, of a volume
    for (const auto& [signature, piece] :
         {std::pair{std::string("Rar!\x1A\x07\x01\x00\x53\x2A\x34\x45", 12) + volume, true},
          {std::string("Rar!\x1A\x07\x01\x00\0\0\0\0", 12) + volume, false},
          {std::string("Rar!\x1A\x07\x00\0\0\x74\x01\0\x07\0", 14), false}}) {  // RAR 4, no main
        std::string stub = "MZ" + std::string(1000, '\0') + signature;
        stub.resize(65536, '\0');
        SetContents contents;
        EXPECT_EQ(readSetArchive(stub + set5, contents).what,
                  piece ? Source::SplitArchive : Source::None);
    }
}

TEST(SetsFolder, IsInThePlayersDataFolder) {
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* data = std::getenv("XDG_DATA_HOME");
    const std::string saved = data ? data : "";
    ::setenv("HOME", "/home/ana", 1);
    for (const char* xdg : {"/data", "relative", ""}) {
        ::setenv("XDG_DATA_HOME", xdg, 1);
        EXPECT_EQ(PlayerSets::forThisUser().folder(),
                  fs::path(*xdg == '/' ? "/data" : "/home/ana/.local/share") / "KESTRO/channels");
    }
    ::unsetenv("HOME");
    EXPECT_TRUE(PlayerSets::forThisUser().folder().empty());
    EXPECT_EQ(PlayerSets::forThisUser().add(kArchives / "Pack", "X").error,
              failure(ErrorCode::FolderMissing));
    ::setenv("HOME", home.c_str(), 1);
    data ? ::setenv("XDG_DATA_HOME", saved.c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
}

TEST(SetNames, AreFileNamesOnEveryPlatformInCapitals) {
    using P = NameProblem;
    // clang-format off
    for (const auto& [name, problem] : std::initializer_list<std::pair<const char*, P>>{
             {"CANAL+", P::None}, {"TVP SPORT 2", P::None}, {"ŁÓDŹ TV", P::None}, {"स्टार स्पोर्ट्स", P::None}, {"CON TV", P::None},
             {"COM0", P::None}, {"COM10", P::None}, {"ПЕРВЫЙ СПОРТИВНЫЙ КАНАЛ РОССИЯ 1", P::None},  // 32 letters, 61 bytes
             {"", P::Empty}, {"fox", P::NotCapitals}, {"A/B", P::BadCharacter}, {"A:B", P::BadCharacter},
             {"\x01", P::BadCharacter}, {"A\xC2\x85" "B", P::BadCharacter}, {"\xE2\x80\xAE" "X", P::BadCharacter},
             {"A\xE2\x80\xA8" "B", P::BadCharacter}, {"A\xC2\xA0" "B", P::BadCharacter}, {"E\xE2\x80\x8B", P::BadCharacter}, {"FOX\xEF\xB8\x8F", P::BadCharacter},
             {"\xC2\xA0" "X", P::DotOrSpaceEnd}, {"NUL.TXT", P::Device}, {"COM1", P::Device}, {"LPT\xC2\xB3", P::Device},
             {"CONIN$", P::Device}, {"CON .X", P::Device}, {".X", P::DotOrSpaceEnd}, {"X ", P::DotOrSpaceEnd},
             {"X\xE3\x80\x80", P::DotOrSpaceEnd}, {"\xE1\x9A\x80" "X", P::DotOrSpaceEnd}, {"A\xE2\x80\x82" "B", P::BadCharacter}, {"TV\xC3(", P::NotText}, {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456", P::TooLong}})
        // clang-format on
        EXPECT_EQ(setNameProblem(name), problem) << name;
    EXPECT_EQ(defaultSetName("/home/p/Downloads/Polsat Sport.ZIP"), "POLSAT SPORT");
    EXPECT_EQ(defaultSetName("C:\\packs\\tv.v2\\"), "TV.V2");
}

// A set's name is its own; links in the sets folder are never followed, a set with no game
// file (a link in its place too) is still listed and can be removed, and a full disk or a
// stopped add leaves nothing half-written.
TEST_F(PlayerSetsTest, NamesAreUniqueAndAddsAllOrNothing) {
    PlayerSets sets(setsDir());
    writeFile(setsDir() / "EMPTY/readme.txt", "no set file here");
    fs::create_directory_symlink(kArchives / "Pack/DATA/POPUPS", setsDir() / "VIA LINK");
    {
        Injecting full({{SystemCall::Write, ENOSPC}});
        EXPECT_EQ(add(kArchives / "Pack", "MY TV").error.code, ErrorCode::DiskFull);
    }
    const auto cancel = [](std::uint64_t) { return false; };
    // Stopped in a folder, in a 7z, in the midst of a set's file (the zip's first entry), and
    // while passing over a file that is none of the set's.
    for (const char* source : {"Pack", "set.7z", "twice.zip", "none.zip"})
        EXPECT_EQ(sets.add(kArchives / source, "MY TV", cancel).source.what, Source::Cancelled);
    EXPECT_EQ(this->sets(), (std::vector<std::string>{"EMPTY", "VIA LINK"}));
    std::uint64_t shown = 0, inSet = 0;  // the bar goes as far as the set's bytes, no further
    ASSERT_TRUE(sets.add(kArchives / "set.7z", "MY TV",
                         [&](std::uint64_t n) {
                             shown = std::max(shown, n);
                             return true;
                         })
                    .ok());
    for (const auto& [name, text] : snapshot(setsDir() / "MY TV")) inSet += text.size();
    EXPECT_EQ(shown, inSet);
    EXPECT_EQ(add(kArchives / "set.zip", "MY TV").what, What::NameTaken);
    EXPECT_EQ(add(kArchives / "set.zip", "my tv").what, What::BadName);
    ASSERT_TRUE(add(kArchives / "set.zip", "I\xCC\x81").ok());  // an accent typed apart: one set
    EXPECT_TRUE(sets.remove("\xC3\x8D").ok() && sets.remove("I\xCC\x81").what == What::NoSuchSet);
    // A name that would pass for one of the seven's or the player's: a letter of another
    // script (an accent on it too), full-width or bold, a space more. Cyrillic letters alone, or
    // a superscript, are a name like any.
    ASSERT_TRUE(add(kArchives / "set.zip", "\xC3\x8D TV2").ok());  // Í TV2
    for (const auto& [lookAlike, like] :
         {std::pair{"F\xD0\x9EX", "FOX"},
          {"\xEF\xBC\xA6\xEF\xBC\xAF\xEF\xBC\xB8", "FOX"},
          {"\xEA\x93\x9D\xEA\x93\xB3\xEA\x93\xAB", "FOX"},
          {"\xF0\x9D\x90\x85\xF0\x9D\x90\x8E\xF0\x9D\x90\x97", "FOX"},  // bold
          {"\xE2\x84\x82"
           "ANAL+",
           "CANAL+"},  // double-struck
          {"MY  TV", "MY TV"},
          {"\xCE\x9CY TV", "MY TV"},
          {"\xD0\x86\xCC\x81 TV2", "\xC3\x8D TV2"}}) {
        const SetOutcome o = add(kArchives / "set.zip", lookAlike);
        EXPECT_TRUE(o.nameProblem == NameProblem::LooksLike && o.like == like) << lookAlike;
    }
    for (const char* own : {"\xD0\xA1\xD0\xA2\xD0\xA1", "\xC3\x8D TV\xC2\xB2"})  // СТС, Í TV²
        EXPECT_TRUE(add(kArchives / "set.zip", own).ok() && sets.remove(own).ok()) << own;
    EXPECT_TRUE(sets.remove("\xC3\x8D TV2").ok());
    EXPECT_EQ(sets.names(), (std::vector<std::string>{"EMPTY", "MY TV", "VIA LINK"}));
    fs::create_directory_symlink(setsDir(), tmp_.path() / "linked");  // never read through one
    EXPECT_TRUE(PlayerSets(tmp_.path() / "linked").names().empty());
    EXPECT_EQ(PlayerSets(tmp_.path() / "linked").add(kArchives / "Pack", "X").what,
              What::SetsFolder);
    EXPECT_TRUE(PlayerSets(tmp_.path() / "none").names().empty());  // listing makes nothing
    EXPECT_FALSE(fs::exists(tmp_.path() / "none"));
    const std::vector<ChannelSet> read = sets.read();
    ASSERT_EQ(read.size(), 3u);
    EXPECT_TRUE(read[0].givesNothing() && !read[1].givesNothing() && read[2].givesNothing());
    EXPECT_EQ(sets.remove("NONE").what, What::NoSuchSet);
    {
        Injecting busy({{SystemCall::Rename, EBUSY}});  // the set in the way is named
        EXPECT_EQ(sets.remove("MY TV").error.subject, utf8(setsDir() / "MY TV"));
    }
    for (const char* name : {"VIA LINK", "EMPTY", "MY TV"}) EXPECT_TRUE(sets.remove(name).ok());
    // A set copied by hand with its accents written apart is the set of that name, as long as
    // it shows; beside another spelling of it, neither is, and both are named.
    std::string apart;
    for (int i = 0; i < 17; ++i) apart += "E\xCC\x81";
    const std::string name = composed(apart);
    writeFile(setsDir() / apart / "misc8.fsh", "8");
    EXPECT_EQ(add(kArchives / "set.zip", name).what, What::NameTaken);
    ASSERT_EQ(sets.read().size(), 1u);
    EXPECT_TRUE(sets.read()[0].key == name && sets.read()[0].files.size() == 1);
    writeFile(setsDir() / name, "");  // a file too
    EXPECT_EQ(sets.misnamed(), (std::vector<std::pair<std::string, NameProblem>>{
                                   {apart, NameProblem::Twice}, {name, NameProblem::Twice}}));
    EXPECT_TRUE(sets.names().empty() && sets.remove(name).nameProblem == NameProblem::Twice);
    EXPECT_EQ(add(kArchives / "set.zip", name).nameProblem, NameProblem::Twice);
    fs::remove(setsDir() / name);
    EXPECT_TRUE(sets.remove(name).ok());
    EXPECT_TRUE(this->sets().empty());
    EXPECT_TRUE(fs::exists(kArchives / "Pack/DATA/POPUPS/Popups.big"));  // only the link went
}

// Another folder mounted inside a set, or where an add cut short left its own (as root, or
// a namespace, can): a removal and the tidy-up go around it, and say so; what it holds stays.
TEST_F(PlayerSetsTest, ARemovalNeverGoesIntoAMount) {
    const fs::path elsewhere = tmp_.path() / "elsewhere";
    writeFile(elsewhere / "keep.txt", "not the sets'");
    fs::permissions(elsewhere, fs::perms(0555));  // and its rights are its own
    ASSERT_TRUE(add(kArchives / "Pack", "MY TV").ok());
    for (const char* at : {"MY TV/sub", ".adding-1"}) fs::create_directories(setsDir() / at);
    const int status = inOwnMounts([&] {
        for (const char* at : {"MY TV/sub", ".adding-1"})
            if (::mount(elsewhere.c_str(), (setsDir() / at).c_str(), nullptr, MS_BIND, nullptr))
                return kNoMounts;
        const SetOutcome removed = PlayerSets(setsDir()).remove("MY TV");
        // and the next change, while they stay, says so
        const bool told = !PlayerSets(setsDir()).add(kArchives / "Pack", "MY TV").leftover.empty();
        return told && PlayerSets(setsDir()).remove("MY TV").ok() &&
                       removed.leftover.starts_with(utf8(setsDir() / ".removing-")) &&
                       removed.error.subject.ends_with("/sub") &&
                       PlayerSets(setsDir()).names().empty()
                   ? 0
                   : 1;
    });
    if (status == kNoMounts) GTEST_SKIP() << "no mounts here";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readFile(elsewhere / "keep.txt"), "not the sets'");
    EXPECT_EQ(fs::status(elsewhere).permissions(), fs::perms(0555));
    EXPECT_EQ(PlayerSets(setsDir()).remove("MY TV").what, What::NoSuchSet);  // and tidies
    EXPECT_TRUE(sets().empty());
}

// A folder that cannot be read whole, or a game file of no bytes, is refused and named.
TEST_F(PlayerSetsTest, ABrokenSourceIsRefusedAndNamed) {
    writeFile(tmp_.path() / "pack/a/misc8.fsh", "8");
    writeFile(tmp_.path() / "pack/b/Misc16.fsh", "16");
    // The first folder inside, listed or opened, the folder, a file in it.
    for (const auto& [call, pass, subject] :
         {std::tuple{SystemCall::List, 1, "pack/a"}, std::tuple{SystemCall::Open, 1, "pack/a"},
          std::tuple{SystemCall::Open, 0, "pack"},
          std::tuple{SystemCall::Read, 0, "pack/a/misc8.fsh"},
          std::tuple{SystemCall::Open, 2, "pack/a/misc8.fsh"}}) {
        Injecting unreadable({{call, EACCES}}, pass);
        const SetOutcome added = add(tmp_.path() / "pack", "PACK");
        EXPECT_EQ(added.source.what, Source::Unreadable) << subject;
        EXPECT_EQ(added.source.error.subject, utf8(tmp_.path() / subject));
    }
    // Found twice, both named; a game folder's own store holds no set's files.
    writeFile(tmp_.path() / "pack/KESTRO backup/DATA/ENVIRO/misc8.fsh", "kept");
    writeFile(tmp_.path() / "pack/b/MISC8.FSH", "8");
    EXPECT_EQ(add(tmp_.path() / "pack", "PACK").source.detail,
              SourceProblem::twoPlaces("a/misc8.fsh", "b/MISC8.FSH"));
    fs::remove(tmp_.path() / "pack/b/MISC8.FSH");
    EXPECT_EQ(add(kArchives / "game.zip", "GAME").files, std::vector<size_t>{0});  // a .zip too
    writeFile(tmp_.path() / "pack/b/Misc16.fsh", "");
    const SetOutcome empty = add(tmp_.path() / "pack", "PACK");
    EXPECT_EQ(empty.source.what, Source::EmptyFile);
    EXPECT_EQ(empty.source.slot, 0u);
    // Each file within its 64 MiB: four game files make the whole 256 MiB of a set, and a
    // preview's one byte more is too much.
    for (const std::string_view name : kSetFileNames) {
        if (name == "preview.jpg") continue;
        writeFile(tmp_.path() / "big" / name, "x");
        fs::resize_file(tmp_.path() / "big" / name, kMaxChannelFileSize);
    }
    for (const fs::path& whole : {tmp_.path() / "big", kArchives / "whole.7z"}) {  // either way
        EXPECT_TRUE(add(whole, "BIG").ok()) << whole;
        EXPECT_TRUE(PlayerSets(setsDir()).remove("BIG").ok());
    }
    writeFile(tmp_.path() / "big/preview.jpg", "x");
    EXPECT_EQ(add(tmp_.path() / "big", "BIG").source.what, Source::SetTooLarge);
    EXPECT_FALSE(fs::exists(setsDir() / "PACK") || fs::exists(setsDir() / "BIG"));
    // A sets folder that cannot be made for want of rights says so, not that it is missing,
    // and names the folder in the way; one that cannot be written into (locked or not) is named,
    // never a file of the program's.
    const fs::path locked = tmp_.path() / "locked", held = locked / "held";
    writeFile(held / ".lock", "");
    for (const fs::path& p : {locked, held, held / ".lock"})
        EXPECT_TRUE(::geteuid() != 0 || ::lchown(p.c_str(), 65534, 65534) == 0);
    for (const fs::path& p : {held, locked}) fs::permissions(p, fs::perms(0555));
    if (::geteuid() == 0) ::setfsuid(65534);
    const Error denied = PlayerSets(locked / "KESTRO/channels").add(kArchives / "Pack", "X").error;
    const Error unlockable = PlayerSets(locked).add(kArchives / "Pack", "X").error;
    const Error unwritable = PlayerSets(held).add(kArchives / "Pack", "X").error;
    if (::geteuid() == 0) ::setfsuid(0);
    EXPECT_TRUE(denied.code == ErrorCode::PermissionDenied && denied.subject == utf8(locked));
    EXPECT_TRUE(unlockable.subject == utf8(locked) && unwritable.subject == utf8(held));
    fs::create_directories(tmp_.path() / "many");  // 20,000 entries at most: then too many
    for (int i = 0; i < kMaxFolderEntries; ++i)
        std::ofstream(tmp_.path() / "many" / std::to_string(i));
    EXPECT_EQ(add(tmp_.path() / "many", "MANY").what, What::NoGameFiles);
    std::ofstream(tmp_.path() / "many/misc8.fsh");
    EXPECT_EQ(add(tmp_.path() / "many", "MANY").source.what, Source::TooManyEntries);
    writeFile(tmp_.path() / "deep/1/2/3/4/5/misc8.fsh", "8");  // five folders down at most
    writeFile(tmp_.path() / "deep/1/2/3/4/5/6/Misc16.fsh", "16");
    EXPECT_EQ(add(tmp_.path() / "deep", "DEEP").files, std::vector<size_t>{1});
}

}  // namespace
}  // namespace kestro
