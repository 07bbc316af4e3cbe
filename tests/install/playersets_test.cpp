// SPDX-License-Identifier: GPL-3.0-or-later
#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include "install_fixture.h"
#include "originals.h"
#include "playersets.h"

namespace kestro {
namespace {

using namespace test;

struct Entry {
    std::string path, data;
    bool link = false;
};

// An archive as players download them, written with libarchive (zip, 7z) or by hand
// (RAR 4, stored: libarchive reads RAR but cannot write it).
std::string crc32(std::string_view data) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (const char c : data) {
        crc ^= static_cast<unsigned char>(c);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    crc = ~crc;
    return {static_cast<char>(crc), static_cast<char>(crc >> 8), static_cast<char>(crc >> 16),
            static_cast<char>(crc >> 24)};
}

std::string le(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
    return out;
}

std::string rarBlock(std::string body) {  // body from HEAD_TYPE on
    return crc32(body).substr(0, 2) + body;
}

void writeRar(const fs::path& file, const std::vector<Entry>& entries) {
    std::string rar = "Rar!\x1a\x07" + std::string(1, '\0');
    rar += rarBlock("\x73" + le(0, 2) + le(13, 2) + le(0, 6));
    for (const Entry& e : entries)
        rar += rarBlock("\x74" + le(0x8000, 2) + le(32 + e.path.size(), 2) + le(e.data.size(), 4) +
                        le(e.data.size(), 4) + le(0, 1) + crc32(e.data) + le(0x5A210000, 4) +
                        le(20, 1) + le(0x30, 1) + le(e.path.size(), 2) + le(0x20, 4) + e.path) +
               e.data;
    writeFile(file, rar + rarBlock("\x7b" + le(0x4000, 2) + le(7, 2)));
}

void writeArchive(const fs::path& file, std::string_view kind, const std::vector<Entry>& entries,
                  bool encrypted = false) {
    fs::create_directories(file.parent_path());
    if (kind == "rar") return writeRar(file, entries);
    archive* out = archive_write_new();
    kind == "zip" ? archive_write_set_format_zip(out) : archive_write_set_format_7zip(out);
    if (encrypted) {
        ASSERT_EQ(archive_write_set_options(out, "zip:encryption=zipcrypt"), ARCHIVE_OK);
        archive_write_set_passphrase(out, "secret");
    }
    ASSERT_EQ(archive_write_open_filename(out, file.c_str()), ARCHIVE_OK);
    for (const Entry& e : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, e.path.c_str());
        archive_entry_set_filetype(entry, e.link ? AE_IFLNK : AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        if (e.link) archive_entry_set_symlink(entry, e.data.c_str());
        archive_entry_set_size(entry, e.link ? 0 : static_cast<la_int64_t>(e.data.size()));
        archive_write_header(out, entry);
        if (!e.link) archive_write_data(out, e.data.data(), e.data.size());
        archive_entry_free(entry);
    }
    archive_write_close(out);
    archive_write_free(out);
}

class PlayerSets : public Install {
  protected:
    SetResult add(const fs::path& source, const std::string& name) {
        return addChannelSet(utf8(setsDir()), utf8(source), name);
    }
    fs::path pack() const { return tmp_.path() / "Pack"; }
    // Only the sets themselves are left in the sets folder, never a temporary.
    void expectSets(std::vector<std::string> names) {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(setsDir()))
            if (entry.path().filename() != ".lock") found.push_back(utf8(entry.path().filename()));
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, names);
    }
};

// The same set, however it comes: the four names in any letter case, wherever they are.
class AddFromEachKind : public PlayerSets, public ::testing::WithParamInterface<const char*> {};

TEST_P(AddFromEachKind, CopiesTheSetFilesAndNothingElse) {
    const std::vector<Entry> entries = {{"Pack/DATA/ENVIRO/MISC16.FSH", "m16"},
                                        {"Pack/DATA/POPUPS/Popups.big", "big"},
                                        {"Pack/preview.jpg", "jpg"},
                                        {"Pack/readme.txt", "not a set file"}};
    const std::string kind = GetParam();
    fs::path source = pack();
    if (kind == "folder")
        for (const Entry& e : entries) writeFile(tmp_.path() / e.path, e.data);
    else
        writeArchive(source = tmp_.path() / ("Tele Sport." + kind), kind, entries);
    ASSERT_TRUE(fs::exists(source));
    const std::string name = defaultSetName(utf8(source));
    const SetResult added = add(source, name);
    ASSERT_TRUE(added.ok) << added.message;
    EXPECT_NE(added.message.find("Misc16.fsh, popups.big, preview.jpg"), std::string::npos);
    expectSets({name});
    EXPECT_EQ(listTree(setsDir() / name),
              (std::vector<std::string>{"Misc16.fsh", "popups.big", "preview.jpg"}));

    const Catalogue sets = catalogue();
    ASSERT_EQ(sets.sets().size(), 8u);
    const ChannelSet& own = sets.sets().back();
    EXPECT_EQ(own.key, name);
    ASSERT_EQ(own.files.size(), 2u);
    EXPECT_EQ(own.files[0].destination, kGameFiles[0]);
    EXPECT_EQ(own.files[1].destination, kGameFiles[3]);
    EXPECT_EQ(own.files[1].progress, 99.0f);
    install(name);
    EXPECT_EQ(readFile(gameFile(kGameFiles[3])), "big");
    EXPECT_EQ(installedChannel(view_.game, sets), &own);
}

INSTANTIATE_TEST_SUITE_P(Sources, AddFromEachKind,
                         ::testing::Values("folder", "zip", "7z", "rar"));

struct Hostile {
    const char* name;
    std::vector<Entry> entries;
    bool encrypted;
    const char* says;  // the refusal
};

class HostileArchive : public PlayerSets, public ::testing::WithParamInterface<Hostile> {};

// Nothing of a hostile archive lands anywhere, and the refusal says why.
TEST_P(HostileArchive, IsRefusedAndLeavesNothing) {
    const Hostile& row = GetParam();
    const fs::path file = tmp_.path() / "x" / "set.zip";
    if (row.entries.empty())
        writeFile(file, std::string("PK\x03\x04 cut short", 14));
    else
        writeArchive(file, "zip", row.entries, row.encrypted);
    const SetResult added = add(file, "X");
    EXPECT_FALSE(added.ok);
    EXPECT_NE(added.message.find(row.says), std::string::npos) << added.message;
    EXPECT_FALSE(fs::exists(tmp_.path() / "misc16.fsh"));
    EXPECT_FALSE(fs::exists(setsDir() / "X"));
    if (fs::exists(setsDir())) expectSets({});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HostileArchive,
    ::testing::Values(
        Hostile{"ClimbsOut", {{"../misc16.fsh", "up"}}, false, "passed over"},
        Hostile{"ALink", {{"misc16.fsh", "/etc/passwd", true}}, false, "passed over"},
        Hostile{"Encrypted", {{"misc16.fsh", "secret"}}, true, "passed over"},
        Hostile{"Oversized", {{"misc16.fsh", std::string(kMaxSetFileSize + 1, '\0')}}, false,
                "larger than 64 MiB"},
        Hostile{"Twice", {{"a/misc16.fsh", "1"}, {"b/MISC16.fsh", "2"}}, false, "more than once"},
        Hostile{"Damaged", {}, false, "damaged"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayerSets, NotAnArchiveOrNothingToAddIsRefused) {
    writeFile(pack() / "readme.txt", "hello");
    EXPECT_NE(add(pack(), "X").message.find("none of the game's channel files"), std::string::npos);
    EXPECT_NE(add(pack() / "readme.txt", "X").message.find("not an archive"), std::string::npos);
    EXPECT_NE(add(pack() / "none", "X").message.find("neither"), std::string::npos);
    EXPECT_FALSE(fs::exists(setsDir() / "X"));
}

TEST(SetNames, AreFileNamesOnEveryPlatformInCapitals) {
    for (const char* good : {"CANAL+", "TVP SPORT 2", "ŁÓDŹ TV", "CON TV", "COM0"})
        EXPECT_EQ(setNameProblem(good), "") << good;
    for (const char* bad : {"", "fox", "A/B", "A\\B", "A:B", "CON", "NUL.TXT", "LPT9", ".X", "X.",
                            " X", "\x01", "\xC5", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456"})
        EXPECT_NE(setNameProblem(bad), "") << bad;
    EXPECT_EQ(defaultSetName("/home/p/Downloads/Polsat Sport.ZIP"), "POLSAT SPORT");
    EXPECT_EQ(defaultSetName("C:\\packs\\tv.v2\\"), "TV.V2");
}

TEST_F(PlayerSets, NamesAreUniqueAndOnlyThePlayersCanBeRemoved) {
    writeFile(pack() / "misc8.fsh", "8");
    ASSERT_TRUE(add(pack(), "MY TV").ok);
    EXPECT_NE(add(pack(), "MY TV").message.find("already"), std::string::npos);
    EXPECT_NE(add(pack(), "my tv").message.find("capitals"), std::string::npos);
    EXPECT_FALSE(removeChannelSet(utf8(setsDir()), "PROTV").ok);
    EXPECT_FALSE(removeChannelSet(utf8(setsDir()), "..").ok);
    EXPECT_TRUE(removeChannelSet(utf8(setsDir()), "MY TV").ok);
    expectSets({});
    EXPECT_EQ(catalogue().sets().size(), 7u);
}

// A cut-short add or remove leaves a temporary; the next one tidies it, and the list
// never shows it.
TEST_F(PlayerSets, LeftoversOfACutShortAddAreTidied) {
    writeFile(setsDir() / ".adding-1" / "misc8.fsh", "8");
    writeFile(setsDir() / "LINKED" / "misc8.fsh", "8");
    fs::create_directory_symlink(setsDir() / "LINKED", setsDir() / "VIA LINK");
    EXPECT_EQ(catalogue().sets().size(), 8u);  // LINKED only
    writeFile(pack() / "misc8.fsh", "8");
    ASSERT_TRUE(add(pack(), "NEW").ok);
    expectSets({"LINKED", "NEW", "VIA LINK"});
}

// The real pack's FOX takes the place of the placeholder for this player; its files,
// and the placeholder's, count as the program's own when the originals come back.
TEST_F(PlayerSets, APlayersFoxStandsInForTheShippedOne) {
    writeFile(gameFile(kGameFiles[0]), "the game's own");
    install("FOX");  // the placeholder, before the real pack came
    writeFile(pack() / "DATA" / "ENVIRO" / "Misc16.fsh", "real fox");
    writeFile(pack() / "DATA" / "ENVIRO" / "misc8.fsh", "real fox 8");
    const SetResult added = add(pack(), "FOX");
    ASSERT_TRUE(added.ok) << added.message;
    EXPECT_NE(added.message.find("takes the place"), std::string::npos);

    const Catalogue sets = catalogue();
    EXPECT_EQ(sets.sets().size(), 7u);
    const ChannelSet* fox = sets.find("FOX");
    ASSERT_TRUE(fox && fox->playersOwn);
    EXPECT_EQ(fox->completionMessage, findChannel("FOX")->completionMessage);
    EXPECT_EQ(entryKind(fox->preview), EntryKind::File);  // the shipped preview, lacking its own
    install("FOX");
    EXPECT_EQ(readFile(gameFile(kGameFiles[0])), "real fox");
    EXPECT_EQ(readFile(gameFile(kGameFiles[1])), "real fox 8");
    EXPECT_EQ(view_.messages.back().text, fox->completionMessage);

    EXPECT_TRUE(restore());
    EXPECT_EQ(readFile(gameFile(kGameFiles[0])), "the game's own");
    EXPECT_FALSE(fs::exists(gameFile(kGameFiles[1])));
    EXPECT_NE(removeChannelSet(utf8(setsDir()), "FOX").message.find("is back"), std::string::npos);
    EXPECT_FALSE(catalogue().find("FOX")->playersOwn);
}

}  // namespace
}  // namespace kestro
