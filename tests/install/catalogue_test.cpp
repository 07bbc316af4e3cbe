// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "install_fixture.h"

namespace kestro {
namespace {

using namespace test;

// What must always hold of the catalogue, for the seven and a player's set alike.
TEST(Catalogue, EveryEntryIsWhole) {
    TempFolder sets;
    for (const char* file : {"MY TV/misc8.fsh", "MY TV/POPUPS.ABG", "MY TV/popups.big",
                             "MY TV/notes.txt", "NO FILES/preview.jpg", "lower/misc8.fsh"})
        writeFile(sets.path() / file, file);
    const Catalogue catalogue(utf8(channelsDir()), utf8(sets.path()));
    ASSERT_EQ(catalogue.sets().size(), 8u);
    EXPECT_EQ(catalogue.sets().back().files.size(), 3u);
    EXPECT_EQ(catalogue.everySource().size(), 15u + 3u);
    std::set<std::string> keys;
    for (const ChannelSet& set : catalogue.sets()) {
        EXPECT_TRUE(keys.insert(set.key).second) << set.key;
        EXPECT_EQ(catalogue.find(set.key), &set);
        EXPECT_EQ(entryKind(set.preview), set.playersOwn ? EntryKind::Missing : EntryKind::File);
        const std::string& first = set.files.at(0).source;
        const std::string folder = first.substr(0, first.find_last_of("\\/") + 1);
        float last = 0;
        for (const ChannelSet::File& file : set.files) {
            EXPECT_TRUE(file.source.starts_with(folder)) << file.source;
            EXPECT_EQ(entryKind(file.source), EntryKind::File) << file.source;
            EXPECT_TRUE(slotOf(file.destination)) << file.destination;
            EXPECT_GT(file.progress, last);
            last = file.progress;
        }
        EXPECT_EQ(last, 99.0f) << set.key;
    }
    for (const char* text : {"fox", "Fox", " FOX", "FOX ", "", "SPORT TV"})
        EXPECT_EQ(catalogue.find(text), nullptr) << text;
}

}  // namespace
}  // namespace kestro
