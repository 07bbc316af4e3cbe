// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "install_fixture.h"
#include "originals.h"

namespace kestro {
namespace {

using namespace test;

bool shipped(std::string_view relative) {
    return fs::is_regular_file(below(channelsDir(), relative));
}

// What must always hold of the catalogue, whatever channels it lists.
TEST(Catalogue, EveryEntryIsWhole) {
    std::set<std::string_view> keys;
    for (const Channel& channel : channels()) {
        EXPECT_TRUE(keys.insert(channel.key).second) << channel.key;
        EXPECT_EQ(findChannel(channel.key), &channel);
        const std::string_view folder =
            channel.previewPath.substr(0, channel.previewPath.find('\\', 1));
        EXPECT_TRUE(shipped(channel.previewPath)) << channel.previewPath;
        float last = 0;
        for (const CopyStep& step : channel.steps) {
            EXPECT_TRUE(step.source.starts_with(folder)) << step.source;
            EXPECT_TRUE(shipped(step.source)) << step.source;
            EXPECT_TRUE(slotOf(step.destination)) << step.destination;
            EXPECT_GT(step.progress, last);
            last = step.progress;
        }
        EXPECT_EQ(last, 99.0f) << channel.key;
    }
}

TEST(Catalogue, OnlyTheExactKeyMatches) {
    for (const char* text : {"fox", "Fox", " FOX", "FOX ", "", "SPORT TV"})
        EXPECT_EQ(findChannel(text), nullptr) << text;
    EXPECT_EQ(findChannel("CANAL+")->steps.size(), 1u);
}

}  // namespace
}  // namespace kestro
